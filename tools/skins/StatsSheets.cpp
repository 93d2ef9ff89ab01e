// The statistics page: its three sheets (page size) and the large trophy picture of each
// level. The row names, numbers and the reset caption are drawn by the page.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/stats/StatsPageGeometry.h"
#include "core/stats/StatsPaint.h"
#include "gui/widgets/SkinFont.h"

#include <QPainterPath>

namespace qx71::skins {
namespace {

constexpr int kLevels = stats::kSmallTrophyCount;

// From bronze at level 0 through silver to gold at level 12.
QColor TrophyColour(int level)
{
    const QColor bronze(176, 112, 60);
    const QColor silver(196, 202, 210);
    const QColor gold(Q(theme::kAmberLight));
    const int half = (kLevels - 1) / 2;
    const QColor& from = level <= half ? bronze : silver;
    const QColor& to = level <= half ? silver : gold;
    const double t = level <= half ? level / double(half) : (level - half) / double(half);
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t);
}

// A cup filling `r`: bowl, handles, stem and base.
void DrawCup(QPainter& p, const QRectF& r, const QColor& metal)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = r.width();
    const double h = r.height();
    const double cx = r.center().x();
    QLinearGradient shine(r.left(), 0, r.right(), 0);
    shine.setColorAt(0, metal.darker(150));
    shine.setColorAt(0.35, metal.lighter(125));
    shine.setColorAt(1, metal.darker(170));
    p.setPen(QPen(metal.darker(220), std::max(1.0, w / 60)));
    p.setBrush(shine);
    // Handles behind the bowl.
    const double handle = w * 0.16;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(metal.darker(130), std::max(1.5, w / 22)));
    p.drawArc(QRectF(cx - w * 0.42, r.top() + h * 0.08, handle * 1.6, h * 0.32), 90 * 16, 180 * 16);
    p.drawArc(QRectF(cx + w * 0.42 - handle * 1.6, r.top() + h * 0.08, handle * 1.6, h * 0.32),
              -90 * 16, 180 * 16);
    p.setPen(QPen(metal.darker(220), std::max(1.0, w / 60)));
    p.setBrush(shine);
    QPainterPath bowl;
    bowl.moveTo(cx - w * 0.32, r.top() + h * 0.06);
    bowl.lineTo(cx + w * 0.32, r.top() + h * 0.06);
    bowl.cubicTo(cx + w * 0.32, r.top() + h * 0.42, cx + w * 0.12, r.top() + h * 0.55,
                 cx + w * 0.06, r.top() + h * 0.58);
    bowl.lineTo(cx - w * 0.06, r.top() + h * 0.58);
    bowl.cubicTo(cx - w * 0.12, r.top() + h * 0.55, cx - w * 0.32, r.top() + h * 0.42,
                 cx - w * 0.32, r.top() + h * 0.06);
    p.drawPath(bowl);
    p.drawRect(QRectF(cx - w * 0.05, r.top() + h * 0.58, w * 0.10, h * 0.18));
    p.drawRoundedRect(QRectF(cx - w * 0.22, r.top() + h * 0.76, w * 0.44, h * 0.08), 2, 2);
    p.drawRoundedRect(QRectF(cx - w * 0.30, r.top() + h * 0.84, w * 0.60, h * 0.10), 2, 2);
    p.restore();
}

QRectF RectF(const Rect& r)
{
    return QRectF(r.left, r.top, r.Width(), r.Height());
}

// The numbers' wells on the left.
void DrawValueWells(QPainter& p)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        // One well wide enough for both layouts.
        const Rect english = stats::ValueBox(row, false);
        const Rect chinese = stats::ValueBox(row, true);
        p.drawRoundedRect(QRectF(english.left - 6.5, english.top - 1.5,
                                 chinese.right - english.left + 13.0, english.Height() + 3.0),
                          3, 3);
    }
    p.restore();
}

void DrawStatsPage(QPainter& p, Face face)
{
    const Size size = stats::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kWindowBottom));
    p.drawRoundedRect(QRectF(12.5, 8.5, 285, 434), 4, 4);
    p.drawRoundedRect(QRectF(619.5, 8.5, 294, 434), 4, 4);
    // Lines between the click, wheel and distance groups.
    p.fillRect(QRect(24, 226, 262, 1), Q(theme::kLine));
    p.fillRect(QRect(24, 360, 262, 1), Q(theme::kLine));
    DrawValueWells(p);

    // The large picture's place (the page shows the level's picture over it).
    p.fillRect(QRect(stats::kLargeTrophy.left, stats::kLargeTrophy.top, stats::kLargeTrophy.Width(),
                     stats::kLargeTrophy.Height()),
               Q(theme::kWindowBottom));

    // The strip: a groove in the normal sheet, amber when pressed (earned), lighter on hover.
    const QRectF strip = RectF(stats::kStripFull);
    if (face == Face::Normal) {
        p.setPen(QPen(Q(theme::kEdge), 1));
        p.setBrush(Q(theme::kWell));
        p.drawRect(strip.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        QLinearGradient fill(strip.topLeft(), strip.topRight());
        const QColor amber = face == Face::Hover ? Q(theme::kAmberLight) : Q(theme::kAmber);
        fill.setColorAt(0, amber.darker(160));
        fill.setColorAt(1, amber);
        p.fillRect(strip, fill);
    }
    // The place of the strip before its first drawing.
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(RectF(stats::kStripCreated).adjusted(-1.5, -1.5, 0.5, 3.5));

    // Small trophies: grey and unearned in the normal sheet, metal in the others.
    p.setFont(gui::ShellDlgFont(11));
    for (int i = 0; i < kLevels; ++i) {
        const Rect r = stats::SmallTrophy(i);
        const QRectF cup(r.left + 4, r.top + 2, r.Width() - 8, r.Height() - 16);
        const bool earned = face != Face::Normal;
        DrawCup(p, cup, earned ? TrophyColour(i) : QColor(70, 75, 84));
        p.setPen(earned ? Q(theme::kAmberLight) : Q(theme::kGlyph));
        p.drawText(QRect(r.left, r.bottom - 14, r.Width(), 14), Qt::AlignCenter,
                   QString::number(i + 1));
    }

    // The reset button's face; the page writes its caption.
    DrawFace(p, stats::kResetButton, face);
}

void DrawLargeTrophy(QPainter& p, int level)
{
    const Rect& area = stats::kLargeTrophy;
    const QRectF all(0, 0, area.Width(), area.Height());
    QRadialGradient glow(all.center().x(), all.height() * 0.4, all.width() * 0.7);
    glow.setColorAt(0, QColor(60, 52, 36).lighter(100 + 8 * level));
    glow.setColorAt(1, Q(theme::kWindowBottom));
    p.fillRect(all, glow);
    DrawCup(
        p, QRectF(all.width() * 0.14, all.height() * 0.12, all.width() * 0.72, all.height() * 0.62),
        TrophyColour(level));
    // The level under the cup, with one star per earned trophy up to the strip's thirteen.
    QFont big = gui::ShellDlgFont(40);
    big.setWeight(QFont::Bold);
    p.setFont(big);
    p.setPen(TrophyColour(level));
    p.drawText(QRectF(0, all.height() * 0.77, all.width(), 56), Qt::AlignCenter,
               QString::number(level + 1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double pitch = all.width() / (kLevels + 1);
    for (int i = 0; i < kLevels; ++i) {
        p.setBrush(i <= level ? Q(theme::kAmber) : QColor(58, 63, 72));
        p.drawEllipse(QPointF(pitch * (i + 1), all.height() * 0.93), 4, 4);
    }
}

} // namespace

void DrawStatsSheets(SkinWriter& writer)
{
    writer.Write(stats::kSheetNormal, stats::kPageSize,
                 [](QPainter& p) { DrawStatsPage(p, Face::Normal); });
    writer.Write(stats::kSheetDown, stats::kPageSize,
                 [](QPainter& p) { DrawStatsPage(p, Face::Pressed); });
    writer.Write(stats::kSheetOver, stats::kPageSize,
                 [](QPainter& p) { DrawStatsPage(p, Face::Hover); });
    const Size trophy{stats::kLargeTrophy.Width(), stats::kLargeTrophy.Height()};
    for (int level = 0; level < kLevels; ++level) {
        writer.Write(TrophyPictureFile(level), trophy,
                     [level](QPainter& p) { DrawLargeTrophy(p, level); });
    }
}

} // namespace qx71::skins
