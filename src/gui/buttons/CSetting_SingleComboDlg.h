#pragma once

#include "core/buttons/KeyComboCapture.h"
#include "gui/buttons/CSettingPage.h"

#include <array>

namespace qx71::gui {

// The chooser's key page: four modifier boxes and the name of the captured key, fed by the
// keyboard hook through the chooser.
class CSetting_SingleComboDlg : public CSettingPage {
    Q_OBJECT

public:
    CSetting_SingleComboDlg(KeyComboCapture& capture, QWidget* parent);

    // The captured key's name.
    std::vector<TextLayout> TextLayouts() const override;

    // A key event of the hook.
    void OnHookKey(uint32_t virtualKey, uint32_t flags);
    void ShowState();

    CGDIBitmapBtn* ModifierBox(ComboModifier modifier) const
    {
        return boxes_[static_cast<size_t>(modifier)];
    }

private:
    KeyComboCapture& capture_;
    std::array<CGDIBitmapBtn*, kComboModifierCount> boxes_{};
};

} // namespace qx71::gui
