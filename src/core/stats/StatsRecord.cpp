#include "core/stats/StatsRecord.h"

#include "core/common/RecordCodec.h"

#include <algorithm>

namespace qx71 {

namespace {

template <class R, class F> void VisitStatsFields(R& r, F&& f)
{
    f(offsetof(StatsRecord, leftClicks), r.leftClicks);
    f(offsetof(StatsRecord, middleClicks), r.middleClicks);
    f(offsetof(StatsRecord, rightClicks), r.rightClicks);
    f(offsetof(StatsRecord, wheelForward), r.wheelForward);
    f(offsetof(StatsRecord, wheelBackward), r.wheelBackward);
    f(offsetof(StatsRecord, distance), r.distance);
}

} // namespace

StatsRecord StatsFromBytes(const uint8_t* data, size_t size)
{
    std::array<uint8_t, kStatsFileBytes> padded{};
    std::copy_n(data, std::min(size, kStatsFileBytes), padded.begin());
    StatsRecord record;
    VisitStatsFields(record, codec::Reader(padded.data()));
    return record;
}

std::array<uint8_t, kStatsFileBytes> StatsToBytes(const StatsRecord& record)
{
    std::array<uint8_t, kStatsFileBytes> out{};
    VisitStatsFields(record, codec::Writer(out.data()));
    return out;
}

} // namespace qx71
