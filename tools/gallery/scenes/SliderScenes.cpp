// The slider's thumb on its track: at rest, pressed, dragged along the track, and disabled.
#include "Gallery.h"
#include "StateSheet.h"

#include "core/widgets/SliderSkins.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/CPngHSliderBar.h"
#include "gui/widgets/Skins.h"

namespace qx71::gallery {
namespace {

namespace ss = sliderskins;

constexpr Rect kTrack{10, 16, 10 + ss::kTrackSize.width, 16 + ss::kTrackSize.height};
constexpr int kThumbTop = 10;
constexpr int kSliderDrag = 60;

QString Value(const gui::CPngHSlider& thumb)
{
    return QStringLiteral(", value %1").arg(thumb.Value());
}

const State<gui::CPngHSlider> kSliderStates[] = {
    {"normal", [](gui::CPngHSlider&) {}},
    {"pressed (held)", [](gui::CPngHSlider& t) { Press(&t, t.rect().center()); }},
    {"dragged 60 px right (held)",
     [](gui::CPngHSlider& t) {
         const QPoint at = t.rect().center();
         Press(&t, at);
         SendMouse(&t, QEvent::MouseMove, at + QPoint(kSliderDrag, 0), Qt::LeftButton);
     }},
    {"disabled",
     [](gui::CPngHSlider& t) {
         t.setEnabled(false);
         if (QWidget* track = t.parentWidget()->findChild<gui::CPngHSliderBar*>(); track) {
             track->setEnabled(false);
         }
     }},
};

const RegisterScene kSliders("slider-states", [](Shots& shots) {
    StateSheet sheet;
    sheet.AddRow(QStringLiteral("CPngHSlider on CPngHSliderBar (range 1..5)"));
    for (const State<gui::CPngHSlider>& state : kSliderStates) {
        Panel panel;
        panel.resize(kTrack.right + 10, 40);
        auto* track = new gui::CPngHSliderBar(kTrack, gui::LoadSkin(ss::kTrack), &panel);
        auto* thumb = new gui::CPngHSlider(
            gui::LoadSkin(ss::kThumb), SliderTrack{kTrack.left, kTrack.right, ss::kThumbSize.width},
            kThumbTop, &panel);
        thumb->SetRange(1, 5);
        thumb->SetValue(2);
        track->SetSlider(thumb);
        sheet.Take(panel, *thumb, state, std::function(Value), panel.rect());
    }
    shots.Save(QStringLiteral("slider-states"), sheet.Draw());
});

} // namespace
} // namespace qx71::gallery
