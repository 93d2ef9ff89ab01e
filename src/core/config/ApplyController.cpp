#include "core/config/ApplyController.h"

#include "core/common/BilingualText.h"
#include "core/common/IFolderLock.h"
#include "core/common/IMessageSink.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/config/MacroLinks.h"
#include "core/device/CUSBDriver.h"
#include "core/i18n/UiStrings.h"

namespace qx71 {

namespace {

constexpr BilingualText kMsgFolderBusy{
    u"设置文件夹 %s 正被其他程序（如 qx71ctl）使用，未发送任何内容。请稍后再单击“应用”。",
    u"The settings folder %s is in use by another program (such as qx71ctl); nothing was sent. "
    u"Press Apply again in a moment."};
constexpr BilingualText kMsgReloaded{
    u"%s 已被其他程序更改。窗口现在显示其中保存的设置，未发送任何内容。再次单击“应用”即可发送。",
    u"%s was changed by another program. The window now shows the settings saved there, and "
    u"nothing was sent. Press Apply again to send them."};

constexpr BilingualText kMsgMacrosUnreadable{
    u"无法读取 %s，宏按键无法发送，未发送任何内容。",
    u"%s cannot be read, so the macro buttons cannot be sent; nothing was sent."};

} // namespace

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
    Unlock();
}

void ApplyController::SetFolderLock(IFolderLock* lock, std::function<void()> reloaded)
{
    lock_ = lock;
    reloaded_ = std::move(reloaded);
}

void ApplyController::Unlock()
{
    if (lock_ != nullptr) {
        lock_->Unlock();
    }
}

void ApplyController::SetMacroFile(std::filesystem::path path, std::function<bool()> unreadable)
{
    macroFile_ = std::move(path);
    macrosUnreadable_ = std::move(unreadable);
}

bool ApplyController::RequestApply(bool tellMissingMacros)
{
    if (macrosUnreadable_ && !Busy() && thread_->Running() && macrosUnreadable_()) {
        messages_.Show({MessageKind::InfoBox,
                        {},
                        FormatWithPath(kMsgMacrosUnreadable.In(store_.ChineseUi()), macroFile_)});
        return false;
    }
    return StartPass(true, tellMissingMacros);
}

bool ApplyController::StartPass(bool keepDiskChanges, bool tellMissingMacros)
{
    if (store_.CurrentProfile().magic != kProfileMagic || Busy() || !thread_->Running()) {
        return false;
    }
    const bool chinese = store_.ChineseUi();
    if (lock_ != nullptr && !lock_->TryLock()) {
        messages_.Show({MessageKind::InfoBox,
                        {},
                        FormatWithPath(kMsgFolderBusy.In(chinese), store_.DataDir())});
        return false;
    }
    if (lock_ != nullptr && keepDiskChanges && store_.ChangedOnDisk()) {
        const std::filesystem::path changed = store_.SlotPath(store_.CurrentSlot());
        store_.LoadDirectory();
        Unlock();
        if (reloaded_) {
            reloaded_();
        }
        messages_.Show(
            {MessageKind::InfoBox, {}, FormatWithPath(kMsgReloaded.In(chinese), changed)});
        return false;
    }
    // Written only while no pass runs; the request hands it to the thread.
    sent_.profile = store_.CurrentProfile();
    sent_.macroIds = store_.ButtonMacroIds();
    sent_.tellMissingMacros = tellMissingMacros;
    if (!thread_->RequestPass()) {
        Unlock();
        return false;
    }
    return true;
}

bool ApplyController::RestoreDefaults()
{
    if (Busy() || !thread_->Running()) {
        return false;
    }
    store_.RestoreDefaults();
    // The user asked for the defaults: a change on disk is saved over, under the lock.
    return StartPass(false, false);
}

void ApplyController::OnSucceeded()
{
    saved_ = store_.SaveAppliedProfile();
    Unlock();
    if (services_.hooks != nullptr) {
        services_.hooks->Remove();
        services_.hooks->Install(mainWindow_);
        services_.hooks->SetForwarding(false, true);
    }
    thread_->SetDeviceReady();
    if (sent_.tellMissingMacros) {
        TellMissingMacros();
    }
    if (observer_.finished) {
        observer_.finished(std::nullopt);
    }
}

void ApplyController::TellMissingMacros()
{
    // The pass sent each macro button the macro of its link: the profile is checked with
    // those links.
    ProfileRecord sent = sent_.profile;
    for (size_t i = 0; i < kProfileButtons; ++i) {
        sent.buttons[i].macroId = sent_.macroIds[i];
    }
    const std::vector<MissingMacro> missing = FindMissingMacros(sent, services_.findMacro);
    if (!missing.empty()) {
        messages_.Show({MessageKind::InfoBox, {}, MissingMacrosText(missing, store_.ChineseUi())});
    }
}

void ApplyController::OnFailed(WriteFailure failure)
{
    Unlock();
    thread_->SetDeviceReady();
    // The progress display closes first: the failure's box must not open under "Updating".
    if (observer_.finished) {
        observer_.finished(failure);
    }
    messages_.Show({MessageKind::InfoBox, {}, Utf8ToUtf16(WriteFailureText(failure))});
}

} // namespace qx71
