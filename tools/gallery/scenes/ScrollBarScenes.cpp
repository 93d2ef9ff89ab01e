// The skinned scroll bar, vertical and horizontal: at rest, an arrow hovered, each arrow held
// down, the thumb dragged, and disabled.
#include "Gallery.h"
#include "StateSheet.h"

#include "core/widgets/ScrollBarSheet.h"
#include "gui/widgets/CSkinScrollBar.h"
#include "gui/widgets/Skins.h"

namespace qx71::gallery {
namespace {

namespace sb = scrollbar;

constexpr int kLength = 140;
constexpr int kScrollBarDrag = 30;

QPoint Ahead(const gui::CSkinScrollBar& bar, int by)
{
    return bar.Orientation() == Qt::Vertical ? QPoint(0, by) : QPoint(by, 0);
}

// A held arrow would repeat; the picture is of the moment after the press.
void Hold(gui::CSkinScrollBar& bar, QPoint at)
{
    Press(&bar, at);
    bar.DelayTimer().stop();
    bar.RepeatTimer().stop();
}

QString Position(const gui::CSkinScrollBar& bar)
{
    return QStringLiteral(", at %1").arg(bar.Position());
}

const State<gui::CSkinScrollBar> kScrollBarStates[] = {
    {"normal", [](gui::CSkinScrollBar&) {}},
    {"first arrow hovered", [](gui::CSkinScrollBar& b) { Hover(&b, b.LineUpRect().center()); }},
    {"first arrow held", [](gui::CSkinScrollBar& b) { Hold(b, b.LineUpRect().center()); }},
    {"last arrow held", [](gui::CSkinScrollBar& b) { Hold(b, b.LineDownRect().center()); }},
    {"thumb dragged (held)",
     [](gui::CSkinScrollBar& b) {
         const QPoint at = b.ThumbRect().center();
         Press(&b, at);
         SendMouse(&b, QEvent::MouseMove, at + Ahead(b, kScrollBarDrag), Qt::LeftButton);
     }},
    {"disabled", [](gui::CSkinScrollBar& b) { b.setEnabled(false); }},
};

const RegisterScene kScrollBars("scrollbar-states", [](Shots& shots) {
    const QPixmap skin = gui::LoadSkin(sb::kSheet);
    StateSheet sheet;
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        const bool vertical = orientation == Qt::Vertical;
        sheet.AddRow(vertical ? QStringLiteral("CSkinScrollBar, vertical (0..100, page 20, at 30)")
                              : QStringLiteral("CSkinScrollBar, horizontal"));
        for (const State<gui::CSkinScrollBar>& state : kScrollBarStates) {
            Panel panel;
            panel.resize(vertical ? sb::kBreadth + 20 : kLength + 20,
                         vertical ? kLength + 20 : sb::kBreadth + 20);
            auto* bar = new gui::CSkinScrollBar(orientation, skin, &panel);
            bar->setGeometry(10, 10, vertical ? sb::kBreadth : kLength,
                             vertical ? kLength : sb::kBreadth);
            bar->SetRange(0, 100, 20);
            bar->SetPosition(30);
            sheet.Take(panel, *bar, state, std::function(Position));
        }
    }
    shots.Save(QStringLiteral("scrollbar-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
