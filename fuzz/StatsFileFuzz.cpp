// libFuzzer target for the reader of Sts.cfg: any file content reads into a record that writes
// back as exactly the bytes read (zero-padded to the record's size), with no crash or
// over-read.
#include "core/stats/StatsModel.h"
#include "core/stats/StatsRecord.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qx71::StatsRecord record = qx71::StatsFromBytes(data, size);
    const auto back = qx71::StatsToBytes(record);
    const size_t used = std::min(size, back.size());
    if (!std::equal(back.begin(), back.begin() + static_cast<std::ptrdiff_t>(used), data) ||
        !std::all_of(back.begin() + static_cast<std::ptrdiff_t>(used), back.end(),
                     [](uint8_t b) { return b == 0; })) {
        std::abort();
    }
    // The trophy level of any click total is one of the levels.
    for (uint32_t total :
         {record.leftClicks, record.distance, record.leftClicks + record.rightClicks}) {
        const int level = qx71::TrophyLevelOf(total);
        if (level < 0 || level >= qx71::kTrophyLevels) {
            std::abort();
        }
    }
    return 0;
}
