#pragma once

#include "core/common/BilingualText.h"
#include "core/common/PostTask.h"
#include "core/update/UpdateCheckThread.h"
#include "core/update/UpdatePaths.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace qx71 {

class IDownloader;
class IFileSystem;
class IProcessStarter;
class IUpdateHost;
class SharedMarkupDocument;

struct FirmwareUpdateServices {
    SharedMarkupDocument& markup;
    IFileSystem& files;
    IDownloader& downloader;
    IProcessStarter& starter;
    IUpdateHost& host;
    // Runs a task on the window's thread; the update thread reaches the window only so.
    PostTask post;
    // Whether the interface is Simplified Chinese; read on the window's thread only.
    std::function<bool()> chineseUi;
};

// The firmware update of the support page: the local check when the update button is
// pressed, the online check on the update-check thread with its 2-second timer, the question,
// the image download and the hand-over to the flashing tool.
//
// Every call except FirmwareVersionText()/FirmwareUrl() and the flag readers belongs to the
// window's thread. Each online check has a number; the timer and the thread's result race
// for it under one lock, so exactly one of them answers the user and a late result is
// dropped even when a new check has started meanwhile.
class FirmwareUpdate {
public:
    static constexpr uint32_t kCheckTimerId = 5;
    static constexpr uint32_t kCheckTimerMs = 2000;

    enum class CheckStart {
        Busy,       // a check is under way: nothing happened
        LocalOffer, // the local description offers newer firmware: the question is open
        Online,     // the online check started
    };

    // `descriptionAddress` is the online description's full address (empty: no server, so
    // the online check ends as a failed download does).
    FirmwareUpdate(FirmwareUpdateServices services, UpdatePaths paths,
                   std::string descriptionAddress);
    ~FirmwareUpdate();
    FirmwareUpdate(const FirmwareUpdate&) = delete;
    FirmwareUpdate& operator=(const FirmwareUpdate&) = delete;

    // Starts the update-check thread (once, at the main window's start-up).
    void Start();
    // Shutdown: ends a running download and an open question of the thread at once, then ends
    // the thread. Nothing more reaches the window afterwards.
    void Stop();

    // The mouse's version as decimal text, empty when unknown (see FirmwareVersionText()).
    void SetFirmwareVersionText(std::u16string text);
    std::u16string FirmwareVersionText() const;
    // The "newfile" address of the last online description.
    std::u16string FirmwareUrl() const;

    // The update button.
    CheckStart CheckForFirmwareUpdate();
    // The check timer fired.
    void OnCheckTimer();
    // Starts the flashing tool and closes the program, or says why it could not start.
    bool StartFlashingTool();

    bool UpdateCheckArmed() const { return armed_; }
    bool OnlineCheckTimedOut() const;
    bool UpdateThreadRunning() const { return thread_.Running(); }
    const UpdatePaths& Paths() const { return paths_; }

private:
    enum class OnlineState {
        Idle,
        Running,  // the thread's result and the timer race for this check
        Answered, // the thread took the result
        TimedOut, // the timer answered; the thread's result is dropped
    };

    class AnswerSlot;

    void OnlinePass();
    bool DownloadFirmwareImage();
    std::optional<bool> AskFromThread(BilingualText text);
    void PostToWindow(std::function<void()> task);
    std::u16string Text(BilingualText text) const;
    // "Could not check online" with the reason, in the interface's built-in language.
    std::u16string CouldNotCheckText(BilingualText reason) const;
    bool Stopping() const { return stopping_; }

    FirmwareUpdateServices services_;
    UpdatePaths paths_;
    std::string descriptionAddress_;

    std::atomic<bool> armed_{true};
    std::atomic<bool> stopping_{false};

    mutable std::mutex mutex_;
    std::u16string firmwareVersionText_;
    std::u16string firmwareUrl_;
    uint64_t onlineCheck_ = 0;
    OnlineState onlineState_ = OnlineState::Idle;
    std::shared_ptr<AnswerSlot> openQuestion_;

    // Tasks posted to the window check this, so none runs once the model is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    UpdateCheckThread thread_;
};

} // namespace qx71
