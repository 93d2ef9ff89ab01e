#include "core/widgets/ScrollRepeat.h"

namespace qx71 {

ScrollRepeat::Actions ScrollRepeat::Press()
{
    active_ = true;
    Actions a;
    a.step = true;
    a.startDelay = true;
    return a;
}

ScrollRepeat::Actions ScrollRepeat::DelayElapsed()
{
    Actions a;
    a.startRepeat = active_;
    return a;
}

ScrollRepeat::Actions ScrollRepeat::RepeatElapsed(bool overArrow)
{
    Actions a;
    a.step = active_ && overArrow;
    return a;
}

ScrollRepeat::Actions ScrollRepeat::Release()
{
    Actions a;
    a.stopTimers = true;
    a.endScroll = active_;
    active_ = false;
    return a;
}

} // namespace qx71
