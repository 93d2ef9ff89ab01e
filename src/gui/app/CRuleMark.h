#pragma once

#include <QWidget>

namespace qx71::gui {

// The dot on a profile button whose profile a rule chose. It takes no clicks: they reach the
// button beneath.
class CRuleMark final : public QWidget {
    Q_OBJECT

public:
    explicit CRuleMark(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qx71::gui
