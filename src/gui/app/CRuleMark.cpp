#include "gui/app/CRuleMark.h"

#include "core/widgets/KitColours.h"
#include "gui/widgets/QtConvert.h"

#include <QPainter>

namespace qx71::gui {

CRuleMark::CRuleMark(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CRuleMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Dark rim, blue fill: it shows on the graphite face and on the amber one alike.
    p.setPen(ToQColor(kitcolours::kTextPressed));
    p.setBrush(ToQColor(kitcolours::kAccentBlue));
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace qx71::gui
