#include "gui/app/CQX710DriverDlg.h"

#include "core/app/DeviceNotices.h"
#include "core/app/KeyboardFilter.h"
#include "core/app/MainWindowGeometry.h"
#include "core/app/MainWindowTexts.h"
#include "core/app/MouseAccessNotice.h"
#include "core/app/StartVisibility.h"
#include "core/app/StartupDirs.h"
#include "core/app/WaylandNotice.h"
#include "core/buttons/ButtonFunction.h"
#include "core/config/ApplyController.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/device/DeviceSurvey.h"
#include "core/focus/FocusRuleStore.h"
#include "core/focus/IFocusSource.h"
#include "core/focus/ProfileFollower.h"
#include "core/hooks/HostActionHandler.h"
#include "core/hooks/IPointerSettings.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/MacroLibrary.h"
#include "core/stats/StatsModel.h"
#include "core/update/FirmwareVersion.h"
#include "core/update/FlashingTool.h"
#include "core/update/IProcessStarter.h"
#include "core/update/UpdatePaths.h"
#include "core/widgets/ButtonLook.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/PopupMenuLayout.h"
#include "core/widgets/SkinResources.h"
#include "gui/app/CProfileRuleMenu.h"
#include "gui/app/CRuleMark.h"
#include "gui/app/MainTrayIcon.h"
#include "gui/config/CDlgProgress.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/CMenuExA.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/QtMessageSink.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <array>
#include <iostream>
#include <string_view>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

namespace qx71::gui {

namespace {

constexpr const char* kStatsFile = "Sts.cfg";
constexpr int kHintPixelSize = 14;
// How often a hidden window looks whether the notification area is still there.
constexpr uint32_t kTrayWatchMs = 1000;

// Tasks for the window's thread; those still queued when the window goes are dropped.
PostTask PostToWindow(QObject* window)
{
    return [window](std::function<void()> task) {
        QMetaObject::invokeMethod(window, std::move(task), Qt::QueuedConnection);
    };
}

// The hooks' messages, delivered later on the window's thread.
class WindowHookPoster final : public IHookPoster {
public:
    WindowHookPoster(PostTask post, std::function<void(const HookPost&)> deliver)
        : post_(std::move(post)), deliver_(std::move(deliver))
    {
    }
    void Post(const HookPost& post) override
    {
        post_([deliver = deliver_, post] { deliver(post); });
    }

private:
    PostTask post_;
    std::function<void(const HookPost&)> deliver_;
};

FilterKey FilterKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FilterKey::Enter;
    case Qt::Key_Escape:
        return FilterKey::Escape;
    case Qt::Key_Space:
        return FilterKey::Space;
    case Qt::Key_F4:
        return FilterKey::F4;
    case Qt::Key_Q:
        return FilterKey::Q;
    default:
        return FilterKey::Other;
    }
}

// Widgets that take typed text.
bool IsTextField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr;
}

} // namespace

CQX710DriverDlg::CQX710DriverDlg(MainWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      services_(std::move(services)), startup_(*this, services_.timers),
      presence_(*this, services_.timers), close_(*this, services_.timers)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    ownMessages_ = std::make_unique<QtMessageSink>(this);
    messages_ = services_.messages != nullptr ? services_.messages : ownMessages_.get();
    questions_ = services_.questions != nullptr ? services_.questions : ownMessages_.get();
    link_ = std::make_unique<CUSBDriver>(services_.hid, services_.clock);
    auto chinese = [this] { return ChineseUi(); };
    SetChineseUiSource(chinese);
    SetUiLanguageSource([this] { return services_.language.FlagShown(); });
    store_ = std::make_unique<ConfigStore>(services_.files, *messages_, services_.strings,
                                           services_.dataDir, chinese);
    macros_ = std::make_unique<MacroLibrary>(services_.files, *messages_, services_.strings,
                                             services_.dataDir / kMacroFileName);
    store_->SetMacroLookup([this](uint32_t id) { return macros_->FindMacro(id); });
    stats_ = std::make_unique<StatsModel>(services_.files, *messages_, services_.strings,
                                          services_.dataDir / kStatsFile, chinese);
    // After the first paint, so the box never stands in for a window that has not shown.
    connect(
        this, &CQX710DriverDlg::firstPainted, this,
        [this] {
            if (ShowWaylandNoticeOnce(services_.waylandSession, services_.files, services_.dataDir,
                                      *messages_,
                                      ChineseUi()) == WaylandNoticeOutcome::ShownNotRemembered) {
                std::cerr << "qx71: could not note in the settings folder that the Wayland "
                             "notice was shown; it shows again at the next start\n";
            }
        },
        Qt::QueuedConnection);
    connect(
        this, &CQX710DriverDlg::firstPainted, this, [this] { LoadLaterFaces(0); },
        Qt::QueuedConnection);
    hookPoster_ = std::make_unique<WindowHookPoster>(
        PostToWindow(this), [this](const HookPost& post) { OnHookPost(post); });
    hooks_ = std::make_unique<HookState>(*hookPoster_, services_.inputHooks);
    hostActions_ = std::make_unique<HostActionHandler>(
        services_.launcher, [this](uint32_t wParam, uint32_t lParam) {
            stats_->Count(wParam);
            if (CMainPage* page = Page(MainPage::Statistics)) {
                page->OnHookEvent(wParam, lParam);
            }
        });
    WritePassServices pass{*link_,
                           services_.clock,
                           hooks_.get(),
                           services_.pointer,
                           [this](uint32_t id) { return macros_->FindMacro(id); },
                           {}};
    applyController_ =
        std::make_unique<ApplyController>(*store_, *messages_, pass, PostToWindow(this), kHandle);
    applyController_->SetFolderLock(services_.folderLock, [this] {
        ShowProfileSelection();
        RefreshProfilePages();
    });
    applyController_->SetMacroFile(macros_->FilePath(),
                                   [this] { return macros_->WriteProtected(); });
    progress_ = std::make_unique<CDlgProgress>(this);
    applyController_->SetObserver({[this](int percent) {
                                       if (!followPass_) {
                                           progress_->OnProgress(percent);
                                       }
                                   },
                                   [this](std::optional<WriteFailure> failure) {
                                       apply_->SetSelected(false);
                                       if (failure && !followPass_) {
                                           progress_->OnWriteFailed();
                                       }
                                       followPass_ = false;
                                       if (follower_ != nullptr) {
                                           follower_->OnPassFinished(
                                               failure ? 0 : store_->CurrentSlot() + 1);
                                       }
                                   }});
    rules_ = std::make_unique<FocusRuleStore>(services_.files, services_.dataDir);
    pageContext_ = std::unique_ptr<PageContext>(new PageContext{
        *store_, *macros_, *stats_, *hooks_, services_.language, services_.strings, *messages_,
        *questions_, services_.timers, services_.launcher, services_.starter, services_.cursor,
        services_.clock, services_.downloader, services_.markup, services_.installDir,
        services_.dataDir, [this](int code) { ShowHint(code); },
        [this] {
            // Without the mouse nothing is restored: say why, as Apply does.
            if (TellIfNoMouse()) {
                return;
            }
            if (applyController_->RestoreDefaults()) {
                RefreshProfilePages();
                progress_->exec();
            }
        },
        // The close destroys the pages: it
        // runs after the calling page returned.
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { RequestClose(); }, Qt::QueuedConnection);
        },
        services_.files, services_.updateServer, services_.installDirWritable,
        [this] { RefreshProfilePages(); }});
    // Without pointer settings nothing is set: every pointer control says so.
    pageContext_->pointerSupport =
        services_.pointer != nullptr ? services_.pointer->Supports() : PointerSupport{};
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { SaveSessionData(); });
}

void CQX710DriverDlg::SaveSessionData()
{
    stats_->Save();
}

CQX710DriverDlg::~CQX710DriverDlg()
{
    qApp->removeEventFilter(this);
    if (services_.focus != nullptr) {
        services_.focus->Stop();
    }
    if (languageMenu_ != nullptr) {
        languageMenu_->Close();
    }
    if (ruleMenu_ != nullptr) {
        ruleMenu_->Close();
    }
    StopUpdateCheck();
    // The pages use the models below: they go first.
    for (CMainPage*& page : pages_) {
        delete page;
        page = nullptr;
    }
    for (QPointer<CMainPage>& page : closedPages_) {
        delete page.data();
    }
    services_.timers.Cancel(firmwareReply_);
    services_.timers.Cancel(trayWatch_);
    startup_.Cancel();
    presence_.Stop();
    services_.monitor.Stop();
    hooks_->Remove();
    applyController_->Stop();
    // The views outlive no window in the program, but a test's next window must not ask this one.
    SetUiLanguageSource(nullptr);
}

bool CQX710DriverDlg::ChineseUi() const
{
    return services_.language.ChineseUi() == 1;
}

CMainPage* CQX710DriverDlg::Page(MainPage page) const
{
    return pages_[static_cast<size_t>(static_cast<int>(page) - 1)];
}

void CQX710DriverDlg::Start()
{
    startup_.Start();
}

// ---- start-up steps ----

void CQX710DriverDlg::Run(StartupStep step)
{
    switch (step) {
    case StartupStep::SetIcons:
        setWindowIcon(QIcon(LoadResourceImage(skins::kWindowIcon)));
        break;
    case StartupStep::SeedDataDir:
        if (const SeedOutcome seeding =
                SeedDataDir(services_.files, services_.installDir, services_.dataDir);
            !seeding.failures.empty()) {
            messages_->Show({MessageKind::SystemBox, u"Info",
                             SeedFailureText(seeding, services_.dataDir, ChineseUi())});
        }
        break;
    case StartupStep::InstallLanguage:
        services_.language.ApplyInstallLanguage();
        break;
    case StartupStep::SetTitle:
        setWindowTitle(ToQString(mainwindow::kTitle));
        setAccessibleName(windowTitle());
        break;
    case StartupStep::ReadMacros:
        macros_->LoadMacroFile();
        break;
    case StartupStep::LoadSkin:
        LoadSheets();
        CreateButtons();
        // The buttons keep the pieces they cut, and the window paints only the frame around
        // the pages: the sheets are let go.
        for (size_t i = 0; i < frame_.size(); ++i) {
            frame_[i] = CutSheet(sheetNormal_, mainwindow::kFramePieces[i]);
        }
        sheetNormal_ = QPixmap();
        break;
    case StartupStep::CreatePages: // in parts, one page each: RunPart
        break;
    case StartupStep::AddTrayIcon:
        tray_ = new MainTrayIcon(this);
        WatchTray();
        break;
    case StartupStep::LoadDirectory:
        store_->LoadDirectory();
        ShowProfileSelection();
        StartFollowingFocus();
        break;
    case StartupStep::WatchDevices:
        services_.monitor.Start(UsbIdentity{},
                                [this](const DeviceChange& change) { presence_.OnChange(change); });
        break;
    case StartupStep::FillMacroPage:
        Page(MainPage::Macros)->PrepareAtStart();
        break;
    case StartupStep::TakeMacroIds:
        // LoadDirectory took the active slot's macro ids with the profile.
        break;
    case StartupStep::PlaceFlag:
        flag_->setGeometry(ToQRect(mainwindow::kFlagPicture));
        SetFlag();
        break;
    case StartupStep::PostStoredLanguage: {
        const int32_t id = services_.language.ReadLanguageCfg();
        QMetaObject::invokeMethod(
            this, [this, id] { OnLanguageMessage(kStartupLanguageCode, id); },
            Qt::QueuedConnection);
        break;
    }
    case StartupStep::RefreshPages:
        RefreshProfilePages();
        break;
    case StartupStep::StartThreads:
        applyController_->Start();
        StartUpdateCheck();
        break;
    case StartupStep::ReadFirmwareVersion:
        ReadFirmwareVersion();
        break;
    case StartupStep::ShowWindow:
        switch (
            PlanStartVisibility(services_.startHidden, tray_ != nullptr && tray_->Available())) {
        case StartVisibility::Shown:
            show();
            raise();
            activateWindow();
            break;
        case StartVisibility::InTray:
            inTray_ = true;
            break;
        case StartVisibility::Minimised:
            showMinimized();
            break;
        }
        break;
    case StartupStep::InstallHooks:
        InstallHooks();
        break;
    case StartupStep::RegisterTriggers:
        for (size_t i = 0; i < kProfileButtons; ++i) {
            if (store_->CurrentProfile().buttons[i].function ==
                static_cast<int32_t>(ButtonFunction::HostAction)) {
                hooks_->AddTrigger(ButtonTriggerCode(i));
            }
        }
        break;
    case StartupStep::AllowMinimise:
        // The window carries the minimise hint from its creation: changing the flags of a
        // shown window would hide it again.
        break;
    case StartupStep::InitLink:
    case StartupStep::UpdateModeSearch:
    case StartupStep::OpenDevice:
    case StartupStep::ReportNotFound:
    case StartupStep::StartUpdaterTimer:
        break;
    }
}

bool CQX710DriverDlg::InitLink()
{
    linkInitialised_ = link_->InitLink();
    return linkInitialised_;
}

bool CQX710DriverDlg::UpdateModePresent()
{
    return services_.monitor.IsPresent(UpdateModeIdentity());
}

bool CQX710DriverDlg::StartFlashTool()
{
    const UpdatePaths paths =
        FormUpdatePaths(services_.installDir, services_.dataDir, /*installDirWritable=*/false);
    // On success the start-up sequence closes the window.
    return StartFlashingTool(
        services_.starter, paths.flashingTool, ChineseUi(),
        [this](const std::u16string& text) { Notice(text); }, [] {});
}

bool CQX710DriverDlg::OpenDevice()
{
    return link_->OpenDevice();
}

void CQX710DriverDlg::ReportNotFound()
{
    messages_->Show(NotFoundMessage(MessageKind::CountDownBox));
    RequestClose();
}

UserMessage CQX710DriverDlg::NotFoundMessage(MessageKind absentKind)
{
    if (services_.nodes == nullptr) {
        return {absentKind, {}, DeviceNoticeText(DeviceNotice::NotFound, ChineseUi())};
    }
    // The survey of "qx71ctl devices": a mouse that is plugged in but does not open is told
    // apart from an absent one, with the reason and the fix.
    const DeviceSurvey survey = SurveyDevices(services_.hid, *services_.nodes, &services_.monitor,
                                              UsbIdentity{}, UpdateModeIdentity());
    return {MouseNoticeWaitsForOk(survey) ? MessageKind::InfoBox : absentKind,
            {},
            MouseAccessNotice(survey, services_.accessFix, ChineseUi())};
}

bool CQX710DriverDlg::TellIfNoMouse()
{
    if (link_->IsOpen() || applyController_->Busy()) {
        return false;
    }
    messages_->Show(NotFoundMessage(MessageKind::InfoBox));
    return true;
}

void CQX710DriverDlg::ShowWithoutDevice()
{
    show();
    raise();
}

void CQX710DriverDlg::LaunchUpdater()
{
    // The separate updater is optional: a missing one is no fault.
    services_.starter.Start(UpdaterPath(services_.installDir), {});
}

void CQX710DriverDlg::StartUpdateCheck()
{
    if (CMainPage* support = Page(MainPage::Support)) {
        support->StartUpdateCheck();
    }
}

void CQX710DriverDlg::StopUpdateCheck()
{
    if (CMainPage* support = Page(MainPage::Support)) {
        support->StopUpdateCheck();
    }
}

// ---- presence ----

void CQX710DriverDlg::CloseDevice()
{
    link_->CloseDevice();
}

void CQX710DriverDlg::ReadFirmwareVersion()
{
    // The mouse answers a while after the query: the reply is taken on a timer, so the
    // window's thread never sleeps for it (at the start and at every arrival).
    services_.timers.Cancel(firmwareReply_);
    firmwareReply_ = ITimerQueue::kNoTimer;
    const std::optional<CUSBDriver::PendingQuery> query = link_->SendFirmwareQuery();
    if (!query) {
        ShowFirmwareVersion(false, 0);
        return;
    }
    firmwareReply_ = services_.timers.After(DevicePacing::kQueryToReply, [this, pending = *query] {
        firmwareReply_ = ITimerQueue::kNoTimer;
        int version = 0;
        const bool read = link_->TakeFirmwareReply(pending, version);
        ShowFirmwareVersion(read, version);
    });
}

void CQX710DriverDlg::ShowFirmwareVersion(bool read, int version)
{
    if (CMainPage* support = Page(MainPage::Support)) {
        support->SetFirmwareVersionText(FirmwareVersionText(read, version));
    }
}

void CQX710DriverDlg::InstallHooks()
{
    hooks_->Install(kHandle);
    hooks_->SetForwarding(false, true);
}

void CQX710DriverDlg::RemoveHooks()
{
    hooks_->Remove();
}

bool CQX710DriverDlg::DeviceReady()
{
    return !applyController_->Busy();
}

void CQX710DriverDlg::RestoreDeviceReady()
{
    // The cut pass reports its failure on the closed link, and its outcome handler makes the
    // writer ready again; here only the Apply button shows that it can be used.
    apply_->SetSelected(true);
}

void CQX710DriverDlg::ShowFound()
{
    Notice(DeviceNoticeText(DeviceNotice::Found, ChineseUi()), MessageIcon::Information);
}

void CQX710DriverDlg::ShowLostThenClose()
{
    Notice(DeviceNoticeText(DeviceNotice::NotFound, ChineseUi()));
    RequestClose();
}

void CQX710DriverDlg::ShowArrivalFailed()
{
    messages_->Show(
        {MessageKind::InfoBox, {}, DeviceNoticeText(DeviceNotice::NotFound, ChineseUi())});
}

void CQX710DriverDlg::Notice(const std::u16string& text, MessageIcon icon)
{
    messages_->Show({MessageKind::CountDownBox, {}, text, icon});
}

// ---- close ----

void CQX710DriverDlg::RequestClose()
{
    close_.Begin();
}

void CQX710DriverDlg::Run(CloseStep step)
{
    switch (step) {
    case CloseStep::RemoveTrayIcon:
        startup_.Cancel();
        if (tray_ != nullptr) {
            tray_->Remove();
        }
        break;
    case CloseStep::DestroyPages:
        StopUpdateCheck();
        stats_->Save();
        // A page may be below this call on the stack: a box it opened runs its own event loop
        // when an unplugged mouse or the tray's "Exit" closes the window. So the pages are
        // taken off now and deleted once control is back in the event loop.
        for (CMainPage*& page : pages_) {
            if (page != nullptr) {
                page->hide();
                closedPages_.emplace_back(page);
                page->deleteLater();
                page = nullptr;
            }
        }
        break;
    case CloseStep::CloseDevice:
        services_.timers.Cancel(firmwareReply_);
        firmwareReply_ = ITimerQueue::kNoTimer;
        presence_.Stop();
        services_.monitor.Stop();
        hooks_->Remove();
        link_->CloseDevice();
        break;
    case CloseStep::StopThreads:
        // The link is closed, so a pass that still runs fails at its next command and the
        // thread ends at once.
        applyController_->Stop();
        break;
    case CloseStep::End:
        hide();
        Q_EMIT closed();
        break;
    }
}

// ---- skin, buttons, pages ----

void CQX710DriverDlg::LoadSheets()
{
    // The hover and pressed sheets follow the first paint (LoadLaterFaces).
    sheetNormal_ = LoadSkin(mainwindow::kSheetNormal);
    const QSize size = sheetNormal_.isNull() ? ToQSize(mainwindow::kWindowSize)
                                             : sheetNormal_.deviceIndependentSize().toSize();
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        move(work.left() + (work.width() - size.width()) / 2,
             work.top() + (work.height() - size.height()) / 2);
    }
}

void CQX710DriverDlg::CreateButtons()
{
    auto smallButton = [this](const Rect& rect) {
        auto* button = new CGDIBitmapBtn(rect, this);
        button->SetStateImages(sheetNormal_, QPixmap(), QPixmap(), sheetNormal_, rect);
        return button;
    };
    minimiseButton_ = smallButton(mainwindow::kMinimiseButton);
    hideButton_ = smallButton(mainwindow::kHideButton);
    languageButton_ = smallButton(mainwindow::kLanguageButton);
    connect(minimiseButton_, &CGDIBitmapBtn::clicked, this, [this] { Minimise(); });
    connect(hideButton_, &CGDIBitmapBtn::clicked, this, [this] { HideToTray(); });
    connect(languageButton_, &CGDIBitmapBtn::clicked, this, [this] { OpenLanguageMenu(); });

    for (int i = 0; i < mainwindow::kPageCount; ++i) {
        auto* tab = new CIrrButton(mainwindow::kTabs[static_cast<size_t>(i)], this, i + 1);
        connect(tab, &CIrrButton::clicked, this, [this](int id) { SelectPage(PageOfTab(id)); });
        tabs_[static_cast<size_t>(i)] = tab;
    }
    for (int i = 0; i < mainwindow::kProfileButtonCount; ++i) {
        auto* profile =
            new CIrrButton(mainwindow::kProfileButtons[static_cast<size_t>(i)], this, i + 1);
        connect(profile, &CIrrButton::clicked, this, [this](int id) { SelectProfile(id); });
        profiles_[static_cast<size_t>(i)] = profile;
        auto* mark = new CRuleMark(this);
        mark->setGeometry(ToQRect(mainwindow::RuleMarkRect(i)));
        mark->hide();
        ruleMarks_[static_cast<size_t>(i)] = mark;
    }
    apply_ = new CIrrButton(mainwindow::kApplyButton, this);
    connect(apply_, &CIrrButton::clicked, this, [this] { Apply(); });
    flag_ = new QLabel(this);
    flag_->setGeometry(ToQRect(mainwindow::kFlagPicture));
    flag_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Retranslate();
}

void CQX710DriverDlg::LoadLaterFaces(int part)
{
    // The faces only a pointer over a button or a press shows, cut once the window has shown:
    // one sheet (a whole window's picture) per turn of the event loop.
    const std::array<CGDIBitmapBtn*, 3> small{minimiseButton_, hideButton_, languageButton_};
    auto cutSmall = [&](ButtonImage image, std::string_view sheetName) {
        const QPixmap sheet = LoadSkin(sheetName);
        for (CGDIBitmapBtn* button : small) {
            button->SetStateImage(image, sheet, FromQRect(button->geometry()));
        }
    };
    switch (part) {
    case 0:
        cutSmall(ButtonImage::Hover, mainwindow::kSheetOver);
        break;
    case 1:
        cutSmall(ButtonImage::Pressed, mainwindow::kSheetDown);
        break;
    default:
        if (regionHoverOwed_ && sheetsChinese_) {
            regionHoverOwed_ = false;
            const QPixmap hover =
                LoadResourceBitmap(mainwindow::RegionSheetsFor(*sheetsChinese_).hover);
            for (CIrrButton* button : tabs_) {
                button->SetHoverSheet(hover);
            }
            for (CIrrButton* button : profiles_) {
                button->SetHoverSheet(hover);
            }
            apply_->SetHoverSheet(hover);
        }
        return;
    }
    QTimer::singleShot(0, this, [this, part] { LoadLaterFaces(part + 1); });
}

void CQX710DriverDlg::ApplyButtonSheets()
{
    // The sheets change only with the built-in language; each is a full window's picture.
    if (sheetsChinese_ == ChineseUi()) {
        return;
    }
    sheetsChinese_ = ChineseUi();
    const mainwindow::RegionSheets sheets = mainwindow::RegionSheetsFor(ChineseUi());
    const QPixmap normal = LoadResourceBitmap(sheets.normal);
    // Before the first paint the hover faces wait for LoadLaterFaces: the window shows sooner.
    regionHoverOwed_ = !painted_;
    const QPixmap hover = regionHoverOwed_ ? QPixmap() : LoadResourceBitmap(sheets.hover);
    const QPixmap pressed = LoadResourceBitmap(sheets.pressed);
    // A change of language after the start reads the background again for the disabled look.
    const QPixmap background =
        sheetNormal_.isNull() ? LoadSkin(mainwindow::kSheetNormal) : sheetNormal_;
    auto set = [&](CIrrButton* button) { button->SetSheets(normal, hover, pressed, background); };
    for (CIrrButton* button : tabs_) {
        set(button);
    }
    for (CIrrButton* button : profiles_) {
        set(button);
    }
    set(apply_);
}

bool CQX710DriverDlg::RunPart(StartupStep step, int part)
{
    if (step != StartupStep::CreatePages) {
        return IStartupSteps::RunPart(step, part);
    }
    // One page per turn of the event loop: each loads its sheets, and together they would
    // hold the window's thread for longer than a frame.
    if (part == 0) {
        stats_->Load();
    }
    CreatePage(part);
    if (part + 1 < mainwindow::kPageCount) {
        return true;
    }
    SelectPage(MainPage::Buttons);
    return false;
}

void CQX710DriverDlg::CreatePage(int index)
{
    CMainPage* page = MakeMainPage(PageOfTab(index + 1), *pageContext_, this);
    page->setVisible(index == 0);
    pages_[static_cast<size_t>(index)] = page;
}

void CQX710DriverDlg::SetFlag()
{
    const QPixmap flag = LoadResourceBitmap(skins::FlagBitmapOf(services_.language.FlagShown()));
    flag_->setPixmap(flag);
    const LanguageInfo* language = FindLanguage(services_.language.FlagShown());
    flag_->setAccessibleName(language != nullptr ? ToQString(language->menuText) : QString());
}

void CQX710DriverDlg::Retranslate()
{
    std::array<CIrrButton*, 11> buttons{};
    std::copy(tabs_.begin(), tabs_.end(), buttons.begin());
    std::copy(profiles_.begin(), profiles_.end(), buttons.begin() + 5);
    buttons[10] = apply_;
    for (size_t i = 0; i < buttons.size(); ++i) {
        // The buttons' texts are the hints of their codes 1 to 11.
        const QString text =
            ToQString(services_.strings.Get(HintKey(kHintFirstTab + static_cast<int>(i))));
        buttons[i]->SetCaption(text);
        buttons[i]->SetToolTipText(text);
    }
    ApplyButtonSheets();
    ShowRuleMarks();
    for (CMainPage* page : pages_) {
        if (page != nullptr) {
            page->RetranslateUi();
        }
    }
    update();
}

void CQX710DriverDlg::RefreshProfilePages()
{
    for (MainPage page : {MainPage::Buttons, MainPage::Lighting}) {
        if (CMainPage* p = Page(page)) {
            p->RefreshFromProfile();
        }
    }
}

void CQX710DriverDlg::ShowProfileSelection()
{
    const auto& selected = store_->SelectedButtons();
    for (size_t i = 0; i < profiles_.size(); ++i) {
        profiles_[i]->SetSelected(selected[i]);
    }
}

// ---- user actions ----

void CQX710DriverDlg::SelectPage(MainPage page)
{
    const PageSwitchPlan plan = PlanPageSwitch(page);
    if (plan.leaveMacroPage) {
        if (CMainPage* macros = Page(MainPage::Macros)) {
            macros->LeavePage();
        }
    }
    currentPage_ = plan.page;
    for (int i = 0; i < mainwindow::kPageCount; ++i) {
        const bool chosen = i + 1 == static_cast<int>(plan.page);
        tabs_[static_cast<size_t>(i)]->SetSelected(chosen);
        if (CMainPage* p = pages_[static_cast<size_t>(i)]) {
            p->setVisible(chosen);
        }
    }
    for (CIrrButton* profile : profiles_) {
        profile->setEnabled(plan.profileControlsEnabled);
    }
    apply_->setEnabled(plan.profileControlsEnabled);
    if (plan.refreshPage) {
        if (CMainPage* p = Page(plan.page)) {
            p->RefreshFromProfile();
        }
    }
}

void CQX710DriverDlg::SelectProfile(int button)
{
    // A pass the focus started sends the profile it loaded and saves it when it ends: a
    // switch meanwhile would be saved as the one the mouse took.
    if (applyController_->Busy()) {
        ShowProfileSelection();
        return;
    }
    for (int i = 0; i < mainwindow::kProfileButtonCount; ++i) {
        profiles_[static_cast<size_t>(i)]->SetSelected(i + 1 == button);
    }
    store_->SwitchProfile(static_cast<size_t>(button - 1));
    // A rejected file keeps the previous slot: the buttons show what is in force.
    ShowProfileSelection();
    RefreshProfilePages();
    if (follower_ != nullptr) {
        follower_->OnUserChoseProfile(store_->CurrentSlot() + 1);
    }
}

void CQX710DriverDlg::Apply()
{
    for (CMainPage* page : pages_) {
        if (page != nullptr) {
            page->BeforeApply();
        }
    }
    if (TellIfNoMouse()) {
        apply_->SetSelected(false);
        return;
    }
    if (!applyController_->RequestApply()) {
        apply_->SetSelected(false);
        return;
    }
    apply_->SetSelected(true);
    progress_->exec();
}

void CQX710DriverDlg::Minimise()
{
    showMinimized();
    hooks_->SetRecording(false, false);
}

void CQX710DriverDlg::HideToTray()
{
    if (close_.Closing()) {
        return;
    }
    const HidePlan plan = PlanHide(tray_ != nullptr && tray_->Available(), quitTold_);
    if (plan.exitInstead) {
        if (plan.tellUser) {
            quitTold_ = true;
            messages_->Show({MessageKind::InfoBox, {}, NoTrayText(ChineseUi())});
        }
        RequestClose();
        return;
    }
    // A recording stays open while the window is away; its keys stop coming.
    if (CMainPage* macros = Page(MainPage::Macros)) {
        macros->SuspendCapture();
    }
    hide();
    inTray_ = true;
    hooks_->SetRecording(false, false);
}

void CQX710DriverDlg::WatchTray()
{
    trayWatch_ = services_.timers.After(kTrayWatchMs, [this] {
        trayWatch_ = ITimerQueue::kNoTimer;
        if (close_.Closing()) {
            return;
        }
        tray_->Dock();
        // The panel went away: nothing could bring a hidden window back, so it shows itself.
        if (inTray_ && !tray_->Available()) {
            ShowFromTray();
        }
        WatchTray();
    });
}

void CQX710DriverDlg::ShowFromTray()
{
    if (close_.Closing()) {
        return;
    }
    inTray_ = false;
    RefreshProfilePages();
    showNormal();
    raise();
    activateWindow();
    if (CMainPage* macros = Page(MainPage::Macros); macros != nullptr && macros->isVisible()) {
        macros->ResumeCapture();
    }
}

void CQX710DriverDlg::OpenLanguageMenu()
{
    if (languageMenu_ == nullptr) {
        languageMenu_ = new CMenuExA(this);
        connect(languageMenu_, &CMenuEx::chosen, this,
                [this](uint32_t value) { OnLanguageMessage(0, static_cast<int32_t>(value)); });
    }
    const Rect& button = mainwindow::kLanguageButton;
    languageMenu_->Open(mapToGlobal(QPoint(button.left + mainwindow::kLanguageMenuLeftOffset,
                                           button.bottom + mainwindow::kLanguageMenuTopOffset)));
}

bool CQX710DriverDlg::LanguageMenuOpen() const
{
    return languageMenu_ != nullptr && languageMenu_->IsOpen();
}

void CQX710DriverDlg::OnLanguageMessage(uint32_t wParam, int32_t lParam)
{
    const LanguageMessagePlan plan =
        services_.language.HandleLanguageMessage(wParam, lParam, LanguageMenuOpen());
    if (!plan.handled) {
        return;
    }
    if (plan.load) {
        SetFlag();
    }
    if (plan.refreshTooltips) {
        Retranslate();
    }
    if (plan.closeMenu && languageMenu_ != nullptr) {
        // Posted: the choice arrives from inside the popup's own event handler.
        QMetaObject::invokeMethod(languageMenu_, &CMenuEx::Close, Qt::QueuedConnection);
    }
}

// ---- profiles that follow the program in use ----

void CQX710DriverDlg::StartFollowingFocus()
{
    if (services_.focus == nullptr || follower_ != nullptr) {
        return;
    }
    ProfileFollower::Host host;
    host.currentProfile = [this] { return store_->CurrentSlot() + 1; };
    host.profileAvailable = [this](size_t profile) {
        return profile >= 1 && profile <= kProfileSlots &&
               store_->Directory().slots[profile - 1].slotMagic == kSlotMagic;
    };
    host.passRunning = [this] { return applyController_->Busy(); };
    host.startSwitch = [this](size_t profile) { return StartFollowSwitch(profile); };
    host.rules = [this] { return CurrentRules(); };
    host.changed = [this] { ShowRuleMarks(); };
    // The profile the directory marks in use is the one last written to the mouse.
    follower_ = std::make_unique<ProfileFollower>(services_.timers, std::move(host),
                                                  store_->CurrentSlot() + 1);
    services_.focus->Start({[this](const FocusedWindow& window) { follower_->OnFocus(window); },
                            [this](FocusWatch watch) { focusWatch_ = watch; }});
}

FocusRules CQX710DriverDlg::CurrentRules()
{
    // Read at each use: qx71ctl may have changed them. A file that is not rules gives none.
    return rules_->Load() == RulesResult::Done ? rules_->Rules() : FocusRules{};
}

bool CQX710DriverDlg::StartFollowSwitch(size_t profile)
{
    if (!link_->IsOpen() || !applyController_->Running() || applyController_->Busy() ||
        close_.Closing()) {
        return false;
    }
    const size_t slot = profile - 1;
    store_->SwitchProfile(slot);
    ShowProfileSelection();
    RefreshProfilePages();
    // The switch named the macro buttons that lack their macro.
    if (store_->CurrentSlot() != slot || !applyController_->RequestApply(false)) {
        return false;
    }
    followPass_ = true;
    return true;
}

void CQX710DriverDlg::ShowRuleMarks()
{
    const std::optional<FocusRule> chosen =
        follower_ != nullptr ? follower_->ChosenBy() : std::nullopt;
    for (size_t i = 0; i < ruleMarks_.size(); ++i) {
        const bool shown = chosen && chosen->profile == i + 1;
        ruleMarks_[i]->setVisible(shown);
        if (shown) {
            ruleMarks_[i]->raise();
        }
    }
    // The buttons' tooltips and the hint name the program.
    for (size_t i = 0; i < profiles_.size(); ++i) {
        const std::u16string& own =
            services_.strings.Get(HintKey(kHintFirstProfile + static_cast<int>(i)));
        profiles_[i]->SetToolTipText(ToQString(ProfileHintText(own, i + 1, chosen, ChineseUi())));
    }
    update(ToQRect(mainwindow::kHintArea));
}

bool CQX710DriverDlg::RuleMarkShown(int button) const
{
    return ruleMarks_[static_cast<size_t>(button - 1)]->isVisible();
}

void CQX710DriverDlg::OpenRuleMenu(int button)
{
    if (ruleMenu_ == nullptr) {
        ruleMenu_ = new CProfileRuleMenu(this);
        connect(ruleMenu_, &CMenuEx::chosen, this, [this](uint32_t line) {
            // Posted: the choice arrives from inside the popup's own event handler.
            QMetaObject::invokeMethod(
                this, [this, line] { ChooseRuleLine(line); }, Qt::QueuedConnection);
        });
    }
    ruleMenuProfile_ = static_cast<size_t>(button);
    const std::vector<std::string> recent =
        follower_ != nullptr ? follower_->RecentPrograms() : std::vector<std::string>{};
    ruleMenu_->SetLines(
        ProfileRuleMenuItems(ruleMenuProfile_, CurrentRules(), recent, focusWatch_, ChineseUi()));
    const Rect box = BoundingRect(mainwindow::kProfileButtons[static_cast<size_t>(button - 1)]);
    // Above the button: the window's bottom edge is just below it.
    const int height = popupmenu::HeightFor(static_cast<int>(ruleMenu_->Lines().size()));
    ruleMenu_->Open(mapToGlobal(QPoint(box.left, box.top - height)));
}

void CQX710DriverDlg::ChooseRuleLine(size_t line)
{
    if (ruleMenu_ == nullptr || line >= ruleMenu_->Lines().size()) {
        return;
    }
    const RuleMenuItem item = ruleMenu_->Lines()[line];
    ruleMenu_->Close();
    if (!item.enabled) {
        return;
    }
    const RulesResult result =
        item.checked ? rules_->Remove(item.rule.program) : rules_->Add(item.rule);
    if (result != RulesResult::Done) {
        messages_->Show(
            {MessageKind::InfoBox, {}, RuleEditFailureText(result, rules_->Path(), ChineseUi())});
    }
    ShowRuleMarks();
}

void CQX710DriverDlg::ShowHint(int code)
{
    hint_.Show(code);
    update(ToQRect(mainwindow::kHintArea));
}

void CQX710DriverDlg::OnHookPost(const HookPost& post)
{
    if (post.message == kMsgHookKey) {
        for (CMainPage* page : pages_) {
            if (page != nullptr && page->Handle() == post.window) {
                page->OnKeyEvent(post.wParam, post.lParam);
            }
        }
        return;
    }
    if (post.window != kHandle || post.message != kMsgHookMouse) {
        return;
    }
    hostActions_->Handle(post.wParam, post.lParam, store_->CurrentProfile());
}

// ---- events ----

bool CQX710DriverDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        for (size_t i = 0; i < profiles_.size(); ++i) {
            if (watched == profiles_[i]) {
                OpenRuleMenu(static_cast<int>(i) + 1);
                return true;
            }
        }
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const HeldModifiers held{key->modifiers().testFlag(Qt::AltModifier),
                             key->modifiers().testFlag(Qt::ControlModifier)};
    switch (FilterMainWindowKey(FilterKeyOf(key->key()), event->type() == QEvent::KeyPress, held,
                                IsTextField(widget))) {
    case KeyDecision::Pass:
        return QWidget::eventFilter(watched, event);
    case KeyDecision::Swallow:
        return true;
    case KeyDecision::Hide:
        HideToTray();
        return true;
    case KeyDecision::Exit:
        RequestClose();
        return true;
    }
    return true;
}

void CQX710DriverDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (size_t i = 0; i < frame_.size(); ++i) {
        const Rect& piece = mainwindow::kFramePieces[i];
        painter.drawPixmap(piece.left, piece.top, frame_[i]);
    }
    if (!painted_) {
        painted_ = true;
        QMetaObject::invokeMethod(this, &CQX710DriverDlg::firstPainted, Qt::QueuedConnection);
    }
    const int profileIndex = hint_.Code() - kHintFirstProfile;
    const std::u16string text =
        profileIndex >= 0 && profileIndex < mainwindow::kProfileButtonCount && follower_ != nullptr
            ? ProfileHintText(services_.strings.Get(hint_.Key()),
                              static_cast<size_t>(profileIndex + 1), follower_->ChosenBy(),
                              ChineseUi())
            : services_.strings.Get(hint_.Key());
    if (hint_.Empty() || text.empty()) {
        return;
    }
    const QFont font = ShellDlgFont(kHintPixelSize);
    painter.setFont(font);
    painter.setPen(ToQColor(kitcolours::kHintText));
    const QRect area = ToQRect(mainwindow::kHintArea);
    const QFontMetrics metrics(font);
    // Word-wrapped, vertically centred, an ellipsis when it does not fit.
    QString shown = ToQString(text);
    const QRect needed = metrics.boundingRect(area, Qt::TextWordWrap, shown);
    if (needed.height() > area.height()) {
        shown = metrics.elidedText(shown, Qt::ElideRight, area.width());
    }
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, shown);
}

void CQX710DriverDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (dragFrom_ && event->buttons().testFlag(Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragFrom_);
        return;
    }
    bool repaint = false;
    const std::vector<int> codes =
        hint_.OnMouseMove(FromQPoint(event->position().toPoint()), repaint);
    if (repaint) {
        update(ToQRect(mainwindow::kHintArea));
    }
    for (int code : codes) {
        QMetaObject::invokeMethod(
            this, [this, code] { ShowHint(code); }, Qt::QueuedConnection);
    }
}

void CQX710DriverDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // A press anywhere on the background moves the window, as its caption would.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    dragFrom_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CQX710DriverDlg::mouseReleaseEvent(QMouseEvent*)
{
    dragFrom_.reset();
}

void CQX710DriverDlg::closeEvent(QCloseEvent* event)
{
    // The window manager's close (Alt+F4, a close button) hides, as the hide button does; only
    // "Exit", a lost mouse and a termination signal close the program.
    event->ignore();
    if (!close_.Closing()) {
        HideToTray();
    }
}

} // namespace qx71::gui
