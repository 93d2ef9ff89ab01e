#include "gui/buttons/CSetting_SingleComboDlg.h"

#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"

#include <QPainter>

namespace qx71::gui {
namespace {

namespace kp = chooser::keypage;

constexpr const char* kModifierNames[kComboModifierCount] = {"Ctrl", "Alt", "Shift", "Win"};

} // namespace

CSetting_SingleComboDlg::CSetting_SingleComboDlg(KeyComboCapture& capture, QWidget* parent)
    : CSettingPage(chooser::kKeyPageSheets, parent), capture_(capture)
{
    for (size_t i = 0; i < kComboModifierCount; ++i) {
        boxes_[i] = NewButton(kp::kModifierBoxes[i], static_cast<int>(i));
        boxes_[i]->setAccessibleName(QString::fromLatin1(kModifierNames[i]));
        connect(boxes_[i], &CGDIBitmapBtn::clicked, this, [this](int id) {
            capture_.ClickBox(static_cast<ComboModifier>(id));
            ShowState();
        });
    }
    ShowState();
}

void CSetting_SingleComboDlg::OnHookKey(uint32_t virtualKey, uint32_t flags)
{
    capture_.OnHookKey(virtualKey, flags);
    ShowState();
}

void CSetting_SingleComboDlg::ShowState()
{
    for (size_t i = 0; i < kComboModifierCount; ++i) {
        boxes_[i]->SetChecked(capture_.Checked(static_cast<ComboModifier>(i)));
    }
    update();
}

std::vector<TextLayout> CSetting_SingleComboDlg::TextLayouts() const
{
    const QString name = ToQString(capture_.KeyText());
    if (name.isEmpty()) {
        return {};
    }
    return {LayOutChooserText(QStringLiteral("key name"), kp::kKeyNameText, name,
                              chooser::kKeyNameColour, Qt::AlignLeft)};
}

} // namespace qx71::gui
