#pragma once

#include "core/common/ITimerQueue.h"
#include "core/focus/FocusRule.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

// How long the focus must rest on a window before the profile follows it: passing through
// windows on the way (Alt+Tab) writes nothing.
inline constexpr uint32_t kFocusRestMs = 300;
// How many programs that had the focus the profile menu offers.
inline constexpr size_t kRecentProgramCount = 6;

// The first rule that names the window and whose profile is there to switch to; none when no
// rule does.
std::optional<FocusRule> FirstMatchingRule(const FocusRules& rules, const FocusedWindow& window,
                                           const std::function<bool(size_t)>& profileAvailable);

// Switches the profile to follow the program in use. The focus has to rest on a window for
// kFocusRestMs; then the first matching rule gives the profile. When the focus leaves every
// ruled program, the profile in use before the first rule took over comes back; while no
// rule was in force the user's choice is left alone. Never more than one write pass at a
// time: a profile wanted while a pass runs waits for its end, and only the last one wanted
// goes. A profile the mouse already holds is not written again.
class ProfileFollower {
public:
    // What the follower asks of the window; every call on the owner's thread.
    struct Host {
        std::function<size_t()> currentProfile;       // the profile the window holds, 1..5
        std::function<bool(size_t)> profileAvailable; // a valid profile to switch to
        std::function<bool()> passRunning;            // a write pass runs now
        std::function<bool(size_t)> startSwitch;      // switch and write; false: not started
        std::function<FocusRules()> rules;            // the rules as they are now
        std::function<void()> changed;                // the rule in force or the list changed
    };

    // `profileInMouse`: what the mouse holds at the start (0: not known).
    ProfileFollower(ITimerQueue& timers, Host host, size_t profileInMouse);
    ~ProfileFollower();
    ProfileFollower(const ProfileFollower&) = delete;
    ProfileFollower& operator=(const ProfileFollower&) = delete;

    // A window got the focus.
    void OnFocus(const FocusedWindow& window);
    // Every write pass's end, whoever started it: the profile the mouse took, 0 after a failure.
    void OnPassFinished(size_t appliedProfile);
    // The user chose a profile in the window: it stays until the focus moves to another
    // program, and it is what comes back when the rules let go.
    void OnUserChoseProfile(size_t profile);

    // The rule that chose the profile the mouse holds, if one did.
    std::optional<FocusRule> ChosenBy() const;
    // Programs that had the focus, the latest first; this program's own windows are not.
    const std::vector<std::string>& RecentPrograms() const { return recent_; }

private:
    void Settle();
    void Remember(const FocusedWindow& window);
    void Want(size_t profile);
    void Drive();

    ITimerQueue& timers_;
    Host host_;
    ITimerQueue::TimerId rest_ = ITimerQueue::kNoTimer;
    FocusedWindow resting_;
    std::optional<FocusRule> ruleInForce_;
    size_t fallback_ = 0;
    size_t inMouse_ = 0;
    std::optional<size_t> wanted_;
    std::vector<std::string> recent_;
};

} // namespace qx71
