#include "core/update/FirmwareUpdate.h"

#include "core/common/IFileSystem.h"
#include "core/common/Utf.h"
#include "core/update/DownloadRules.h"
#include "core/update/FirmwareVersion.h"
#include "core/update/FlashingTool.h"
#include "core/update/IDownloader.h"
#include "core/update/IUpdateHost.h"
#include "core/update/UpdateDescription.h"
#include "core/update/UpdateTexts.h"

#include <condition_variable>

namespace qx71 {

// The answer to a question the thread asked: given on the window's thread, waited for on the
// update thread; shutdown cancels the wait.
class FirmwareUpdate::AnswerSlot {
public:
    void Give(bool ok)
    {
        {
            std::lock_guard lock(mutex_);
            if (done_) {
                return;
            }
            answer_ = ok;
            done_ = true;
        }
        cv_.notify_all();
    }
    void Cancel()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        cv_.notify_all();
    }
    // nullopt when cancelled.
    std::optional<bool> Wait()
    {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return done_; });
        return answer_;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    std::optional<bool> answer_;
};

FirmwareUpdate::FirmwareUpdate(FirmwareUpdateServices services, UpdatePaths paths,
                               std::string descriptionAddress)
    : services_(std::move(services)), paths_(std::move(paths)),
      descriptionAddress_(std::move(descriptionAddress)), thread_([this] { OnlinePass(); })
{
}

FirmwareUpdate::~FirmwareUpdate()
{
    Stop();
    alive_.reset();
}

void FirmwareUpdate::Start()
{
    thread_.Start();
}

void FirmwareUpdate::Stop()
{
    stopping_ = true;
    services_.downloader.Abort();
    {
        std::lock_guard lock(mutex_);
        if (openQuestion_) {
            openQuestion_->Cancel();
        }
    }
    thread_.Stop();
}

void FirmwareUpdate::SetFirmwareVersionText(std::u16string text)
{
    std::lock_guard lock(mutex_);
    firmwareVersionText_ = std::move(text);
}

std::u16string FirmwareUpdate::FirmwareVersionText() const
{
    std::lock_guard lock(mutex_);
    return firmwareVersionText_;
}

std::u16string FirmwareUpdate::FirmwareUrl() const
{
    std::lock_guard lock(mutex_);
    return firmwareUrl_;
}

bool FirmwareUpdate::OnlineCheckTimedOut() const
{
    std::lock_guard lock(mutex_);
    return onlineState_ == OnlineState::TimedOut;
}

std::u16string FirmwareUpdate::Text(BilingualText text) const
{
    const bool chinese = services_.chineseUi && services_.chineseUi();
    return std::u16string(text.In(chinese));
}

FirmwareUpdate::CheckStart FirmwareUpdate::CheckForFirmwareUpdate()
{
    bool armed = true;
    if (!armed_.compare_exchange_strong(armed, false)) {
        return CheckStart::Busy;
    }
    const int32_t installed = VersionNumber(FirmwareVersionText());
    const std::filesystem::path local = paths_.LocalDescription(services_.files);
    const FirmwareOffer offer = ReadUpdateDescription(services_.markup, local);
    // A local offer is only handed to the flashing tool together with its image; without one
    // the online check runs and fetches it.
    if (IsNewerFirmware(offer.Version(), installed) &&
        services_.files.Exists(UpdatePaths::ImageBeside(local))) {
        std::weak_ptr<bool> alive = alive_;
        services_.host.Ask(Text(kNewFirmwareText), BoxOwner::Page, [this, alive](bool ok) {
            if (alive.expired()) {
                return;
            }
            if (ok) {
                StartFlashingTool();
            }
            armed_ = true;
        });
        return CheckStart::LocalOffer;
    }
    {
        std::lock_guard lock(mutex_);
        ++onlineCheck_;
        onlineState_ = OnlineState::Running;
    }
    services_.host.StartCheckTimer(kCheckTimerMs);
    thread_.Signal();
    return CheckStart::Online;
}

void FirmwareUpdate::OnCheckTimer()
{
    services_.host.KillCheckTimer();
    {
        std::lock_guard lock(mutex_);
        if (onlineState_ != OnlineState::Running) {
            // The thread took its result first; its own message follows.
            return;
        }
        onlineState_ = OnlineState::TimedOut;
    }
    // A pass that has not begun yet need not run at all.
    thread_.ResetEvent();
    armed_ = true;
    services_.host.ShowBox(CouldNotCheckText(kTimedOutReason), BoxOwner::Page);
}

std::u16string FirmwareUpdate::CouldNotCheckText(BilingualText reason) const
{
    std::u16string text = Text(kCouldNotCheckText);
    const size_t at = text.find(u"%s");
    if (at != std::u16string::npos) {
        text.replace(at, 2, Text(reason));
    }
    return text;
}

namespace {

// Why the description could not be had.
BilingualText FailureReason(DownloadError error, bool noServer)
{
    if (noServer) {
        return kNoServerReason;
    }
    switch (error) {
    case DownloadError::RefusedAddress:
        return kRefusedReason;
    case DownloadError::TimedOut:
        return kTimedOutReason;
    case DownloadError::Http:
        return kServerErrorReason;
    case DownloadError::Tls:
        return kTlsReason;
    case DownloadError::TooLarge:
    case DownloadError::Incomplete:
    case DownloadError::None:
        return kBadAnswerReason;
    case DownloadError::Write:
        return kNotSavedReason;
    case DownloadError::Connect:
    case DownloadError::Aborted:
    case DownloadError::Other:
        break;
    }
    return kUnreachableReason;
}

} // namespace

bool FirmwareUpdate::StartFlashingTool()
{
    const bool chinese = services_.chineseUi && services_.chineseUi();
    return qx71::StartFlashingTool(
        services_.starter, paths_.flashingTool, chinese,
        [this](const std::u16string& text) { services_.host.ShowBox(text, BoxOwner::Page); },
        [this] { services_.host.CloseProgram(); });
}

void FirmwareUpdate::PostToWindow(std::function<void()> task)
{
    if (Stopping()) {
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    services_.post([alive, task = std::move(task)] {
        if (!alive.expired()) {
            task();
        }
    });
}

std::optional<bool> FirmwareUpdate::AskFromThread(BilingualText text)
{
    auto slot = std::make_shared<AnswerSlot>();
    {
        std::lock_guard lock(mutex_);
        if (Stopping()) {
            return std::nullopt;
        }
        openQuestion_ = slot;
    }
    PostToWindow([this, slot, text] {
        services_.host.Ask(Text(text), BoxOwner::None, [slot](bool ok) { slot->Give(ok); });
    });
    const std::optional<bool> answer = slot->Wait();
    std::lock_guard lock(mutex_);
    openQuestion_.reset();
    return answer;
}

bool FirmwareUpdate::DownloadFirmwareImage()
{
    services_.files.CreateDirectories(paths_.image.parent_path());
    const std::string address = Utf16ToUtf8(FirmwareUrl());
    DownloadResult result;
    if (IsAllowedDownloadAddress(address)) {
        result = services_.downloader.Download(address, paths_.image, kImageLimits);
    } else {
        result.error = DownloadError::RefusedAddress;
    }
    if (result.ok()) {
        return true;
    }
    PostToWindow([this] {
        services_.host.ShowBox(std::u16string(kImageDownloadFailedText), BoxOwner::None);
    });
    return false;
}

void FirmwareUpdate::OnlinePass()
{
    uint64_t check = 0;
    {
        std::lock_guard lock(mutex_);
        if (onlineState_ != OnlineState::Running) {
            return;
        }
        check = onlineCheck_;
    }

    DownloadResult download;
    if (IsAllowedDownloadAddress(descriptionAddress_)) {
        services_.files.CreateDirectories(paths_.downloadDescription.parent_path());
        download = services_.downloader.Download(descriptionAddress_, paths_.downloadDescription,
                                                 kDescriptionLimits);
    } else {
        download.error = DownloadError::RefusedAddress;
    }
    if (Stopping()) {
        return;
    }

    {
        std::lock_guard lock(mutex_);
        if (check != onlineCheck_ || onlineState_ != OnlineState::Running) {
            // The timer has told the user already: the result is dropped silently.
            if (check == onlineCheck_) {
                onlineState_ = OnlineState::Idle;
            }
            return;
        }
        onlineState_ = OnlineState::Answered;
    }
    PostToWindow([this] { services_.host.KillCheckTimer(); });

    bool offered = false;
    // Without an answer the check says why; "the latest version" would pass a failure off as
    // a result.
    std::optional<BilingualText> failure;
    if (download.ok()) {
        const FirmwareOffer offer =
            ReadUpdateDescription(services_.markup, paths_.downloadDescription);
        {
            std::lock_guard lock(mutex_);
            firmwareUrl_ = offer.newfile.value_or(std::u16string());
        }
        if (!offer.read || !offer.current) {
            failure = kBadAnswerReason;
        } else if (IsNewerFirmware(offer.Version(), VersionNumber(FirmwareVersionText()))) {
            offered = true;
            if (AskFromThread(kNewFirmwareText).value_or(false) && DownloadFirmwareImage()) {
                PostToWindow([this] { StartFlashingTool(); });
            }
        }
    } else {
        failure = FailureReason(download.error, descriptionAddress_.empty());
    }
    if (failure) {
        PostToWindow([this, reason = *failure] {
            services_.host.ShowBox(CouldNotCheckText(reason), BoxOwner::None);
        });
    } else if (!offered) {
        PostToWindow([this] { services_.host.ShowBox(Text(kLatestFirmwareText), BoxOwner::None); });
    }

    {
        std::lock_guard lock(mutex_);
        onlineState_ = OnlineState::Idle;
    }
    armed_ = true;
}

} // namespace qx71
