#pragma once

#include "core/widgets/Geometry.h"

#include "core/widgets/KitColours.h"

#include <array>
#include <cstddef>
#include <string_view>

// The function chooser's layout: the popup and its four pages, in their own client pixels.
// The popup takes the size of its background sheet, which is drawn at kPopupSize.
namespace qx71::chooser {

inline constexpr Size kPopupSize{412, 300};
// The popup's window name (scripts and window managers find it by it).
inline constexpr std::string_view kWindowName = "TolviQX71SettingDlg";

// A window's three sheets under skins/: background (also the normal and disabled face of its
// buttons), hover faces, pressed faces (a checked box or tab shows its pressed face).
struct Sheets {
    std::string_view normal;
    std::string_view hover;
    std::string_view pressed;
};
inline constexpr Sheets kPopupSheets{"setting/Setting_Normal.bmp", "setting/Setting_Over.bmp",
                                     "setting/Setting_Down.bmp"};
inline constexpr Sheets kKeyPageSheets{"combo/Combo_Normal.bmp", "combo/Combo_Over.bmp",
                                       "combo/Combo_Down.bmp"};
inline constexpr Sheets kMacroPageSheets{"macro/Macro_Normal.bmp", "macro/Macro_Over.bmp",
                                         "macro/Macro_Down.bmp"};
inline constexpr Sheets kBasicPageSheets{"base/Base_Normal.bmp", "base/Base_Over.bmp",
                                         "base/Base_Down.bmp"};
inline constexpr Sheets kAdvancedPageSheets{
    "advanced/Advanced_Normal.bmp", "advanced/Advanced_Over.bmp", "advanced/Advanced_Down.bmp"};

// Text colours: the tabs' captions (normal; hover and pressed are white), the title, the
// current function and the disable box's text, the captured key's name, the row labels of
// the advanced page.
inline constexpr Rgb kTabText{83, 97, 103};
inline constexpr Rgb kTitleColour{88, 95, 105};
inline constexpr Rgb kInfoColour{189, 189, 200};
inline constexpr Rgb kKeyNameColour{23, 148, 195};
inline constexpr Rgb kRowLabelColour{88, 95, 105};
inline constexpr int kTextPixels = 14;
inline constexpr size_t kTabCount = 4;
inline constexpr size_t kModifierCount = 4;
inline constexpr size_t kHostRowCount = 4;

inline constexpr Rect kCloseButton{383, 1, 411, 24};
// Key or combination, macro, basic, advanced; left to right.
inline constexpr std::array<Rect, kTabCount> kTabs{{
    {0, 37, 110, 64},
    {111, 37, 207, 64},
    {208, 37, 303, 64},
    {304, 37, 412, 64},
}};
inline constexpr Rect kPageArea{21, 74, 391, 243};
inline constexpr Rect kDisableBox{23, 258, 42, 277};
inline constexpr Rect kDefaultButton{238, 254, 315, 289};
inline constexpr Rect kOkButton{316, 254, 393, 289};

// Painted texts.
inline constexpr Rect kTitleText{75, 1, 317, 20};
inline constexpr Rect kCurrentFunctionText{5, 16, 180, 38};
inline constexpr Rect kDisableText{46, 258, 106, 278};

// The pages, in page pixels (their origin is kPageArea's top-left corner).
inline constexpr Size kPageSize{kPageArea.Width(), kPageArea.Height()};

namespace keypage {
// Ctrl, Alt, Shift, Win; top to bottom.
inline constexpr std::array<Rect, kModifierCount> kModifierBoxes{{
    {59, 45, 72, 58},
    {59, 70, 72, 83},
    {59, 94, 72, 108},
    {58, 119, 72, 133},
}};
// Where the page image names each modifier, right of its box.
inline constexpr std::array<Rect, kModifierCount> kModifierLabels{{
    {80, 43, 150, 60},
    {80, 68, 150, 85},
    {80, 93, 150, 110},
    {80, 118, 150, 135},
}};
inline constexpr Rect kKeyNameText{170, 77, 326, 100};
// The frame drawn around the captured key's name.
inline constexpr Rect kKeyNameFrame{164, 71, 332, 106};
} // namespace keypage

namespace macropage {
inline constexpr int kGameListId = 10001;
inline constexpr int kMacroListId = 10002;
inline constexpr Rect kGameList{1, 1, 184, 168};
inline constexpr Rect kMacroList{188, 1, 369, 168};
// The lists' look on the dark popup: light text on a dark well, the selection in the accent
// blue (background, text, selected background, selected text).
inline constexpr Rgb kListBackground{18, 20, 24};
inline constexpr Rgb kListText{189, 189, 200};
inline constexpr Rgb kListSelectedBackground{21, 140, 185};
inline constexpr Rgb kListSelectedText{255, 255, 255};
} // namespace macropage

namespace basicpage {
inline constexpr int kListId = 101;
inline constexpr Rect kList{0, 0, 372, 171};
inline constexpr int kItemHeight = 18;
// The list's background pair and text pair (normal, selected).
inline constexpr Rgb kBackground{15, 15, 15};
inline constexpr Rgb kSelectedBackground{37, 37, 37};
inline constexpr Rgb kText{83, 92, 107};
inline constexpr Rgb kSelectedText{150, 150, 150};
} // namespace basicpage

namespace advancedpage {
// Sound, program, file, folder; top to bottom.
inline constexpr std::array<Rect, kHostRowCount> kCheckBoxes{{
    {21, 37, 38, 54},
    {21, 63, 38, 80},
    {21, 88, 38, 105},
    {21, 114, 38, 131},
}};
inline constexpr std::array<Rect, kHostRowCount> kPathFields{{
    {124, 36, 263, 56},
    {124, 63, 263, 83},
    {124, 89, 263, 109},
    {124, 116, 263, 136},
}};
inline constexpr std::array<Rect, kHostRowCount> kBrowseButtons{{
    {273, 33, 349, 59},
    {273, 59, 349, 85},
    {273, 86, 349, 112},
    {273, 113, 349, 139},
}};
// A label too long for one line is wrapped onto two in its rectangle grown by this much above
// and below; the page image's plate under it covers that.
inline constexpr int kRowLabelGrowth = 3;
inline constexpr std::array<Rect, kHostRowCount> kRowLabels{{
    {41, 36, 127, 56},
    {41, 63, 127, 83},
    {41, 89, 127, 109},
    {41, 116, 127, 136},
}};
} // namespace advancedpage

} // namespace qx71::chooser
