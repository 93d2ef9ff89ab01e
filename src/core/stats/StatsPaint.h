#pragma once

#include "core/stats/StatsPageGeometry.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

class StatsModel;

// What one paint of the statistics page draws, decided from the model.
struct StatsPaint {
    struct Value {
        Rect box;
        std::string text;
    };
    std::array<Value, stats::kValueRows> values;
    int level = 0;
    // The strip, reshaped to the level's width; shown checked.
    Rect strip;
    // Trophies 0 to the level are earned (checked), the others not.
    std::array<bool, stats::kSmallTrophyCount> earned{};
    // Set when the level differs from the one on screen: the large picture takes this file
    // (under skins/) for every state, the small trophies take `earned`, and the whole page is
    // redrawn.
    std::optional<std::string> largePicture;
};

// One paint: computes the level (held from then on), the eight texts in the boxes of the
// installation's layout, and whether the trophy pictures change (remembered as shown).
StatsPaint PaintStats(StatsModel& model, bool installChinese);

// The large picture of a level, relative to the skins folder.
std::string TrophyPictureFile(int level);

// The hint ids to post for a cursor at `point`: the large trophy (54), the reset button (55).
std::vector<uint32_t> StatsHintsAt(Point point);

} // namespace qx71
