#include "platform/windows/WinClock.h"

#include <windows.h>

namespace qx71 {

void WinClock::SleepMs(uint32_t ms)
{
    ::Sleep(ms);
}

uint32_t WinClock::TickMs()
{
    return ::GetTickCount();
}

} // namespace qx71
