// The owner-drawn list with its icons: a row selected, an item being renamed in place, and
// the list disabled.
#include "Gallery.h"
#include "StateSheet.h"

#include "gui/widgets/CListBoxEx.h"

#include <QLineEdit>

namespace qx71::gallery {
namespace {

constexpr uint8_t kKeyUp = 2;
constexpr uint8_t kKeyDown = 3;
constexpr uint8_t kDelay = 4;

const State<gui::CListBoxEx> kListStates[] = {
    {"row 2 selected", [](gui::CListBoxEx& l) { l.setCurrentRow(1); }},
    {"row 3 in-place edit open",
     [](gui::CListBoxEx& l) {
         l.setCurrentRow(2);
         l.BeginEdit(2);
         if (QLineEdit* editor = l.Editor(); editor != nullptr) {
             editor->setText(QStringLiteral("Renamed"));
         }
     }},
    {"disabled (row 2 selected)",
     [](gui::CListBoxEx& l) {
         l.setCurrentRow(1);
         l.setEnabled(false);
     }},
};

const RegisterScene kLists("list-states", [](Shots& shots) {
    StateSheet sheet;
    sheet.AddRow(QStringLiteral("CListBoxEx (key down, delay and key up items with icons)"));
    for (const State<gui::CListBoxEx>& state : kListStates) {
        Panel panel;
        panel.resize(200, 140);
        auto* list = new gui::CListBoxEx(Rect{10, 10, 190, 130}, &panel);
        for (uint32_t i = 0; i < 2; ++i) {
            const QString key = QString(QChar('A' + static_cast<int>(i)));
            list->AddItem(key + QStringLiteral(" down"), kKeyDown, 0x41 + i);
            list->AddItem(QStringLiteral("%1 ms").arg(50 + i * 10), kDelay, 50 + i * 10);
            list->AddItem(key + QStringLiteral(" up"), kKeyUp, 0x41 + i);
        }
        sheet.Take(panel, *list, state);
    }
    shots.Save(QStringLiteral("list-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
