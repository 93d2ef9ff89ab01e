#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qx71 {

// The game titles macros are filed under, and the user's own group.
inline constexpr uint32_t kFirstMacroCategory = 1;
inline constexpr uint32_t kUserMacroCategory = 21;
inline constexpr size_t kMacroCategoryCount = 21;

constexpr bool IsMacroCategory(uint32_t id)
{
    return id >= kFirstMacroCategory && id <= kUserMacroCategory;
}

// The texts of one category. Trailing spaces and spellings are the program's own and are
// shown as they are.
struct MacroCategoryTexts {
    uint32_t id;
    std::u16string_view menuChinese;
    std::u16string_view menuEnglish;
    std::u16string_view captionChinese; // the game button after the choice
    std::u16string_view captionEnglish;
    std::u16string_view chooserChinese; // the game list of the function chooser
    std::u16string_view chooserEnglish;
};

// In menu order, ids 1..21.
extern const MacroCategoryTexts kMacroCategories[kMacroCategoryCount];

// Chinese texts when the interface is Simplified Chinese, English ones otherwise. Ids outside
// 1..21 give empty texts.
std::u16string_view MacroCategoryMenuText(uint32_t id, bool chinese);
std::u16string_view MacroCategoryCaption(uint32_t id, bool chinese);
// The chooser's game list: entry `item` (0..20) stands for category item + 1.
std::u16string_view ChooserGameTitle(size_t item, bool chinese);
constexpr uint32_t ChooserGameCategory(size_t item)
{
    return static_cast<uint32_t>(item) + kFirstMacroCategory;
}

} // namespace qx71
