#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qx71 {

// The names of the seven default functions in both languages. Only these stored display names
// follow a change of language; a name chosen in one language otherwise stays as it is.
struct NameTranslationPair {
    std::u16string_view chinese;
    std::u16string_view english;
};

extern const std::array<NameTranslationPair, 7> kNameTranslationPairs;

// The stored display name in the language now in force: the first pair whose text in the
// other language equals `stored` (whole, case-sensitive) gives its text in this language;
// anything else is returned unchanged.
std::u16string RetranslateName(std::u16string_view stored, bool chineseUi);

} // namespace qx71
