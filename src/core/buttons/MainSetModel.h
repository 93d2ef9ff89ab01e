#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/buttons/ChooserResult.h"
#include "core/buttons/MainSetGeometry.h"
#include "core/config/ProfileRecord.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qx71 {

class IMessageSink;
class MacroLibrary;

// The DPI values of the eight buttons, left to right.
inline constexpr std::array<int32_t, mainset::kDpiButtonCount> kDpiValues = {
    500, 750, 1000, 1250, 1500, 1750, 2000, 3000,
};
inline constexpr size_t kMaxDpiLevels = 3;

// The report-rate buttons, left to right: the rate shown and the interval the profile stores.
struct ReportRateChoice {
    int32_t hertz;
    int32_t interval;
};
inline constexpr std::array<ReportRateChoice, mainset::kRateButtonCount> kReportRates = {{
    {125, 8},
    {500, 2},
    {1000, 1},
}};

// Control ids the sliders report with their values.
inline constexpr int32_t kSpeedSliderId = 2560;
inline constexpr int32_t kSensorSliderId = 2562;
inline constexpr int32_t kLinesFieldId = 2563;
inline constexpr int32_t kPointerSpeedMin = 1;
inline constexpr int32_t kPointerSpeedMax = 20;
inline constexpr int32_t kSensorLevelMin = 1;
inline constexpr int32_t kSensorLevelMax = 30;
inline constexpr int32_t kWheelLinesMin = 1;
inline constexpr int32_t kWheelLinesMax = 30;
inline constexpr int32_t kWheelOneScreen = -1;

// The hint ids the page sends to the main window while the cursor is over a control.
namespace MainSetHover {
inline constexpr int kDpi = 12;
inline constexpr int kSpeed = 13;
inline constexpr int kAccuracy = 14;
inline constexpr int kSensor = 15;
inline constexpr int kRate = 16;
inline constexpr int kLines = 17;
inline constexpr int kScreen = 18;
inline constexpr int kDpiSection = 61;
inline constexpr int kSensorSection = 62;
inline constexpr int kRateSection = 63;
inline constexpr int kWheelSection = 64;
inline constexpr int kAssignSection = 65;
} // namespace MainSetHover

// Timers of the page.
inline constexpr int kSpotTimerId = 17;
inline constexpr int kSpotTimerMs = 200;
inline constexpr int kNormaliseTimerId = 152;
inline constexpr int kNormaliseTimerMs = 4000;

// The hint ids under a point of the page, in the order of the page's hover table (several
// controls may match). Each control's rectangle is grown by one pixel.
std::vector<int> MainSetHoverIds(Point pagePoint, bool chineseUi);

enum class AssignOutcome {
    Stored,
    Cancelled,
    LeftClickRefused, // the last input with Click would lose it
    SniperRefused,    // the sniper function on a wheel direction
};

// Runs the chooser for an input with its current display name; nullopt when it was cancelled.
using ChooserRunner =
    std::function<std::optional<ChooserResult>(ButtonIndex button, const std::u16string& name)>;
// The name of the first macro slot holding an id; nullopt when none does.
using MacroNameLookup = std::function<std::optional<std::u16string>(uint32_t id)>;
// The lookup over the macros of Macro.cfg; the library must outlive it.
MacroNameLookup LibraryMacroNames(const MacroLibrary& library);

// The button assignment page without its window: the state of every control and every rule,
// working directly on the profile in use and its macro ids. Nothing is saved or sent here.
class MainSetModel {
public:
    MainSetModel(ProfileRecord& profile, std::array<uint32_t, kProfileButtons>& macroIds,
                 IMessageSink& messages, std::function<bool()> chineseUi,
                 MacroNameLookup macroName);

    // Sets every control from the profile.
    void RefreshFromProfile();

    // A click on DPI button `index`: one to three buttons stay checked, and the profile's DPI
    // stages are the checked values in button order.
    void ClickDpi(size_t index);
    // Checks exactly these values (one to three distinct DPI values) and stores them as above.
    // False, changing nothing, for any other set.
    bool SetDpiLevels(std::span<const int32_t> values);

    // The sliders' message: a new value from the slider with `controlId`.
    void OnSliderMessage(int32_t value, int32_t controlId);
    void ClickAccuracy();
    void ClickReportRate(size_t index);

    void ClickLinesButton();
    void ClickScreenButton();
    void ClickUpArrow();
    void ClickDownArrow();
    // What the user typed into the lines field (the view keeps the model's text in step).
    void SetLinesFieldText(std::u16string text);
    // Cleans the field's text to a number of 1..30 and stores it.
    void NormaliseScrollLines();
    // Timer 152.
    void OnNormaliseTimer();

    // A click on tab `button`: runs the chooser and stores its result under the page's rules.
    AssignOutcome AssignButton(ButtonIndex button, const ChooserRunner& runChooser);
    // The same in two halves, for a chooser that does not block: BeginAssign selects the tab
    // and gives the name to open the chooser with; FinishAssign takes what it gave (nullopt
    // for a cancel) and applies the rules. A FinishAssign without an open assignment does
    // nothing.
    std::u16string BeginAssign(ButtonIndex button);
    AssignOutcome FinishAssign(const std::optional<ChooserResult>& result);

    // Timer 17: lights the spot of the tab under the cursor (page coordinates) while the main
    // window has the foreground.
    void UpdateSpots(Point cursor, bool mainWindowForeground);

    bool DpiChecked(size_t index) const { return dpiChecked_[index]; }
    int32_t SpeedSliderValue() const { return speedSlider_; }
    int32_t SensorSliderValue() const { return sensorSlider_; }
    bool AccuracyChecked() const { return accuracyChecked_; }
    bool RateChecked(size_t index) const { return rateChecked_[index]; }
    bool LinesChecked() const { return linesChecked_; }
    bool ScreenChecked() const { return screenChecked_; }
    // The arrows and the field.
    bool LinesControlsEnabled() const { return linesEnabled_; }
    int32_t LinesValue() const { return linesValue_; }
    const std::u16string& LinesFieldText() const { return linesText_; }
    bool TabHighlighted(ButtonIndex button) const { return highlighted_[ToIndex(button)]; }
    bool SpotChecked(ButtonIndex button) const { return spots_[ToIndex(button)]; }
    const ProfileRecord& Profile() const { return profile_; }
    // The input whose chooser is open; -1 otherwise.
    int SelectedTab() const { return selectedTab_; }

private:
    void RebuildDpiStages();
    void SetLinesValue(int32_t value);
    void HighlightTab(size_t button);
    bool ChineseUi() const;
    void ShowRuleMessage(std::u16string_view chinese, std::u16string_view english);
    void Store(size_t button, const ChooserResult& result);

    ProfileRecord& profile_;
    std::array<uint32_t, kProfileButtons>& macroIds_;
    IMessageSink& messages_;
    std::function<bool()> chineseUi_;
    MacroNameLookup macroName_;

    std::array<bool, mainset::kDpiButtonCount> dpiChecked_{};
    int32_t speedSlider_ = kPointerSpeedMin;
    int32_t sensorSlider_ = kSensorLevelMin;
    bool accuracyChecked_ = false;
    std::array<bool, mainset::kRateButtonCount> rateChecked_{};
    bool linesChecked_ = false;
    bool screenChecked_ = false;
    bool linesEnabled_ = true;
    int32_t linesValue_ = 1;
    std::u16string linesText_;
    std::array<bool, kButtonCount> highlighted_{};
    std::array<bool, kButtonCount> spots_{};
    int selectedTab_ = -1;
};

} // namespace qx71
