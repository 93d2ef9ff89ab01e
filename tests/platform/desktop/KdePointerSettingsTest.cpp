#include "platform/linux/KdePointerSettings.h"
#include "platform/linux/KConfigFile.h"

#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace qx71 {
namespace {

// KConfig's own reader: what Plasma reads back from a file.
std::string ReadWithKConfig(const test::TempDir& home, const std::string& file,
                            const std::vector<std::string>& group, const std::string& key)
{
    std::string command =
        "XDG_CONFIG_HOME='" + home.path().string() + "' kreadconfig5 --file " + file;
    for (const std::string& name : group) {
        command += " --group '" + name + "'";
    }
    command += " --key '" + key + "' --default '<none>'";
    const test::RunResult run = test::RunProgram(command, home.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::string out = run.out;
    while (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out;
}

void WriteWithKConfig(const test::TempDir& home, const std::string& file,
                      const std::vector<std::string>& group, const std::string& key,
                      const std::string& value)
{
    std::string command =
        "XDG_CONFIG_HOME='" + home.path().string() + "' kwriteconfig5 --file " + file;
    for (const std::string& name : group) {
        command += " --group '" + name + "'";
    }
    command += " --key '" + key + "' '" + value + "'";
    const test::RunResult run = test::RunProgram(command, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
}

const std::vector<std::string> kDefaults{"Libinput", "Defaults", "Pointer"};
// A device Plasma's page has set: its group overrides the defaults for that device.
const std::vector<std::string> kDevice{"Libinput", "1133", "49291", "Logitech G502 [wired]"};

TEST(KdePointerSettings, PlasmasFilesHoldTheValuesKConfigReadsBack)
{
    test::TempDir home;
    // What the user already has: another device setting and a key of the same group.
    WriteWithKConfig(home, "kcminputrc", kDevice, "PointerAcceleration", "0.2");
    WriteWithKConfig(home, "kcminputrc", kDevice, "NaturalScroll", "true");
    WriteWithKConfig(home, "kcminputrc", {"Mouse"}, "cursorTheme", "breeze_cursors");
    WriteWithKConfig(home, "kdeglobals", {"General"}, "ColorScheme", "BreezeDark");

    KdePointerSettings settings(home.path(), true);
    ASSERT_TRUE(settings.SetSpeed(15));
    ASSERT_TRUE(settings.SetPrecision(false));
    ASSERT_TRUE(settings.SetWheelLines(7));

    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", kDefaults, "PointerAcceleration"), "0.5");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", kDefaults, "PointerAccelerationProfile"), "1");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", kDevice, "PointerAcceleration"), "0.5");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", {"Mouse"}, "XLbInptPointerAcceleration"), "0.5");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", {"Mouse"}, "XLbInptAccelProfileFlat"), "true");
    EXPECT_EQ(ReadWithKConfig(home, "kdeglobals", {"KDE"}, "WheelScrollLines"), "7");
    // The rest of the user's files is as it was.
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", kDevice, "NaturalScroll"), "true");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", {"Mouse"}, "cursorTheme"), "breeze_cursors");
    EXPECT_EQ(ReadWithKConfig(home, "kdeglobals", {"General"}, "ColorScheme"), "BreezeDark");

    ASSERT_TRUE(settings.SetPrecision(true));
    ASSERT_TRUE(settings.SetWheelLines(IPointerSettings::kWheelOneScreen));
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", kDefaults, "PointerAccelerationProfile"), "2");
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", {"Mouse"}, "XLbInptAccelProfileFlat"), "false");

    const PointerValues values = settings.Current();
    EXPECT_EQ(values.speed, 15);
    EXPECT_EQ(values.precision, true);
    EXPECT_EQ(values.wheelLines, IPointerSettings::kWheelOneScreen);
}

TEST(KdePointerSettings, EverySpeedReadsBackInBothSessionKinds)
{
    test::TempDir home;
    for (const bool wayland : {true, false}) {
        KdePointerSettings settings(home.path(), wayland);
        for (int speed = IPointerSettings::kMinSpeed; speed <= IPointerSettings::kMaxSpeed;
             ++speed) {
            ASSERT_TRUE(settings.SetSpeed(speed));
            EXPECT_EQ(settings.Current().speed, speed) << speed << (wayland ? " wayland" : " x11");
        }
    }
}

TEST(KConfigFile, NamesAndValuesAreEscapedAsKConfigReadsThem)
{
    test::TempDir home;
    const std::vector<std::string> group{"Libinput", "1", "2", "Mouse [left] \\ side"};
    KConfigFile file;
    std::string error;
    ASSERT_TRUE(file.Load(home.path() / "kcminputrc", error)) << error;
    file.Set(group, "Note", " two\nlines\t ");
    ASSERT_TRUE(file.Save(error)) << error;
    EXPECT_EQ(ReadWithKConfig(home, "kcminputrc", group, "Note"), " two\nlines\t ");

    KConfigFile again;
    ASSERT_TRUE(again.Load(home.path() / "kcminputrc", error)) << error;
    EXPECT_EQ(again.Get(group, "Note"), " two\nlines\t ");
}

// A session bus of the test's own, and a connection that watches it for Plasma's signal.
class PrivateSessionBus {
public:
    PrivateSessionBus()
    {
        FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (out == nullptr) {
            return;
        }
        char line[512] = {};
        if (std::fgets(line, sizeof line, out) != nullptr) {
            address_ = line;
            address_.erase(address_.find_last_not_of('\n') + 1);
        }
        if (std::fgets(line, sizeof line, out) != nullptr) {
            pid_ = std::atoi(line);
        }
        ::pclose(out);
    }
    ~PrivateSessionBus()
    {
        if (watcher_ != nullptr) {
            dbus_connection_close(watcher_);
            dbus_connection_unref(watcher_);
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
        }
    }
    const std::string& Address() const { return address_; }

    bool Watch(const char* rule)
    {
        DBusError error;
        dbus_error_init(&error);
        watcher_ = dbus_connection_open_private(address_.c_str(), &error);
        if (watcher_ == nullptr || dbus_bus_register(watcher_, &error) == FALSE) {
            dbus_error_free(&error);
            return false;
        }
        dbus_connection_set_exit_on_disconnect(watcher_, FALSE);
        dbus_bus_add_match(watcher_, rule, &error);
        dbus_connection_flush(watcher_);
        const bool ok = dbus_error_is_set(&error) == FALSE;
        dbus_error_free(&error);
        return ok;
    }

    // The two integers of the next notifyChange, waiting at most a few seconds for it.
    std::optional<std::pair<int, int>> NextNotifyChange()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        constexpr int kSliceMs = 100;
        while (std::chrono::steady_clock::now() < deadline) {
            dbus_connection_read_write(watcher_, kSliceMs);
            while (DBusMessage* message = dbus_connection_pop_message(watcher_)) {
                dbus_int32_t type = -1;
                dbus_int32_t category = -1;
                const bool match =
                    dbus_message_is_signal(message, "org.kde.KGlobalSettings", "notifyChange") &&
                    dbus_message_has_path(message, "/KGlobalSettings") &&
                    dbus_message_get_args(message, nullptr, DBUS_TYPE_INT32, &type, DBUS_TYPE_INT32,
                                          &category, DBUS_TYPE_INVALID);
                dbus_message_unref(message);
                if (match) {
                    return std::make_pair(int{type}, int{category});
                }
            }
        }
        return std::nullopt;
    }

private:
    std::string address_;
    int pid_ = 0;
    DBusConnection* watcher_ = nullptr;
};

TEST(KdePointerSettings, PlasmaIsToldToReloadTheMouseSettings)
{
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.Address().empty());
    ASSERT_TRUE(bus.Watch("type='signal',interface='org.kde.KGlobalSettings'"));
    ::setenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().c_str(), 1);

    test::TempDir home;
    KdePointerSettings settings(home.path(), true);
    ASSERT_TRUE(settings.SetSpeed(12));
    const auto change = bus.NextNotifyChange();
    ASSERT_TRUE(change);
    EXPECT_EQ(change->first, KdePointerSettings::kNotifySettingsChanged);
    EXPECT_EQ(change->second, KdePointerSettings::kNotifyMouseCategory);

    ASSERT_TRUE(settings.SetWheelLines(4));
    EXPECT_TRUE(bus.NextNotifyChange());
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST(KdePointerSettings, WithoutASessionBusTheFilesAreStillWritten)
{
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/qx71-bus", 1);
    test::TempDir home;
    std::string logged;
    KdePointerSettings settings(home.path(), true, nullptr,
                                [&](const std::string& line) { logged += line; });
    EXPECT_TRUE(settings.SetSpeed(5));
    EXPECT_EQ(settings.Current().speed, 5);
    EXPECT_NE(logged.find("next login"), std::string::npos) << logged;
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace
} // namespace qx71
