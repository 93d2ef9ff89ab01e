#pragma once

#include "core/widgets/Geometry.h"

#include <cstdint>
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

// The one-line help at the bottom of the main window.
class HintLine {
public:
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
};

} // namespace qx71
