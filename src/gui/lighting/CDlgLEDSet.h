#pragma once

#include "core/lighting/LedSetModel.h"
#include "gui/app/CMainPage.h"
#include "gui/widgets/TextLayout.h"

#include <QPixmap>

#include <array>

namespace qx71::gui {

class CBitmapEdit;
class CColorBtn;
class CGDIBitmapBtn;
class CPngHSlider;
class CPngHSliderBar;

// A slider of the page: its track and its thumb.
struct LedSlider {
    CPngHSliderBar* bar = nullptr;
    CPngHSlider* thumb = nullptr;
    void Show(int value, bool enabled) const;
    void SetAccessibleName(const QString& name) const;
};

// The lighting page: draws the LedSetModel over the page sheets and forwards the mode and
// preset buttons, the sliders and clicks on the colour wheel to it. A wheel click takes the
// colour of the page's own background under the point, so the stored colour is the one shown.
class CDlgLEDSet : public CMainPage, public ITextLayouts {
    Q_OBJECT

public:
    CDlgLEDSet(PageContext& context, QWidget* parent);

    void RefreshFromProfile() override;
    void RetranslateUi() override;
    // The labels the page writes over its sheet.
    std::vector<TextLayout> TextLayouts() const override;

    const LedSetModel& Model() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadSkins() override;
    void ReleaseSkins() override;
    void CreateControls();
    LedSlider MakeSlider(const Rect& rect, uint32_t id, int min, int max);
    void ShowModel();
    void UpdateCursor(const QPoint& point);
    void ShowHintsAt(const QPoint& point);
    // The colour the page's background shows at a point, as 0x00BBGGRR.
    uint32_t ColourShownAt(const QPoint& point);

    LedSetModel model_;
    QPixmap normal_;
    // The wheel as it shows while the colour controls are off.
    QPixmap dimmedWheel_;
    std::array<CGDIBitmapBtn*, kLightingModes> modeButtons_{};
    std::array<CGDIBitmapBtn*, kPresetCount> presets_{};
    LedSlider brightness_;
    LedSlider breathSpeed_;
    std::array<LedSlider, kColourComponents> colourSliders_{};
    std::array<CBitmapEdit*, kColourComponents> numbers_{};
    CColorBtn* display_ = nullptr;
};

} // namespace qx71::gui
