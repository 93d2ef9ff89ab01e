#pragma once

#include "core/i18n/LanguageTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

class UiStrings;

// The words the pages and the secondary windows draw beside their controls.
enum class PageLabel : size_t {
    // The button page: section titles, slider ends, the wheel buttons and the tabs.
    DpiSection,
    SpeedSection,
    SensorSection,
    RateSection,
    WheelSection,
    ButtonsSection,
    SlowMark,
    FastMark,
    LowMark,
    HighMark,
    Accuracy,
    LinesButton,
    ScreenButton,
    TabLeft,
    TabMiddle,
    TabRight,
    TabForward,
    TabBack,
    TabWheelUp,
    TabWheelDown,
    // The statistics page: the value rows and the distance's unit.
    LeftClicks,
    MiddleClicks,
    RightClicks,
    AllClicks,
    WheelForward,
    WheelBackward,
    AllWheelSteps,
    Distance,
    DistanceUnit,
    // The macro page's record button.
    StartRecord,
    StopRecord,
    // The progress dialog of a firmware update.
    UpdateInProgress,
    // The button page's notes on pointer settings that the desktop in use does not follow.
    NoteSettingNotUsed,
    NoteDesktopKeepsSettings,
    Count
};
inline constexpr size_t kPageLabelCount = static_cast<size_t>(PageLabel::Count);
inline constexpr size_t kLanguageCount = std::size(kLanguages);

// One label: the language-file key that gives it (empty when no file has one) and the built-in
// texts in the order of kLanguages. A language file's text wins over the built-in one; an empty
// built-in text falls back to the English one.
struct PageLabelEntry {
    std::string_view name;
    std::string_view stringKey;
    std::array<std::u16string_view, kLanguageCount> texts;
};
extern const std::array<PageLabelEntry, kPageLabelCount> kPageLabels;

struct ResolvedLabel {
    std::u16string text;
    bool fellBack = false; // neither the language file nor the table had it: English shown
};

// The text of a label in `language` (1 to 12; any other number shows English), taking the
// loaded language file's text where the label has a key and the file gives it.
ResolvedLabel ResolveLabel(PageLabel label, LanguageId language, const UiStrings& strings);
std::u16string LabelText(PageLabel label, LanguageId language, const UiStrings& strings);

} // namespace qx71
