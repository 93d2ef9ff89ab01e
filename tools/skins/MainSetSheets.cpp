// The button assignment page: its three sheets (background, hover, pressed: DPI and
// report-rate buttons, the mouse picture with its spots) and the page images of the two
// languages, which add the faces of the section titles, the slider tracks, the accuracy
// button, the wheel controls (placed per language) and the tabs. No page image carries a
// word: the page draws the titles, the slider marks and the captions in the user's language.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/buttons/MainSetModel.h"
#include "core/widgets/KitColours.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/SkinFont.h"

#include <QPainterPath>

namespace qx71::skins {
namespace {

namespace ms = mainset;

constexpr int kCaptionPixels = 14;
constexpr Rgb kMouseBody{44, 48, 56};
constexpr Rgb kMouseEdge{86, 94, 108};
constexpr Rgb kTrackGroove{12, 13, 16};
constexpr int kGrooveHeight = 8;

QColor CaptionColour(Face face)
{
    return TextOnFace(face, kitcolours::kTextNormal, kitcolours::kTextNormal);
}

void Caption(QPainter& p, const Rect& r, const QString& text, Face face,
             Qt::Alignment align = Qt::AlignCenter)
{
    p.save();
    // A caption longer than its face is drawn smaller rather than cut.
    const gui::FittedText fitted =
        gui::FitText(text, gui::ShellDlgFont(kCaptionPixels), r.Width() - 6);
    p.setFont(fitted.font);
    p.setPen(CaptionColour(face));
    p.drawText(RectF(r), static_cast<int>(align | Qt::AlignVCenter) | Qt::TextSingleLine,
               fitted.text);
    p.restore();
}

void CaptionedButton(QPainter& p, const Rect& r, const QString& text, Face face)
{
    DrawFace(p, r, face);
    Caption(p, r, text, face);
}

// The picture of the mouse seen from above, its buttons outlined; the spots are drawn in the
// face of the sheet (lit amber in the pressed one).
void DrawMouse(QPainter& p, Face spots)
{
    const Rect& area = ms::kMousePicture;
    p.save();
    QPainterPath body;
    const QRectF shell(area.left + 38, area.top + 12, 146, 280);
    body.addRoundedRect(shell, 70, 90);
    p.setPen(QPen(Q(kMouseEdge), 2));
    p.setBrush(Q(kMouseBody));
    p.drawPath(body);
    // The split between the buttons and the palm, and the channel of the wheel.
    const double split = area.top + 122;
    const double mid = shell.center().x();
    p.setPen(QPen(Q(kMouseEdge), 1.5));
    p.drawLine(QPointF(shell.left() + 4, split), QPointF(shell.right() - 4, split));
    p.drawLine(QPointF(mid - 16, shell.top() + 4), QPointF(mid - 16, split));
    p.drawLine(QPointF(mid + 16, shell.top() + 4), QPointF(mid + 16, split));
    // The two side buttons on the left flank.
    p.setBrush(Q(theme::kDimTop));
    p.drawRoundedRect(QRectF(area.left + 18, area.top + 104, 38, 34), 6, 6);
    p.drawRoundedRect(QRectF(area.left + 24, area.top + 144, 38, 30), 6, 6);
    // A logo mark on the palm.
    QFont mark = gui::ShellDlgFont(18);
    mark.setWeight(QFont::Bold);
    p.setFont(mark);
    p.setPen(Q(theme::kLine));
    p.drawText(QRectF(shell.left(), area.top + 200, shell.width(), 40), Qt::AlignCenter,
               QStringLiteral("QX71"));
    for (const Rect& spot : ms::kSpots) {
        DrawFace(p, spot, spots == Face::Normal ? Face::Dim : spots, 6);
    }
    p.restore();
}

// Everything without words: the page's sheets.
void DrawNeutral(QPainter& p, Face face)
{
    const Size size = ms::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
    // The divider between the settings and the picture of the mouse.
    p.fillRect(QRect(ms::kMousePicture.left - 3, 16, 1, 384), Q(theme::kLine));
    for (size_t i = 0; i < ms::kDpiButtonCount; ++i) {
        CaptionedButton(p, ms::DpiButton(i), QString::number(kDpiValues[i]), face);
    }
    for (size_t i = 0; i < ms::kRateButtonCount; ++i) {
        CaptionedButton(p, ms::kRateButtons[i], QStringLiteral("%1 Hz").arg(kReportRates[i].hertz),
                        face);
    }
    DrawMouse(p, face);
}

// A section title's mark; the page writes the title beside it.
void DrawTitle(QPainter& p, const Rect& r)
{
    p.fillRect(QRect(r.left, r.top + 4, 3, r.Height() - 8), Q(theme::kAmber));
}

// A slider's groove, which the thumb runs in; the page writes the marks at its ends.
void DrawSliderRow(QPainter& p, const Rect& track)
{
    const double y = (track.top + track.bottom - kGrooveHeight) / 2.0;
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(kTrackGroove));
    p.drawRoundedRect(QRectF(track.left + 0.5, y + 0.5, track.Width() - 1.0, kGrooveHeight - 1.0),
                      3, 3);
    p.restore();
}

// The accuracy button: a box (ticked in the pressed face, which a checked button shows); the
// button writes its caption right of it.
void DrawAccuracy(QPainter& p, Face face)
{
    const Rect& r = ms::kAccuracyButton;
    DrawFace(p, r, face);
    const QRectF box(r.left + 8.5, r.top + 7.5, 13, 13);
    p.save();
    p.setPen(QPen(CaptionColour(face), 1.2));
    p.setBrush(Q(theme::kWell));
    p.drawRoundedRect(box, 2, 2);
    if (face == Face::Pressed) {
        p.setPen(QPen(Q(theme::kAmberLight), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = box.center();
        p.drawPolyline(QPolygonF({QPointF(c.x() - 4, c.y()), QPointF(c.x() - 1.3, c.y() + 3),
                                  QPointF(c.x() + 4, c.y() - 3)}));
    }
    p.restore();
}

void DrawArrow(QPainter& p, const Rect& r, bool up, Face face)
{
    DrawFace(p, r, face, 2);
    const QPointF c = RectF(r).center();
    const double d = up ? -2.5 : 2.5;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(CaptionColour(face));
    p.drawPolygon(QPolygonF({QPointF(c.x() - 4.5, c.y() - d), QPointF(c.x() + 4.5, c.y() - d),
                             QPointF(c.x(), c.y() + d)}));
    p.restore();
}

void DrawWheel(QPainter& p, bool chinese, Face face)
{
    const ms::WheelLayout& w = ms::WheelLayoutFor(chinese);
    DrawFace(p, w.linesButton, face);
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    p.drawRect(RectF(w.linesField).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
    DrawArrow(p, w.upArrow, true, face);
    DrawArrow(p, w.downArrow, false, face);
    DrawFace(p, w.screenButton, face);
}

void DrawTabs(QPainter& p, Face face)
{
    for (const Quad& tab : ms::kTabs) {
        DrawRegionFace(p, tab, face);
    }
}

// A page image of one language (the wheel controls sit where that language's layout puts
// them), in one face.
void DrawLanguagePage(QPainter& p, bool chinese, Face face)
{
    DrawNeutral(p, Face::Normal);
    for (const Rect& title : ms::kSectionCaptions) {
        DrawTitle(p, title);
    }
    DrawSliderRow(p, ms::kSpeedTrack);
    DrawSliderRow(p, ms::kSensorTrack);
    DrawAccuracy(p, face);
    DrawWheel(p, chinese, face);
    DrawTabs(p, face);
}

} // namespace

void DrawMainSetSheets(SkinWriter& writer)
{
    const std::pair<std::string_view, Face> sheets[] = {
        {ms::kSheetNormal, Face::Normal},
        {ms::kSheetOver, Face::Hover},
        {ms::kSheetDown, Face::Pressed},
    };
    for (const auto& [file, face] : sheets) {
        writer.Write(file, ms::kPageSize, [face](QPainter& p) { DrawNeutral(p, face); });
    }
    for (const bool chinese : {true, false}) {
        const ms::LanguageSheets& set = ms::LanguageSheetsFor(chinese);
        const std::pair<std::string_view, Face> pages[] = {
            {set.normal, Face::Normal},
            {set.hover, Face::Hover},
            {set.pressed, Face::Pressed},
        };
        for (const auto& [file, face] : pages) {
            writer.Write(file, ms::kPageSize,
                         [chinese, face](QPainter& p) { DrawLanguagePage(p, chinese, face); });
        }
    }
}

} // namespace qx71::skins
