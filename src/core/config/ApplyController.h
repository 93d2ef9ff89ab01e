#pragma once

#include "core/common/PostTask.h"
#include "core/config/ProfileRecord.h"
#include "core/config/WritePass.h"
#include "core/config/WriteThread.h"
#include "core/hooks/HookState.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

namespace qx71 {

class ConfigStore;
class IFolderLock;
class IMessageSink;

// Apply and restore-defaults as the main window runs them: the write pass on its own thread,
// its progress and outcome posted back to the owner's thread, and there the outcome handled:
// on success the profile and the directory are saved and the hooks reinstalled; on failure
// the failure's text is shown and nothing is saved.
class ApplyController {
public:
    struct Observer {
        // Each on the owner's thread.
        std::function<void(int percent)> progress;
        // After the outcome was handled; `failure` is empty on success. The progress display
        // closes on either; a failure's text is shown after this returns.
        std::function<void(std::optional<WriteFailure> failure)> finished;
    };

    ApplyController(ConfigStore& store, IMessageSink& messages, WritePassServices services,
                    PostTask post, WindowHandle mainWindow = kNoWindow);
    ~ApplyController();

    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    // The settings folder's lock, held from the request of a pass to the end of its save, so
    // qx71ctl cannot save between them. `reloaded` runs after an Apply found the files changed
    // behind the window and reloaded them instead of sending (the pages show the new values).
    void SetFolderLock(IFolderLock* lock, std::function<void()> reloaded);
    // The macro file the passes send from. While it cannot be read (`unreadable` says so), an
    // Apply is refused naming it: a macro button would be sent as nothing.
    void SetMacroFile(std::filesystem::path path, std::function<bool()> unreadable);

    void Start();
    // Ends the write thread without waiting for a running pass: the pass gives up at its next
    // step and its outcome is dropped (closing never waits for a whole pass).
    void Stop();

    // Starts a pass of the current profile. Refused while a pass runs, when the write thread
    // does not run, and for a record that is not a profile (it is never sent). With a folder
    // lock: refused, with a message, while another program holds the folder; and when the
    // profile's files changed behind the window, they are reloaded and named instead, and
    // nothing is sent, so a qx71ctl edit is never undone by a window that did not see it.
    // Refused, with a message, while the macro file cannot be read. After the pass, the
    // macro buttons whose macro the macro list lacks (they were sent as nothing) are named,
    // unless `tellMissingMacros` is false (a switch that named them already).
    bool RequestApply(bool tellMissingMacros = true);
    // Fills the current profile with defaults, clears the macro ids, and applies.
    bool RestoreDefaults();
    bool Busy() const { return !thread_->DeviceReady(); }
    bool Running() const { return thread_->Running(); }
    // Whether the profile and the directory of the last pass that succeeded reached the disk.
    // The mouse has the settings either way; a caller that reports success checks this.
    bool Saved() const { return saved_; }

private:
    // Runs `task` on the owner's thread unless this controller is gone or was restarted since.
    void PostToOwner(std::function<void()> task);
    bool StartPass(bool keepDiskChanges, bool tellMissingMacros);
    void Unlock();
    void OnSucceeded();
    void OnFailed(WriteFailure failure);
    void TellMissingMacros();

    ConfigStore& store_;
    IMessageSink& messages_;
    WritePassServices services_;
    PostTask post_;
    WindowHandle mainWindow_;
    Observer observer_;
    IFolderLock* lock_ = nullptr;
    std::function<void()> reloaded_;
    std::filesystem::path macroFile_;
    std::function<bool()> macrosUnreadable_;
    std::unique_ptr<WriteThread> thread_;
    // What the running pass sends.
    struct Sent {
        ProfileRecord profile;
        std::array<uint32_t, kProfileButtons> macroIds{};
        bool tellMissingMacros = false;
    };
    Sent sent_;
    bool saved_ = false;
    // Posted tasks hold only a weak reference to this: one that runs after the controller was
    // destroyed finds it expired and does nothing.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
    // Counts the starts; a task posted by the thread of an earlier start is stale.
    std::atomic<uint64_t> run_{0};
};

} // namespace qx71
