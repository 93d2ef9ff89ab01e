#include "cli/App.h"

#include "cli/CliContext.h"
#include "cli/CliParse.h"
#include "cli/Commands.h"

namespace qx71 {

void ConfigureApp(CLI::App& app, CliContext& context)
{
    // Several commands may follow each other, for example "info device-state".
    app.require_subcommand(1, 0);
    app.add_flag("--simulate", context.options.simulate, "Use the built-in simulated mouse");
    app.add_option("--simulate-fail", context.options.simulateFail,
                   "The simulated mouse refuses this command (for example 0x12)")
        ->check([](const std::string& text) {
            return ParseCommandByte(text) ? std::string() : "not a command byte: " + text;
        });
    app.add_option("--trace", context.options.traceFile, "Write every HID report to this file");
    app.add_option("--data-dir", context.options.dataDir, "Settings folder (default: the user's)");
    app.add_flag("--json", context.options.json, "Print results as one JSON object");

    for (const auto& registrar : kCommandGroups) {
        registrar(app, context);
    }
}

} // namespace qx71
