#pragma once

#include "core/widgets/KitColours.h"
#include "gui/widgets/QtConvert.h"
#include "support/gui/QtTestHelpers.h"

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include <gtest/gtest.h>

namespace qx71::test {

// A shown page of the given size holding one skinned button, and the sheets to cut it from.
template <typename Button> class SkinButtonFixture : public ::testing::Test {
protected:
    template <typename Shape>
    SkinButtonFixture(QSize page, const Shape& shape, int id) : button(shape, &parent, id)
    {
        parent.resize(page);
    }

    // Solid face colours, one per state, far from every text colour.
    static inline const QColor kNormal{60, 60, 160};
    static inline const QColor kHover{20, 120, 60};
    static inline const QColor kPressed{250, 200, 90};

    // A solid sheet the size of the page.
    QPixmap Sheet(const QColor& colour) const
    {
        QPixmap sheet(parent.size());
        sheet.fill(colour);
        return sheet;
    }

    int TextPixels(Rgb colour)
    {
        return CountNear(Drawn(button), button.rect(), gui::ToQColor(colour), 6);
    }

    QWidget parent;
    Button button;
};

} // namespace qx71::test
