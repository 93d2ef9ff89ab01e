#include "core/device/DeviceFormats.h"

#include "core/common/LittleEndian.h"

namespace qx71 {

namespace {

struct DpiRow {
    uint32_t dpi;
    uint8_t code;
};

constexpr DpiRow kDpiCodes[] = {
    {500, 0x02},  {750, 0x03},  {1000, 0x04}, {1250, 0x05}, {1500, 0x06},
    {1750, 0x07}, {2000, 0x08}, {2250, 0x09}, {2500, 0x25}, {3000, 0x26},
};

} // namespace

std::array<uint8_t, kButtonTableBytes> ButtonTable::Bytes() const
{
    std::array<uint8_t, kButtonTableBytes> out{};
    for (size_t i = 0; i < kButtonTableSlots; ++i) {
        StoreLe32(out.data() + i * sizeof(DeviceCode), slots[i]);
    }
    return out;
}

std::array<uint8_t, kDpiTableBytes> DpiTable::Bytes() const
{
    std::array<uint8_t, kDpiTableBytes> out{};
    for (size_t i = 0; i < kDpiStages; ++i) {
        out[i] = stageCodes[i];
        out[kDpiStages + i] = stageCodes[i];
    }
    return out;
}

std::optional<uint8_t> DpiCode(uint32_t dpi)
{
    for (const auto& row : kDpiCodes) {
        if (row.dpi == dpi) {
            return row.code;
        }
    }
    return std::nullopt;
}

std::optional<uint32_t> DpiOfCode(uint8_t code)
{
    for (const auto& row : kDpiCodes) {
        if (row.code == code) {
            return row.dpi;
        }
    }
    return std::nullopt;
}

} // namespace qx71
