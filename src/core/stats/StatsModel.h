#pragma once

#include "core/stats/StatsRecord.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace qx71 {

class IFileSystem;
class IMessageSink;
class UiStrings;

inline constexpr int kTrophyLevels = 13; // levels 0..12
inline constexpr int kNoLevelShown = 800;

// The trophy level of a click or wheel total.
int TrophyLevelOf(uint32_t total);
// Width in pixels of the trophy strip at a level: 21 per earned trophy.
int TrophyStripWidth(int level);

// Mouse event codes the statistics count.
enum StatsEventCode : uint32_t {
    kStatsLeftDown = 0x201,
    kStatsRightDown = 0x204,
    kStatsMiddleDown = 0x207,
    kStatsWheelForward = 0x20A01,
    kStatsWheelBackward = 0x20A00,
};

// The statistics page without its drawing: the counters, the distance, the trophy level
// reached, and Sts.cfg.
class StatsModel {
public:
    StatsModel(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
               std::filesystem::path file, std::function<bool()> chineseUi = {});

    // Zeroes the record and reads up to 24 bytes. A missing file (or folder) is reported and
    // counting starts from zero.
    bool Load();
    // Writes the record atomically. Every failure is told, naming the file (a file that could
    // not be read was told by the file system); the counts stay in memory.
    bool Save();

    // One event of the input hook; codes other than the five counted ones change nothing.
    void Count(uint32_t code);
    // A cursor sample: adds the city-block distance from the previous sample.
    void AddSample(int32_t x, int32_t y);
    void SetLastPosition(int32_t x, int32_t y);

    uint32_t ClickTotal() const;
    uint32_t WheelTotal() const;
    // The level to show: the larger level of the two totals, never below the level already
    // reached (which it then holds).
    int Level();
    int HeldLevel() const { return heldLevel_; }
    // The level whose pictures are on screen; kNoLevelShown until the first drawing.
    int LevelShown() const { return levelShown_; }
    // True when the pictures must change to `level` (and remembers it as shown).
    bool ShowLevel(int level);
    // The distance as the page shows it: pixels x 0.0001 with two decimals.
    std::string DistanceText() const;

    // Zeroes the counters and the held level, forgets the level shown, and saves.
    bool Reset();
    static std::u16string ResetPrompt(bool chineseUi);

    const StatsRecord& Record() const { return record_; }

private:
    IFileSystem& files_;
    IMessageSink& messages_;
    const UiStrings& strings_;
    std::filesystem::path file_;
    std::function<bool()> chineseUi_;
    StatsRecord record_;
    int heldLevel_ = 0;
    int levelShown_ = kNoLevelShown;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
};

} // namespace qx71
