// The lighting page: its three sheets, the page's size. The mode buttons, presets and sliders
// cut their images from them; the colour wheel is painted into every sheet pixel by pixel
// with the colour the page then reads back under a click. The labels and captions come from
// the language file and are drawn by the page.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/lighting/ColourWheel.h"
#include "core/lighting/LedColour.h"
#include "core/lighting/LedSetGeometry.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::skins {
namespace {

QColor ColourOf(uint32_t ledColour)
{
    const auto rgb = RgbOf(ledColour);
    return QColor(static_cast<int>(rgb[0]), static_cast<int>(rgb[1]), static_cast<int>(rgb[2]));
}

QRectF Inside(const Rect& r, double by)
{
    return QRectF(r.left + by, r.top + by, r.Width() - 2 * by, r.Height() - 2 * by);
}

void DrawGroupPanel(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kWindowBottom));
    p.drawRoundedRect(Inside(r, 0.5), 4, 4);
    p.restore();
}

// A label's place: an amber mark before the text the page writes.
void DrawLedSetLabelMark(QPainter& p, const Rect& r)
{
    p.fillRect(QRect(r.left, r.top + 6, 3, r.Height() - 12), Q(theme::kAmber));
}

// The groove of a slider, tinted from dark to `end` for the colour sliders.
void DrawGroove(QPainter& p, const Rect& r, const QColor& end)
{
    p.save();
    const double mid = (r.top + r.bottom) / 2.0;
    const QRectF groove(r.left + 4, mid - 3, r.Width() - 8, 6);
    QLinearGradient fill(groove.topLeft(), groove.topRight());
    fill.setColorAt(0, QColor(12, 13, 16));
    fill.setColorAt(1, end);
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(fill);
    p.drawRoundedRect(groove, 3, 3);
    p.restore();
}

void DrawLedSetWell(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    p.drawRect(Inside(r, 0.5));
    p.restore();
}

void DrawSwatch(QPainter& p, const Rect& r, uint32_t colour, Face face)
{
    p.save();
    p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), Q(theme::kWindowBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(ColourOf(colour));
    p.drawRoundedRect(Inside(r, 3), 2, 2);
    // Normal: a dark edge; hover: a light one; pressed and chosen: an amber ring.
    switch (face) {
    case Face::Hover:
        p.setPen(QPen(Qt::white, 1.5));
        break;
    case Face::Pressed:
        p.setPen(QPen(Q(theme::kAmber), 2.5));
        break;
    default:
        p.setPen(QPen(Q(theme::kEdge), 1));
        break;
    }
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(Inside(r, face == Face::Pressed ? 1.25 : 2.5), 3, 3);
    p.restore();
}

// Every pixel of the wheel in the colour the page will take for it.
void DrawWheel(QPainter& p)
{
    const Rect& wheel = ledset::kWheel;
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kEdge));
    p.drawEllipse(
        QRectF(wheel.left - 2.5, wheel.top - 2.5, wheel.Width() + 5.0, wheel.Height() + 5.0));
    for (int y = wheel.top; y < wheel.bottom; ++y) {
        for (int x = wheel.left; x < wheel.right; ++x) {
            if (ledset::WheelContains({x, y})) {
                p.fillRect(QRect(x, y, 1, 1), ColourOf(WheelColourAt({x, y})));
            }
        }
    }
    p.restore();
}

void DrawLedSetPage(QPainter& p, Face face)
{
    const Size size = ledset::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
    DrawGroupPanel(p, {12, 8, 304, 440});
    DrawGroupPanel(p, {316, 8, 913, 440});
    for (const auto& label : ledset::kLabelAreas) {
        DrawLedSetLabelMark(p, label.rect);
    }
    for (const Rect& r : ledset::kModeButtons) {
        DrawFace(p, r, face);
    }
    DrawGroove(p, ledset::kBrightnessSlider, Q(theme::kAmber));
    DrawGroove(p, ledset::kBreathSpeedSlider, Q(theme::kAmber));
    const QColor ends[] = {QColor(255, 40, 40), QColor(40, 220, 60), QColor(50, 110, 255)};
    for (size_t c = 0; c < kColourComponents; ++c) {
        DrawGroove(p, ledset::kColourSliders[c], ends[c]);
        DrawLedSetWell(p, ledset::kColourNumbers[c]);
    }
    p.setFont(gui::ShellDlgFont(14));
    p.setPen(Q(theme::kGlyph));
    const char* letters[] = {"R", "G", "B"};
    for (size_t c = 0; c < kColourComponents; ++c) {
        const Rect& r = ledset::kColourLetters[c];
        p.drawText(QRect(r.left, r.top, r.Width(), r.Height()), Qt::AlignCenter,
                   QString::fromLatin1(letters[c]));
    }
    DrawLedSetWell(p, ledset::kColourDisplay);
    for (size_t k = 0; k < kPresetCount; ++k) {
        DrawSwatch(p, ledset::PresetSwatch(k), kPresetColors[k], face);
    }
    DrawWheel(p);
}

} // namespace

void DrawLedSetSheets(SkinWriter& writer)
{
    writer.Write(ledset::kSheetNormal, ledset::kPageSize,
                 [](QPainter& p) { DrawLedSetPage(p, Face::Normal); });
    writer.Write(ledset::kSheetDown, ledset::kPageSize,
                 [](QPainter& p) { DrawLedSetPage(p, Face::Pressed); });
    writer.Write(ledset::kSheetOver, ledset::kPageSize,
                 [](QPainter& p) { DrawLedSetPage(p, Face::Hover); });
}

} // namespace qx71::skins
