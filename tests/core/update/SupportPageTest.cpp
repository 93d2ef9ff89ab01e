#include "core/update/SupportPage.h"
#include "core/update/WebSite.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(SupportPage, HintsComeFromTheControlRectanglesGrownByOnePixel)
{
    const struct {
        Point point;
        std::vector<uint32_t> hints;
    } cases[] = {
        // The update button (380, 258, 580, 300): its 1-pixel border already counts.
        {{379, 257}, {56}},
        {{580, 300}, {56}},
        {{378, 257}, {}},
        {{581, 280}, {}},
        {{663, 270}, {57}},
        {{58, 382}, {58}},
        // Import and export are 6 pixels apart: the gap between the grown rectangles is 4.
        {{268, 400}, {58}},
        {{269, 400}, {}},
        {{272, 400}, {}},
        {{273, 400}, {59}},
        {{862, 424}, {60}},
        {{100, 120}, {89}},
        {{559, 140}, {90}},
        {{0, 0}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SupportHintsAt(c.point), c.hints) << c.point.x << "," << c.point.y;
    }
}

// The actions grew to hold their captions, but each still covers the middle of the smaller
// button it replaced: a click there, by a user used to the old page or by a script, still lands.
TEST(SupportPage, EachActionCoversTheMiddleOfItsOriginalButton)
{
    const struct {
        Point middle;
        uint32_t hint;
    } cases[] = {
        {{462, 278}, 56}, {{768, 278}, 57}, {{179, 404}, 58}, {{279, 404}, 59}, {{829, 402}, 60},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SupportHintsAt(c.middle), std::vector<uint32_t>{c.hint})
            << c.middle.x << "," << c.middle.y;
    }
}

TEST(SupportPage, EveryControlIsCaptionedAndOnlyTheVersionAreasJustShow)
{
    using support::Control;
    EXPECT_EQ(CaptionKey(Control::ProgramVersion), "str_driver_version");
    EXPECT_EQ(CaptionKey(Control::FirmwareVersion), "str_firmware_version");
    const std::pair<Control, std::string_view> actions[] = {
        {Control::Update, "str_update"},        {Control::WebSite, "str_tolviWeb"},
        {Control::Import, "str_importFile"},    {Control::Export, "str_exportFile"},
        {Control::Defaults, "str_defaultname"},
    };
    for (const auto& [action, key] : actions) {
        EXPECT_EQ(CaptionKey(action), key) << static_cast<int>(action);
        EXPECT_FALSE(IsDisplayOnly(action));
    }
    EXPECT_TRUE(IsDisplayOnly(Control::ProgramVersion));
    EXPECT_TRUE(IsDisplayOnly(Control::FirmwareVersion));
}

TEST(SupportPage, WebSiteButtonOpensOnlyAWebAddress)
{
    const struct {
        std::string_view configured;
        std::string opened;
    } cases[] = {
        {"https://www.example.com/qx71", "https://www.example.com/qx71"},
        {"HTTP://example.com", "HTTP://example.com"},
        {"", ""},
        {"www.example.com", ""},
        {"file:///etc/passwd", ""},
        {"javascript:alert(1)", ""},
        {"https://", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WebSiteToOpen(c.configured), c.opened) << c.configured;
    }
}

} // namespace
} // namespace qx71
