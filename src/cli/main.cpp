// qx71ctl: the QX71's settings from the command line, over the same core as the window.
#include "cli/App.h"
#include "cli/CliContext.h"
#include "cli/EditSession.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    qx71::CliContext context;
    CLI::App app{"qx71ctl - configure the QX71 gaming mouse"};
    qx71::ConfigureApp(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    // Edits not yet written by a later command are written now, in one pass.
    qx71::FlushEdits(context);
    return context.exitCode;
}
