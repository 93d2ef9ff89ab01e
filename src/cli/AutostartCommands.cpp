// autostart on|off|status: the desktop starts the window hidden at the user's login.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/SystemBackends.h"

#include "core/app/AutostartEntry.h"

#include <iostream>
#include <optional>
#include <system_error>

namespace qx71 {

namespace {

constexpr const char* kWindowProgram = "qx71";

// The entry's path, or nullopt (after saying why) where the system has none.
std::optional<std::filesystem::path> EntryPath(CliContext& context)
{
    std::optional<std::filesystem::path> path = SystemAutostartPath();
    if (!path) {
        context.Fail("This build has no window program to start at login.");
    }
    return path;
}

void Status(CliContext& context)
{
    const std::optional<std::filesystem::path> entry = EntryPath(context);
    if (!entry) {
        return;
    }
    const std::filesystem::path& path = *entry;
    const bool on = context.Files().Exists(path);
    context.Print({{"autostart", on}, {"path", path.string()}},
                  [&] { std::cout << (on ? "on: " + path.string() : std::string("off")) << '\n'; });
}

void On(CliContext& context)
{
    const std::optional<std::filesystem::path> entry = EntryPath(context);
    if (!entry) {
        return;
    }
    const std::filesystem::path& path = *entry;
    const std::string text = AutostartEntryText(context.InstallDir() / kWindowProgram);
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    if (!context.Files().CreateDirectories(path.parent_path()) ||
        context.Files().WriteFileAtomic(path, bytes) != FileError::None) {
        context.Fail("The autostart entry could not be written: " + path.string());
        return;
    }
    context.Print({{"autostart", true}, {"path", path.string()}},
                  [&] { std::cout << "The window starts hidden at login: " << path << '\n'; });
}

void Off(CliContext& context)
{
    const std::optional<std::filesystem::path> entry = EntryPath(context);
    if (!entry) {
        return;
    }
    const std::filesystem::path& path = *entry;
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        context.Fail("The autostart entry could not be removed: " + path.string() + ": " +
                     error.message());
        return;
    }
    context.Print({{"autostart", false}, {"path", path.string()}},
                  [&] { std::cout << "The window no longer starts at login.\n"; });
}

} // namespace

void RegisterAutostartCommands(CLI::App& app, CliContext& context)
{
    CLI::App* group = app.add_subcommand(
        "autostart", "Start the window hidden at login ($XDG_CONFIG_HOME/autostart)");
    group->require_subcommand(1);
    group->add_subcommand("on", "Write the autostart entry")->callback([&context] { On(context); });
    group->add_subcommand("off", "Remove the autostart entry")->callback([&context] {
        Off(context);
    });
    group->add_subcommand("status", "Whether the entry is there")->callback([&context] {
        Status(context);
    });
}

} // namespace qx71
