#pragma once

#include "core/config/StoreMacroUsage.h"
#include "core/hooks/HookKeyCapture.h"
#include "core/macro/MacroEditor.h"
#include "core/macro/MacroPageControls.h"
#include "gui/app/CMainPage.h"

#include <QPixmap>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;

namespace qx71::gui {

class CGDIBitmapBtn;
class CListBoxEx;
class CSkinScrollWnd;

// The macro page: the macros of a game title, the events of the chosen macro, recording from
// the keyboard hook and the page's three mouse buttons, single-event editing, the loop count
// and the game-title menu. The rules live in MacroEditor; this draws its state and forwards
// the user's input to it.
class CDlgMacro : public CMainPage {
    Q_OBJECT

public:
    // The window handle the hooks post this page's key events to.
    static constexpr WindowHandle kHookHandle = 3;

    CDlgMacro(PageContext& context, QWidget* parent);
    ~CDlgMacro() override;

    void RetranslateUi() override;
    void LeavePage() override;
    void SuspendCapture() override;
    void PrepareAtStart() override;
    void BeforeApply() override;
    void OnHookKey(uint32_t code, uint32_t flags) override;

    const MacroEditor& Editor() const { return *editor_; }
    CGDIBitmapBtn* Button(MacroControl control) const;
    CListBoxEx* MacroList() const { return macroList_; }
    CListBoxEx* EventList() const { return eventList_; }
    QLineEdit* Field(MacroControl control) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    CGDIBitmapBtn* MakeButton(MacroControl control);
    QLineEdit* MakeField(MacroControl control, int maxLength, bool digitsOnly);
    void OnButton(MacroControl control);
    void OnMouseButton(MacroControl control, int code);
    void OpenGameMenu();
    void OnGameChoice(uint32_t lParam);
    void StartLoopTimer();
    void OnLoopTimer();
    void ShowHints(QPoint pagePoint);
    void FocusFromEditor();
    // Draws the editor's state into the controls.
    void Sync();
    void SyncList(CListBoxEx* list, const std::vector<std::pair<std::u16string, uint32_t>>& items,
                  int selection, std::vector<std::pair<std::u16string, uint32_t>>& shown);

    HookKeyCapture capture_;
    StoreMacroUsage usage_;
    std::unique_ptr<MacroEditor> editor_;
    QPixmap background_;
    std::array<CGDIBitmapBtn*, kMacroHintControls + 3> buttons_{};
    std::array<QLineEdit*, 3> fields_{};
    CListBoxEx* macroList_ = nullptr;
    CListBoxEx* eventList_ = nullptr;
    CSkinScrollWnd* eventScroll_ = nullptr;
    std::vector<std::pair<std::u16string, uint32_t>> shownMacros_;
    std::vector<std::pair<std::u16string, uint32_t>> shownEvents_;
    ITimerQueue::TimerId loopTimer_ = ITimerQueue::kNoTimer;
    bool syncing_ = false;
};

} // namespace qx71::gui
