#pragma once

namespace qx71 {

// The state images a bitmap button carries, and the text colours it draws its caption in.
enum class ButtonImage { Normal, Hover, Pressed, Disabled, Checked, CheckedHover };
enum class ButtonTextColour { Normal, Hover, Pressed, Disabled };

struct ButtonState {
    bool enabled = true;
    bool hovering = false;
    bool pressed = false; // the left button is down on it
    bool checked = false;
    bool useCheckedImages = false;
    bool hasCheckedImage = false;
    bool hasCheckedHoverImage = false;
};

struct ButtonLook {
    ButtonImage image = ButtonImage::Normal;
    ButtonTextColour text = ButtonTextColour::Normal;
    friend constexpr bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// Which image and text colour a bitmap button shows in a state. A checked button that uses
// checked images, or a plain button while pressed, shows its pressed look (checked-hover
// while hovering when it has that sheet); then hover, disabled and normal in that order. A
// checked image that was never given falls back to the pressed one.
ButtonLook ChooseButtonLook(const ButtonState& state);

} // namespace qx71
