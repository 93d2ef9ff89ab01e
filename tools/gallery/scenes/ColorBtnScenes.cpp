// The colour swatch button in each of its states.
#include "Gallery.h"
#include "StateSheet.h"

#include "gui/widgets/CColorBtn.h"

namespace qx71::gallery {
namespace {

const State<gui::CColorBtn> kColorBtnStates[] = {
    {"normal", [](gui::CColorBtn&) {}},
    {"hover", [](gui::CColorBtn& b) { Hover(&b, b.rect().center()); }},
    {"pressed (held)", [](gui::CColorBtn& b) { Press(&b, b.rect().center()); }},
    {"disabled", [](gui::CColorBtn& b) { b.setEnabled(false); }},
};

const RegisterScene kColorButtons("colorbtn-states", [](Shots& shots) {
    StateSheet sheet;
    for (const QColor& colour : {QColor(255, 0, 0), QColor(255, 190, 0), QColor(12, 13, 16)}) {
        sheet.AddRow(QStringLiteral("CColorBtn %1").arg(colour.name()));
        for (const State<gui::CColorBtn>& state : kColorBtnStates) {
            Panel panel;
            panel.resize(60, 60);
            auto* button = new gui::CColorBtn(Rect{10, 10, 50, 50}, &panel);
            button->SetColour(colour);
            sheet.Take(panel, *button, state);
        }
    }
    shots.Save(QStringLiteral("colorbtn-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
