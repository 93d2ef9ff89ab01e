// The manual page documents every command and option that qx71ctl has.
#include "cli/App.h"
#include "cli/CliContext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qx71 {
namespace {

std::string ManSource()
{
    std::ifstream in(std::string(QX71_MAN_SOURCE_DIR) + "/qx71ctl.1.scd");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every command as it is typed ("profile list") with its long options.
void Collect(const CLI::App& app, const std::string& prefix,
             std::vector<std::pair<std::string, std::vector<std::string>>>& out)
{
    for (const CLI::App* sub : app.get_subcommands({})) {
        const std::string name = prefix.empty() ? sub->get_name() : prefix + " " + sub->get_name();
        std::vector<std::string> options;
        for (const CLI::Option* option : sub->get_options()) {
            for (const std::string& longName : option->get_lnames()) {
                if (longName != "help") {
                    options.push_back("--" + longName);
                }
            }
        }
        if (sub->get_subcommands({}).empty()) {
            out.emplace_back(name, options);
        } else {
            Collect(*sub, name, out);
        }
    }
}

TEST(ManPage, DocumentsEveryCommandAndOption)
{
    const std::string page = ManSource();
    ASSERT_FALSE(page.empty());
    CliContext context;
    CLI::App app{"qx71ctl"};
    ConfigureApp(app, context);

    std::vector<std::pair<std::string, std::vector<std::string>>> commands;
    Collect(app, "", commands);
    EXPECT_GE(commands.size(), 20u);
    for (const auto& [command, options] : commands) {
        // Each command is a bold entry of its own: "*profile list*" or "*profile show* [_N_]".
        EXPECT_NE(page.find("\n*" + command + "*"), std::string::npos)
            << "qx71ctl " << command << " is missing from data/man/qx71ctl.1.scd";
        for (const std::string& option : options) {
            EXPECT_NE(page.find("*" + option + "*"), std::string::npos)
                << "qx71ctl " << command << " " << option
                << " is missing from data/man/qx71ctl.1.scd";
        }
    }
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& longName : option->get_lnames()) {
            if (longName != "help") { // listed as "*-h*, *--help*"
                EXPECT_NE(page.find("\n*--" + longName + "*"), std::string::npos) << longName;
            }
        }
    }
}

} // namespace
} // namespace qx71
