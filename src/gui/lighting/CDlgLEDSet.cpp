// The core's headers come before Qt's: Qt's keyword macros (slots) would break them.
#include "core/config/ConfigStore.h"
#include "core/i18n/UiStrings.h"
#include "core/lighting/LedSetGeometry.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/SliderSkins.h"

#include "gui/lighting/CDlgLEDSet.h"

#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CColorBtn.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/CPngHSliderBar.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/TextLayout.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

constexpr int kLabelFontPixels = 14;
constexpr int kLabelTextIndent = 10; // after the label's mark

constexpr std::array<uint32_t, kColourComponents> kColourSliderIds{
    ledset::kRedSliderId, ledset::kGreenSliderId, ledset::kBlueSliderId};
constexpr std::array<uint32_t, kColourComponents> kNumberIds{
    ledset::kRedNumberId, ledset::kGreenNumberId, ledset::kBlueNumberId};

QColor ToQColour(uint32_t ledColour)
{
    const auto rgb = RgbOf(ledColour);
    return QColor(static_cast<int>(rgb[0]), static_cast<int>(rgb[1]), static_cast<int>(rgb[2]));
}

// The sheet as disabled controls show it: darkened, so the presets and the wheel read as off.
constexpr int kDimAlpha = 150;

// The wheel's square, with a margin for its anti-aliased rim.
constexpr int kWheelRim = 3;
constexpr Rect kWheelArea = ledset::kWheel.Grown(kWheelRim);

QPixmap Dimmed(const QPixmap& sheet)
{
    QPixmap dimmed = sheet;
    QPainter p(&dimmed);
    p.fillRect(QRectF(QPointF(0, 0), sheet.deviceIndependentSize()), QColor(0, 0, 0, kDimAlpha));
    return dimmed;
}

} // namespace

void LedSlider::Show(int value, bool enabled) const
{
    thumb->SetValue(value);
    thumb->setEnabled(enabled);
    bar->setEnabled(enabled);
}

void LedSlider::SetAccessibleName(const QString& name) const
{
    thumb->setAccessibleName(name);
    bar->setAccessibleName(name);
}

CDlgLEDSet::CDlgLEDSet(PageContext& context, QWidget* parent)
    : CMainPage(MainPage::Lighting, context, parent), model_(context.store.CurrentProfile())
{
    setFixedSize(ToQSize(ledset::kPageSize));
    setMouseTracking(true);
    CreateControls();
    RetranslateUi();
    RefreshFromProfile();
}

void CDlgLEDSet::CreateControls()
{
    for (const auto& info : kLightingModeInfo) {
        const Rect& r = ledset::ModeButton(info.mode);
        auto* button = new CGDIBitmapBtn(r, this, static_cast<int>(info.mode));
        button->SetUseCheckedImages(true);
        connect(button, &CGDIBitmapBtn::clicked, this, [this](int code) {
            model_.ChooseMode(static_cast<LightingMode>(code));
            ShowModel();
        });
        modeButtons_[static_cast<size_t>(info.mode) - 1] = button;
    }
    for (size_t k = 0; k < kPresetCount; ++k) {
        const Rect r = ledset::PresetSwatch(k);
        auto* button = new CGDIBitmapBtn(r, this, static_cast<int>(k));
        button->SetUseCheckedImages(true);
        connect(button, &CGDIBitmapBtn::clicked, this, [this](int index) {
            model_.ChoosePreset(static_cast<size_t>(index));
            ShowModel();
        });
        presets_[k] = button;
    }

    breathSpeed_ = MakeSlider(ledset::kBreathSpeedSlider, ledset::kBreathSpeedSliderId,
                              ledset::kBreathSpeedMin, ledset::kBreathSpeedMax);
    brightness_ = MakeSlider(ledset::kBrightnessSlider, ledset::kBrightnessSliderId,
                             ledset::kBrightnessMin, ledset::kBrightnessMax);
    for (size_t c = 0; c < kColourComponents; ++c) {
        colourSliders_[c] = MakeSlider(ledset::kColourSliders[c], kColourSliderIds[c],
                                       ledset::kComponentMin, ledset::kComponentMax);
    }

    for (size_t c = 0; c < kColourComponents; ++c) {
        const Rect& r = ledset::kColourNumbers[c];
        auto* number = new CBitmapEdit(r, QPixmap(), this, static_cast<int>(kNumberIds[c]));
        number->setAlignment(Qt::AlignCenter);
        number->setEnabled(false);
        numbers_[c] = number;
    }
    display_ = new CColorBtn(ledset::kColourDisplay, this);
    display_->installEventFilter(this);
    for (CGDIBitmapBtn* button : modeButtons_) {
        button->installEventFilter(this);
    }
    for (CGDIBitmapBtn* button : presets_) {
        button->installEventFilter(this);
    }
}

LedSlider CDlgLEDSet::MakeSlider(const Rect& rect, uint32_t id, int min, int max)
{
    LedSlider slider;
    slider.bar = new CPngHSliderBar(rect, QPixmap(), this, static_cast<int>(id));
    const QPixmap thumb = LoadSkin(sliderskins::kThumb);
    const int top = rect.top + (rect.Height() - sliderskins::kThumbSize.height) / 2;
    slider.thumb =
        new CPngHSlider(thumb, SliderTrack{rect.left, rect.right, sliderskins::kThumbSize.width},
                        top, this, static_cast<int>(id));
    slider.thumb->SetRange(min, max);
    slider.bar->SetSlider(slider.thumb);
    for (QWidget* part : {static_cast<QWidget*>(slider.bar), static_cast<QWidget*>(slider.thumb)}) {
        part->installEventFilter(this);
    }
    auto moved = [this](int value, int sliderId) {
        model_.SliderChanged(static_cast<uint32_t>(sliderId), value);
        ShowModel();
    };
    connect(slider.bar, &CPngHSliderBar::moved, this, moved);
    connect(slider.thumb, &CPngHSlider::moved, this, moved);
    return slider;
}

void CDlgLEDSet::LoadSkins()
{
    // The page paints the normal sheet; the controls keep only the pieces they cut.
    normal_ = LoadSkin(ledset::kSheetNormal);
    const QPixmap down = LoadSkin(ledset::kSheetDown);
    const QPixmap over = LoadSkin(ledset::kSheetOver);
    const QPixmap dimmed = Dimmed(normal_);
    for (const auto& info : kLightingModeInfo) {
        const Rect& r = ledset::ModeButton(info.mode);
        CGDIBitmapBtn* button = modeButtons_[static_cast<size_t>(info.mode) - 1];
        button->SetStateImages(normal_, over, down, normal_, r);
        button->SetCheckedImages(down, down, r);
    }
    for (size_t k = 0; k < kPresetCount; ++k) {
        const Rect r = ledset::PresetSwatch(k);
        presets_[k]->SetStateImages(normal_, over, down, dimmed, r);
        presets_[k]->SetCheckedImages(down, down, r);
    }
    for (size_t c = 0; c < kColourComponents; ++c) {
        numbers_[c]->SetBackground(CutSheet(normal_, ledset::kColourNumbers[c]));
        colourSliders_[c].bar->SetImage(CutSheet(normal_, ledset::kColourSliders[c]));
    }
    breathSpeed_.bar->SetImage(CutSheet(normal_, ledset::kBreathSpeedSlider));
    brightness_.bar->SetImage(CutSheet(normal_, ledset::kBrightnessSlider));
    dimmedWheel_ = CutSheet(dimmed, kWheelArea);
    update();
}

void CDlgLEDSet::ReleaseSkins()
{
    normal_ = QPixmap();
    dimmedWheel_ = QPixmap();
}

void CDlgLEDSet::RetranslateUi()
{
    const UiStrings& strings = Context().strings;
    for (const auto& info : kLightingModeInfo) {
        CGDIBitmapBtn* button = modeButtons_[static_cast<size_t>(info.mode) - 1];
        const QString text = ToQString(strings.Get(std::string(info.tooltipKey)));
        button->SetCaption(text);
        button->SetToolTipText(text);
    }
    display_->setToolTip(ToQString(strings.Get("str_choose_color")));
    display_->setAccessibleName(display_->toolTip());
    brightness_.SetAccessibleName(ToQString(strings.Get("str_led_brightness")));
    breathSpeed_.SetAccessibleName(ToQString(strings.Get("str_breath_speed")));
    for (const LedSlider& slider : colourSliders_) {
        slider.SetAccessibleName(ToQString(strings.Get("str_led_custom")));
    }
    update();
}

void CDlgLEDSet::RefreshFromProfile()
{
    model_.RefreshLighting();
    ShowModel();
}

void CDlgLEDSet::ShowModel()
{
    for (const auto& info : kLightingModeInfo) {
        modeButtons_[static_cast<size_t>(info.mode) - 1]->SetChecked(model_.CheckedMode() ==
                                                                     info.mode);
    }
    for (size_t k = 0; k < kPresetCount; ++k) {
        presets_[k]->SetChecked(model_.CheckedPreset() == k);
        presets_[k]->setEnabled(model_.PresetsEnabled());
    }
    brightness_.Show(model_.Brightness().value, model_.Brightness().enabled);
    breathSpeed_.Show(model_.BreathSpeed().value, model_.BreathSpeed().enabled);
    for (size_t c = 0; c < kColourComponents; ++c) {
        colourSliders_[c].Show(static_cast<int>(model_.Shown()[c]), model_.ColourControlsOn());
        numbers_[c]->setText(QString::number(model_.Numbers()[c]));
    }
    display_->SetColour(ToQColour(model_.DisplayColour()));
    update();
}

void CDlgLEDSet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, normal_);
    if (!model_.ColourControlsOn()) {
        const QRect wheel = ToQRect(kWheelArea);
        p.save();
        p.setClipRegion(QRegion(wheel, QRegion::Ellipse));
        p.drawPixmap(wheel, dimmedWheel_);
        p.restore();
    }
    p.setPen(ToQColor(kitcolours::kTextNormal));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(p, text);
    }
}

std::vector<TextLayout> CDlgLEDSet::TextLayouts() const
{
    const UiStrings& strings = Context().strings;
    const QFont font = ShellDlgFont(kLabelFontPixels);
    std::vector<TextLayout> out;
    for (const auto& label : ledset::kLabelAreas) {
        QRect r = ToQRect(label.rect);
        r.setLeft(r.left() + kLabelTextIndent);
        out.push_back(LayOutLine(QStringLiteral("label"), ToQString(strings.Get(label.textKey)),
                                 font, r, Qt::AlignLeft));
    }
    out.push_back(LayOutLine(QStringLiteral("brightness"),
                             ToQString(strings.Get("str_led_brightness")), font,
                             ToQRect(ledset::kBrightnessCaption), Qt::AlignLeft));
    out.push_back(LayOutLine(QStringLiteral("breathing speed"),
                             ToQString(strings.Get("str_breath_speed")), font,
                             ToQRect(ledset::kBreathSpeedCaption), Qt::AlignLeft));
    return out;
}

uint32_t CDlgLEDSet::ColourShownAt(const QPoint& point)
{
    EnsureSkins();
    const qreal ratio = normal_.devicePixelRatio();
    const QPoint pixel(static_cast<int>(point.x() * ratio), static_cast<int>(point.y() * ratio));
    if (!normal_.rect().contains(pixel)) {
        return 0;
    }
    // Only the one pixel is read back: the sheet is not copied whole.
    const QColor c = normal_.copy(QRect(pixel, QSize(1, 1))).toImage().pixelColor(0, 0);
    return ColourFromRgb(static_cast<uint32_t>(c.red()), static_cast<uint32_t>(c.green()),
                         static_cast<uint32_t>(c.blue()));
}

void CDlgLEDSet::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton &&
        model_.PickWheelColour(FromQPoint(point), ColourShownAt(point))) {
        ShowModel();
    }
    UpdateCursor(point);
}

void CDlgLEDSet::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    UpdateCursor(point);
    ShowHintsAt(point);
}

void CDlgLEDSet::mouseReleaseEvent(QMouseEvent* event)
{
    UpdateCursor(event->position().toPoint());
}

void CDlgLEDSet::mouseDoubleClickEvent(QMouseEvent* event)
{
    UpdateCursor(event->position().toPoint());
}

bool CDlgLEDSet::eventFilter(QObject* watched, QEvent* event)
{
    // Moves over the controls give their hints too.
    if (event->type() == QEvent::MouseMove) {
        auto* widget = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        ShowHintsAt(widget->mapTo(this, move->position().toPoint()));
    }
    return CMainPage::eventFilter(watched, event);
}

void CDlgLEDSet::UpdateCursor(const QPoint& point)
{
    if (model_.CrossCursorAt(FromQPoint(point))) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

void CDlgLEDSet::ShowHintsAt(const QPoint& point)
{
    for (uint32_t hint : model_.HintsAt(FromQPoint(point))) {
        Context().showHint(static_cast<int>(hint));
    }
}

} // namespace qx71::gui
