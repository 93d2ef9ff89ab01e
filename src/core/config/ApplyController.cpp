#include "core/config/ApplyController.h"

#include "core/common/IMessageSink.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"

namespace qx71 {

ApplyController::ApplyController(ConfigStore& store, IMessageSink& messages,
                                 WritePassServices services, PostTask post, WindowHandle mainWindow)
    : store_(store), messages_(messages), services_(std::move(services)), post_(std::move(post)),
      mainWindow_(mainWindow)
{
    WriteThread::Callbacks callbacks;
    callbacks.progress = [this](int percent) {
        PostToOwner([this, percent] {
            if (observer_.progress) {
                observer_.progress(percent);
            }
        });
    };
    callbacks.succeeded = [this] { PostToOwner([this] { OnSucceeded(); }); };
    callbacks.failed = [this](WriteFailure failure) {
        PostToOwner([this, failure] { OnFailed(failure); });
    };
    // A stop must not wait for the link to finish a long command (a macro stream, a pending
    // write): the command gives up at its next report.
    callbacks.interrupt = [this] { services_.link.CancelCommands(); };
    // The pass sends the copy taken when it was asked for: a pass that runs without the modal
    // progress display (a profile that follows the focus) leaves the pages free to edit the
    // store's profile meanwhile.
    auto pass = [this](const std::function<void(int)>& progress,
                       const std::function<bool()>& stopping) {
        WritePassServices run = services_;
        run.progress = progress;
        run.stopping = stopping;
        return RunWritePass(sent_.profile, sent_.macroIds, run);
    };
    thread_ = std::make_unique<WriteThread>(services_.clock, pass, std::move(callbacks));
}

ApplyController::~ApplyController()
{
    Stop();
}

void ApplyController::Start()
{
    if (thread_->Running()) {
        return;
    }
    ++run_;
    thread_->Start();
}

void ApplyController::PostToOwner(std::function<void()> task)
{
    // Called on the write thread, which reads `run_` only while the owner, which writes it,
    // waits in Start for the thread of the earlier run to end.
    post_([alive = std::weak_ptr<const bool>(alive_), run = run_.load(), this,
           task = std::move(task)] {
        if (alive.expired() || run != run_) {
            return;
        }
        task();
    });
}

void ApplyController::Stop()
{
    thread_->Stop();
}

bool ApplyController::RequestApply()
{
    if (store_.CurrentProfile().magic != kProfileMagic || Busy()) {
        return false;
    }
    // Written only while no pass runs; the request hands it to the thread.
    sent_.profile = store_.CurrentProfile();
    sent_.macroIds = store_.ButtonMacroIds();
    return thread_->RequestPass();
}

bool ApplyController::RestoreDefaults()
{
    if (Busy() || !thread_->Running()) {
        return false;
    }
    store_.RestoreDefaults();
    return RequestApply();
}

void ApplyController::OnSucceeded()
{
    saved_ = store_.SaveAppliedProfile();
    if (services_.hooks != nullptr) {
        services_.hooks->Remove();
        services_.hooks->Install(mainWindow_);
        services_.hooks->SetForwarding(false, true);
    }
    thread_->SetDeviceReady();
    if (observer_.finished) {
        observer_.finished(std::nullopt);
    }
}

void ApplyController::OnFailed(WriteFailure failure)
{
    messages_.Show({MessageKind::InfoBox, {}, Utf8ToUtf16(WriteFailureText(failure))});
    thread_->SetDeviceReady();
    if (observer_.finished) {
        observer_.finished(failure);
    }
}

} // namespace qx71
