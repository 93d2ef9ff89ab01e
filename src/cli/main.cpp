// qx71ctl: the QX71's settings from the command line, over the same core as the window.
#include "cli/App.h"
#include "cli/CliContext.h"
#include "cli/CommandSegments.h"
#include "cli/EditSession.h"
#include "cli/SystemBackends.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// CLI11 takes the words last first.
std::vector<std::string> Reversed(std::vector<std::string> words)
{
    std::reverse(words.begin(), words.end());
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    // UTF-8 words on every system, the program's name first.
    const std::vector<std::string> words = qx71::SystemCommandLine(argc, argv);
    const std::vector<std::string> args(words.begin() + (words.empty() ? 0 : 1), words.end());
    const std::string name = words.empty() ? "qx71ctl" : words.front();
    constexpr const char* kDescription = "qx71ctl - configure the QX71 gaming mouse";

    // Every part is checked before the first command runs, so a mistyped last command leaves
    // the mouse and the files as they were.
    qx71::CliContext scratch;
    std::vector<std::vector<std::string>> parts;
    {
        CLI::App shape{kDescription, name};
        qx71::ConfigureApp(shape, scratch);
        parts = qx71::SplitCommands(shape, args);
    }
    for (const auto& part : parts) {
        qx71::CheckingApp check{kDescription, name};
        qx71::ConfigureApp(check, scratch);
        try {
            check.parse(Reversed(part));
        } catch (const qx71::CheckingApp::Checked&) {
            continue;
        } catch (const CLI::ParseError& e) {
            return check.exit(e);
        }
    }

    qx71::CliContext context;
    for (const auto& part : parts) {
        CLI::App app{kDescription, name};
        qx71::ConfigureApp(app, context);
        try {
            app.parse(Reversed(part));
        } catch (const CLI::ParseError& e) {
            return app.exit(e);
        }
    }
    // Edits not yet written by a later command are written now, in one pass.
    qx71::FlushEdits(context);
    return context.exitCode;
}
