#pragma once

#include "core/common/ITimerQueue.h"
#include "core/config/StoreMacroUsage.h"
#include "core/hooks/HookKeyCapture.h"
#include "core/macro/MacroEditor.h"
#include "core/macro/MacroPageControls.h"
#include "core/macro/MacroPageGeometry.h"
#include "gui/app/CMainPage.h"
#include "gui/widgets/TextLayout.h"

#include <QPixmap>

#include <array>
#include <memory>

class QLineEdit;

namespace qx71::gui {

class CGDIBitmapBtn;
class CListBoxEx;
class CSkinScrollWnd;

// The macro page: the macros of a game title, the events of the chosen macro, recording from
// the keyboard hook and the page's three mouse buttons, single-event editing, the loop count
// and the game-title menu. The rules live in MacroEditor; this draws its state and forwards
// the user's input to it.
class CDlgMacro : public CMainPage, public ITextLayouts {
    Q_OBJECT

public:
    CDlgMacro(PageContext& context, QWidget* parent);
    ~CDlgMacro() override;

    void RetranslateUi() override;
    // The labels the page writes over its sheet.
    std::vector<TextLayout> TextLayouts() const override;
    void LeavePage() override;
    void SuspendCapture() override;
    void ResumeCapture() override;
    void PrepareAtStart() override;
    void BeforeApply() override;
    void OnKeyEvent(uint32_t wParam, uint32_t lParam) override;

    const MacroEditor& Editor() const { return *editor_; }
    // The page's controls, for the window's tests: null for a control that is not a button.
    CGDIBitmapBtn* Button(MacroControl control) const;
    QLineEdit* Field(MacroControl control) const;
    CListBoxEx* MacroList() const { return macroList_; }
    CListBoxEx* EventList() const { return eventList_; }
    CSkinScrollWnd* EventScroll() const { return eventScroll_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CreateButtons();
    void CreateFields();
    void CreateLists();
    void LoadSkins() override;
    void ReleaseSkins() override;
    CGDIBitmapBtn* MakeButton(MacroControl control);
    QLineEdit* MakeField(MacroControl control, int id, int maxLength, bool digitsOnly);
    void OnButton(MacroControl control);
    void OpenGameMenu();
    void OnGameChoice(uint32_t lParam);
    void StartLoopTimer();
    void OnLoopTimer();
    void ShowHints(QPoint pagePoint);
    void FocusFromEditor();
    // Draws the editor's state into the controls.
    void Sync();
    void SyncFields();
    void SyncMacroList();
    void SyncEventList();

    HookKeyCapture capture_;
    StoreMacroUsage usage_;
    std::unique_ptr<MacroEditor> editor_;
    QPixmap normalSheet_;
    std::array<CGDIBitmapBtn*, macropage::kControlCount> buttons_{};
    std::array<QLineEdit*, 3> fields_{};
    CListBoxEx* macroList_ = nullptr;
    CListBoxEx* eventList_ = nullptr;
    CSkinScrollWnd* macroScroll_ = nullptr;
    CSkinScrollWnd* eventScroll_ = nullptr;
    ITimerQueue::TimerId loopTimer_ = ITimerQueue::kNoTimer;
    bool syncing_ = false;
};

} // namespace qx71::gui
