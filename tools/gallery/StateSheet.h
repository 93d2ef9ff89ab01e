#pragma once

#include "Gallery.h"

#include <QEvent>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace qx71::gallery {

// The dark panel the kit's controls sit on in the gallery.
class Panel : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override;
};

// Synthetic input sent straight to a widget, at a point of its own: what the window system
// would deliver, so the control reaches its state through its own event handlers.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons);
void Hover(QWidget* widget, QPoint at);
void Press(QWidget* widget, QPoint at);

// Shows the panel, lets it paint, and returns the part `area` of it.
QImage Capture(QWidget& panel, const QRect& area);

// A state of a control and how the scene brings the control into it.
template <typename Control> struct State {
    const char* name;
    std::function<void(Control&)> apply;
};

// The control's rectangle on its panel with a margin of the panel around it.
QRect Around(const QWidget& control);

// One picture of controls in their states: a row per control, its frames side by side, each
// captioned with the state it shows.
class StateSheet {
public:
    void AddRow(const QString& title);
    void Add(const QString& state, const QImage& frame);
    // Shows the panel, brings the control into the state and adds the part `area` of the panel
    // (the control with a margin when empty), captioned with the state's name and what
    // `detail` says of the control in it.
    template <typename Control>
    void Take(QWidget& panel, Control& control, const State<Control>& state,
              const std::function<QString(const Control&)>& detail = {}, QRect area = {})
    {
        panel.show();
        Settle();
        state.apply(control);
        Add(QString::fromUtf8(state.name) + (detail ? detail(control) : QString()),
            Capture(panel, area.isNull() ? Around(control) : area));
    }
    QImage Draw() const;

private:
    struct Frame {
        QString state;
        QImage image;
    };
    struct Row {
        QString title;
        std::vector<Frame> frames;
    };
    std::vector<Row> rows_;
};

} // namespace qx71::gallery
