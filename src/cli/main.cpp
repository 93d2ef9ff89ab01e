// qx71ctl: the QX71's settings from the command line, over the same core as the window.
#include "cli/CliContext.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    qx71::CliContext context;
    CLI::App app{"qx71ctl - configure the QX71 gaming mouse"};
    // Several commands may follow each other, for example "info device-state".
    app.require_subcommand(1, 0);
    app.add_flag("--simulate", context.options.simulate, "Use the built-in simulated mouse");
    app.add_option("--trace", context.options.traceFile, "Write every HID report to this file");
    app.add_option("--data-dir", context.options.dataDir, "Settings folder (default: the user's)");
    app.add_flag("--json", context.options.json, "Print results as one JSON object");

    for (const auto& registrar : qx71::kCommandGroups) {
        registrar(app, context);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return context.exitCode;
}
