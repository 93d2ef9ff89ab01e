#pragma once

#include "core/common/ITimerQueue.h"

#include <cstddef>
#include <cstdint>

namespace qx71 {

// The main window's start-up steps, numbered in the order they run.
enum class StartupStep : int {
    SetIcons = 1,
    SeedDataDir = 2,
    InstallLanguage = 3,
    SetTitle = 4,
    ReadMacros = 5,
    LoadSkin = 6,
    CreatePages = 7,
    AddTrayIcon = 8,
    LoadDirectory = 9,
    WatchDevices = 10,
    FillMacroPage = 11,
    TakeMacroIds = 12,
    PlaceFlag = 13,
    PostStoredLanguage = 14,
    InitLink = 15,
    UpdateModeSearch = 16,
    OpenDevice = 17,
    RefreshPages = 18,
    ReportNotFound = 19,
    StartThreads = 20,
    ReadFirmwareVersion = 21,
    ShowWindow = 22,
    InstallHooks = 23,
    StartUpdaterTimer = 24,
    RegisterTriggers = 25,
    AllowMinimise = 26,
};

// What the window does at each step. The sequence decides the order, the waits and the
// branches; the window only carries the steps out.
class IStartupSteps {
public:
    virtual ~IStartupSteps() = default;
    // A step without an outcome: 1 to 14, 18, 20 to 23, 25, 26.
    virtual void Run(StartupStep step) = 0;
    // A step of 1 to 14 that takes long (several pages, each loading its images) may run in
    // parts, one per turn of the event loop: the sequence calls this with part 0, 1, ... while
    // it returns true (more parts follow), and only then goes on to the next step. By default
    // a step is one part, Run(step).
    virtual bool RunPart(StartupStep step, int part)
    {
        if (part == 0) {
            Run(step);
        }
        return false;
    }
    // Step 15; false when the HID support could not be loaded.
    virtual bool InitLink() = 0;
    // One check of step 16: is a USB device with the update-mode identity plugged in?
    virtual bool UpdateModePresent() = 0;
    // Step 16 found the mouse waiting for firmware: starts the flashing tool; false when it
    // could not be started (the window says so).
    virtual bool StartFlashTool() = 0;
    // One try of step 17.
    virtual bool OpenDevice() = 0;
    // Step 19: the "cannot be found" box; the window closes when it is gone.
    virtual void ReportNotFound() = 0;
    // After a failed step 15: the window is shown without a device.
    virtual void ShowWithoutDevice() = 0;
    // Ends the program before any window showed (update mode).
    virtual void Close() = 0;
    // Timer 4's tick, 3 s after a successful start: the separate updater.
    virtual void LaunchUpdater() = 0;
};

// Runs the start-up in its order with its waits on timers: the update-mode search (two
// checks, 500 ms after each that finds nothing) and up to ten tries to open the mouse (500 ms
// after each failure). The search shows nothing until it finds the update identity, so its
// first check and its waits run beside steps 1 to 15; its outcome is acted on only after
// step 15 (and the language message that step 14 posts).
// A mouse is in its normal mode or in its update mode, never both: when the first check found
// no update identity and the mouse opens at once after step 15, the second check and the waits
// could not change the outcome, so the window goes on without them. Only when that first open
// fails does the full search run, with its second check, its waits and its ten tries.
class StartupSequence {
public:
    static constexpr int kUpdateModeChecks = 2;
    static constexpr uint32_t kUpdateModeWaitMs = 500;
    static constexpr int kOpenTries = 10;
    static constexpr uint32_t kOpenRetryWaitMs = 500;
    static constexpr uint32_t kUpdaterDelayMs = 3000;

    enum class Outcome {
        Running,       // still searching or opening
        Started,       // the mouse was opened and the window shown
        WithoutDevice, // step 15 failed: the window is shown without a device
        NotFound,      // the mouse could not be opened: the program closes after the box
        UpdateMode,    // the flashing tool took over: the program closes
        Cancelled,     // the window closed during the start-up
    };

    StartupSequence(IStartupSteps& steps, ITimerQueue& timers);
    ~StartupSequence();
    StartupSequence(const StartupSequence&) = delete;
    StartupSequence& operator=(const StartupSequence&) = delete;

    // Starts the update-mode search and steps 1 to 15, one step per turn of the event loop;
    // the rest follows on the timers.
    void Start();
    // Stops every pending wait (the window is closing).
    void Cancel();

    Outcome State() const { return outcome_; }
    // How many times the mouse was tried (step 17), not counting the open that follows a first
    // check that found nothing.
    int OpenTries() const { return openTries_; }

private:
    void RunWindowStep(size_t index, int part);
    void CheckUpdateMode(int check);
    void OnSearchFinished();
    bool OpenBeforeSearchEnds();
    void EnterUpdateMode();
    void TryOpen();
    void Continue();
    void Schedule(uint32_t ms, void (StartupSequence::*next)());
    void ScheduleCheck(uint32_t ms, int check);

    IStartupSteps& steps_;
    ITimerQueue& timers_;
    Outcome outcome_ = Outcome::Running;
    bool linkReady_ = false;
    bool searchFinished_ = false;
    bool updateModeFound_ = false;
    int openTries_ = 0;
    ITimerQueue::TimerId pending_ = ITimerQueue::kNoTimer;
    ITimerQueue::TimerId windowStep_ = ITimerQueue::kNoTimer;
};

} // namespace qx71
