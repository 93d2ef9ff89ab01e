#pragma once

#include "core/buttons/MainSetModel.h"
#include "core/common/ITimerQueue.h"
#include "gui/app/CMainPage.h"
#include "gui/widgets/TextLayout.h"

#include <QPixmap>
#include <QPointer>

#include <array>
#include <memory>

namespace qx71::gui {

class CBitmapEdit;
class CGDIBitmapBtn;
class CIrrButton;
class CPngHSlider;
class CPngHSliderBar;
class CSettingDlg;

// The button assignment page: DPI levels, pointer speed and precision, sensor height, report
// rate, wheel scrolling, the mouse picture whose spots light up, and the seven tabs that open
// the function chooser. It draws MainSetModel's state and forwards every click to it; the
// model works on the profile in use.
class CDlgMainSet : public CMainPage, public ITextLayouts {
    Q_OBJECT

public:
    CDlgMainSet(PageContext& context, QWidget* parent);
    ~CDlgMainSet() override;

    void RefreshFromProfile() override;
    void RetranslateUi() override;
    void BeforeApply() override;
    void OnKeyEvent(uint32_t wParam, uint32_t lParam) override;

    // A chooser that answers at once in place of CSettingDlg (tests; null: the dialog).
    void SetChooserRunner(ChooserRunner runner) { runChooser_ = std::move(runner); }
    // A click on tab `button`: opens the chooser, modal to the window. It does not block: its
    // end stores the result, so a window that closes meanwhile takes the chooser with it.
    void AssignButton(ButtonIndex button);

    const MainSetModel& Model() const { return model_; }
    CGDIBitmapBtn* DpiButton(size_t index) const { return dpi_[index]; }
    CGDIBitmapBtn* RateButton(size_t index) const { return rate_[index]; }
    CGDIBitmapBtn* AccuracyButton() const { return accuracy_; }
    CGDIBitmapBtn* LinesButton() const { return lines_; }
    CGDIBitmapBtn* ScreenButton() const { return screen_; }
    CGDIBitmapBtn* UpArrow() const { return up_; }
    CGDIBitmapBtn* DownArrow() const { return down_; }
    CBitmapEdit* LinesField() const { return field_; }
    CGDIBitmapBtn* Spot(ButtonIndex button) const { return spots_[ToIndex(button)]; }
    CIrrButton* Tab(ButtonIndex button) const { return tabs_[ToIndex(button)]; }
    CPngHSlider* SpeedSlider() const { return speed_; }
    CPngHSlider* SensorSlider() const { return sensor_; }
    // The chooser while a tab's assignment is open.
    CSettingDlg* OpenChooser() const;
    // The language the page images were loaded for.
    bool SheetsChinese() const { return sheetsChinese_; }
    // The slider marks the page writes itself.
    std::vector<TextLayout> TextLayouts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void LoadSkins() override;
    void ReleaseSkins() override;
    void SkinLanguageSheets();
    void PlaceWheelControls();
    void ShowState();
    void ShowHints(QPoint pagePoint);
    void StartSpotTimer();
    void StartNormaliseTimer();
    void OnSpotTimer();
    void OnNormaliseTimer();
    void NormaliseField();
    CGDIBitmapBtn* NewButton(const Rect& rect);
    void OnChooserFinished(int result);

    MainSetModel model_;
    ChooserRunner runChooser_;

    QPixmap sheetNormal_;
    // Behind the two sliders: the rows of the language's hover image, with the marks.
    std::array<QPixmap, 2> sliderRows_;
    bool sheetsChinese_ = false;

    std::array<CGDIBitmapBtn*, mainset::kDpiButtonCount> dpi_{};
    std::array<CGDIBitmapBtn*, mainset::kRateButtonCount> rate_{};
    std::array<CGDIBitmapBtn*, mainset::kSectionCount> sections_{};
    std::array<CGDIBitmapBtn*, kButtonCount> spots_{};
    std::array<CIrrButton*, kButtonCount> tabs_{};
    CGDIBitmapBtn* accuracy_ = nullptr;
    CGDIBitmapBtn* lines_ = nullptr;
    CGDIBitmapBtn* screen_ = nullptr;
    CGDIBitmapBtn* up_ = nullptr;
    CGDIBitmapBtn* down_ = nullptr;
    CBitmapEdit* field_ = nullptr;
    CPngHSliderBar* speedBar_ = nullptr;
    CPngHSliderBar* sensorBar_ = nullptr;
    CPngHSlider* speed_ = nullptr;
    CPngHSlider* sensor_ = nullptr;
    QPointer<CSettingDlg> chooser_;

    ITimerQueue::TimerId spotTimer_ = ITimerQueue::kNoTimer;
    ITimerQueue::TimerId normaliseTimer_ = ITimerQueue::kNoTimer;
};

} // namespace qx71::gui
