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

// Text colours on the dark popup: the tabs' captions (normal; hover white, checked the kit's
// dark pressed text on amber), the title on its dark band, the current function and the
// disable box's text, the captured key's name, the row labels of the advanced page.
inline constexpr Rgb kTabText = kitcolours::kTextNormal;
inline constexpr Rgb kTitleColour{240, 170, 40};
inline constexpr Rgb kInfoColour{189, 189, 200};
inline constexpr Rgb kKeyNameColour{23, 148, 195};
inline constexpr Rgb kRowLabelColour = kitcolours::kTextNormal;
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
// The title's band, above the current function's line.
inline constexpr int kTitleBandBottom = 19;
inline constexpr Rect kCurrentFunctionText{8, 19, 380, 37};
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
// blue, dark enough under the white text (background, text, selected background, selected
// text).
inline constexpr Rgb kListBackground{18, 20, 24};
inline constexpr Rgb kListText{189, 189, 200};
inline constexpr Rgb kListSelectedBackground{16, 104, 146};
inline constexpr Rgb kListSelectedText{255, 255, 255};
} // namespace macropage

namespace basicpage {
inline constexpr int kListId = 101;
inline constexpr Rect kList{0, 0, 372, 171};
inline constexpr int kItemHeight = 18;
// The list's background pair and text pair (normal, selected): the lists' dark look.
inline constexpr Rgb kBackground = macropage::kListBackground;
inline constexpr Rgb kSelectedBackground = macropage::kListSelectedBackground;
inline constexpr Rgb kText = macropage::kListText;
inline constexpr Rgb kSelectedText = macropage::kListSelectedText;
} // namespace basicpage

namespace advancedpage {
// Sound, program, file, folder; top to bottom. Each row is two lines: the check box and its
// label, then the path field under the label (they share its left edge) and the browse
// button.
inline constexpr int kRowTop = 4;
inline constexpr int kRowPitch = 41;
inline constexpr int kColumnLeft = 46;
constexpr int RowTop(size_t row)
{
    return kRowTop + kRowPitch * static_cast<int>(row);
}
constexpr std::array<Rect, kHostRowCount> RowRects(int left, int top, int right, int bottom)
{
    std::array<Rect, kHostRowCount> rects{};
    for (size_t i = 0; i < kHostRowCount; ++i) {
        rects[i] = {left, RowTop(i) + top, right, RowTop(i) + bottom};
    }
    return rects;
}
inline constexpr std::array<Rect, kHostRowCount> kCheckBoxes = RowRects(21, 1, 38, 18);
inline constexpr std::array<Rect, kHostRowCount> kRowLabels = RowRects(kColumnLeft, 0, 349, 19);
inline constexpr std::array<Rect, kHostRowCount> kPathFields = RowRects(kColumnLeft, 20, 265, 40);
inline constexpr std::array<Rect, kHostRowCount> kBrowseButtons = RowRects(271, 19, 349, 41);
} // namespace advancedpage

} // namespace qx71::chooser
