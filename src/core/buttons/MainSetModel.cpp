#include "core/buttons/MainSetModel.h"

#include "core/buttons/ButtonDefaults.h"
#include "core/buttons/ButtonFunction.h"
#include "core/buttons/ComboText.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/HostActionPage.h"
#include "core/buttons/NameTranslation.h"
#include "core/common/IMessageSink.h"
#include "core/config/FixedText.h"
#include "core/macro/MacroLibrary.h"

#include <algorithm>

namespace qx71 {

namespace {

// DPI stages looked at when the buttons are set from a profile.
constexpr size_t kDpiStagesShown = 5;

constexpr std::u16string_view kLeftClickChinese = u"请保留至少一个键为\"单击\"功能!";
constexpr std::u16string_view kLeftClickEnglish =
    u"At least one button must be configured as 'Left click'!";
constexpr std::u16string_view kSniperChinese = u"此按键不可使用狙击功能!";
constexpr std::u16string_view kSniperEnglish = u"This key can not use the sniper function!";

std::u16string Decimal(int32_t value)
{
    std::u16string text;
    for (const char c : std::to_string(value)) {
        text += static_cast<char16_t>(c);
    }
    return text;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

struct HoverArea {
    Rect rect;
    int id;
};

} // namespace

std::vector<int> MainSetHoverIds(Point pagePoint, bool chineseUi)
{
    using namespace mainset;
    const WheelLayout& wheel = WheelLayoutFor(chineseUi);
    std::vector<HoverArea> areas;
    for (size_t i = 0; i < kDpiButtonCount; ++i) {
        areas.push_back({DpiButton(i), MainSetHover::kDpi});
    }
    areas.push_back({kSpeedTrack, MainSetHover::kSpeed});
    areas.push_back({kAccuracyButton, MainSetHover::kAccuracy});
    areas.push_back({kSensorTrack, MainSetHover::kSensor});
    for (const Rect& r : kRateButtons) {
        areas.push_back({r, MainSetHover::kRate});
    }
    areas.push_back({wheel.linesButton, MainSetHover::kLines});
    areas.push_back({wheel.screenButton, MainSetHover::kScreen});
    const int sectionIds[kSectionCount] = {
        MainSetHover::kDpiSection,  MainSetHover::kSpeed,        MainSetHover::kSensorSection,
        MainSetHover::kRateSection, MainSetHover::kWheelSection, MainSetHover::kAssignSection,
    };
    for (size_t i = 0; i < kSectionCount; ++i) {
        areas.push_back({kSectionCaptions[i], sectionIds[i]});
    }
    for (const Quad& tab : kTabs) {
        areas.push_back({BoundingRect(tab), MainSetHover::kAssignSection});
    }

    std::vector<int> ids;
    for (const HoverArea& area : areas) {
        if (area.rect.Grown(1).Contains(pagePoint)) {
            ids.push_back(area.id);
        }
    }
    return ids;
}

MacroNameLookup LibraryMacroNames(const MacroLibrary& library)
{
    return [&library](uint32_t id) -> std::optional<std::u16string> {
        const std::optional<MacroRecord> record = library.FindMacro(id);
        if (!record) {
            return std::nullopt;
        }
        return MacroNameOf(*record);
    };
}

MainSetModel::MainSetModel(ProfileRecord& profile, std::array<uint32_t, kProfileButtons>& macroIds,
                           IMessageSink& messages, std::function<bool()> chineseUi,
                           MacroNameLookup macroName)
    : profile_(profile), macroIds_(macroIds), messages_(messages), chineseUi_(std::move(chineseUi)),
      macroName_(std::move(macroName))
{
}

void MainSetModel::RefreshFromProfile()
{
    for (size_t i = 0; i < mainset::kDpiButtonCount; ++i) {
        const auto shown = profile_.dpiStages.begin() + kDpiStagesShown;
        dpiChecked_[i] = std::find(profile_.dpiStages.begin(), shown, kDpiValues[i]) != shown;
    }

    speedSlider_ = profile_.pointerSpeed;
    sensorSlider_ = profile_.sheightLevel;
    accuracyChecked_ = profile_.pointerPrecision == 1;

    for (size_t i = 0; i < mainset::kRateButtonCount; ++i) {
        rateChecked_[i] = profile_.reportRate == kReportRates[i].interval;
    }

    const bool screen = profile_.wheelLines == kWheelOneScreen;
    linesChecked_ = !screen;
    screenChecked_ = screen;
    linesEnabled_ = !screen;
    linesValue_ = screen ? 1 : profile_.wheelLines;

    for (size_t i = 0; i < kButtonCount; ++i) {
        HighlightTab(i);
    }
    linesText_ = Decimal(linesValue_);
}

void MainSetModel::ClickDpi(size_t index)
{
    if (index >= mainset::kDpiButtonCount) {
        return;
    }
    const auto checked =
        static_cast<size_t>(std::count(dpiChecked_.begin(), dpiChecked_.end(), true));
    // A profile from elsewhere may hold more levels than three; such a set can only shrink.
    if (checked >= kMaxDpiLevels) {
        dpiChecked_[index] = false;
    } else if (!dpiChecked_[index]) {
        dpiChecked_[index] = true;
    } else if (checked > 1) {
        dpiChecked_[index] = false;
    }
    RebuildDpiStages();
}

bool MainSetModel::SetDpiLevels(std::span<const int32_t> values)
{
    if (values.empty() || values.size() > kMaxDpiLevels) {
        return false;
    }
    std::array<bool, mainset::kDpiButtonCount> wanted{};
    for (const int32_t value : values) {
        const auto it = std::find(kDpiValues.begin(), kDpiValues.end(), value);
        if (it == kDpiValues.end()) {
            return false;
        }
        bool& slot = wanted[static_cast<size_t>(it - kDpiValues.begin())];
        if (slot) {
            return false;
        }
        slot = true;
    }
    dpiChecked_ = wanted;
    RebuildDpiStages();
    return true;
}

void MainSetModel::RebuildDpiStages()
{
    profile_.dpiStages.fill(0);
    size_t stage = 0;
    for (size_t i = 0; i < mainset::kDpiButtonCount; ++i) {
        if (dpiChecked_[i]) {
            profile_.dpiStages[stage++] = kDpiValues[i];
        }
    }
}

void MainSetModel::OnSliderMessage(int32_t value, int32_t controlId)
{
    if (controlId == kSpeedSliderId) {
        speedSlider_ = value;
        profile_.pointerSpeed = value;
    } else if (controlId == kSensorSliderId) {
        sensorSlider_ = value;
        profile_.sheightLevel = value;
    }
}

void MainSetModel::ClickAccuracy()
{
    accuracyChecked_ = !accuracyChecked_;
    profile_.pointerPrecision = accuracyChecked_ ? 1 : 0;
}

void MainSetModel::ClickReportRate(size_t index)
{
    if (index >= mainset::kRateButtonCount) {
        return;
    }
    rateChecked_.fill(false);
    rateChecked_[index] = true;
    profile_.reportRate = kReportRates[index].interval;
}

void MainSetModel::ClickLinesButton()
{
    linesChecked_ = true;
    screenChecked_ = false;
    linesEnabled_ = true;
    profile_.wheelLines = linesValue_;
}

void MainSetModel::ClickScreenButton()
{
    screenChecked_ = true;
    linesChecked_ = false;
    linesEnabled_ = false;
    profile_.wheelLines = kWheelOneScreen;
}

void MainSetModel::ClickUpArrow()
{
    SetLinesValue(linesValue_ < kWheelLinesMax ? linesValue_ + 1 : kWheelLinesMax);
}

void MainSetModel::ClickDownArrow()
{
    SetLinesValue(linesValue_ > kWheelLinesMin ? linesValue_ - 1 : kWheelLinesMin);
}

void MainSetModel::SetLinesValue(int32_t value)
{
    linesValue_ = value;
    profile_.wheelLines = value;
    linesText_ = Decimal(value);
}

void MainSetModel::SetLinesFieldText(std::u16string text)
{
    linesText_ = std::move(text);
}

void MainSetModel::NormaliseScrollLines()
{
    const size_t firstKept = linesText_.find_first_not_of(u'0');
    const std::u16string_view rest = firstKept == std::u16string::npos
                                         ? std::u16string_view()
                                         : std::u16string_view(linesText_).substr(firstKept);
    // Leading digits only, and never more than 30 (no overflow however long the paste). Text
    // that does not start with a digit counts as the lowest value, as an emptied field does:
    // the system takes no zero lines per notch.
    int32_t value = 0;
    for (const char16_t c : rest) {
        if (!IsDigit(c)) {
            break;
        }
        value = std::min(value * 10 + (c - u'0'), kWheelLinesMax + 1);
    }
    SetLinesValue(std::clamp(value, kWheelLinesMin, kWheelLinesMax));
}

void MainSetModel::OnNormaliseTimer()
{
    if (linesChecked_) {
        NormaliseScrollLines();
    }
}

AssignOutcome MainSetModel::AssignButton(ButtonIndex button, const ChooserRunner& runChooser)
{
    const std::u16string name = BeginAssign(button);
    return FinishAssign(runChooser ? runChooser(button, name) : std::nullopt);
}

std::u16string MainSetModel::BeginAssign(ButtonIndex button)
{
    const size_t j = ToIndex(button);
    selectedTab_ = static_cast<int>(j);
    ButtonAssignment& assignment = profile_.buttons[j];
    std::u16string name = RetranslateName(TextOf(assignment.displayName), ChineseUi());
    SetText(assignment.displayName, name);
    return name;
}

AssignOutcome MainSetModel::FinishAssign(const std::optional<ChooserResult>& result)
{
    if (selectedTab_ < 0) {
        return AssignOutcome::Cancelled;
    }
    const auto j = static_cast<size_t>(selectedTab_);
    const auto button = static_cast<ButtonIndex>(j);
    AssignOutcome outcome = AssignOutcome::Cancelled;
    // A result with code 0 is a cancel; the chooser never ends with one, but a caller could.
    if (result && result->code != 0) {
        const bool isClick =
            result->kind == kChooserBasicKind && result->code == ToCode(ButtonFunction::Click);
        bool otherClick = false;
        for (size_t i = 0; i < kButtonCount; ++i) {
            otherClick = otherClick ||
                         (i != j && profile_.buttons[i].function == ToCode(ButtonFunction::Click));
        }
        const bool wheel =
            button == ButtonIndex::WheelForward || button == ButtonIndex::WheelBackward;
        if (!isClick && !otherClick) {
            ShowRuleMessage(kLeftClickChinese, kLeftClickEnglish);
            outcome = AssignOutcome::LeftClickRefused;
        } else if (result->code == ToCode(ButtonFunction::Snipe) && wheel) {
            ShowRuleMessage(kSniperChinese, kSniperEnglish);
            outcome = AssignOutcome::SniperRefused;
        } else {
            Store(j, *result);
            outcome = AssignOutcome::Stored;
        }
    }
    selectedTab_ = -1;
    HighlightTab(j);
    return outcome;
}

void MainSetModel::Store(size_t j, const ChooserResult& result)
{
    ButtonAssignment& a = profile_.buttons[j];
    macroIds_[j] = 0;
    a.function = result.kind;
    switch (result.kind) {
    case ToCode(ButtonFunction::Key):
        a.keyCode = static_cast<uint32_t>(result.code);
        SetText(a.displayName, ComboText(a.keyCode));
        break;
    case ToCode(ButtonFunction::Macro): {
        const auto id = static_cast<uint32_t>(result.code);
        macroIds_[j] = id;
        a.macroId = id;
        // A macro deleted while the chooser was open leaves the name empty.
        const std::optional<std::u16string> name = macroName_ ? macroName_(id) : std::nullopt;
        SetText(a.displayName, name.value_or(std::u16string()));
        break;
    }
    case ToCode(ButtonFunction::HostAction):
        a.hostValue = result.code;
        SetText(a.hostPath, result.path);
        SetText(a.displayName, result.path);
        a.hostKind = HostKindOf(static_cast<HostRow>(std::clamp(result.hostRow, 0, 3)));
        break;
    case ToCode(ButtonFunction::Disable):
        SetText(a.displayName, FunctionName(ToCode(ButtonFunction::Disable), ChineseUi()));
        break;
    default:
        a.function = result.code;
        SetText(a.displayName, FunctionName(result.code, ChineseUi()));
        break;
    }
}

void MainSetModel::UpdateSpots(Point cursor, bool mainWindowForeground)
{
    for (size_t i = 0; i < kButtonCount; ++i) {
        Rect area = BoundingRect(mainset::kTabs[i]);
        area.left += mainset::kSpotTabInset;
        area.right -= mainset::kSpotTabInset;
        if (!area.Contains(cursor)) {
            spots_[i] = false;
        } else if (mainWindowForeground) {
            spots_[i] = true;
        }
    }
}

void MainSetModel::HighlightTab(size_t button)
{
    highlighted_[button] = profile_.buttons[button].function != ToCode(kDefaultFunctions[button]);
}

bool MainSetModel::ChineseUi() const
{
    return chineseUi_ && chineseUi_();
}

void MainSetModel::ShowRuleMessage(std::u16string_view chinese, std::u16string_view english)
{
    messages_.Show({MessageKind::InfoBox, {}, std::u16string(ChineseUi() ? chinese : english)});
}

} // namespace qx71
