#include "core/config/ProfileRanges.h"

#include "core/buttons/ButtonDefaults.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/common/LittleEndian.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/device/DeviceFormats.h"
#include "core/i18n/PageLabels.h"
#include "core/lighting/LedColour.h"
#include "core/lighting/LightingMode.h"

#include <algorithm>

namespace qx71 {

namespace {

constexpr int32_t kMaxSheightLevel = 30;
constexpr int32_t kFastestReportInterval = 1;
constexpr int32_t kMiddleReportInterval = 2;
constexpr int32_t kSlowestReportInterval = 8;
constexpr int32_t kMaxLedColour = 0x00FFFFFF;
constexpr int32_t kLastPresetIndex = static_cast<int32_t>(kPresetCount) - 1;
constexpr int32_t kMaxPointerSpeed = 20;
constexpr int32_t kMaxLedBrightness = 10;
constexpr int32_t kMaxLedBreathSpeed = 5;
constexpr int32_t kMaxWheelLines = 30;
constexpr int32_t kWheelOneScreen = -1;

constexpr ValueSpan Between(int32_t min, int32_t max)
{
    return {min, max};
}
constexpr ValueSpan Only(int32_t value)
{
    return {value, value};
}

constexpr BilingualText kDpiLevelsName{u"分辨率档位", u"DPI levels"};

constexpr BilingualText kMsgShort{
    u"%s 已损坏：文件短于配置文件（%n / %t 字节）。缺少的设置和超出范围的设置已恢复为默认值。",
    u"%s is damaged: it is shorter than a profile (%n of %t bytes). The settings it lacks and "
    u"any out of range were set to their defaults."};
constexpr BilingualText kMsgOutOfRange{
    u"%s 中有超出范围的设置，已恢复为默认值：%f。",
    u"%s held settings out of range, which were set to their defaults: %f."};

void Replace(std::u16string& text, std::u16string_view marker, std::u16string_view with)
{
    if (const auto at = text.find(marker); at != std::u16string::npos) {
        text.replace(at, marker.size(), with);
    }
}

bool Holds(const ProfileFieldRange& range, int32_t value)
{
    return std::any_of(range.spans.begin(), range.spans.end(),
                       [value](const ValueSpan& s) { return value >= s.min && value <= s.max; });
}

int32_t LoadInt(const ProfileBytes& bytes, size_t offset)
{
    return static_cast<int32_t>(LoadLe32(bytes.data() + offset));
}

bool DpiStagesHold(const std::array<int32_t, kProfileDpiStages>& stages)
{
    const bool eachKnown = std::all_of(stages.begin(), stages.end(), [](int32_t dpi) {
        return dpi == 0 || (dpi > 0 && DpiCode(static_cast<uint32_t>(dpi)).has_value());
    });
    const bool anySet =
        std::any_of(stages.begin(), stages.end(), [](int32_t dpi) { return dpi != 0; });
    return eachKnown && anySet;
}

bool FunctionHolds(int32_t function)
{
    return IsKindMarker(function) || CatalogueDeviceCode(function).has_value();
}

} // namespace

const std::array<ProfileFieldRange, 11> kProfileFieldRanges = {{
    {{u"感应高度", u"sensor height"},
     offsetof(ProfileRecord, sheightLevel),
     {Between(1, kMaxSheightLevel)},
     kDefaultSheightLevel},
    {{u"回报率", u"report rate"},
     offsetof(ProfileRecord, reportRate),
     {Between(kFastestReportInterval, kMiddleReportInterval), Only(kSlowestReportInterval)},
     kDefaultReportRate},
    {{u"灯光模式", u"lighting mode"},
     offsetof(ProfileRecord, ledMode),
     {Between(static_cast<int32_t>(LightingMode::Always), static_cast<int32_t>(LightingMode::Off))},
     kDefaultLedMode},
    {{u"灯光颜色", u"lighting colour"},
     offsetof(ProfileRecord, ledColor),
     {Between(0, kMaxLedColour)},
     static_cast<int32_t>(kDefaultLedColor)},
    {{u"颜色选择", u"colour choice"},
     offsetof(ProfileRecord, ledCustomColor),
     {Between(0, 1)},
     kDefaultLedCustomColor},
    {{u"预设颜色", u"preset colour"},
     offsetof(ProfileRecord, ledPresetIndex),
     {Between(0, kLastPresetIndex)},
     kDefaultLedPresetIndex},
    {{u"提高指针精确度", u"enhanced pointer precision"},
     offsetof(ProfileRecord, pointerPrecision),
     {Between(0, 1)},
     kDefaultPointerPrecision},
    {{u"指针速度", u"pointer speed"},
     offsetof(ProfileRecord, pointerSpeed),
     {Between(1, kMaxPointerSpeed)},
     kDefaultPointerSpeed},
    {{u"亮度", u"brightness"},
     offsetof(ProfileRecord, ledBrightness),
     {Between(1, kMaxLedBrightness)},
     kDefaultLedBrightness},
    {{u"呼吸速度", u"breathing speed"},
     offsetof(ProfileRecord, ledBreathSpeed),
     {Between(1, kMaxLedBreathSpeed)},
     kDefaultLedBreathSpeed},
    {{u"滚轮行数", u"wheel lines"},
     offsetof(ProfileRecord, wheelLines),
     {Between(1, kMaxWheelLines), Only(kWheelOneScreen)},
     kDefaultWheelLines},
}};

RepairedProfile RepairLoadedProfile(std::span<const uint8_t> bytes, bool chineseUi)
{
    RepairedProfile out;
    out.fileBytes = std::min(bytes.size(), kProfileRecordSize);
    // What a short file lacks comes from the defaults, not zeros: a zero DPI table sends no
    // levels and a zero function disables a button.
    ProfileBytes image = ProfileToBytes(DefaultProfile(chineseUi));
    std::copy_n(bytes.begin(), out.fileBytes, image.begin());

    std::vector<BilingualText> buttons;
    for (const ProfileFieldRange& range : kProfileFieldRanges) {
        if (!Holds(range, LoadInt(image, range.offset))) {
            StoreLe32(image.data() + range.offset, static_cast<uint32_t>(range.defaultValue));
            out.repaired.push_back(range.name);
        }
    }
    out.record = ProfileFromBytes(image);
    ProfileRecord& record = out.record;
    std::vector<BilingualText> before;
    for (size_t i = 0; i < kProfileButtons; ++i) {
        ButtonAssignment& button = record.buttons[i];
        if (!FunctionHolds(button.function)) {
            const int32_t function = ToCode(kDefaultFunctions[i]);
            button.function = function;
            SetText(button.displayName, FunctionName(function, chineseUi));
            // The button's name as its tab shows it.
            const auto& tab = kPageLabels[static_cast<size_t>(PageLabel::TabLeft) + i].texts;
            before.push_back({tab[static_cast<size_t>(kLanguageSimplifiedChinese - 1)],
                              tab[static_cast<size_t>(kLanguageEnglish - 1)]});
        }
    }
    if (!DpiStagesHold(record.dpiStages)) {
        record.dpiStages = kDefaultDpiStages;
        before.push_back(kDpiLevelsName);
    }
    // In record order: the buttons and the DPI levels come before the numbers.
    out.repaired.insert(out.repaired.begin(), before.begin(), before.end());
    return out;
}

std::u16string ProfileRepairText(const RepairedProfile& profile, const std::filesystem::path& path,
                                 bool chineseUi)
{
    std::u16string fields;
    for (const BilingualText& name : profile.repaired) {
        if (!fields.empty()) {
            fields += chineseUi ? u"、" : u", ";
        }
        fields += name.In(chineseUi);
    }
    std::u16string text;
    if (profile.Short()) {
        text = kMsgShort.In(chineseUi);
        Replace(text, u"%n", Utf8ToUtf16(std::to_string(profile.fileBytes)));
        Replace(text, u"%t", Utf8ToUtf16(std::to_string(kProfileRecordSize)));
    } else {
        text = kMsgOutOfRange.In(chineseUi);
        Replace(text, u"%f", fields);
    }
    Replace(text, u"%s", Utf8ToUtf16(path.string()));
    return text;
}

} // namespace qx71
