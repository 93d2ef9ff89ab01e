#pragma once

#include "core/widgets/Geometry.h"

#include <QLineEdit>
#include <QPixmap>

namespace qx71::gui {

// An edit box on a skin image (tiled as a pattern), in the kit's own font.
class CBitmapEdit : public QLineEdit {
    Q_OBJECT

public:
    CBitmapEdit(const Rect& rect, const QPixmap& background, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    void SetTextColour(const QColor& colour);
    void SetBackground(const QPixmap& background);

private:
    int id_;
};

} // namespace qx71::gui
