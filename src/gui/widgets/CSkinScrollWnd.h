#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAbstractScrollArea;
class QScrollBar;

namespace qx71::gui {

class CSkinScrollBar;

// A frame that hosts a list (any scroll area) and shows two skinned bars (100 horizontal,
// 101 vertical) in place of its own, which are turned off. Every 500 ms, and at once after
// a bar is used, the bars follow the hosted list's scroll state; a bar is shown only while
// there is something to scroll.
class CSkinScrollWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSkinScrollWnd(QWidget* parent);

    // Takes the list's place in its parent and hosts it.
    void Attach(QAbstractScrollArea* hosted, const QPixmap& sheet);
    CSkinScrollBar* HorizontalBar() const { return horizontal_; }
    CSkinScrollBar* VerticalBar() const { return vertical_; }
    QWidget* Frame() const { return frame_; }
    QTimer& SyncTimer() { return sync_; }
    void Sync();

Q_SIGNALS:
    // The 1124 notification: which bars the hosted list needs changed.
    void scrollStylesChanged(bool vertical, int barId);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();
    static void Follow(CSkinScrollBar* bar, const QScrollBar* source);

    QPointer<QAbstractScrollArea> hosted_;
    QWidget* frame_ = nullptr;
    CSkinScrollBar* horizontal_ = nullptr;
    CSkinScrollBar* vertical_ = nullptr;
    QTimer sync_;
    bool showVertical_ = false;
    bool showHorizontal_ = false;
};

} // namespace qx71::gui
