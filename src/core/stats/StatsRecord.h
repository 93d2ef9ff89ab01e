#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx71 {

// The content of Sts.cfg: six unsigned 32-bit little-endian counters, no header.
struct StatsRecord {
    uint32_t leftClicks = 0;
    uint32_t middleClicks = 0;
    uint32_t rightClicks = 0;
    uint32_t wheelForward = 0;
    uint32_t wheelBackward = 0;
    uint32_t distance = 0; // cursor travel in screen pixels
};

inline constexpr size_t kStatsFileBytes = 24;
static_assert(offsetof(StatsRecord, leftClicks) == 0);
static_assert(offsetof(StatsRecord, middleClicks) == 4);
static_assert(offsetof(StatsRecord, rightClicks) == 8);
static_assert(offsetof(StatsRecord, wheelForward) == 12);
static_assert(offsetof(StatsRecord, wheelBackward) == 16);
static_assert(offsetof(StatsRecord, distance) == 20);
static_assert(sizeof(StatsRecord) == kStatsFileBytes);

// A record from the start of a file; a short file leaves the rest zero.
StatsRecord StatsFromBytes(const uint8_t* data, size_t size);
std::array<uint8_t, kStatsFileBytes> StatsToBytes(const StatsRecord& record);

} // namespace qx71
