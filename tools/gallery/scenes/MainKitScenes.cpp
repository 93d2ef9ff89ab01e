// The main window's kit on its background: the small buttons, the tabs, the profile buttons
// and Apply in their states, the flag and the hint well, with the captions of three languages.
#include "Gallery.h"

#include "core/app/MainWindowGeometry.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace qx71::gallery {
namespace {

namespace mw = mainwindow;

struct Captions {
    const char* tag;
    bool chinese;
    int language;
    std::array<const char*, 5> tabs;
    const char* profile; // with %1 for the number
    const char* apply;
};

const Captions kLanguages[] = {
    {"en",
     false,
     2,
     {"Button settings", "Lighting", "Macro manager", "Statistics", "Support"},
     "Profile %1",
     "Apply"},
    {"zh", true, 1, {"按键设置", "灯光设置", "宏管理", "统计", "支持"}, "配置 %1", "应用"},
    {"ru",
     false,
     10,
     {"Настройка кнопок", "Подсветка", "Управление макросами", "Статистика", "Поддержка"},
     "Профиль %1",
     "Применить"},
};

class Background : public QWidget {
public:
    Background()
    {
        setFixedSize(gui::ToQSize(mw::kWindowSize));
        sheet_ = gui::LoadSkin(mw::kSheetNormal);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, sheet_); }

private:
    QPixmap sheet_;
};

void Move(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void PressAt(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void ShootWindow(Shots& shots, const Captions& c, bool disabledProfiles)
{
    UseChinese(c.chinese);
    Background window;
    const QPixmap normal = gui::LoadSkin(mw::kSheetNormal);
    const QPixmap down = gui::LoadSkin(mw::kSheetDown);
    const QPixmap over = gui::LoadSkin(mw::kSheetOver);
    const mw::RegionSheets ids = mw::RegionSheetsFor(c.chinese);
    const QPixmap rn = gui::LoadResourceBitmap(ids.normal);
    const QPixmap rh = gui::LoadResourceBitmap(ids.hover);
    const QPixmap rp = gui::LoadResourceBitmap(ids.pressed);

    std::vector<gui::CGDIBitmapBtn*> small;
    for (const Rect& r : {mw::kMinimiseButton, mw::kHideButton, mw::kLanguageButton}) {
        auto* b = new gui::CGDIBitmapBtn(r, &window);
        b->SetStateImages(normal, over, down, normal, r);
        small.push_back(b);
    }
    std::vector<gui::CIrrButton*> tabs;
    for (size_t i = 0; i < mw::kTabs.size(); ++i) {
        auto* b = new gui::CIrrButton(mw::kTabs[i], &window);
        b->SetSheets(rn, rh, rp, normal);
        b->SetCaption(QString::fromUtf8(c.tabs[i]));
        tabs.push_back(b);
    }
    std::vector<gui::CIrrButton*> profiles;
    for (size_t i = 0; i < mw::kProfileButtons.size(); ++i) {
        auto* b = new gui::CIrrButton(mw::kProfileButtons[i], &window);
        b->SetSheets(rn, rh, rp, normal);
        b->SetCaption(QString::fromUtf8(c.profile).arg(i + 1));
        b->setEnabled(!disabledProfiles);
        profiles.push_back(b);
    }
    auto* apply = new gui::CIrrButton(mw::kApplyButton, &window);
    apply->SetSheets(rn, rh, rp, normal);
    apply->SetCaption(QString::fromUtf8(c.apply));
    apply->setEnabled(!disabledProfiles);
    tabs[disabledProfiles ? 2 : 0]->SetSelected(true);
    profiles[0]->SetSelected(true);

    auto* flag = new QWidget(&window);
    flag->setGeometry(gui::ToQRect(mw::kFlagPicture));
    flag->setAutoFillBackground(true);
    QPalette palette;
    palette.setBrush(QPalette::Window,
                     gui::LoadResourceBitmap(skins::FlagBitmapOf(c.language))
                         .scaled(flag->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    flag->setPalette(palette);

    window.show();
    Settle();
    // Hover on the second tab, the minimise button and profile 3; a press on Apply.
    Move(tabs[1], tabs[1]->rect().center());
    Move(small[0], small[0]->rect().center());
    if (!disabledProfiles) {
        Move(profiles[2], profiles[2]->rect().center());
        PressAt(apply, apply->rect().center() + QPoint(10, 0));
        PressAt(small[1], small[1]->rect().center());
    }
    shots.Take(QStringLiteral("mainkit-%1%2").arg(c.tag).arg(disabledProfiles ? "-disabled" : ""),
               window);
    UseChinese(false);
}

const RegisterScene kMainKit("mainkit", [](Shots& shots) {
    for (const Captions& c : kLanguages) {
        ShootWindow(shots, c, false);
    }
    ShootWindow(shots, kLanguages[0], true);
});

// The flags of the twelve languages at both sizes, and the three icons.
const RegisterScene kFlags("flags", [](Shots& shots) {
    QImage sheet(12 * 48 + 16, 150, QImage::Format_ARGB32);
    sheet.fill(QColor(40, 44, 51));
    QPainter p(&sheet);
    for (int id = 1; id <= skins::kLanguageCount; ++id) {
        const int x = 8 + (id - 1) * 48;
        p.drawPixmap(x, 8, gui::LoadResourceBitmap(skins::FlagBitmapOf(id)));
        p.drawPixmap(x + 9, 40, gui::LoadResourceImage(skins::FlagIconOf(id)));
    }
    p.drawPixmap(8, 70, gui::LoadResourceImage(skins::kWindowIcon));
    p.drawPixmap(90, 80, gui::LoadResourceImage(skins::kExitIcon));
    p.drawPixmap(120, 80, gui::LoadResourceImage(skins::kConfigIcon));
    p.end();
    shots.Save(QStringLiteral("flags-icons"), sheet);
});

} // namespace
} // namespace qx71::gallery
