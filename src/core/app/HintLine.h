#pragma once

#include "core/hooks/PointerSupport.h"
#include "core/widgets/Geometry.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qx71 {

// The window message that shows a hint: lParam is the hint code.
inline constexpr uint32_t kHintMessage = 0x805;
// Codes of the main window's own controls: tabs 1..5, profile buttons 6..10, Apply 11.
inline constexpr int kHintFirstTab = 1;
inline constexpr int kHintFirstProfile = 6;
inline constexpr int kHintApply = 11;
// The code that clears the hint line.
inline constexpr int kHintNone = 99;

// The interface-string key of a hint code; empty for 99 and every code without a text.
std::string_view HintKey(int code);

// The hint codes that a pointer at `point` (on the window's background) posts, in posting
// order: each of the tabs, profile buttons and Apply whose window rectangle, grown by one
// pixel on each side, holds the point. The last one posted is the one that stays.
std::vector<int> HintCodesAt(Point point);

// The pointer setting the control with a hint code sets; nullopt for every other code.
std::optional<PointerSetting> PointerSettingOfHint(int code);

// The one-line help at the bottom of the main window.
class HintLine {
public:
    // The settings the desktop keeps: a hint over a control it ignores says so.
    void SetPointerSupport(PointerSupport support) { support_ = support; }
    // What follows the hint's text: that this desktop does not use the control's setting;
    // empty otherwise.
    std::u16string_view Note(bool chinese) const;

    // A hint message: clears the line, then shows the text of `code`.
    void Show(int code);
    // The pointer moved over the window's background: clears the line and returns the codes
    // to post. True in `repaint` when the line was cleared.
    std::vector<int> OnMouseMove(Point point, bool& repaint);

    int Code() const { return code_; }
    std::string_view Key() const { return HintKey(code_); }
    bool Empty() const { return Key().empty(); }

private:
    int code_ = kHintNone;
    PointerSupport support_ = PointerSupport::All();
};

} // namespace qx71
