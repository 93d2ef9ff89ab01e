// The skinned edit box normal, focused (with the caret and a selection) and disabled, with
// texts of three scripts.
#include "Gallery.h"
#include "StateSheet.h"

#include "gui/widgets/CBitmapEdit.h"

#include <QApplication>

namespace qx71::gallery {
namespace {

const State<gui::CBitmapEdit> kEditStates[] = {
    {"normal", [](gui::CBitmapEdit&) {}},
    {"focused, caret at the end",
     [](gui::CBitmapEdit& e) {
         e.activateWindow();
         e.setFocus(Qt::MouseFocusReason);
         e.end(false);
     }},
    {"focused, a word selected",
     [](gui::CBitmapEdit& e) {
         e.activateWindow();
         e.setFocus(Qt::MouseFocusReason);
         e.setSelection(0, 4);
     }},
    {"disabled", [](gui::CBitmapEdit& e) { e.setEnabled(false); }},
};

const RegisterScene kEdits("edit-states", [](Shots& shots) {
    QPixmap well(8, 8); // a tileable pattern, as the pages' edit images are
    well.fill(QColor(18, 20, 24));
    StateSheet sheet;
    for (const char* text : {"1600 DPI", "宏 编辑", "Профиль 1"}) {
        sheet.AddRow(QStringLiteral("CBitmapEdit \"%1\"").arg(QString::fromUtf8(text)));
        for (const State<gui::CBitmapEdit>& state : kEditStates) {
            Panel panel;
            panel.resize(200, 42);
            auto* edit = new gui::CBitmapEdit(Rect{10, 10, 190, 32}, well, &panel);
            edit->setText(QString::fromUtf8(text));
            edit->setCursorPosition(0);
            sheet.Take(panel, *edit, state);
        }
    }
    shots.Save(QStringLiteral("edit-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
