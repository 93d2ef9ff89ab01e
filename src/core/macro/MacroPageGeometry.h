#pragma once

#include "core/app/MainWindowGeometry.h"
#include "core/macro/GameMenu.h"
#include "core/macro/MacroPageControls.h"
#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qx71::macropage {

// The macro page's layout in page client pixels. The page sheets are drawn at exactly
// kPageSize from this table, and each button's images are cut from them at its rectangle.
inline constexpr Size kPageSize{mainwindow::kPageArea.Width(), mainwindow::kPageArea.Height()};

inline constexpr std::string_view kSheetNormal = "Macro_normal.bmp";
inline constexpr std::string_view kSheetDown = "Macro_down.bmp";
inline constexpr std::string_view kSheetOver = "Macro_over.bmp";
// The buttons' disabled look (while recording), drawn in the sheets' dim faces.
inline constexpr std::string_view kSheetDisabled = "Macro_disabled.bmp";

// Three columns: the macros of the game title, the events of the macro, and recording with
// the single-event editor.
inline constexpr Rect kMacroColumn{12, 8, 328, 444};
inline constexpr Rect kEventColumn{338, 8, 606, 444};
inline constexpr Rect kRecordColumn{616, 8, 913, 444};
// The part of the third column where one event is inserted or modified.
inline constexpr Rect kEditPanel{622, 222, 907, 346};

// Every control's window rectangle, in MacroControl order (None excluded).
inline constexpr size_t kControlCount = static_cast<size_t>(MacroControl::None);
inline constexpr std::array<Rect, kControlCount> kControlRects{{
    {20, 398, 60, 434},   // NewMacro
    {68, 398, 108, 434},  // DeleteMacro
    {346, 398, 386, 434}, // Insert
    {394, 398, 434, 434}, // DeleteEvent
    {442, 398, 482, 434}, // Modify
    {625, 36, 905, 76},   // Record
    {625, 88, 905, 114},  // NoDelay
    {825, 126, 905, 150}, // LoopCount
    {625, 166, 711, 206}, // LeftButton
    {722, 166, 808, 206}, // MiddleButton
    {819, 166, 905, 206}, // RightButton
    {630, 230, 764, 256}, // KeyOption
    {630, 268, 846, 294}, // KeyField
    {768, 230, 902, 256}, // DelayOption
    {630, 306, 846, 332}, // DelayField
    {20, 12, 320, 32},    // CategoryLabel
    {20, 104, 320, 386},  // MacroList
    {346, 84, 598, 102},  // EventListLabel
    {346, 104, 598, 386}, // EventList (the frame of its scroll host)
    {20, 36, 320, 68},    // GameButton
    {852, 268, 902, 294}, // KeyConfirm
    {852, 306, 902, 332}, // DelayConfirm
}};

constexpr const Rect& ControlRectOf(MacroControl control)
{
    return kControlRects[static_cast<size_t>(control)];
}

// The window rectangles the hint test goes through, in its order.
constexpr std::array<ControlRect, kMacroHintControls> HintRects()
{
    std::array<ControlRect, kMacroHintControls> rects{};
    for (size_t i = 0; i < kMacroHintControls; ++i) {
        const Rect& r = kControlRects[i];
        rects[i] = {r.left, r.top, r.right, r.bottom};
    }
    return rects;
}

// Texts the page paints itself in the interface language (UiStrings keys): the labels of the
// two lists and of the category above the game button, and the loop count's label.
struct PaintedLabel {
    Rect rect;
    std::string_view textKey;
};
inline constexpr std::array<PaintedLabel, 4> kPaintedLabels{{
    {ControlRectOf(MacroControl::CategoryLabel), "str_macro_choose"},
    {{20, 84, 320, 102}, "str_marco_list"},
    {ControlRectOf(MacroControl::EventListLabel), "str_key_list"},
    {{625, 126, 819, 150}, "str_macro_loop"},
}};

// The check buttons carry their caption from the language file right of a check box drawn
// in the sheets at this place (button-relative).
inline constexpr Rect kCheckBox{6, 5, 22, 21};
// The tooltip keys of the check buttons double as their captions.
constexpr bool IsCheckButton(MacroControl control)
{
    return control == MacroControl::NoDelay || control == MacroControl::KeyOption ||
           control == MacroControl::DelayOption;
}
// The buttons drawn with a glyph and no caption.
constexpr bool IsGlyphButton(MacroControl control)
{
    switch (control) {
    case MacroControl::NewMacro:
    case MacroControl::DeleteMacro:
    case MacroControl::Insert:
    case MacroControl::DeleteEvent:
    case MacroControl::Modify:
    case MacroControl::LeftButton:
    case MacroControl::MiddleButton:
    case MacroControl::RightButton:
    case MacroControl::KeyConfirm:
    case MacroControl::DelayConfirm:
        return true;
    default:
        return false;
    }
}
// The controls of the edit panel, hidden while no event is inserted or modified. The sheets
// draw them, and their wells reach one pixel beyond their rectangles.
constexpr bool IsEditPanelControl(MacroControl control)
{
    switch (control) {
    case MacroControl::KeyOption:
    case MacroControl::KeyField:
    case MacroControl::KeyConfirm:
    case MacroControl::DelayOption:
    case MacroControl::DelayField:
    case MacroControl::DelayConfirm:
        return true;
    default:
        return false;
    }
}
// The edits, drawn as wells in the sheets.
constexpr bool IsField(MacroControl control)
{
    return control == MacroControl::LoopCount || control == MacroControl::KeyField ||
           control == MacroControl::DelayField;
}
// The record button's red dot, left of its caption (button-relative).
inline constexpr Rect kRecordIcon{12, 12, 28, 28};
// The game button carries a drop-down arrow at its right end (button-relative).
inline constexpr int kGameArrowWidth = 28;

// The edits draw their text in the accent blue on a near-black well, drawn in the sheets.
inline constexpr Rgb kFieldText{21, 140, 185};
inline constexpr Rgb kFieldWell{15, 15, 15};
// The three columns' face; the parts of the edit panel whose controls are hidden show it.
inline constexpr Rgb kColumnFill{31, 34, 40};
// The lists' rows: the kit's normal text on a dark well.
inline constexpr Rgb kListWell{20, 22, 26};

// Control identifiers, as the lists and edits report them.
inline constexpr int kMacroListId = 256;
inline constexpr int kEventListId = 257;
inline constexpr int kLoopCountId = 1001;
inline constexpr int kKeyFieldId = 1002;
inline constexpr int kDelayFieldId = 1003;
// Characters the edits take.
inline constexpr int kLoopCountMaxLength = 5;
inline constexpr int kKeyFieldMaxLength = 1;
inline constexpr int kDelayFieldMaxLength = 4;

// List rows: the event list's are 18 pixels high with a 16-pixel icon.
inline constexpr int kMacroItemHeight = 22;
inline constexpr int kEventItemHeight = 18;
inline constexpr Size kListIconSize{16, 16};
// The icons of the event items, under skins/: release, press and pause, each plain and for
// the selected item.
inline constexpr std::array<std::string_view, 6> kListIcons = {
    "up_normal.png",   "up_select.png",    "down_normal.png",
    "down_select.png", "delay_normal.png", "delay_select.png",
};

// The loop-count normaliser's timer.
inline constexpr int kLoopTimerId = 153;
inline constexpr int kLoopTimerMs = 4000;

// The game menu's item images are as wide as the game button, one item high.
inline constexpr Size kGameMenuImageSize{ControlRectOf(MacroControl::GameButton).Width(),
                                         static_cast<int>(kGameMenuNumber)};

} // namespace qx71::macropage
