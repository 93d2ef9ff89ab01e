#pragma once

namespace qx71 {

// The auto-repeat of a scroll bar's arrows: one step at once on the press, then after a
// 500 ms delay (timer 200) a step every 100 ms (timer 100) while the button stays down over
// the arrow; the release stops both and ends the scroll.
class ScrollRepeat {
public:
    static constexpr int kDelayTimerId = 200;
    static constexpr int kDelayMs = 500;
    static constexpr int kRepeatTimerId = 100;
    static constexpr int kRepeatMs = 100;

    struct Actions {
        bool step = false;        // send one line step
        bool startDelay = false;  // start the delay timer
        bool startRepeat = false; // stop the delay timer, start the repeat timer
        bool stopTimers = false;  // kill both timers
        bool endScroll = false;   // send the end-scroll code
    };

    Actions Press();
    Actions DelayElapsed();
    // `overArrow`: the button is still down over the arrow that was pressed.
    Actions RepeatElapsed(bool overArrow);
    Actions Release();

    bool Active() const { return active_; }

private:
    bool active_ = false;
};

} // namespace qx71
