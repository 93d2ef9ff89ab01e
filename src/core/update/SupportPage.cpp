#include "core/update/SupportPage.h"

#include "core/app/HintLine.h"

namespace qx71 {

bool IsDisplayOnly(support::Control control)
{
    return control == support::Control::ProgramVersion ||
           control == support::Control::FirmwareVersion;
}

std::string_view CaptionKey(support::Control control)
{
    if (!IsDisplayOnly(control)) {
        return support::Spec(control).tooltipKey;
    }
    return HintKey(static_cast<int>(support::Spec(control).hint));
}

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
