// qx71ctl devices over a fake HID platform, a fake node check and a fake udev tree: each case
// gives its message, its JSON and its exit code.
#include "cli/App.h"
#include "cli/CliContext.h"
#include "support/FakeHidPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <iostream>
#include <sstream>

namespace qx71 {
namespace {

using nlohmann::json;
using test::FakeHidInterface;
using test::FakeHidPlatform;
using test::FakeNodeAccess;
using test::FakeUsbMonitor;
using test::TempDir;

// The identities the tables are written for: the build's defaults.
constexpr uint16_t kVid = 0x3554;
constexpr uint16_t kPid = 0xF513;

const FakeHidInterface kOther{"/dev/hidraw0", 0x046D, 0xC077, {0x0001, 0x0002}, {}};
const FakeHidInterface kBoot{
    "/dev/hidraw1", kVid, kPid, {0x0001, 0x0002}, {{0x000C, 0x0001, 3, 2}}};
const FakeHidInterface kVendor{"/dev/hidraw2",
                               kVid,
                               kPid,
                               {0xFF01, 0x0001},
                               {{0x000C, 0x0001, 3, 2}, {0xFF01, 0x0022, 2, 64}}};

FakeHidInterface Closed(FakeHidInterface iface)
{
    iface.opensForReadWrite = false;
    return iface;
}

// Swaps a stream's buffer for a string while it lives.
class Capture {
public:
    explicit Capture(std::ostream& stream) : stream_(stream), old_(stream.rdbuf(text_.rdbuf())) {}
    ~Capture() { stream_.rdbuf(old_); }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    std::string Text() const { return text_.str(); }

private:
    std::ostream& stream_;
    std::ostringstream text_;
    std::streambuf* old_;
};

struct Backends {
    Backends(std::vector<FakeHidInterface> i = {}, NodeAccess n = NodeAccess::ReadWrite,
             std::vector<UsbIdentity> u = {})
        : interfaces(std::move(i)), node(n), usb(std::move(u))
    {
    }
    std::vector<FakeHidInterface> interfaces;
    NodeAccess node;
    std::vector<UsbIdentity> usb;
};

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Result RunCtl(const Backends& b, const std::filesystem::path& root, std::vector<std::string> args)
{
    CliContext context;
    context.UseBackends(std::make_unique<FakeHidPlatform>(b.interfaces),
                        std::make_unique<FakeNodeAccess>(b.node),
                        std::make_unique<FakeUsbMonitor>(b.usb));
    context.systemRoot = root;
    CLI::App app{"qx71ctl"};
    ConfigureApp(app, context);
    args.insert(args.begin(), "qx71ctl");
    std::vector<const char*> argv;
    for (const auto& a : args) {
        argv.push_back(a.c_str());
    }
    Result result;
    {
        const Capture out(std::cout);
        const Capture err(std::cerr);
        app.parse(static_cast<int>(argv.size()), argv.data());
        result.out = out.Text();
        result.err = err.Text();
    }
    result.exitCode = context.exitCode;
    return result;
}

class DevicesCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        const UsbIdentity mouse;
        const UsbIdentity update = UpdateModeIdentity();
        if (ParseHexId(mouse.vendorIdText) != kVid || ParseHexId(mouse.productIdText) != kPid ||
            ParseHexId(update.vendorIdText) != 0x3554 ||
            ParseHexId(update.productIdText) != 0xF5FF) {
            GTEST_SKIP() << "the tables are written for the default identities";
        }
        // udev reads this rule; the fix command then only reloads and triggers.
        test::WriteText(ActiveRule(), "# rule\n");
        // The session line comes first: a console one here.
        ::setenv("XDG_SESSION_TYPE", "tty", 1);
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
    }
    std::filesystem::path ActiveRule() const { return root / "etc/udev/rules.d/70-qx71.rules"; }

    TempDir root;
};

const std::string kSessionLine = "Session: tty. Without a display the window cannot start.\n";
const std::string kTable = kSessionLine + "PATH          ID         USAGE      WHAT\n";
const char* const kOtherRow = "/dev/hidraw0  046D:C077  0001:0002  another device\n";
const char* const kBootRow = "/dev/hidraw1  3554:F513  0001:0002  QX71, not its vendor interface\n";
const char* const kVendorRow = "/dev/hidraw2  3554:F513  FF01:0001  QX71, vendor interface\n";

const json kOtherJson = json::parse(R"({"path": "/dev/hidraw0", "vendorId": 1133,
    "productId": 49271, "usagePage": 1, "usage": 2, "role": "other-device",
    "vendorInterface": false})");
const json kBootJson = json::parse(R"({"path": "/dev/hidraw1", "vendorId": 13652,
    "productId": 62739, "usagePage": 1, "usage": 2, "role": "qx71-other-interface",
    "vendorInterface": false})");
const json kVendorJson = json::parse(R"({"path": "/dev/hidraw2", "vendorId": 13652,
    "productId": 62739, "usagePage": 65281, "usage": 1, "role": "qx71-vendor-interface",
    "vendorInterface": true})");

json Expected(const char* status, json reason, json mouse, json interfaces, bool updateMode = false)
{
    return {{"status", status},
            {"reason", std::move(reason)},
            {"mouse", std::move(mouse)},
            {"udevRule", nullptr},
            {"fix", nullptr},
            {"updateMode", {{"present", updateMode}, {"vendorId", 13652}, {"productId", 62975}}},
            {"interfaces", std::move(interfaces)},
            {"session", {{"type", "tty"}, {"hooksSeeOnlyX11Windows", false}}}};
}

TEST_F(DevicesCommand, EachSituationGivesItsMessageJsonAndExitCode)
{
    const std::string reload =
        "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw";
    json permission = Expected("not-usable", "permission-denied",
                               {{"path", "/dev/hidraw2"}, {"readWrite", false}},
                               {kOtherJson, kBootJson, kVendorJson});
    permission["udevRule"] = {{"active", ActiveRule().string()}};
    permission["fix"] = reload;

    struct Case {
        const char* name;
        Backends backends;
        std::string text;
        json expected;
        int exitCode;
    };
    const Case cases[] = {
        {"absent: no HID interface at all",
         {},
         kSessionLine + "No HID interfaces.\n"
                        "No QX71 is plugged in: no HID interface has the identifiers 3554:F513.\n",
         Expected("absent", nullptr, nullptr, json::array()),
         2},
        {"only another vendor's devices",
         {{kOther}},
         std::string(kTable) + kOtherRow +
             "No QX71 is plugged in: no HID interface has the identifiers 3554:F513.\n",
         Expected("absent", nullptr, nullptr, {kOtherJson}),
         2},
        {"present and usable",
         {{kOther, kBoot, kVendor}},
         std::string(kTable) + kOtherRow + kBootRow + kVendorRow +
             "The QX71 is ready: /dev/hidraw2 opens for reading and writing.\n",
         Expected("usable", nullptr, {{"path", "/dev/hidraw2"}, {"readWrite", true}},
                  {kOtherJson, kBootJson, kVendorJson}),
         0},
        {"present, permission denied",
         {{kOther, kBoot, Closed(kVendor)}, NodeAccess::PermissionDenied},
         std::string(kTable) + kOtherRow + kBootRow + kVendorRow +
             "The QX71 is plugged in, but /dev/hidraw2 cannot be opened for reading and "
             "writing: permission denied.\n"
             "The udev rule " +
             ActiveRule().string() +
             " gives the user at this computer's seat access. To apply it now, run:\n  " + reload +
             "\n",
         permission,
         3},
        {"present, node busy",
         {{kBoot, Closed(kVendor)}, NodeAccess::Busy},
         std::string(kTable) + kBootRow + kVendorRow +
             "The QX71 is plugged in, but /dev/hidraw2 cannot be opened for reading and "
             "writing: it is busy. Another program holds it; close that program and try again.\n",
         Expected("not-usable", "busy", {{"path", "/dev/hidraw2"}, {"readWrite", false}},
                  {kBootJson, kVendorJson}),
         3},
        {"update mode",
         {{kOther}, NodeAccess::ReadWrite, {UpdateModeIdentity()}},
         std::string(kTable) + kOtherRow +
             "The QX71 is in its firmware update mode (3554:F5FF): it cannot be configured until "
             "the update has finished.\n",
         Expected("update-mode", "update-mode", nullptr, {kOtherJson}, true),
         3},
        {"the mouse's identity without its vendor interface",
         {{kBoot}},
         std::string(kTable) + kBootRow +
             "The QX71 is plugged in, but none of its HID interfaces is the vendor interface "
             "(usage page FF01, usage 0022). It may still be starting up, or it is a different "
             "device with the same identifiers.\n",
         Expected("not-usable", "no-vendor-interface", nullptr, {kBootJson}),
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result text = RunCtl(c.backends, root.path(), {"devices"});
        EXPECT_EQ(text.out, c.text);
        EXPECT_EQ(text.err, "");
        EXPECT_EQ(text.exitCode, c.exitCode);

        const Result js = RunCtl(c.backends, root.path(), {"--json", "devices"});
        json got = json::parse(js.out);
        // The copy beside the program depends on the build folder; its own test covers it.
        if (got["udevRule"].is_object()) {
            got["udevRule"].erase("shipped");
        }
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(js.exitCode, c.exitCode);
    }
}

TEST_F(DevicesCommand, AWaylandSessionIsNamedWithTheHooksLimit)
{
    ::setenv("XDG_SESSION_TYPE", "wayland", 1);
    const Result text = RunCtl({{kVendor}}, root.path(), {"devices"});
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
              "Session: wayland. The window runs through XWayland, and its input hooks see only "
              "X11 windows: the statistics, the button functions that run on the computer "
              "(sound, program, file, folder) and key capture outside the window miss Wayland "
              "windows. Everything the mouse itself does works fully.");
    const json got = json::parse(RunCtl({{kVendor}}, root.path(), {"--json", "devices"}).out);
    EXPECT_EQ(got["session"], json({{"type", "wayland"}, {"hooksSeeOnlyX11Windows", true}}));
}

TEST_F(DevicesCommand, PermissionDeniedWithoutAnInstalledRuleSaysHowToInstallIt)
{
    std::filesystem::remove(ActiveRule());
    const Result r = RunCtl({{Closed(kVendor)}, NodeAccess::PermissionDenied}, root.path(),
                            {"--json", "devices"});
    const json got = json::parse(r.out);
    EXPECT_EQ(got["udevRule"]["active"], nullptr);
    const json& shipped = got["udevRule"]["shipped"];
    if (shipped.is_null()) {
        EXPECT_EQ(got["fix"], nullptr);
    } else {
        // The build puts the rule beside the program as the package does.
        EXPECT_EQ(got["fix"], "sudo install -m 644 '" + shipped.get<std::string>() +
                                  "' /etc/udev/rules.d/ && sudo udevadm control --reload-rules "
                                  "&& sudo udevadm trigger --subsystem-match=hidraw");
    }
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(DevicesCommand, TheNoMouseNoticePointsToDevicesOnlyWhenTheMouseIsThere)
{
    const std::string notice = "The QX71 gaming mouse cannot be found.\n";
    const std::string hint =
        "The mouse is plugged in but cannot be opened; run \"qx71ctl devices\" to see why.\n";
    struct Case {
        const char* name;
        Backends backends;
        std::string err;
    };
    const Case cases[] = {
        {"absent", {{kOther}}, notice},
        {"permission denied",
         {{kBoot, Closed(kVendor)}, NodeAccess::PermissionDenied},
         notice + hint},
        {"update mode", {{}, NodeAccess::ReadWrite, {UpdateModeIdentity()}}, notice + hint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = RunCtl(c.backends, root.path(), {"info"});
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exitCode, 1);
    }
}

} // namespace
} // namespace qx71
