#pragma once

#include "core/common/ITimerQueue.h"
#include "core/update/IUpdateHost.h"
#include "core/update/SupportPageGeometry.h"
#include "gui/app/CMainPage.h"

#include <QPixmap>
#include <QPointer>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {
class FirmwareUpdate;
}

namespace qx71::gui {

class CDlgInfo;
class CGDIBitmapBtn;

// The support page: the program's and the mouse's versions, the firmware update, the maker's
// web site, import and export of a profile file and the defaults. It is the window side of the
// firmware update check: its timer, its boxes and the hand-over's close.
class CDlgSupport final : public CMainPage, private IUpdateHost {
    Q_OBJECT

public:
    CDlgSupport(PageContext& context, QWidget* parent);
    ~CDlgSupport() override;

    void RetranslateUi() override;
    void SetFirmwareVersionText(const std::u16string& text) override;
    void StartUpdateCheck() override;
    void StopUpdateCheck() override;

    CGDIBitmapBtn* Button(support::Control control) const;
    // What the version boxes show.
    QString ProgramVersionShown() const;
    QString FirmwareVersionShown() const;
    const FirmwareUpdate& UpdateModel() const { return *update_; }
    // The boxes of the update thread that are open now (owned by no window).
    std::vector<CDlgInfo*> OpenUpdateBoxes() const;
    // The address the web-site button opens; empty when it is disabled.
    const std::string& WebSite() const { return webSite_; }
    // Tests give the address a build without one would not have.
    void SetWebSite(const std::string& address);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void LoadSkins() override;
    void ReleaseSkins() override;
    void CreateButtons();
    void OnClicked(support::Control control);
    void ShowHintsAt(QPoint pagePoint);
    void OpenWebSite();
    // The file dialog of import and export; nullopt when cancelled.
    std::optional<std::filesystem::path> ChooseProfileFile(bool forSaving);
    void ImportProfile();
    void ExportProfile();
    void RestoreDefaults();
    void DrawVersion(QPainter& painter, const QString& text, const support::LayoutBox& box,
                     const Rect& well);

    // The update check's window side.
    void StartCheckTimer(uint32_t ms) override;
    void KillCheckTimer() override;
    void ShowBox(const std::u16string& text, BoxOwner owner) override;
    void Ask(const std::u16string& text, BoxOwner owner,
             std::function<void(bool ok)> answered) override;
    void CloseProgram() override;
    void OpenUpdateBox(const std::u16string& text, bool question,
                       std::function<void(bool ok)> answered);
    void CloseUpdateBoxes();

    QPixmap normal_;
    std::array<CGDIBitmapBtn*, support::kControlCount> buttons_{};
    std::string webSite_;
    std::unique_ptr<FirmwareUpdate> update_;
    ITimerQueue::TimerId checkTimer_ = ITimerQueue::kNoTimer;
    std::vector<QPointer<CDlgInfo>> updateBoxes_;
};

} // namespace qx71::gui
