#pragma once

#include <cstdint>

namespace qx71 {

// Every wait and every tick count of the core goes through this, so tests run without real
// sleeps and can check each wait the mouse needs.
class IClock {
public:
    virtual ~IClock() = default;
    // Blocks the calling thread for `ms` milliseconds.
    virtual void SleepMs(uint32_t ms) = 0;
    // Milliseconds since some fixed point, wrapping at 2^32 like the system tick count.
    virtual uint32_t TickMs() = 0;
};

} // namespace qx71
