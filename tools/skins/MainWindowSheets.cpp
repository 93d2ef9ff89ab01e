// The main window: its three sheets (background, pressed and hover faces of the three small
// buttons) and the sheets of its irregular buttons (154..159), all the window's size.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/app/MainWindowGeometry.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/SkinFont.h"

#include <QPainterPath>

namespace qx71::skins {
namespace {

namespace mw = mainwindow;

QColor TitleGlyphColour(Face face)
{
    switch (face) {
    case Face::Hover:
        return Qt::white;
    case Face::Pressed:
        return Q(kitcolours::kTextPressed);
    default:
        return Q(theme::kGlyph);
    }
}

void DrawMinimiseGlyph(QPainter& p, const Rect& r, Face face)
{
    p.save();
    p.setPen(QPen(TitleGlyphColour(face), 2, Qt::SolidLine, Qt::FlatCap));
    const double cx = (r.left + r.right) / 2.0;
    const double y = r.top + r.Height() * 0.62;
    p.drawLine(QPointF(cx - 6, y), QPointF(cx + 6, y));
    p.restore();
}

// Hide to the notification area: an arrow down onto a tray line.
void DrawHideGlyph(QPainter& p, const Rect& r, Face face)
{
    p.save();
    p.setPen(QPen(TitleGlyphColour(face), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double cx = (r.left + r.right) / 2.0;
    const double top = r.top + r.Height() * 0.28;
    const double tip = r.top + r.Height() * 0.58;
    p.drawLine(QPointF(cx, top), QPointF(cx, tip));
    p.drawPolyline(
        QPolygonF({QPointF(cx - 4.5, tip - 4.5), QPointF(cx, tip), QPointF(cx + 4.5, tip - 4.5)}));
    p.drawLine(QPointF(cx - 7, tip + 4), QPointF(cx + 7, tip + 4));
    p.restore();
}

// The language button: a small globe and an arrow pointing to the menu above.
void DrawLanguageGlyph(QPainter& p, const Rect& r, Face face)
{
    p.save();
    const QColor c = TitleGlyphColour(face);
    p.setPen(QPen(c, 1.2));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(r.left + 13, (r.top + r.bottom) / 2.0);
    p.drawEllipse(centre, 6, 6);
    p.drawEllipse(centre, 2.6, 6);
    p.drawLine(QPointF(centre.x() - 6, centre.y()), QPointF(centre.x() + 6, centre.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double ax = r.right - 11;
    const double ay = (r.top + r.bottom) / 2.0;
    p.drawPolygon(
        QPolygonF({QPointF(ax - 4, ay + 2), QPointF(ax + 4, ay + 2), QPointF(ax, ay - 3)}));
    p.restore();
}

void DrawSmallButtons(QPainter& p, Face face)
{
    if (face != Face::Normal) {
        DrawFace(p, mw::kMinimiseButton, face);
        DrawFace(p, mw::kHideButton, face);
    }
    DrawFace(p, mw::kLanguageButton, face == Face::Normal ? Face::Normal : face);
    DrawMinimiseGlyph(p, mw::kMinimiseButton, face);
    DrawHideGlyph(p, mw::kHideButton, face);
    DrawLanguageGlyph(p, mw::kLanguageButton, face);
}

void DrawRegionButtons(QPainter& p, Face face)
{
    for (const Quad& tab : mw::kTabs) {
        DrawRegionFace(p, tab, face);
    }
    for (const Quad& profile : mw::kProfileButtons) {
        DrawRegionFace(p, profile, face);
    }
    DrawRegionFace(p, mw::kApplyButton, face);
}

void DrawWindow(QPainter& p, Face smallButtons)
{
    const Size size = mw::kWindowSize;
    FillBackground(p, {0, 0, size.width, size.height}, size.height);
    // Title band with the brand.
    p.fillRect(QRect(0, 0, size.width, 40), Q(theme::kWell));
    p.fillRect(QRect(0, 40, size.width, 1), Q(theme::kAmber));
    QFont brand = gui::ShellDlgFont(20);
    brand.setWeight(QFont::Bold);
    p.setFont(brand);
    p.setPen(Q(theme::kAmber));
    p.drawText(QRect(20, 0, 200, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TOLVI"));
    p.setFont(gui::ShellDlgFont(13));
    p.setPen(Q(theme::kGlyph));
    p.drawText(QRect(104, 0, 400, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("QX71 Gaming Mouse"));
    // A faint model mark over the band above the tabs.
    QFont mark = gui::ShellDlgFont(34);
    mark.setWeight(QFont::Bold);
    p.setFont(mark);
    p.setPen(QColor(44, 48, 56));
    p.drawText(QRect(0, 41, size.width - 32, 44), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("QX71"));
    // Tabs band, the line under it and the page area.
    p.fillRect(QRect(0, 121, size.width, 2), Q(theme::kAmber));
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kPanel));
    const Rect page = mw::kPageArea;
    p.drawRect(QRectF(page.left - 0.5, page.top - 0.5, page.Width() + 1.0, page.Height() + 1.0));
    // Bottom bar: flag frame, hint well.
    p.fillRect(QRect(0, 586, size.width, 1), Q(theme::kLine));
    const Rect flag = mw::kFlagPicture;
    p.setBrush(Q(theme::kWell));
    p.drawRect(QRectF(flag.left - 1.5, flag.top - 1.5, flag.Width() + 3.0, flag.Height() + 3.0));
    const Rect hint = mw::kHintArea;
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    p.drawRoundedRect(
        QRectF(hint.left - 3.5, hint.top + 0.5, hint.Width() + 6.0, hint.Height() - 1.0), 3, 3);
    // The irregular buttons, dimmed: their disabled look.
    DrawRegionButtons(p, Face::Dim);
    DrawSmallButtons(p, smallButtons);
    // The window's frame.
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
}

} // namespace

void DrawMainWindowSheets(SkinWriter& writer)
{
    writer.Write(mw::kSheetNormal, mw::kWindowSize,
                 [](QPainter& p) { DrawWindow(p, Face::Normal); });
    writer.Write(mw::kSheetDown, mw::kWindowSize,
                 [](QPainter& p) { DrawWindow(p, Face::Pressed); });
    writer.Write(mw::kSheetOver, mw::kWindowSize, [](QPainter& p) { DrawWindow(p, Face::Hover); });
    // The irregular buttons' sheets carry no text (the buttons draw their captions from the
    // language file), so both languages get the same faces.
    for (const bool chinese : {true, false}) {
        const mw::RegionSheets sheets = mw::RegionSheetsFor(chinese);
        const std::pair<int, Face> faces[] = {{sheets.normal, Face::Normal},
                                              {sheets.hover, Face::Hover},
                                              {sheets.pressed, Face::Pressed}};
        for (const auto& [number, face] : faces) {
            writer.Write(ResourceBitmap(number), mw::kWindowSize, [face](QPainter& p) {
                DrawWindow(p, Face::Normal);
                DrawRegionButtons(p, face);
            });
        }
    }
}

} // namespace qx71::skins
