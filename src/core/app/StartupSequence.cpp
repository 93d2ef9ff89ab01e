#include "core/app/StartupSequence.h"

#include <iterator>

namespace qx71 {

namespace {

constexpr StartupStep kWindowSteps[] = {
    StartupStep::SetIcons,     StartupStep::SeedDataDir,        StartupStep::InstallLanguage,
    StartupStep::SetTitle,     StartupStep::ReadMacros,         StartupStep::LoadSkin,
    StartupStep::CreatePages,  StartupStep::AddTrayIcon,        StartupStep::LoadDirectory,
    StartupStep::WatchDevices, StartupStep::FillMacroPage,      StartupStep::TakeMacroIds,
    StartupStep::PlaceFlag,    StartupStep::PostStoredLanguage,
};

} // namespace

StartupSequence::StartupSequence(IStartupSteps& steps, ITimerQueue& timers)
    : steps_(steps), timers_(timers)
{
}

StartupSequence::~StartupSequence()
{
    timers_.Cancel(windowStep_);
    timers_.Cancel(pending_);
}

void StartupSequence::Start()
{
    // The first check before anything else, so that its waits overlap the window's set-up.
    CheckUpdateMode(1);
    RunWindowStep(0, 0);
}

void StartupSequence::RunWindowStep(size_t index, int part)
{
    if (index < std::size(kWindowSteps)) {
        const bool more = steps_.RunPart(kWindowSteps[index], part);
        // One step (or part of one) per turn of the event loop, so the window thread never
        // stalls long.
        windowStep_ = timers_.After(0, [this, index, part, more] {
            windowStep_ = ITimerQueue::kNoTimer;
            if (more) {
                RunWindowStep(index, part + 1);
            } else {
                RunWindowStep(index + 1, 0);
            }
        });
        return;
    }
    linkReady_ = steps_.InitLink();
    if (!linkReady_) {
        timers_.Cancel(pending_);
        pending_ = ITimerQueue::kNoTimer;
        outcome_ = Outcome::WithoutDevice;
        steps_.ShowWithoutDevice();
        return;
    }
    if (searchFinished_) {
        OnSearchFinished();
        return;
    }
    if (OpenBeforeSearchEnds()) {
        Continue();
    }
}

bool StartupSequence::OpenBeforeSearchEnds()
{
    // The first check found nothing, else the search would have ended with the update mode.
    if (!steps_.OpenDevice()) {
        return false;
    }
    // The mouse answers in its normal identity, so it is not in its update mode.
    timers_.Cancel(pending_);
    pending_ = ITimerQueue::kNoTimer;
    searchFinished_ = true;
    return true;
}

void StartupSequence::Cancel()
{
    timers_.Cancel(windowStep_);
    windowStep_ = ITimerQueue::kNoTimer;
    timers_.Cancel(pending_);
    pending_ = ITimerQueue::kNoTimer;
    if (outcome_ == Outcome::Running) {
        outcome_ = Outcome::Cancelled;
    }
}

void StartupSequence::CheckUpdateMode(int check)
{
    if (steps_.UpdateModePresent()) {
        updateModeFound_ = true;
        searchFinished_ = true;
        OnSearchFinished();
        return;
    }
    if (check < kUpdateModeChecks) {
        ScheduleCheck(kUpdateModeWaitMs, check + 1);
        return;
    }
    pending_ = timers_.After(kUpdateModeWaitMs, [this] {
        pending_ = ITimerQueue::kNoTimer;
        searchFinished_ = true;
        OnSearchFinished();
    });
}

void StartupSequence::ScheduleCheck(uint32_t ms, int check)
{
    pending_ = timers_.After(ms, [this, check] {
        pending_ = ITimerQueue::kNoTimer;
        CheckUpdateMode(check);
    });
}

void StartupSequence::OnSearchFinished()
{
    if (!linkReady_ || outcome_ != Outcome::Running) {
        return;
    }
    if (updateModeFound_) {
        EnterUpdateMode();
        return;
    }
    TryOpen();
}

void StartupSequence::EnterUpdateMode()
{
    if (steps_.StartFlashTool()) {
        outcome_ = Outcome::UpdateMode;
        steps_.Close();
        return;
    }
    // Without the tool the program stays: the window said so, and the mouse is tried as usual.
    TryOpen();
}

void StartupSequence::TryOpen()
{
    ++openTries_;
    if (steps_.OpenDevice()) {
        Continue();
        return;
    }
    if (openTries_ < kOpenTries) {
        Schedule(kOpenRetryWaitMs, &StartupSequence::TryOpen);
        return;
    }
    pending_ = timers_.After(kOpenRetryWaitMs, [this] {
        pending_ = ITimerQueue::kNoTimer;
        steps_.Run(StartupStep::RefreshPages);
        outcome_ = Outcome::NotFound;
        steps_.ReportNotFound();
    });
}

void StartupSequence::Continue()
{
    steps_.Run(StartupStep::RefreshPages);
    steps_.Run(StartupStep::StartThreads);
    steps_.Run(StartupStep::ReadFirmwareVersion);
    steps_.Run(StartupStep::ShowWindow);
    steps_.Run(StartupStep::InstallHooks);
    outcome_ = Outcome::Started;
    pending_ = timers_.After(kUpdaterDelayMs, [this] {
        pending_ = ITimerQueue::kNoTimer;
        steps_.LaunchUpdater();
    });
    steps_.Run(StartupStep::RegisterTriggers);
    steps_.Run(StartupStep::AllowMinimise);
}

void StartupSequence::Schedule(uint32_t ms, void (StartupSequence::*next)())
{
    pending_ = timers_.After(ms, [this, next] {
        pending_ = ITimerQueue::kNoTimer;
        (this->*next)();
    });
}

} // namespace qx71
