#include "core/device/MacroStream.h"

#include <algorithm>
#include <iterator>

namespace qx71 {

namespace {

struct UsageRow {
    uint8_t usage;
    uint8_t virtualKey;
};

// Keyboard usages and the virtual-key codes that produce them. A code is translated by its
// first row, so the keypad Enter row never wins over Enter.
constexpr UsageRow kUsageRows[] = {
    {0x00, 0x00}, {0x01, 0x00}, {0x02, 0x00}, {0x03, 0x00}, {0x04, 0x41}, {0x05, 0x42},
    {0x06, 0x43}, {0x07, 0x44}, {0x08, 0x45}, {0x09, 0x46}, {0x0A, 0x47}, {0x0B, 0x48},
    {0x0C, 0x49}, {0x0D, 0x4A}, {0x0E, 0x4B}, {0x0F, 0x4C}, {0x10, 0x4D}, {0x11, 0x4E},
    {0x12, 0x4F}, {0x13, 0x50}, {0x14, 0x51}, {0x15, 0x52}, {0x16, 0x53}, {0x17, 0x54},
    {0x18, 0x55}, {0x19, 0x56}, {0x1A, 0x57}, {0x1B, 0x58}, {0x1C, 0x59}, {0x1D, 0x5A},
    {0x1E, 0x31}, {0x1F, 0x32}, {0x20, 0x33}, {0x21, 0x34}, {0x22, 0x35}, {0x23, 0x36},
    {0x24, 0x37}, {0x25, 0x38}, {0x26, 0x39}, {0x27, 0x30}, {0x28, 0x0D}, {0x29, 0x1B},
    {0x2A, 0x08}, {0x2B, 0x09}, {0x2C, 0x20}, {0x2D, 0xBD}, {0x2E, 0xBB}, {0x2F, 0xDB},
    {0x30, 0xDD}, {0x31, 0xDC}, {0x32, 0x00}, {0x33, 0xBA}, {0x34, 0xDE}, {0x35, 0xC0},
    {0x36, 0xBC}, {0x37, 0xBE}, {0x38, 0xBF}, {0x39, 0x14}, {0x3A, 0x70}, {0x3B, 0x71},
    {0x3C, 0x72}, {0x3D, 0x73}, {0x3E, 0x74}, {0x3F, 0x75}, {0x40, 0x76}, {0x41, 0x77},
    {0x42, 0x78}, {0x43, 0x79}, {0x44, 0x7A}, {0x45, 0x7B}, {0x46, 0x2C}, {0x47, 0x91},
    {0x48, 0x13}, {0x49, 0x2D}, {0x4A, 0x24}, {0x4B, 0x21}, {0x4C, 0x2E}, {0x4D, 0x23},
    {0x4E, 0x22}, {0x4F, 0x27}, {0x50, 0x25}, {0x51, 0x28}, {0x52, 0x26}, {0x53, 0x90},
    {0x54, 0x6F}, {0x55, 0x6A}, {0x56, 0x6D}, {0x57, 0x6B}, {0x58, 0x0D}, {0x59, 0x61},
    {0x5A, 0x62}, {0x5B, 0x63}, {0x5C, 0x64}, {0x5D, 0x65}, {0x5E, 0x66}, {0x5F, 0x67},
    {0x60, 0x68}, {0x61, 0x69}, {0x62, 0x60}, {0x63, 0x6E}, {0x64, 0x00}, {0x65, 0x5D},
    {0xE0, 0xA2}, {0xE1, 0xA0}, {0xE2, 0xA4}, {0xE3, 0x5B}, {0xE4, 0xA3}, {0xE5, 0xA1},
    {0xE6, 0xA5}, {0xE7, 0x5C}, {0xF0, 0x01}, {0xF1, 0x02}, {0xF2, 0x04},
};
static_assert(std::size(kUsageRows) == 113);

// A pause of its own takes two entries: (0, unit) and the length in units, big-endian.
constexpr uint32_t kFoldLimitMs = 1270; // up to here a pause rides on the entry before
constexpr uint32_t kFoldStepMs = 10;
constexpr uint8_t kFoldMask = 0x7F;
constexpr uint32_t kLimit20msUnits = 1310700;  // 65535 units of 20 ms
constexpr uint32_t kLimit50msUnits = 3276750;  // 65535 units of 50 ms
constexpr uint32_t kLimit100msUnits = 6553500; // 65535 units of 100 ms
constexpr uint32_t kLeadingPauseMask = 0xFFFF;

class StreamWriter {
public:
    explicit StreamWriter(MacroStream& stream) : s_(stream) {}

    size_t next = 1;

    bool Fits(size_t entries) const { return next + entries <= kMacroStreamEntries; }
    void Key(uint8_t flags, uint8_t usage)
    {
        s_.bytes[2 * next] |= flags;
        s_.bytes[2 * next + 1] = usage;
        ++next;
    }
    void Pause(uint8_t unit, uint32_t units)
    {
        s_.bytes[2 * next] = 0;
        s_.bytes[2 * next + 1] = unit;
        s_.bytes[2 * next + 2] = static_cast<uint8_t>(units >> 8);
        s_.bytes[2 * next + 3] = static_cast<uint8_t>(units);
        next += 2;
    }
    void FoldIntoPrevious(uint32_t ms)
    {
        auto& flags = s_.bytes[2 * (next - 1)];
        flags = static_cast<uint8_t>(flags + ((ms / kFoldStepMs) & kFoldMask));
    }

private:
    MacroStream& s_;
};

} // namespace

uint8_t MacroStreamUsage(uint32_t virtualKey)
{
    for (const auto& row : kUsageRows) {
        if (row.virtualKey == virtualKey) {
            return row.usage;
        }
    }
    return 0;
}

MacroStream EncodeMacroStream(const MacroRecord& macro)
{
    MacroStream stream;
    stream.bytes[0] = static_cast<uint8_t>(macro.loopCount >> 8);
    stream.bytes[1] = static_cast<uint8_t>(macro.loopCount);
    StreamWriter w(stream);

    const size_t count = std::min<size_t>(macro.eventCount, kMacroMaxEvents);
    for (size_t i = 0; i < count; ++i) {
        const MacroEvent event = macro.events[i];
        const uint32_t value = MacroEventValue(event);
        const auto kind = static_cast<MacroEventKind>(MacroEventKindByte(event));
        if (kind == MacroEventKind::KeyDown || kind == MacroEventKind::KeyUp) {
            if (!w.Fits(1)) {
                break;
            }
            w.Key(kind == MacroEventKind::KeyDown ? kStreamPress : kStreamRelease,
                  MacroStreamUsage(value));
        } else if (kind == MacroEventKind::Delay && i == 0) {
            if (!w.Fits(2)) {
                break;
            }
            w.Pause(kPauseUnit100ms, (value & kLeadingPauseMask) / 100);
        } else if (kind == MacroEventKind::Delay && value <= kFoldLimitMs) {
            w.FoldIntoPrevious(value);
        } else if (kind == MacroEventKind::Delay && value <= kLimit100msUnits) {
            if (!w.Fits(2)) {
                break;
            }
            if (value <= kLimit20msUnits) {
                w.Pause(kPauseUnit20ms, value / 20);
            } else if (value <= kLimit50msUnits) {
                w.Pause(kPauseUnit50ms, value / 50);
            } else {
                w.Pause(kPauseUnit100ms, value / 100);
            }
        } else {
            // A pause too long for the mouse, or an event of unknown kind, leaves one empty entry.
            if (!w.Fits(1)) {
                break;
            }
            ++w.next;
        }
    }
    stream.entries = static_cast<int>(w.next);
    return stream;
}

} // namespace qx71
