#pragma once

#include "core/common/IClock.h"

namespace qx71 {

class SteadyClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override;
    uint32_t TickMs() override;
};

} // namespace qx71
