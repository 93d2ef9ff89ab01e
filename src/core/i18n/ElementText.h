#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

class MarkupDocument;

// The text of the first element named `key` under the first child named `section` of the
// root element, or else in a `section` element nested inside that one, and so on down; keys
// in a second sibling `section` are never found. Names are matched exactly. Empty when there
// is no such element. Moves the document's position.
std::u16string GetElementText(MarkupDocument& doc, std::string_view section, std::string_view key);

// The same, telling a missing element (nullopt) from an empty one.
std::optional<std::u16string> FindElementText(MarkupDocument& doc, std::string_view section,
                                              std::string_view key);

} // namespace qx71
