// Every control of the kit in its states on one panel: bitmap buttons (normal, hover,
// pressed, checked, disabled), colour swatches, the skinned edit, the list with its icons and
// an item being edited, a slider on its track, a progress bar and a hosted list with its
// skinned scroll bar. Each control's states one by one are in the *-states scenes.
#include "Gallery.h"
#include "StateSheet.h"

#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/ScrollBarSheet.h"
#include "core/widgets/SliderSkins.h"
#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CColorBtn.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/CPngHProgressBar.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/CPngHSliderBar.h"
#include "gui/widgets/CSkinScrollWnd.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace qx71::gallery {
namespace {

QLabel* Label(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(189, 189, 200);"));
    label->move(x, y);
    return label;
}

const RegisterScene kControls("controls", [](Shots& shots) {
    Panel panel;
    panel.resize(720, 420);
    const Rect ok = infobox::kOkButtonOkOnly;
    const QPixmap normal = gui::LoadResourceBitmap(1007);
    const QPixmap hover = gui::LoadResourceBitmap(1009);
    const QPixmap pressed = gui::LoadResourceBitmap(1005);
    const char* states[] = {"normal", "hover", "pressed", "checked", "disabled"};
    std::vector<gui::CGDIBitmapBtn*> buttons;
    for (int i = 0; i < 5; ++i) {
        const Rect at{20 + i * 80, 30, 20 + i * 80 + ok.Width(), 30 + ok.Height()};
        auto* b = new gui::CGDIBitmapBtn(at, &panel);
        b->SetStateImages(normal, hover, pressed, normal, ok);
        b->SetCheckedImages(pressed, hover, ok);
        b->SetCaption(QStringLiteral("OK"));
        Label(&panel, QString::fromLatin1(states[i]), at.left, at.bottom + 2);
        b->SetTextColours(gui::ToQColor(kitcolours::kSlateText), Qt::white, Qt::white);
        buttons.push_back(b);
    }
    Label(&panel, QStringLiteral("CGDIBitmapBtn"), 20, 8);
    buttons[3]->SetUseCheckedImages(true);
    buttons[3]->SetChecked(true);
    buttons[4]->setEnabled(false);

    Label(&panel, QStringLiteral("CColorBtn"), 440, 8);
    const QColor swatches[] = {QColor(255, 0, 0), QColor(0, 200, 80), QColor(0, 120, 255),
                               QColor(255, 190, 0)};
    std::vector<gui::CColorBtn*> colours;
    for (int i = 0; i < 4; ++i) {
        auto* c = new gui::CColorBtn(Rect{440 + i * 34, 32, 440 + i * 34 + 26, 58}, &panel);
        c->SetColour(swatches[i]);
        colours.push_back(c);
    }

    Label(&panel, QStringLiteral("CBitmapEdit"), 20, 86);
    QPixmap well(8, 8); // a tileable pattern, as the pages' edit images are
    well.fill(QColor(18, 20, 24));
    auto* edit = new gui::CBitmapEdit(Rect{20, 106, 220, 128}, well, &panel);
    edit->setText(QStringLiteral("1600 DPI / 宏 / Профиль"));

    Label(&panel, QStringLiteral("CListBoxEx + CSkinScrollWnd"), 20, 140);
    auto* list = new gui::CListBoxEx(Rect{20, 162, 260, 300}, &panel, 1001);
    for (int i = 0; i < 4; ++i) {
        const QString key = QStringLiteral("%1").arg(QChar('A' + i));
        list->AddItem(key + QStringLiteral(" down"), 3, 0x41 + static_cast<uint32_t>(i));
        list->AddItem(QStringLiteral("%1 ms").arg(50 + i * 10), 4,
                      50 + static_cast<uint32_t>(i) * 10);
        list->AddItem(key + QStringLiteral(" up"), 2, 0x41 + static_cast<uint32_t>(i));
    }
    list->setCurrentRow(1);
    auto* host = new gui::CSkinScrollWnd(&panel);
    host->Attach(list, gui::LoadSkin(scrollbar::kSheet));

    Label(&panel, QStringLiteral("CPngHSlider on CPngHSliderBar (1..5)"), 300, 80);
    auto* track = new gui::CPngHSliderBar(Rect{300, 116, 500, 124},
                                          gui::LoadSkin(sliderskins::kTrack), &panel);
    auto* thumb = new gui::CPngHSlider(gui::LoadSkin(sliderskins::kThumb),
                                       SliderTrack{300, 500, 14}, 110, &panel);
    thumb->SetRange(1, 5);
    thumb->SetValue(4);
    track->SetSlider(thumb);

    Label(&panel, QStringLiteral("CPngHProgressBar at 0, 42, 100"), 300, 150);
    const QPixmap fill = gui::LoadSkin("ProgressBar/Progress_Over.png");
    const QPixmap back = gui::LoadSkin("ProgressBar/Progress_Normal.png");
    const int values[] = {0, 42, 100};
    for (int i = 0; i < 3; ++i) {
        auto* bar = new gui::CPngHProgressBar(Rect{300, 176 + i * 20, 560, 185 + i * 20}, &panel);
        bar->SetImages(back, fill, Rect{35, 47, 295, 56});
        bar->SetValue(values[i]);
    }

    panel.show();
    Settle();
    // The list's second row is being renamed.
    list->BeginEdit(4);
    list->Editor()->setText(QStringLiteral("Renamed"));
    SendMouse(buttons[1], QEvent::MouseMove, {5, 5}, Qt::NoButton);
    SendMouse(buttons[2], QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    SendMouse(colours[1], QEvent::MouseMove, {5, 5}, Qt::NoButton);
    Settle();
    shots.Save(QStringLiteral("controls"), panel.grab().toImage());
});

} // namespace
} // namespace qx71::gallery
