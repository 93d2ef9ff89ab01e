#include "core/stats/CursorSampler.h"

#include "core/common/IClock.h"

namespace qx71 {

namespace {

uint64_t Pack(int32_t x, int32_t y)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
}

} // namespace

CursorSampler::CursorSampler(IClock& clock, ICursorPosition& cursor, std::function<void()> post)
    : clock_(clock), cursor_(cursor), post_(std::move(post))
{
}

CursorSampler::~CursorSampler()
{
    Stop();
}

void CursorSampler::Start()
{
    if (running_.exchange(true)) {
        return;
    }
    thread_ = std::thread([this] { Run(); });
}

void CursorSampler::Stop()
{
    running_ = false;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CursorSampler::Latest(int32_t& x, int32_t& y) const
{
    const uint64_t point = point_.load();
    x = static_cast<int32_t>(static_cast<uint32_t>(point >> 32));
    y = static_cast<int32_t>(static_cast<uint32_t>(point));
}

void CursorSampler::Run()
{
    while (running_) {
        int32_t x = 0;
        int32_t y = 0;
        if (cursor_.Read(x, y)) {
            point_ = Pack(x, y);
            post_();
        }
        for (uint32_t slice = 0; slice < kSlicesPerInterval && running_; ++slice) {
            clock_.SleepMs(kSliceMs);
        }
    }
}

} // namespace qx71
