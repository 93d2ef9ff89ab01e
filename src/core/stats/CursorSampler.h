#pragma once

#include "core/stats/ICursorPosition.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace qx71 {

class IClock;

// Reads the pointer position every 500 ms on its own thread and posts a notice; the owner's
// thread takes the point with Latest(). The point is published as one atomic word so that the
// reader never sees x of one sample with y of another.
class CursorSampler {
public:
    static constexpr uint32_t kIntervalMs = 500;
    // The wait is taken in slices, so that a stop (the window closing) is not held up by it.
    static constexpr uint32_t kSliceMs = 50;
    static constexpr uint32_t kSlicesPerInterval = kIntervalMs / kSliceMs;
    static_assert(kIntervalMs % kSliceMs == 0);

    CursorSampler(IClock& clock, ICursorPosition& cursor, std::function<void()> post);
    ~CursorSampler();
    CursorSampler(const CursorSampler&) = delete;
    CursorSampler& operator=(const CursorSampler&) = delete;

    void Start();
    // Ends the thread within one slice of its wait.
    void Stop();
    void Latest(int32_t& x, int32_t& y) const;

private:
    void Run();

    IClock& clock_;
    ICursorPosition& cursor_;
    std::function<void()> post_;
    std::atomic<uint64_t> point_{0};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

} // namespace qx71
