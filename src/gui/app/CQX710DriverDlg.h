#pragma once

#include "core/app/CloseSequence.h"
#include "core/app/DevicePresence.h"
#include "core/app/HintLine.h"
#include "core/app/MainWindowGeometry.h"
#include "core/app/PageSwitch.h"
#include "core/app/StartupSequence.h"
#include "core/common/IMessageSink.h"
#include "core/focus/ProfileRuleMenu.h"
#include "core/hooks/HookState.h"
#include "gui/app/CMainPage.h"
#include "gui/app/MainWindowServices.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLabel;

namespace qx71 {
class ApplyController;
class ConfigStore;
class CUSBDriver;
class FocusRuleStore;
class ProfileFollower;
class HostActionHandler;
class MacroLibrary;
class StatsModel;
} // namespace qx71

namespace qx71::gui {

class CDlgProgress;
class CGDIBitmapBtn;
class CIrrButton;
class CMenuExA;
class CProfileRuleMenu;
class CRuleMark;
class MainTrayIcon;
class QtMessageSink;

// The program's only top-level window: the skinned frame with its five pages, tabs, profile
// buttons, Apply and hint line; the owner of the device link, the hooks, the tray icon and the
// write thread. The rules it follows live in core (start-up sequence, hints, page switch,
// keyboard filter, hot-plug, close); this class carries them out.
class CQX710DriverDlg : public QWidget,
                        private IStartupSteps,
                        private IPresenceActions,
                        private ICloseSteps {
    Q_OBJECT

public:
    // The window's own handle for the hooks' messages.
    static constexpr WindowHandle kHandle = 1;

    explicit CQX710DriverDlg(MainWindowServices services, QWidget* parent = nullptr);
    ~CQX710DriverDlg() override;

    // Runs the start-up; the window shows itself when it has found the mouse.
    void Start();
    // A double click on the tray icon, "Config", a second copy of the program: the pages
    // afresh, then the window shown.
    void ShowFromTray();
    // WM_CLOSE: "Exit", a lost mouse, a termination signal. The program ends 500 ms later.
    void RequestClose();
    // Hide button and Alt+F4.
    void HideToTray();
    // "Cannot be found" in a box of `absentKind`, or why a plugged-in mouse cannot be opened
    // and how to fix it, in a box that waits for OK.
    UserMessage NotFoundMessage(MessageKind absentKind);
    // Apply and Restore defaults without a link to the mouse: says why nothing is sent.
    bool TellIfNoMouse();
    // Follows the notification area as it comes and goes: a panel that starts later gets the
    // icon, and a hidden window shows itself when the area goes away.
    void WatchTray();
    // The desktop session ends (log out, shut down): the counts are saved as at a close, since
    // the session may end the program without one.
    void SaveSessionData();
    // A language message (1025).
    void OnLanguageMessage(uint32_t wParam, int32_t lParam);
    // A hint message (0x805).
    void ShowHint(int code);
    // Tab n (1..5).
    void SelectPage(MainPage page);
    // Profile button n (1..5).
    void SelectProfile(int button);
    // The Apply button.
    void Apply();
    // The language button: the popup above it.
    void OpenLanguageMenu();
    // The right-click menu of profile button n (1..5): the rules of its profile.
    void OpenRuleMenu(int button);
    // A line of the open rule menu was chosen: its rule is added, or removed when it was there.
    void ChooseRuleLine(size_t line);

    // For tests and screenshots.
    CIrrButton* TabButton(int tab) const { return tabs_[static_cast<size_t>(tab - 1)]; }
    CIrrButton* ProfileButton(int n) const { return profiles_[static_cast<size_t>(n - 1)]; }
    CIrrButton* ApplyButton() const { return apply_; }
    CGDIBitmapBtn* LanguageButton() const { return languageButton_; }
    CMainPage* Page(MainPage page) const;
    MainPage CurrentPage() const { return currentPage_; }
    const HintLine& Hint() const { return hint_; }
    StartupSequence::Outcome StartupState() const { return startup_.State(); }
    bool LanguageMenuOpen() const;
    MainTrayIcon* Tray() const { return tray_; }
    CDlgProgress* Progress() const { return progress_.get(); }
    ConfigStore& Store() { return *store_; }
    StatsModel& Stats() { return *stats_; }
    bool Closing() const { return close_.Closing(); }
    ProfileFollower* Follower() const { return follower_.get(); }
    CProfileRuleMenu* RuleMenu() const { return ruleMenu_; }
    FocusWatch FocusState() const { return focusWatch_; }
    bool RuleMarkShown(int button) const;

Q_SIGNALS:
    // The close sequence has ended: the program ends.
    void closed();
    // The window was drawn for the first time.
    void firstPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // IStartupSteps
    void Run(StartupStep step) override;
    bool RunPart(StartupStep step, int part) override;
    bool InitLink() override;
    bool UpdateModePresent() override;
    bool StartFlashTool() override;
    bool OpenDevice() override;
    void ReportNotFound() override;
    void ShowWithoutDevice() override;
    void Close() override { RequestClose(); }
    void LaunchUpdater() override;
    // IPresenceActions
    void CloseDevice() override;
    void ReadFirmwareVersion() override;
    void ShowFirmwareVersion(bool read, int version);
    void InstallHooks() override;
    void RemoveHooks() override;
    bool DeviceReady() override;
    void RestoreDeviceReady() override;
    void ShowFound() override;
    void ShowLostThenClose() override;
    void ShowArrivalFailed() override;
    // ICloseSteps
    void Run(CloseStep step) override;

    void LoadSheets();
    void CreateButtons();
    void ApplyButtonSheets();
    void LoadLaterFaces(int part);
    void CreatePage(int index);
    void SetFlag();
    void Retranslate();
    void RefreshProfilePages();
    void ShowProfileSelection();
    void Minimise();
    void Notice(const std::u16string& text, MessageIcon icon = MessageIcon::Warning);
    void OnHookPost(const HookPost& post);
    void StartFollowingFocus();
    bool StartFollowSwitch(size_t profile);
    void ShowRuleMarks();
    FocusRules CurrentRules();
    void StartUpdateCheck();
    void StopUpdateCheck();
    bool ChineseUi() const;

    MainWindowServices services_;
    std::unique_ptr<QtMessageSink> ownMessages_;
    IMessageSink* messages_ = nullptr;
    IQuestionSink* questions_ = nullptr;
    std::unique_ptr<CUSBDriver> link_;
    std::unique_ptr<ConfigStore> store_;
    std::unique_ptr<MacroLibrary> macros_;
    std::unique_ptr<StatsModel> stats_;
    std::unique_ptr<IHookPoster> hookPoster_;
    std::unique_ptr<HookState> hooks_;
    std::unique_ptr<HostActionHandler> hostActions_;
    std::unique_ptr<ApplyController> applyController_;
    std::unique_ptr<CDlgProgress> progress_;
    std::unique_ptr<PageContext> pageContext_;

    StartupSequence startup_;
    DevicePresence presence_;
    CloseSequence close_;
    HintLine hint_;

    QPixmap sheetNormal_; // only while the start-up cuts the buttons and the frame
    std::array<QPixmap, mainwindow::kFramePieces.size()> frame_;
    CGDIBitmapBtn* minimiseButton_ = nullptr;
    CGDIBitmapBtn* hideButton_ = nullptr;
    CGDIBitmapBtn* languageButton_ = nullptr;
    std::array<CIrrButton*, 5> tabs_{};
    std::array<CIrrButton*, 5> profiles_{};
    CIrrButton* apply_ = nullptr;
    QLabel* flag_ = nullptr;
    std::array<CMainPage*, 5> pages_{};
    // The reply to the firmware version query, taken on a timer.
    ITimerQueue::TimerId firmwareReply_ = ITimerQueue::kNoTimer;
    // Pages taken off at the close, deleted once control is back in the event loop.
    std::vector<QPointer<CMainPage>> closedPages_;
    MainPage currentPage_ = MainPage::Buttons;
    MainTrayIcon* tray_ = nullptr;
    CMenuExA* languageMenu_ = nullptr;
    // The profiles that follow the program in use.
    std::unique_ptr<FocusRuleStore> rules_;
    std::unique_ptr<ProfileFollower> follower_;
    FocusWatch focusWatch_ = FocusWatch::NoDisplay;
    CProfileRuleMenu* ruleMenu_ = nullptr;
    size_t ruleMenuProfile_ = 0;
    std::array<CRuleMark*, 5> ruleMarks_{};
    // The running pass was started by the follower: no progress dialog shows it.
    bool followPass_ = false;

    bool linkInitialised_ = false;
    bool quitTold_ = false;
    ITimerQueue::TimerId trayWatch_ = ITimerQueue::kNoTimer;
    bool inTray_ = false; // hidden, with only the icon to bring it back
    bool painted_ = false;
    std::optional<bool> sheetsChinese_;
    // The region buttons' hover faces wait for the first paint (LoadLaterFaces).
    bool regionHoverOwed_ = false;
    std::optional<QPoint> dragFrom_;
};

} // namespace qx71::gui
