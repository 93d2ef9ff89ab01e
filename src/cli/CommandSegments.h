#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace qx71 {

// Cuts a command line into one part per command, so that a command may follow any other, the
// same group included ("profile import FILE profile show"). A word that names a command starts
// the next part unless the command before still needs it: a required argument ("profile import
// info") or the value of an option ("--name apply") stays where it is. The first part also holds
// the options given before the first command.
std::vector<std::vector<std::string>> SplitCommands(CLI::App& app,
                                                    const std::vector<std::string>& args);

// A command line that only checks its words: its parse ends, with Checked, after the words and
// their values were taken and before any command runs.
class CheckingApp final : public CLI::App {
public:
    using CLI::App::App;
    struct Checked {};

protected:
    void pre_callback() override { throw Checked{}; }
};

} // namespace qx71
