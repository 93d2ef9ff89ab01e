#pragma once

#include "core/stats/CursorSampler.h"
#include "core/stats/StatsPaint.h"
#include "gui/app/CMainPage.h"
#include "gui/widgets/TextLayout.h"

#include <QPixmap>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace qx71::gui {

class CGDIBitmapBtn;

// The statistics page: draws the window's StatsModel (the counts, the distance, the trophy
// strip, the thirteen small trophies and the large picture of the level), samples the pointer
// every 500 ms on a thread of its own for the distance, and resets on the user's OK.
class CDlgSts : public CMainPage, public ITextLayouts {
    Q_OBJECT

public:
    // `installChinese`: the installation's language picks the value boxes' layout.
    CDlgSts(PageContext& context, bool installChinese, QWidget* parent);
    ~CDlgSts() override;

    void OnHookEvent(uint32_t wParam, uint32_t lParam) override;
    void RetranslateUi() override;
    // The row names and the distance's unit.
    std::vector<TextLayout> TextLayouts() const override;

    // What the last paint decided (tests read it).
    const StatsPaint& LastPaint() const { return lastPaint_; }
    // One sample of the pointer, as the sampler posts it.
    void TakeSample();
    // The reset button's action.
    void Reset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void LoadSkins() override;
    void ReleaseSkins() override;
    void CreateControls();
    void ApplyLevel(const StatsPaint& paint);
    // The strip cut at its place; the large trophy given the picture of the level shown.
    void SkinStrip(const QPixmap& over, const QPixmap& down);
    void SkinLargeTrophy(const std::string& picturePath);
    void ShowHintsAt(const QPoint& point);

    bool installChinese_;
    QPixmap normal_;
    // The large picture on screen, under skins/ (none before the first paint).
    std::optional<std::string> largePicture_;
    CGDIBitmapBtn* largeTrophy_ = nullptr;
    CGDIBitmapBtn* strip_ = nullptr;
    std::array<CGDIBitmapBtn*, stats::kSmallTrophyCount> trophies_{};
    CGDIBitmapBtn* reset_ = nullptr;
    QTimer distanceTimer_;
    std::unique_ptr<CursorSampler> sampler_;
    StatsPaint lastPaint_;
};

} // namespace qx71::gui
