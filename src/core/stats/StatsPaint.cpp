#include "core/stats/StatsPaint.h"

#include "core/stats/StatsModel.h"

namespace qx71 {

namespace {

std::string Count(uint32_t value)
{
    // The counters are unsigned: a count past 2^31 stays positive.
    return std::to_string(value);
}

} // namespace

std::string TrophyPictureFile(int level)
{
    return "trophy/trophy" + std::to_string(level) + "Down.bmp";
}

StatsPaint PaintStats(StatsModel& model, bool installChinese)
{
    StatsPaint paint;
    const StatsRecord& r = model.Record();
    const std::array<std::string, stats::kValueRows> texts{
        Count(r.leftClicks),       Count(r.middleClicks), Count(r.rightClicks),
        Count(model.ClickTotal()), Count(r.wheelForward), Count(r.wheelBackward),
        Count(model.WheelTotal()), model.DistanceText(),
    };
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        paint.values[row] = {stats::ValueBox(row, installChinese), texts[row]};
    }
    paint.level = model.Level();
    for (int i = 0; i < stats::kSmallTrophyCount; ++i) {
        paint.earned[static_cast<size_t>(i)] = i <= paint.level;
    }
    if (model.ShowLevel(paint.level)) {
        paint.largePicture = TrophyPictureFile(paint.level);
    }
    paint.strip = {stats::kStripOrigin.x, stats::kStripOrigin.y,
                   stats::kStripOrigin.x + TrophyStripWidth(paint.level), stats::kStripBottom};
    return paint;
}

std::vector<uint32_t> StatsHintsAt(Point point)
{
    std::vector<uint32_t> hints;
    if (stats::kLargeTrophy.Grown(1).Contains(point)) {
        hints.push_back(stats::kLargeTrophyHint);
    }
    if (stats::kResetButton.Grown(1).Contains(point)) {
        hints.push_back(stats::kResetHint);
    }
    return hints;
}

} // namespace qx71
