#pragma once

#include "core/buttons/ButtonFunction.h"
#include "core/device/DeviceFormats.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

enum class FunctionCategory : uint8_t {
    MouseButton,
    Wheel,
    Multimedia,
    Desktop,
    Disable,
    Sniper,
    Fire,
};

// One function the mouse carries out by itself once its button table holds `deviceCode`.
struct CatalogueEntry {
    ButtonFunction function;
    FunctionCategory category;
    std::u16string_view chineseName;
    std::u16string_view englishName;
    DeviceCode deviceCode;
};

inline constexpr size_t kCatalogueSize = 27;
extern const std::array<CatalogueEntry, kCatalogueSize> kFunctionCatalogue;

// The entry of a catalogue code; nullptr for the kind markers and unknown codes.
const CatalogueEntry* FindCatalogueEntry(int32_t code);

// The display name of a catalogue code: Chinese exactly when the Chinese interface is in force,
// English otherwise. Empty for the kind markers and every code outside the catalogue.
std::u16string FunctionName(int32_t code, bool chineseUi);

// The button-table code of a catalogue function; nullopt for the kind markers (the write pass
// resolves those) and unknown codes.
std::optional<DeviceCode> CatalogueDeviceCode(int32_t code);

} // namespace qx71
