#include "gui/widgets/CSkinScrollWnd.h"

#include "core/widgets/ScrollBarSheet.h"
#include "gui/widgets/CSkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace qx71::gui {
namespace {

namespace sb = scrollbar;

} // namespace

CSkinScrollWnd::CSkinScrollWnd(QWidget* parent) : QWidget(parent)
{
    sync_.setObjectName(QStringLiteral("sync"));
    sync_.setInterval(sb::kSyncMs);
    connect(&sync_, &QTimer::timeout, this, &CSkinScrollWnd::Sync);
}

void CSkinScrollWnd::Attach(QAbstractScrollArea* hosted, const QPixmap& sheet)
{
    hosted_ = hosted;
    if (QWidget* parent = hosted->parentWidget(); parent != nullptr && parent != this) {
        setParent(parent);
    }
    setGeometry(hosted->geometry());
    frame_ = new QWidget(this);
    frame_->setObjectName(QString::fromLatin1(sb::kFrameName));
    hosted->setParent(frame_);
    hosted->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hosted->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontal_ = new CSkinScrollBar(Qt::Horizontal, sheet, this, sb::kHorizontalBarId);
    vertical_ = new CSkinScrollBar(Qt::Vertical, sheet, this, sb::kVerticalBarId);
    const auto drive = [this](CSkinScrollBar* bar, QScrollBar* target) {
        connect(bar, &CSkinScrollBar::scrolled, this,
                [target](int, int position, int) { target->setValue(position); });
    };
    drive(horizontal_, hosted->horizontalScrollBar());
    drive(vertical_, hosted->verticalScrollBar());
    // The list's own scrolling (wheel, keys, a new selection) moves the bars at once.
    connect(hosted->verticalScrollBar(), &QScrollBar::valueChanged, this, &CSkinScrollWnd::Sync);
    connect(hosted->verticalScrollBar(), &QScrollBar::rangeChanged, this, &CSkinScrollWnd::Sync);
    connect(hosted->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CSkinScrollWnd::Sync);
    connect(hosted->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &CSkinScrollWnd::Sync);
    frame_->show();
    hosted->show();
    show();
    Sync();
    Layout();
    sync_.start();
}

void CSkinScrollWnd::Follow(CSkinScrollBar* bar, const QScrollBar* source)
{
    bar->SetRange(source->minimum(), source->maximum(), source->pageStep());
    bar->SetPosition(source->value());
}

void CSkinScrollWnd::Sync()
{
    if (hosted_ == nullptr) {
        return;
    }
    const QScrollBar* v = hosted_->verticalScrollBar();
    const QScrollBar* h = hosted_->horizontalScrollBar();
    Follow(vertical_, v);
    Follow(horizontal_, h);
    const bool needVertical = v->maximum() > v->minimum();
    const bool needHorizontal = h->maximum() > h->minimum();
    const bool changed = needVertical != showVertical_ || needHorizontal != showHorizontal_;
    if (needVertical != showVertical_) {
        showVertical_ = needVertical;
        Q_EMIT scrollStylesChanged(true, sb::kVerticalBarId);
    }
    if (needHorizontal != showHorizontal_) {
        showHorizontal_ = needHorizontal;
        Q_EMIT scrollStylesChanged(false, sb::kHorizontalBarId);
    }
    if (changed) {
        Layout();
    }
}

void CSkinScrollWnd::Layout()
{
    if (frame_ == nullptr || hosted_ == nullptr) {
        return;
    }
    const int w = width() - (showVertical_ ? sb::kBreadth : 0);
    const int h = height() - (showHorizontal_ ? sb::kBreadth : 0);
    frame_->setGeometry(0, 0, w, h);
    hosted_->setGeometry(0, 0, w, h);
    vertical_->setGeometry(w, 0, sb::kBreadth, h);
    vertical_->setVisible(showVertical_);
    horizontal_->setGeometry(0, h, w, sb::kBreadth);
    horizontal_->setVisible(showHorizontal_);
}

void CSkinScrollWnd::resizeEvent(QResizeEvent*)
{
    Layout();
}

} // namespace qx71::gui
