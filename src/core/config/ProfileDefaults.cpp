#include "core/config/ProfileDefaults.h"

#include "core/buttons/ButtonDefaults.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/config/FixedText.h"

static_assert(qx71::kButtonCount == qx71::kProfileButtons);

namespace qx71 {

void FillDefaults(ProfileRecord& record, bool chineseUi)
{
    record = ProfileRecord{};
    record.magic = kProfileMagic;
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const int32_t function = ToCode(kDefaultFunctions[i]);
        record.buttons[i].function = function;
        SetText(record.buttons[i].displayName, FunctionName(function, chineseUi));
    }
    record.dpiStages = kDefaultDpiStages;
    record.sheightLevel = kDefaultSheightLevel;
    record.reportRate = kDefaultReportRate;
    record.ledMode = kDefaultLedMode;
    record.ledColor = kDefaultLedColor;
    record.ledCustomColor = kDefaultLedCustomColor;
    record.ledPresetIndex = kDefaultLedPresetIndex;
    record.pointerPrecision = kDefaultPointerPrecision;
    record.pointerSpeed = kDefaultPointerSpeed;
    record.ledBrightness = kDefaultLedBrightness;
    record.ledBreathSpeed = kDefaultLedBreathSpeed;
    record.wheelLines = kDefaultWheelLines;
}

ProfileRecord DefaultProfile(bool chineseUi)
{
    ProfileRecord record;
    FillDefaults(record, chineseUi);
    return record;
}

ProfileDirectory SeedDirectory()
{
    ProfileDirectory directory;
    for (auto& slot : directory.slots) {
        slot.slotMagic = kSlotMagic;
    }
    directory.slots[0].active = 1;
    return directory;
}

} // namespace qx71
