#pragma once

#include "core/i18n/PageLabels.h"

#include <optional>
#include <string>

namespace qx71 {

// The three host pointer settings of a profile.
enum class PointerSetting { Speed, Precision, WheelLines };

// Which of the three settings the desktop in use keeps and follows. A setting it does not
// keep is still saved and sent with the profile, but changes nothing on this desktop.
struct PointerSupport {
    bool speed = false;
    bool precision = false;
    bool wheelLines = false;

    static constexpr PointerSupport All() { return {true, true, true}; }
    bool Has(PointerSetting setting) const;
    bool Any() const { return speed || precision || wheelLines; }
    bool operator==(const PointerSupport&) const = default;
};

// What the desktop holds now, as profile values; a setting it does not keep, or could not be
// read, is empty.
struct PointerValues {
    std::optional<int> speed;
    std::optional<bool> precision;
    std::optional<int> wheelLines; // lines per notch, or the one-screen value
};

// The note that tells the user a control changes nothing here; none when the setting is kept.
// A desktop that keeps none of them (a Wayland compositor without a known store) gets a note
// that says the desktop keeps them itself.
std::optional<PageLabel> PointerSettingNote(PointerSupport support, PointerSetting setting);

// The button page's two notes: one under the pointer speed and precision (the speed's note,
// else the precision's), one under the wheel controls.
struct PointerPageNotes {
    std::optional<PageLabel> pointer;
    std::optional<PageLabel> wheel;
};
PointerPageNotes PointerNotes(PointerSupport support);

// "speed, precision" style list of the kept settings for the command line; "none" when empty.
std::string PointerSupportList(PointerSupport support);

} // namespace qx71
