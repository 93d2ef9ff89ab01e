// The core's headers come before Qt's: Qt's keyword macros (slots) would break them.
#include "core/common/IQuestionSink.h"
#include "core/i18n/UiStrings.h"
#include "core/stats/ICursorPosition.h"
#include "core/stats/StatsModel.h"
#include "core/stats/StatsTexts.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/TextLayout.h"

#include "gui/stats/CDlgSts.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

constexpr int kDistanceRedrawMs = 5000;
constexpr int kUnitFontPixels = 11;

Rect Whole(const QPixmap& picture)
{
    const QSize size = picture.deviceIndependentSize().toSize();
    return {0, 0, size.width(), size.height()};
}

} // namespace

CDlgSts::CDlgSts(PageContext& context, bool installChinese, QWidget* parent)
    : CMainPage(MainPage::Statistics, context, parent), installChinese_(installChinese)
{
    setFixedSize(ToQSize(stats::kPageSize));
    setMouseTracking(true);
    CreateControls();
    RetranslateUi();

    // The distance starts from where the pointer is now; the sampler then reads it every
    // 500 ms on its thread and posts here.
    if (ICursorPosition* cursor = Context().cursor) {
        int32_t x = 0;
        int32_t y = 0;
        if (cursor->Read(x, y)) {
            Context().stats.SetLastPosition(x, y);
        }
        sampler_ = std::make_unique<CursorSampler>(Context().clock, *cursor, [this] {
            QMetaObject::invokeMethod(
                this, [this] { TakeSample(); }, Qt::QueuedConnection);
        });
        sampler_->Start();
    }
    // Logging off or shutting down: the counts are saved before the session ends.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { Context().stats.Save(); });
    distanceTimer_.setInterval(kDistanceRedrawMs);
    connect(&distanceTimer_, &QTimer::timeout, this, [this] { update(); });
    distanceTimer_.start();
}

CDlgSts::~CDlgSts()
{
    // Ends the sampler before the page goes; a post still queued is dropped with the page.
    sampler_.reset();
}

void CDlgSts::CreateControls()
{
    largeTrophy_ = new CGDIBitmapBtn(stats::kLargeTrophy, this);
    largeTrophy_->SetUseCheckedImages(true);
    largeTrophy_->SetChecked(true);

    strip_ = new CGDIBitmapBtn(stats::kStripCreated, this);
    strip_->SetUseCheckedImages(true);
    strip_->SetChecked(true);

    for (int i = 0; i < stats::kSmallTrophyCount; ++i) {
        const Rect r = stats::SmallTrophy(i);
        auto* trophy = new CGDIBitmapBtn(r, this, i);
        trophy->SetUseCheckedImages(true);
        trophies_[static_cast<size_t>(i)] = trophy;
    }

    reset_ = new CGDIBitmapBtn(stats::kResetButton, this);
    connect(reset_, &CGDIBitmapBtn::clicked, this, [this] { Reset(); });

    for (CGDIBitmapBtn* button : {largeTrophy_, reset_}) {
        connect(button, &CGDIBitmapBtn::mouseMoved, this,
                [this](Qt::MouseButtons, QPoint point) { ShowHintsAt(point); });
    }
}

void CDlgSts::LoadSkins()
{
    // The page paints the normal sheet; the buttons keep only the pieces they cut.
    normal_ = LoadSkin(stats::kSheetNormal);
    const QPixmap down = LoadSkin(stats::kSheetDown);
    const QPixmap over = LoadSkin(stats::kSheetOver);
    largeTrophy_->SetStateImages(normal_, over, down, normal_, stats::kLargeTrophy);
    largeTrophy_->SetCheckedImages(down, down, stats::kLargeTrophy);
    for (int i = 0; i < stats::kSmallTrophyCount; ++i) {
        const Rect r = stats::SmallTrophy(i);
        CGDIBitmapBtn* trophy = trophies_[static_cast<size_t>(i)];
        trophy->SetStateImages(normal_, down, down, normal_, r);
        trophy->SetCheckedImages(down, down, r);
    }
    reset_->SetStateImages(normal_, over, down, normal_, stats::kResetButton);
    SkinStrip(over, down);
    if (largePicture_) {
        SkinLargeTrophy(*largePicture_);
    }
}

void CDlgSts::ReleaseSkins()
{
    normal_ = QPixmap();
}

void CDlgSts::SkinStrip(const QPixmap& over, const QPixmap& down)
{
    const Rect strip = FromQRect(strip_->geometry());
    strip_->SetStateImages(normal_, over, down, normal_, strip);
    strip_->SetCheckedImages(down, down, strip);
}

void CDlgSts::SkinLargeTrophy(const std::string& picturePath)
{
    const QPixmap picture = LoadSkin(picturePath);
    const Rect whole = Whole(picture);
    largeTrophy_->SetStateImages(picture, picture, picture, picture, whole);
    largeTrophy_->SetCheckedImages(picture, picture, whole);
}

void CDlgSts::RetranslateUi()
{
    const UiStrings& strings = Context().strings;
    largeTrophy_->SetToolTipText(ToQString(strings.Get("str_cups")));
    reset_->SetToolTipText(ToQString(strings.Get("str_resetSts")));
    reset_->SetCaption(ToQString(strings.Get("str_resetSts")));
    update();
}

void CDlgSts::OnHookEvent(uint32_t, uint32_t)
{
    // The window has counted the event in the shared model; only the numbers change.
    update();
}

void CDlgSts::TakeSample()
{
    if (!sampler_) {
        return;
    }
    int32_t x = 0;
    int32_t y = 0;
    sampler_->Latest(x, y);
    // No redraw: the distance is drawn again by the 5-second timer.
    Context().stats.AddSample(x, y);
}

void CDlgSts::Reset()
{
    if (!Context().questions.Ask(StatsModel::ResetPrompt(ChineseUi()))) {
        return;
    }
    Context().stats.Reset();
    update();
}

void CDlgSts::paintEvent(QPaintEvent*)
{
    lastPaint_ = PaintStats(Context().stats, installChinese_);
    QPainter p(this);
    p.drawPixmap(0, 0, normal_);

    p.setPen(ToQColor(kitcolours::kTextNormal));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(p, text);
    }
    p.setFont(ShellDlgFont(stats::kValueFontPixels));
    p.setPen(QColor(stats::kValueTextRgb[0], stats::kValueTextRgb[1], stats::kValueTextRgb[2]));
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        const QRect valueRect = ToQRect(lastPaint_.values[row].box);
        const QString text = p.fontMetrics().elidedText(ToQString(lastPaint_.values[row].text),
                                                        Qt::ElideRight, valueRect.width());
        p.drawText(valueRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    ApplyLevel(lastPaint_);
}

void CDlgSts::ApplyLevel(const StatsPaint& paint)
{
    if (paint.largePicture) {
        largePicture_ = paint.largePicture;
        SkinLargeTrophy(*largePicture_);
        for (size_t i = 0; i < trophies_.size(); ++i) {
            trophies_[i]->SetChecked(paint.earned[i]);
        }
        update();
    }
    if (strip_->geometry() != ToQRect(paint.strip)) {
        // The level changed: rare, so the strip's sheets are read again for it.
        strip_->setGeometry(ToQRect(paint.strip));
        SkinStrip(LoadSkin(stats::kSheetOver), LoadSkin(stats::kSheetDown));
    }
    strip_->SetChecked(true);
    strip_->show();
}

void CDlgSts::mouseMoveEvent(QMouseEvent* event)
{
    ShowHintsAt(event->position().toPoint());
}

void CDlgSts::ShowHintsAt(const QPoint& point)
{
    for (uint32_t hint : StatsHintsAt(FromQPoint(point))) {
        Context().showHint(static_cast<int>(hint));
    }
}

} // namespace qx71::gui

namespace qx71::gui {

std::vector<TextLayout> CDlgSts::TextLayouts() const
{
    const UiStrings& strings = Context().strings;
    std::vector<TextLayout> out;
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        const Rect& box = stats::ValueBox(row, installChinese_);
        out.push_back(
            LayOutLine(QStringLiteral("statistics row"), Label(stats::kRowLabels[row], strings),
                       ShellDlgFont(stats::kValueFontPixels),
                       QRect(stats::kRowLabelLeft, box.top,
                             box.left - stats::kRowLabelGap - stats::kRowLabelLeft, box.Height()),
                       Qt::AlignLeft));
    }
    const Rect& distance = stats::ValueBox(stats::kDistanceRow, installChinese_);
    out.push_back(LayOutLine(QStringLiteral("distance unit"),
                             Label(PageLabel::DistanceUnit, strings), ShellDlgFont(kUnitFontPixels),
                             QRect(stats::kRowLabelLeft, stats::kUnitTop,
                                   distance.right - stats::kRowLabelLeft,
                                   stats::kUnitBottom - stats::kUnitTop),
                             Qt::AlignRight));
    return out;
}

} // namespace qx71::gui
