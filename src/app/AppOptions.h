#pragma once

#include <optional>
#include <string>

namespace qx71 {

// The window program's options, as qx71ctl has them.
struct AppOptions {
    bool simulate = false;
    // Faults of the simulated mouse: it sits in its update mode at start; it is not found by
    // the first N tries to open it.
    bool simulateUpdateMode = false;
    int simulateMissedOpens = 0;
    // With simulate: the simulated mouse is plugged in but may not be opened.
    bool simulateDenied = false;
    std::string traceFile;
    std::string dataDir; // empty: QX71_DATA_DIR or the per-user folder
    // Start without showing the window: in the notification area, else minimised (the
    // desktop's autostart entry starts it so).
    bool hidden = false;
};

// Parses the command line. Returns the exit code when the program must end here (--help,
// a wrong option), after printing what to print.
std::optional<int> ParseAppOptions(int argc, char** argv, AppOptions& options);

// Why the window cannot open here, or nullopt when an X display is reachable. Under Wayland
// the program runs through XWayland, so only an X display counts.
std::optional<std::string> NoDisplayReason();

} // namespace qx71
