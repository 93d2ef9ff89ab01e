#include "gui/widgets/CSkinScrollBar.h"

#include "core/widgets/KitMessages.h"
#include "core/widgets/NineSlice.h"
#include "core/widgets/ScrollBarSheet.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

namespace sb = scrollbar;
namespace km = kitmessages;

} // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, const QPixmap& sheet, QWidget* parent,
                               int id)
    : QWidget(parent), id_(id), orientation_(orientation), sheet_(sheet)
{
    delay_.setObjectName(QStringLiteral("delay"));
    delay_.setSingleShot(true);
    delay_.setInterval(ScrollRepeat::kDelayMs);
    repeat_.setObjectName(QStringLiteral("repeat"));
    repeat_.setInterval(ScrollRepeat::kRepeatMs);
    connect(&delay_, &QTimer::timeout, this, [this] { Apply(repeatModel_.DelayElapsed()); });
    connect(&repeat_, &QTimer::timeout, this,
            [this] { Apply(repeatModel_.RepeatElapsed(overPressed_)); });
    setMouseTracking(true);
}

void CSkinScrollBar::SetRange(int minimum, int maximum, int page)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    page_ = std::max(0, page);
    position_ = std::clamp(position_, minimum_, maximum_);
    update();
}

void CSkinScrollBar::SetPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
    update();
}

int CSkinScrollBar::Along(QPoint p) const
{
    return orientation_ == Qt::Vertical ? p.y() : p.x();
}

int CSkinScrollBar::TrackLength() const
{
    const int length = orientation_ == Qt::Vertical ? height() : width();
    return std::max(0, length - 2 * sb::kBreadth);
}

QRect CSkinScrollBar::LineUpRect() const
{
    return QRect(0, 0, sb::kBreadth, sb::kBreadth);
}

QRect CSkinScrollBar::LineDownRect() const
{
    return orientation_ == Qt::Vertical
               ? QRect(0, height() - sb::kBreadth, sb::kBreadth, sb::kBreadth)
               : QRect(width() - sb::kBreadth, 0, sb::kBreadth, sb::kBreadth);
}

QRect CSkinScrollBar::ThumbRect() const
{
    const sb::Thumb t = sb::ThumbOf(TrackLength(), minimum_, maximum_, page_, position_);
    return orientation_ == Qt::Vertical ? QRect(0, sb::kBreadth + t.offset, width(), t.length)
                                        : QRect(sb::kBreadth + t.offset, 0, t.length, height());
}

CSkinScrollBar::Part CSkinScrollBar::PartAt(QPoint p) const
{
    if (!rect().contains(p)) {
        return Part::None;
    }
    if (LineUpRect().contains(p)) {
        return Part::LineUp;
    }
    if (LineDownRect().contains(p)) {
        return Part::LineDown;
    }
    const QRect thumb = ThumbRect();
    if (thumb.contains(p)) {
        return Part::Thumb;
    }
    return Along(p) < Along(thumb.topLeft()) ? Part::PageUp : Part::PageDown;
}

void CSkinScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const sb::Parts& parts = orientation_ == Qt::Vertical ? sb::kVertical : sb::kHorizontal;
    const auto draw = [&](const QRect& target, const Rect& source) {
        painter.drawPixmap(target, CutSheet(sheet_, source));
    };
    const QRect track = orientation_ == Qt::Vertical
                            ? QRect(0, sb::kBreadth, width(), TrackLength())
                            : QRect(sb::kBreadth, 0, TrackLength(), height());
    draw(track, parts.track);
    const bool upDown = pressed_ == Part::LineUp && overPressed_;
    const bool downDown = pressed_ == Part::LineDown && overPressed_;
    draw(LineUpRect(), upDown ? parts.lineUpPressed : parts.lineUp);
    draw(LineDownRect(), downDown ? parts.lineDownPressed : parts.lineDown);
    if (maximum_ > minimum_) {
        const QRect thumb = ThumbRect();
        const QPixmap image = CutSheet(sheet_, parts.thumb);
        for (const SlicePiece& piece :
             NineSlice({parts.thumb.Width(), parts.thumb.Height()}, {thumb.width(), thumb.height()},
                       sb::kThumbCorner)) {
            if (piece.target.Width() > 0 && piece.target.Height() > 0 && piece.source.Width() > 0 &&
                piece.source.Height() > 0) {
                painter.drawPixmap(ToQRect(piece.target).translated(thumb.topLeft()),
                                   CutSheet(image, piece.source));
            }
        }
    }
}

void CSkinScrollBar::Step()
{
    int code = km::kLineUp;
    int next = position_;
    switch (pressed_) {
    case Part::LineUp:
        next = position_ - 1;
        break;
    case Part::LineDown:
        code = km::kLineDown;
        next = position_ + 1;
        break;
    case Part::PageUp:
        code = km::kPageUp;
        next = position_ - std::max(1, page_);
        break;
    case Part::PageDown:
        code = km::kPageDown;
        next = position_ + std::max(1, page_);
        break;
    default:
        return;
    }
    SetPosition(next);
    Q_EMIT scrolled(code, position_, id_);
}

void CSkinScrollBar::Apply(const ScrollRepeat::Actions& actions)
{
    if (actions.stopTimers) {
        delay_.stop();
        repeat_.stop();
    }
    if (actions.step) {
        Step();
    }
    if (actions.startDelay) {
        delay_.start();
    }
    if (actions.startRepeat) {
        delay_.stop();
        repeat_.start();
    }
    if (actions.endScroll) {
        Q_EMIT scrolled(km::kEndScroll, position_, id_);
    }
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        return;
    }
    const QPoint p = event->position().toPoint();
    pressed_ = PartAt(p);
    overPressed_ = true;
    if (pressed_ == Part::Thumb) {
        dragOffset_ = Along(p) - Along(ThumbRect().topLeft());
        return;
    }
    if (pressed_ != Part::None) {
        Apply(repeatModel_.Press());
        update();
    }
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (pressed_ == Part::Thumb) {
        const int offset = Along(p) - dragOffset_ - sb::kBreadth;
        SetPosition(sb::PositionAt(TrackLength(), minimum_, maximum_, page_, offset));
        Q_EMIT scrolled(km::kThumbTrack, position_, id_);
        return;
    }
    if (pressed_ != Part::None) {
        const bool over = PartAt(p) == pressed_;
        if (over != overPressed_) {
            overPressed_ = over;
            update();
        }
    }
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || pressed_ == Part::None) {
        return;
    }
    const Part part = pressed_;
    pressed_ = Part::None;
    overPressed_ = false;
    if (part == Part::Thumb) {
        Q_EMIT scrolled(km::kThumbPosition, position_, id_);
        Q_EMIT scrolled(km::kEndScroll, position_, id_);
    } else {
        Apply(repeatModel_.Release());
    }
    update();
}

} // namespace qx71::gui
