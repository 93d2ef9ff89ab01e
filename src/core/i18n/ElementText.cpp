#include "core/i18n/ElementText.h"

#include "core/common/Utf.h"
#include "core/markup/MarkupDocument.h"

namespace qx71 {

std::optional<std::u16string> FindElementText(MarkupDocument& doc, std::string_view section,
                                              std::string_view key)
{
    const std::u16string sectionName = Utf8ToUtf16(section);
    const std::u16string keyName = Utf8ToUtf16(key);
    doc.ResetPosition();
    // Each round steps one `section` level deeper, so this ends with the tree.
    while (doc.FindChildElement(sectionName)) {
        doc.EnterElement();
        if (doc.FindChildElement(keyName)) {
            return doc.ChildText();
        }
    }
    return std::nullopt;
}

std::u16string GetElementText(MarkupDocument& doc, std::string_view section, std::string_view key)
{
    return FindElementText(doc, section, key).value_or(std::u16string());
}

} // namespace qx71
