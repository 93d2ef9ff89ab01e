#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

// What a rule compares with the focused window.
enum class RuleMatch : unsigned char {
    Class,      // the window's WM_CLASS (its class or its instance name, either case)
    Executable, // the name of the program file of the window's process
};

// "Use profile `profile` while `program` has the focus." Profiles are numbered 1..5.
struct FocusRule {
    RuleMatch match = RuleMatch::Class;
    std::string program;
    size_t profile = 0;

    bool operator==(const FocusRule&) const = default;
};

using FocusRules = std::vector<FocusRule>;

// The window that has the focus, as the desktop describes it. Empty strings where the window
// does not say (no WM_CLASS, no _NET_WM_PID, a process of another machine).
struct FocusedWindow {
    std::string instance;    // WM_CLASS res_name
    std::string windowClass; // WM_CLASS res_class: the name the desktop shows
    std::string executable;  // file name of /proc/PID/exe
    bool ownWindow = false;  // a window of this program

    bool operator==(const FocusedWindow&) const = default;
};

// Whether `rule` names `window`: a class rule by the class or the instance name, without
// regard to case (desktops differ in which they show); an executable rule by the exact file name.
bool RuleMatches(const FocusRule& rule, const FocusedWindow& window);

// Whether two rules are about the same program (and would replace each other).
bool SameProgram(const FocusRule& a, const FocusRule& b);

// The name a window goes by in the rules and menus: its class, else its instance name, else
// its executable.
std::string ProgramNameOf(const FocusedWindow& window);

} // namespace qx71
