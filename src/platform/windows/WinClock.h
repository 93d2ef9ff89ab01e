#pragma once

#include "core/common/IClock.h"

namespace qx71 {

// The system's own sleep and tick count (Sleep, GetTickCount).
class WinClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override;
    uint32_t TickMs() override;
};

} // namespace qx71
