#pragma once

namespace qx71 {

// The state images a bitmap button carries, and the text colours it draws its caption in.
enum class ButtonImage { Normal, Hover, Pressed, Disabled, Checked, CheckedHover };
enum class ButtonTextColour { Normal, Hover, Pressed, Disabled, DisabledMark };

struct ButtonState {
    bool enabled = true;
    bool hovering = false;
    bool pressed = false; // the left button is down on it
    bool checked = false;
    bool useCheckedImages = false;
    bool hasCheckedImage = false;
    bool hasCheckedHoverImage = false;
    // The disabled image is the normal one (the sheet has no disabled look of its own).
    bool disabledImageIsNormal = false;
};

struct ButtonLook {
    ButtonImage image = ButtonImage::Normal;
    ButtonTextColour text = ButtonTextColour::Normal;
    // Drawn under the disabled veil (kitcolours::kDisabledVeil), so a disabled button whose
    // sheet has no disabled face still looks disabled.
    bool veiled = false;
    // A dimmed frame in the mark colour: a selected region button that is disabled keeps
    // showing which one is selected.
    bool dimMark = false;
    friend constexpr bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// Which image and text colour a bitmap button shows in a state. A checked button that uses
// checked images, or a plain button while pressed, shows its pressed look (checked-hover
// while hovering when it has that sheet); then hover, disabled and normal in that order. A
// checked image that was never given falls back to the pressed one.
// A disabled button whose disabled image is its normal one is veiled.
ButtonLook ChooseButtonLook(const ButtonState& state);

// A region button (the main window's tabs, profile buttons and Apply).
struct RegionButtonState {
    bool enabled = true;
    bool hovering = false;
    bool pressed = false;
    bool selected = false;
};
// Disabled wins: the disabled image with the dimmed caption, and a selected one keeps a
// dimmed mark; then selected or pressed, hover and normal.
ButtonLook ChooseRegionLook(const RegionButtonState& state);

} // namespace qx71
