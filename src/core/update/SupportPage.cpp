#include "core/update/SupportPage.h"

namespace qx71 {

std::vector<uint32_t> SupportHintsAt(Point point)
{
    std::vector<uint32_t> hints;
    for (const auto& spec : support::kControls) {
        if (spec.rect.Grown(1).Contains(point)) {
            hints.push_back(spec.hint);
        }
    }
    return hints;
}

} // namespace qx71
