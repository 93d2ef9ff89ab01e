#include "core/hooks/HostActionHandler.h"

#include "core/buttons/ButtonFunction.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/hooks/IHostLauncher.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

struct Launcher final : IHostLauncher {
    std::vector<std::string> calls;
    bool Record(const char* what, const std::u16string& path)
    {
        calls.push_back(std::string(what) + " " + Utf16ToUtf8(path));
        return true;
    }
    bool PlaySound(const std::u16string& p) override { return Record("sound", p); }
    bool StartProgram(const std::u16string& p) override { return Record("program", p); }
    bool OpenFile(const std::u16string& p) override { return Record("file", p); }
    bool OpenFolder(const std::u16string& p) override { return Record("folder", p); }
};

TEST(HostActionHandler, RunsTheActionOfTheTriggersButtonAndFeedsTheStatistics)
{
    ProfileRecord profile = DefaultProfile(false);
    auto set = [&](size_t button, uint32_t kind, std::u16string_view path) {
        profile.buttons[button].function = ToCode(ButtonFunction::HostAction);
        profile.buttons[button].hostKind = kind;
        SetText(profile.buttons[button].hostPath, path);
    };
    set(2, 0xC0, u"/usr/share/sounds/ding.wav"); // right
    set(3, 0xF0, u"/home/u/My Files");           // forward
    set(4, 0xD0, u"/opt/My Tools/run");          // back
    set(6, 0xE0, u"/home/u/notes.txt");          // wheel backward
    set(1, 0xC0, u"");                           // middle: no path
    set(0, 0x77, u"/bin/true");                  // left: unknown kind

    struct Case {
        uint32_t wParam;
        uint32_t lParam;
        const char* call; // nullptr: no action
    };
    const Case cases[] = {
        {0x204, 0, "sound /usr/share/sounds/ding.wav"},
        {0x2020B, 0, "folder /home/u/My Files"}, // passed as one argument, no quotes
        {0x1020B, 0, "program /opt/My Tools/run"},
        {0x20A00, 0, "file /home/u/notes.txt"},
        {0x20A01, 0, nullptr}, // wheel forward keeps its ordinary function
        {0x207, 0, nullptr},   // empty path
        {0x201, 0, nullptr},   // unknown kind
        {1, 0x20, nullptr},    // a key press only reaches the statistics
        {0x999, 0, nullptr},
    };
    for (const auto& c : cases) {
        Launcher launcher;
        std::vector<std::pair<uint32_t, uint32_t>> statistics;
        HostActionHandler handler(launcher,
                                  [&](uint32_t w, uint32_t l) { statistics.emplace_back(w, l); });
        EXPECT_EQ(handler.Handle(c.wParam, c.lParam, profile), c.call != nullptr) << c.wParam;
        EXPECT_EQ(statistics, (std::vector<std::pair<uint32_t, uint32_t>>{{c.wParam, c.lParam}}));
        EXPECT_EQ(launcher.calls,
                  c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{});
    }
}

} // namespace
} // namespace qx71
