#include "platform/linux/UdevRuleAdvice.h"

#include <system_error>

namespace qx71 {

namespace {

// The folders udev reads rules from, highest precedence first.
constexpr const char* kRuleFolders[] = {
    "etc/udev/rules.d",     "run/udev/rules.d", "usr/local/lib/udev/rules.d",
    "usr/lib/udev/rules.d", "lib/udev/rules.d",
};
// Rules are installed where the administrator's own rules go.
constexpr const char* kInstallFolder = "/etc/udev/rules.d";
// Applies the rules to the nodes that exist now, so nobody has to unplug the mouse.
constexpr const char* kReload = "sudo udevadm control --reload-rules && "
                                "sudo udevadm trigger --subsystem-match=hidraw";

bool IsFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

UdevRuleAdvice AdviseUdevRule(const std::filesystem::path& installDir,
                              const std::filesystem::path& root)
{
    UdevRuleAdvice advice;
    for (const char* folder : kRuleFolders) {
        const std::filesystem::path rule = root / folder / kUdevRuleFileName;
        if (IsFile(rule)) {
            advice.activeRule = rule;
            break;
        }
    }
    const std::filesystem::path shipped =
        (installDir / ".." / "udev" / "rules.d" / kUdevRuleFileName).lexically_normal();
    if (IsFile(shipped)) {
        advice.shippedRule = shipped;
    }
    if (advice.activeRule) {
        advice.fixCommand = kReload;
    } else if (advice.shippedRule) {
        advice.fixCommand = "sudo install -m 644 " + ShellQuote(advice.shippedRule->string()) +
                            " " + kInstallFolder + "/ && " + kReload;
    }
    return advice;
}

} // namespace qx71
