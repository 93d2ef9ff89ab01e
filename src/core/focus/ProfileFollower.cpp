#include "core/focus/ProfileFollower.h"

#include <algorithm>

namespace qx71 {

std::optional<FocusRule> FirstMatchingRule(const FocusRules& rules, const FocusedWindow& window,
                                           const std::function<bool(size_t)>& profileAvailable)
{
    for (const FocusRule& rule : rules) {
        if (RuleMatches(rule, window) && profileAvailable(rule.profile)) {
            return rule;
        }
    }
    return std::nullopt;
}

ProfileFollower::ProfileFollower(ITimerQueue& timers, Host host, size_t profileInMouse)
    : timers_(timers), host_(std::move(host)), inMouse_(profileInMouse)
{
}

ProfileFollower::~ProfileFollower()
{
    timers_.Cancel(rest_);
}

void ProfileFollower::OnFocus(const FocusedWindow& window)
{
    // The window's own windows change nothing: the user comes to look at which rule chose
    // the profile, or to make one.
    if (window.ownWindow) {
        timers_.Cancel(rest_);
        rest_ = ITimerQueue::kNoTimer;
        return;
    }
    resting_ = window;
    timers_.Cancel(rest_);
    rest_ = timers_.After(kFocusRestMs, [this] { Settle(); });
}

void ProfileFollower::Settle()
{
    rest_ = ITimerQueue::kNoTimer;
    Remember(resting_);
    const std::optional<FocusRule> match =
        FirstMatchingRule(host_.rules(), resting_, host_.profileAvailable);
    if (match) {
        if (!ruleInForce_) {
            fallback_ = host_.currentProfile();
        }
        ruleInForce_ = match;
        Want(match->profile);
    } else if (ruleInForce_) {
        ruleInForce_.reset();
        if (fallback_ != 0) {
            Want(fallback_);
        }
    }
    host_.changed();
}

void ProfileFollower::Remember(const FocusedWindow& window)
{
    const std::string name = ProgramNameOf(window);
    if (name.empty()) {
        return;
    }
    std::erase(recent_, name);
    recent_.insert(recent_.begin(), name);
    if (recent_.size() > kRecentProgramCount) {
        recent_.resize(kRecentProgramCount);
    }
}

void ProfileFollower::Want(size_t profile)
{
    wanted_ = profile;
    Drive();
}

void ProfileFollower::Drive()
{
    if (!wanted_ || host_.passRunning()) {
        return; // a running pass's end drives again
    }
    const size_t profile = *wanted_;
    wanted_.reset();
    if (inMouse_ == profile && host_.currentProfile() == profile) {
        return;
    }
    host_.startSwitch(profile);
}

void ProfileFollower::OnPassFinished(size_t appliedProfile)
{
    inMouse_ = appliedProfile;
    Drive();
    host_.changed();
}

void ProfileFollower::OnUserChoseProfile(size_t profile)
{
    fallback_ = profile;
    ruleInForce_.reset();
    wanted_.reset();
    host_.changed();
}

std::optional<FocusRule> ProfileFollower::ChosenBy() const
{
    if (ruleInForce_ && inMouse_ == ruleInForce_->profile &&
        host_.currentProfile() == ruleInForce_->profile) {
        return ruleInForce_;
    }
    return std::nullopt;
}

} // namespace qx71
