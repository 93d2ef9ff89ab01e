// autostart on|off|status: the desktop starts the window hidden at the user's login.
#include "cli/CliContext.h"
#include "cli/Commands.h"

#include "core/app/AutostartEntry.h"
#include "core/app/StartupDirs.h"
#include "platform/linux/ProcessEnvironment.h"

#include <iostream>
#include <system_error>

namespace qx71 {

namespace {

constexpr const char* kWindowProgram = "qx71";

std::filesystem::path EntryPath()
{
    return AutostartPath(FormConfigHome(ReadDataDirEnvironment()));
}

void Status(CliContext& context)
{
    const std::filesystem::path path = EntryPath();
    const bool on = context.Files().Exists(path);
    context.Print({{"autostart", on}, {"path", path.string()}},
                  [&] { std::cout << (on ? "on: " + path.string() : std::string("off")) << '\n'; });
}

void On(CliContext& context)
{
    const std::filesystem::path path = EntryPath();
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
    const std::filesystem::path path = EntryPath();
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
