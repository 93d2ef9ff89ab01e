// The shaped buttons of the main window (a tab, a profile button and Apply) in each of their
// states, cut from the window's background with a little of it around them.
#include "Gallery.h"
#include "StateSheet.h"

#include "core/app/MainWindowGeometry.h"
#include "core/widgets/Geometry.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QPainter>

namespace qx71::gallery {
namespace {

namespace mw = mainwindow;

class Window : public QWidget {
public:
    explicit Window(const QPixmap& sheet) : sheet_(sheet) { setFixedSize(sheet.size()); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, sheet_); }

private:
    QPixmap sheet_;
};

const State<gui::CIrrButton> kIrrButtonStates[] = {
    {"normal", [](gui::CIrrButton&) {}},
    {"hover", [](gui::CIrrButton& b) { Hover(&b, b.rect().center()); }},
    {"pressed (held)", [](gui::CIrrButton& b) { Press(&b, b.rect().center()); }},
    {"selected", [](gui::CIrrButton& b) { b.SetSelected(true); }},
    {"disabled", [](gui::CIrrButton& b) { b.setEnabled(false); }},
    {"selected + disabled",
     [](gui::CIrrButton& b) {
         b.SetSelected(true);
         b.setEnabled(false);
     }},
};

struct Shape {
    const char* title;
    std::span<const Point> corners;
    const char* caption;
};

const RegisterScene kIrrButtons("irrbutton-states", [](Shots& shots) {
    UseChinese(false);
    const QPixmap background = gui::LoadSkin(mw::kSheetNormal);
    const mw::RegionSheets ids = mw::RegionSheetsFor(false);
    const QPixmap normal = gui::LoadResourceBitmap(ids.normal);
    const QPixmap hover = gui::LoadResourceBitmap(ids.hover);
    const QPixmap pressed = gui::LoadResourceBitmap(ids.pressed);
    const Shape shapes[] = {
        {"CIrrButton: tab", mw::kTabs[1], "Lighting"},
        {"CIrrButton: profile button", mw::kProfileButtons[0], "Profile 1"},
        {"CIrrButton: Apply", mw::kApplyButton, "Apply"},
    };
    StateSheet sheet;
    for (const Shape& shape : shapes) {
        sheet.AddRow(QString::fromUtf8(shape.title));
        for (const State<gui::CIrrButton>& state : kIrrButtonStates) {
            Window window(background);
            auto* button = new gui::CIrrButton(shape.corners, &window);
            button->SetSheets(normal, hover, pressed, background);
            button->SetCaption(QString::fromUtf8(shape.caption));
            sheet.Take(window, *button, state);
        }
    }
    shots.Save(QStringLiteral("irrbutton-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
