#include "core/device/MacroStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx71 {
namespace {

MacroEvent Down(uint32_t vk)
{
    return MakeMacroEvent(MacroEventKind::KeyDown, vk);
}
MacroEvent Up(uint32_t vk)
{
    return MakeMacroEvent(MacroEventKind::KeyUp, vk);
}
MacroEvent Pause(uint32_t ms)
{
    return MakeMacroEvent(MacroEventKind::Delay, ms);
}

MacroRecord Macro(std::vector<MacroEvent> events, uint32_t loop = 1)
{
    MacroRecord r;
    r.loopCount = loop;
    r.eventCount = static_cast<uint32_t>(events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        r.events[i] = events[i];
    }
    return r;
}

// The leading bytes of a stream; the rest must be zero.
void ExpectStream(const MacroStream& s, const std::vector<uint8_t>& head, int entries)
{
    EXPECT_EQ(s.entries, entries);
    for (size_t i = 0; i < s.bytes.size(); ++i) {
        const uint8_t want = i < head.size() ? head[i] : 0;
        ASSERT_EQ(s.bytes[i], want) << "byte " << i;
    }
}

constexpr uint32_t kA = 0x41;

TEST(MacroStream, EncodesKeysPausesAndHeader)
{
    struct Case {
        const char* name;
        MacroRecord macro;
        std::vector<uint8_t> head;
        int entries;
    };
    const Case cases[] = {
        {"press and release", Macro({Down(kA), Up(kA)}), {0, 1, 0x01, 0x04, 0x81, 0x04}, 3},
        {"short pause folded",
         Macro({Down(kA), Pause(50), Up(kA)}),
         {0, 1, 0x06, 0x04, 0x81, 0x04},
         3},
        {"1270 ms still folded", Macro({Down(kA), Pause(1270)}), {0, 1, 0x01 + 127, 0x04}, 2},
        {"1271 ms in 20 ms units",
         Macro({Down(kA), Pause(1271)}),
         {0, 1, 0x01, 0x04, 0, 1, 0, 63},
         4},
        {"2,000,000 ms in 50 ms units",
         Macro({Down(kA), Pause(2000000)}),
         {0, 1, 0x01, 0x04, 0, 2, 0x9C, 0x40},
         4},
        {"5,000,000 ms in 100 ms units",
         Macro({Down(kA), Pause(5000000)}),
         {0, 1, 0x01, 0x04, 0, 3, 0xC3, 0x50},
         4},
        {"too long a pause skips one entry",
         Macro({Down(kA), Pause(7000000), Up(kA)}),
         {0, 1, 0x01, 0x04, 0, 0, 0x81, 0x04},
         4},
        {"leading pause in 100 ms units",
         Macro({Pause(1234), Down(kA)}),
         {0, 1, 0, 3, 0, 12, 0x01, 0x04},
         4},
        {"unknown kind skips one entry",
         Macro({0x12000041, Down(kA)}),
         {0, 1, 0, 0, 0x01, 0x04},
         3},
        {"single-press loop header",
         Macro({Down(kA)}, LoopSinglePress),
         {0xFF, 0xFE, 0x01, 0x04},
         2},
        {"mouse button and generic shift",
         Macro({Down(1), Down(0x10), Down(2), Down(4)}),
         {0, 1, 0x01, 0xF0, 0x01, 0x00, 0x01, 0xF1, 0x01, 0xF2},
         5},
        {"keypad enter gives enter", Macro({Down(0x0D)}), {0, 1, 0x01, 0x28}, 2},
        {"empty macro", Macro({}), {0, 1}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectStream(EncodeMacroStream(c.macro), c.head, c.entries);
    }
}

TEST(MacroStream, StopsBeforeTheEntryBeyond255)
{
    std::vector<MacroEvent> events(300, Down(kA));
    const auto s = EncodeMacroStream(Macro(events));
    EXPECT_EQ(s.entries, 256);
    EXPECT_EQ(s.bytes[2 * 255], 0x01);
    EXPECT_EQ(s.bytes[2 * 255 + 1], 0x04);

    // A two-entry pause that would not fit is dropped with everything after it.
    events.assign(254, Down(kA));
    events.push_back(Pause(5000));
    events.push_back(Up(kA));
    const auto t = EncodeMacroStream(Macro(events));
    EXPECT_EQ(t.entries, 255);
    EXPECT_EQ(t.bytes[2 * 255], 0);
}

TEST(MacroStream, UsageTableTakesTheFirstRowOfACode)
{
    EXPECT_EQ(MacroStreamUsage(0x41), 0x04);
    EXPECT_EQ(MacroStreamUsage(0x30), 0x27);
    EXPECT_EQ(MacroStreamUsage(0x0D), 0x28);
    EXPECT_EQ(MacroStreamUsage(0x60), 0x62);
    EXPECT_EQ(MacroStreamUsage(0x5C), 0xE7);
    EXPECT_EQ(MacroStreamUsage(0x7C), 0x00); // F13 has no usage
    EXPECT_EQ(MacroStreamUsage(0x1234), 0x00);
}

} // namespace
} // namespace qx71
