#include "app/AppOptions.h"

#include "platform/linux/X11DisplayProbe.h"

#include <CLI/CLI.hpp>

#include <cstdlib>

namespace qx71 {

std::optional<int> ParseAppOptions(int argc, char** argv, AppOptions& options)
{
    CLI::App cli{"The QX71 gaming mouse configuration program."};
    cli.add_flag("--simulate", options.simulate, "Use the built-in simulated QX71");
    cli.add_flag("--simulate-update-mode", options.simulateUpdateMode,
                 "The simulated QX71 waits in its firmware update mode at start")
        ->needs("--simulate");
    cli.add_option("--simulate-missed-opens", options.simulateMissedOpens,
                   "The first N tries to open the simulated QX71 do not find it")
        ->type_name("N")
        ->check(CLI::NonNegativeNumber)
        ->needs("--simulate");
    cli.add_flag("--hidden", options.hidden,
                 "Start in the notification area (minimised where there is none)");
    cli.add_flag("--simulate-denied", options.simulateDenied,
                 "The simulated QX71 is plugged in but this user may not open it");
    cli.add_option("--trace", options.traceFile, "Write every report to the mouse to FILE")
        ->type_name("FILE");
    cli.add_option("--data-dir", options.dataDir,
                   "Keep the settings in DIR (default: QX71_DATA_DIR, else "
                   "$XDG_CONFIG_HOME/TOLVI/QX71)")
        ->type_name("DIR");
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return cli.exit(e);
    }
    return std::nullopt;
}

std::optional<std::string> NoDisplayReason()
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return std::string("no X display (DISPLAY is not set): start it from a desktop session, "
                           "or under Xvfb, or use qx71ctl on the command line");
    }
    if (!X11DisplayReachable(display)) {
        return "the X display " + std::string(display) +
               " cannot be opened: check DISPLAY, or use qx71ctl on the command line";
    }
    return std::nullopt;
}

} // namespace qx71
