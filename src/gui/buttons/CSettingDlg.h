#pragma once

#include "core/buttons/ChooserGeometry.h"
#include "core/buttons/ChooserModel.h"
#include "core/hooks/HookKeyCapture.h"
#include "gui/widgets/TextLayout.h"

#include <QDialog>
#include <QPixmap>

#include <array>

namespace qx71::gui {

struct PageContext;
class CGDIBitmapBtn;
class CSetting_AdvanceDlg;
class CSetting_BaseDlg;
class CSetting_MacroDlg;
class CSetting_SingleComboDlg;

// The function chooser: a modal popup over the main window with four pages (key or
// combination, macro, basic functions, sound/program/file/folder), a disable box, a default
// button, OK and close. It draws ChooserModel's state and forwards input to it; the page that
// opened it reads Result() after an OK. Keys typed on the key page come from the keyboard hook
// through the page that owns `keyWindow`.
class CSettingDlg : public QDialog, public ITextLayouts {
    Q_OBJECT

public:
    // The title, the current function and the disable box's text.
    std::vector<TextLayout> TextLayouts() const override;

    CSettingDlg(PageContext& context, WindowHandle keyWindow, ButtonIndex button,
                std::u16string currentName, QWidget* parent);
    ~CSettingDlg() override;

    // Builds the pages, selects the key page, centres the popup over the main window and runs
    // it: Accepted only when something was chosen.
    int exec() override;
    // The same without a loop of its own: shown modal to the window, finished() tells the end.
    void Open();
    // The preparation of both.
    void Prepare();

    // A key event of the hook (virtual-key code, key flags) for the key page.
    void OnKeyEvent(uint32_t wParam, uint32_t lParam);

    const ChooserResult& Result() const { return model_.Result(); }
    const ChooserModel& Model() const { return model_; }

    CGDIBitmapBtn* Tab(ChooserPage page) const;
    CGDIBitmapBtn* DisableBox() const { return disable_; }
    CGDIBitmapBtn* OkButton() const { return ok_; }
    CGDIBitmapBtn* DefaultButton() const { return default_; }
    CGDIBitmapBtn* CloseButton() const { return close_; }
    CSetting_SingleComboDlg* KeyPage() const { return keyPage_; }
    CSetting_MacroDlg* MacroPage() const { return macroPage_; }
    CSetting_BaseDlg* BasicPage() const { return basicPage_; }
    CSetting_AdvanceDlg* AdvancedPage() const { return advancedPage_; }

public Q_SLOTS:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void Retranslate();
    void ShowState();
    void Finish(ChooserEnd end);

    PageContext& context_;
    HookKeyCapture capture_;
    ChooserModel model_;
    QPixmap normal_, over_, down_;
    std::array<CGDIBitmapBtn*, chooser::kTabCount> tabs_{};
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* disable_ = nullptr;
    CGDIBitmapBtn* default_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CSetting_SingleComboDlg* keyPage_ = nullptr;
    CSetting_MacroDlg* macroPage_ = nullptr;
    CSetting_BaseDlg* basicPage_ = nullptr;
    CSetting_AdvanceDlg* advancedPage_ = nullptr;
    bool prepared_ = false;
    bool finished_ = false;
    QPoint dragFrom_;
    bool dragging_ = false;
};

} // namespace qx71::gui
