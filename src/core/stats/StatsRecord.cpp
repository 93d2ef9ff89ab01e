#include "core/stats/StatsRecord.h"

#include "core/common/LittleEndian.h"

#include <algorithm>

namespace qx71 {

namespace {

constexpr size_t kFields = kStatsFileBytes / sizeof(uint32_t);

std::array<uint32_t*, kFields> Fields(StatsRecord& r)
{
    return {&r.leftClicks,   &r.middleClicks,  &r.rightClicks,
            &r.wheelForward, &r.wheelBackward, &r.distance};
}

} // namespace

StatsRecord StatsFromBytes(const uint8_t* data, size_t size)
{
    std::array<uint8_t, kStatsFileBytes> padded{};
    std::copy_n(data, std::min(size, kStatsFileBytes), padded.begin());
    StatsRecord record;
    const auto fields = Fields(record);
    for (size_t i = 0; i < kFields; ++i) {
        *fields[i] = LoadLe32(padded.data() + 4 * i);
    }
    return record;
}

std::array<uint8_t, kStatsFileBytes> StatsToBytes(const StatsRecord& record)
{
    StatsRecord copy = record;
    const auto fields = Fields(copy);
    std::array<uint8_t, kStatsFileBytes> out{};
    for (size_t i = 0; i < kFields; ++i) {
        StoreLe32(out.data() + 4 * i, *fields[i]);
    }
    return out;
}

} // namespace qx71
