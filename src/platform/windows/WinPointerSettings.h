#pragma once

#include "core/hooks/IPointerSettings.h"

#include <array>
#include <optional>

namespace qx71 {

// The three pointer settings through SystemParametersInfoW, each written to the user profile
// and announced to every window (SPIF_UPDATEINIFILE | SPIF_SENDCHANGE).
class WinPointerSettings final : public IPointerSettings {
public:
    // SPI_SETMOUSE's thresholds and acceleration with enhanced precision on, and off.
    static constexpr std::array<int, 3> kPrecisionOn{6, 10, 1};
    static constexpr std::array<int, 3> kPrecisionOff{0, 0, 0};

    bool SetPrecision(bool on) override;
    bool SetSpeed(int speed) override;
    bool SetWheelLines(int lines) override;
    // Windows keeps all three.
    PointerValues Current() override;

    // SPI_GETMOUSE's thresholds and acceleration; nullopt when they cannot be read.
    static std::optional<std::array<int, 3>> Mouse();
};

} // namespace qx71
