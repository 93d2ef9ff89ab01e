#pragma once

#include "core/focus/FocusRule.h"
#include "core/focus/FocusRuleStore.h"

#include <filesystem>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

// Whether the focus can be followed on this desktop, and why not.
enum class FocusWatch : unsigned char {
    Watching,
    Wayland,        // no program may learn which window has the focus
    NoActiveWindow, // no window manager publishes _NET_ACTIVE_WINDOW
    NoDisplay,
};

// One line of a profile button's menu.
struct RuleMenuItem {
    std::u16string text;
    FocusRule rule;       // the rule the line stands for (its profile: the button's)
    bool checked = false; // the rule is there: choosing the line removes it
    bool enabled = true;  // a line that only says why there is nothing to choose is not
};

// The menu of profile button `profile` (1..5): the rules that use this profile (checked),
// then the programs that had the focus lately and have no rule for it. When the focus cannot
// be followed, one disabled line that says why: the rules stay for an X11 session.
std::vector<RuleMenuItem> ProfileRuleMenuItems(size_t profile, const FocusRules& rules,
                                               const std::vector<std::string>& recent,
                                               FocusWatch watch, bool chinese);

// The hint of a profile button: its own text, naming the program when a rule chose its profile.
std::u16string ProfileHintText(std::u16string_view buttonHint, size_t profile,
                               const std::optional<FocusRule>& chosenBy, bool chinese);

// What the window tells when a rule chosen in the menu could not be stored in `file`.
std::u16string RuleEditFailureText(RulesResult result, const std::filesystem::path& file,
                                   bool chinese);

} // namespace qx71
