// The write progress dialog: its background (also the bar's trough) and the bar's fill.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/config/ProgressDialogModel.h"

#include <string>

namespace qx71::skins {
namespace {

namespace pg = progress;

std::string PathOf(const char* name)
{
    return std::string(pg::kImageFolder) + "/" + name;
}

} // namespace

void DrawProgressSheets(SkinWriter& writer)
{
    writer.Write(PathOf(pg::kBackgroundImage), pg::kImageSize, [](QPainter& p) {
        const Size s = pg::kImageSize;
        p.fillRect(QRect(0, 0, s.width, s.height), Q(theme::kWell));
        p.fillRect(QRect(0, 0, s.width, 2), Q(theme::kAmber));
        p.setPen(QPen(Q(theme::kLine), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, s.width - 1.0, s.height - 1.0));
        const Rect bar = pg::kBarRect;
        p.setPen(QPen(Q(theme::kEdge), 1));
        p.setBrush(QColor(40, 44, 51));
        p.drawRect(QRectF(bar.left + 0.5, bar.top + 0.5, bar.Width() - 1.0, bar.Height() - 1.0));
    });
    const Rect bar = pg::kBarRect;
    writer.Write(PathOf(pg::kFillImage), {bar.Width(), bar.Height()}, [bar](QPainter& p) {
        QLinearGradient g(0, 0, 0, bar.Height());
        g.setColorAt(0, Q(theme::kAmberLight));
        g.setColorAt(1, Q(theme::kAmberDark));
        p.setPen(QPen(QColor(150, 96, 10), 1));
        p.setBrush(g);
        p.drawRect(QRectF(0.5, 0.5, bar.Width() - 1.0, bar.Height() - 1.0));
    });
}

} // namespace qx71::skins
