#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qx71 {

// The rule that gives the user at the seat access to the mouse's nodes.
inline constexpr const char* kUdevRuleFileName = "70-qx71.rules";

// Where the rule is and the command that puts it into effect.
struct UdevRuleAdvice {
    // Where udev reads it from, if it is installed.
    std::optional<std::filesystem::path> activeRule;
    // The copy that came with the program: InstallDir/../udev/rules.d, which is
    // <prefix>/lib/udev/rules.d once installed and <build>/udev/rules.d in a build.
    std::optional<std::filesystem::path> shippedRule;
    // A shell command line for the user; empty when no rule can be found.
    std::string fixCommand;
};

// Looks for the rule in udev's rule folders under `root` and beside the program.
UdevRuleAdvice AdviseUdevRule(const std::filesystem::path& installDir,
                              const std::filesystem::path& root = "/");

// `text` quoted for a POSIX shell.
std::string ShellQuote(const std::string& text);

} // namespace qx71
