#include "core/widgets/ButtonLook.h"

namespace qx71 {

ButtonLook ChooseButtonLook(const ButtonState& s)
{
    const bool showsChecked = s.useCheckedImages && s.checked;
    const bool plainPress = !s.useCheckedImages && s.pressed && s.enabled;
    if (showsChecked || plainPress) {
        if (plainPress) {
            return {ButtonImage::Pressed, ButtonTextColour::Pressed};
        }
        if (s.hovering && s.hasCheckedHoverImage) {
            return {ButtonImage::CheckedHover, ButtonTextColour::Pressed};
        }
        return {s.hasCheckedImage ? ButtonImage::Checked : ButtonImage::Pressed,
                ButtonTextColour::Pressed};
    }
    if (s.hovering && s.enabled) {
        return {ButtonImage::Hover, ButtonTextColour::Hover};
    }
    if (!s.enabled) {
        return {ButtonImage::Disabled, ButtonTextColour::Disabled, s.disabledImageIsNormal};
    }
    return {ButtonImage::Normal, ButtonTextColour::Normal};
}

ButtonLook ChooseRegionLook(const RegionButtonState& s)
{
    if (!s.enabled) {
        return s.selected
                   ? ButtonLook{ButtonImage::Disabled, ButtonTextColour::DisabledMark, false, true}
                   : ButtonLook{ButtonImage::Disabled, ButtonTextColour::Disabled};
    }
    if (s.selected || s.pressed) {
        return {ButtonImage::Pressed, ButtonTextColour::Pressed};
    }
    if (s.hovering) {
        return {ButtonImage::Hover, ButtonTextColour::Hover};
    }
    return {ButtonImage::Normal, ButtonTextColour::Normal};
}

} // namespace qx71
