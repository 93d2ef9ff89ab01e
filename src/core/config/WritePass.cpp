#include "core/config/WritePass.h"

#include "core/buttons/ButtonDefaults.h"
#include "core/buttons/ButtonFunction.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/common/IClock.h"
#include "core/device/CUSBDriver.h"
#include "core/hooks/HookState.h"
#include "core/hooks/IPointerSettings.h"
#include "core/lighting/LightingMode.h"
#include "core/macro/MacroRecord.h"

#include <algorithm>

namespace qx71 {

namespace {

struct ButtonWiring {
    uint32_t trigger;
    size_t slot;
};

// Profile order: left, middle, right, forward, back, wheel forward, wheel backward.
constexpr ButtonWiring kWiring[kProfileButtons] = {
    {TriggerCode::kLeft, kSlotLeft},
    {TriggerCode::kMiddle, kSlotMiddle},
    {TriggerCode::kRight, kSlotRight},
    {TriggerCode::kForward, kSlotForward},
    {TriggerCode::kBack, kSlotBack},
    {TriggerCode::kWheelForward, kSlotWheelForward},
    {TriggerCode::kWheelBackward, kSlotWheelBackward},
};

constexpr size_t kDpiStagesSent = 3;
constexpr int kMaxDpiStageValue = 2;
constexpr int32_t kMaxByte = 0xFF;

// A stored value that does not fit the command's byte is sent as 0, which the mouse's
// commands treat as "not given" (the report rate then falls back to 2).
uint8_t ByteOrZero(int32_t value)
{
    return (value >= 0 && value <= kMaxByte) ? static_cast<uint8_t>(value) : 0;
}

} // namespace

std::string_view WriteFailureText(WriteFailure failure)
{
    switch (failure) {
    case WriteFailure::ButtonTable:
        return "write mousekey metix fail.\n";
    case WriteFailure::LedColor:
        return "Write mouse LED color failed.\n";
    case WriteFailure::LedEffect:
        return "Write mouse effect failed.\n";
    case WriteFailure::DpiTable:
        return "Write mouse DPI failed.\n";
    case WriteFailure::Stopped:
        break;
    }
    return "";
}

uint32_t ButtonTriggerCode(size_t button)
{
    return kWiring[button].trigger;
}

std::optional<size_t> ProfileButtonOfTrigger(uint32_t code)
{
    for (size_t i = 0; i < kProfileButtons; ++i) {
        if (kWiring[i].trigger == code) {
            return i;
        }
    }
    return std::nullopt;
}

size_t ButtonTableSlotOf(size_t button)
{
    return kWiring[button].slot;
}

std::array<uint8_t, 3> LedEffectBytes(const ProfileRecord& profile)
{
    switch (LightingModeOf(profile.ledMode).value_or(LightingMode::Off)) {
    case LightingMode::Always:
        return {1, ByteOrZero(profile.ledBrightness), 1};
    case LightingMode::NormalBreath:
        return {2, ByteOrZero(profile.ledBreathSpeed), 1};
    case LightingMode::ApmBreath:
        return {3, 2, 3};
    case LightingMode::Spe:
        return {4, 10, 2};
    case LightingMode::Off: // and any value the mouse does not know
        break;
    }
    return {0, 0, 0};
}

DpiTable BuildDpiTable(const ProfileRecord& profile, int& counted)
{
    DpiTable table;
    counted = 0;
    for (size_t k = 0; k < kDpiStagesSent; ++k) {
        const int32_t dpi = profile.dpiStages[k];
        const auto code = dpi > 0 ? DpiCode(static_cast<uint32_t>(dpi)) : std::nullopt;
        if (code) {
            table.stageCodes[k] = *code;
            ++counted;
        }
    }
    return table;
}

std::optional<WriteFailure>
RunWritePass(const ProfileRecord& profile,
             const std::array<uint32_t, kProfileButtons>& buttonMacroIds, WritePassServices& s)
{
    auto progress = [&](int percent) {
        if (s.progress) {
            s.progress(percent);
        }
    };
    auto stopping = [&] { return s.stopping && s.stopping(); };

    ButtonTable table;
    uint8_t macroSlot = 1;
    int percent = 0;
    for (size_t i = 0; i < kProfileButtons; ++i) {
        if (stopping()) {
            return WriteFailure::Stopped;
        }
        if (s.hooks != nullptr) {
            s.hooks->RemoveTrigger(kWiring[i].trigger);
        }
        progress(percent);
        const ButtonAssignment& button = profile.buttons[i];
        std::optional<DeviceCode> code;
        switch (static_cast<ButtonFunction>(button.function)) {
        case ButtonFunction::Key:
            code = button.keyCode;
            break;
        case ButtonFunction::HostAction:
            // The mouse keeps its ordinary event; the hooks catch it and the PC acts.
            code = NativeDeviceCode(static_cast<ButtonIndex>(i));
            if (s.hooks != nullptr) {
                s.hooks->AddTrigger(kWiring[i].trigger);
            }
            break;
        case ButtonFunction::Macro: {
            // A button whose macro is gone gets no code: its slot stays empty and the pass
            // goes on with the next button.
            const auto macro = s.findMacro ? s.findMacro(buttonMacroIds[i]) : std::nullopt;
            if (macro && macro->size != 0) {
                const int entries = s.link.WriteMacroStream(macroSlot, &*macro);
                if (stopping()) {
                    return WriteFailure::Stopped;
                }
                s.clock.SleepMs(WritePassPacing::kAfterMacro);
                code = MacroDeviceCode(macroSlot, static_cast<uint8_t>(entries));
                ++macroSlot;
            }
            break;
        }
        default:
            code = CatalogueDeviceCode(button.function);
            break;
        }
        if (code) {
            table.slots[kWiring[i].slot] = *code;
            s.clock.SleepMs(WritePassPacing::kAfterButtonCode);
        }
        percent += kProgressPerButton;
    }
    table.slots[kSlotFixed] = kDeviceCodeSlot3;

    const auto tableBytes = table.Bytes();
    if (stopping()) {
        return WriteFailure::Stopped;
    }
    if (!s.link.WriteButtonTable(tableBytes.data(), tableBytes.size())) {
        return WriteFailure::ButtonTable;
    }
    progress(kProgressBeforeLighting);
    if (stopping()) {
        return WriteFailure::Stopped;
    }
    if (!s.link.SetLedColor(profile.ledColor)) {
        return WriteFailure::LedColor;
    }
    const auto effect = LedEffectBytes(profile);
    if (!s.link.SetLedEffect(effect[0], effect[1], effect[2])) {
        return WriteFailure::LedEffect;
    }
    progress(kProgressBeforeDpi);
    if (stopping()) {
        return WriteFailure::Stopped;
    }
    int counted = 0;
    const auto dpiBytes = BuildDpiTable(profile, counted).Bytes();
    if (!s.link.WriteDpiTable(dpiBytes.data(), dpiBytes.size())) {
        return WriteFailure::DpiTable;
    }
    // The stage command's result is not checked: the table is what matters.
    s.link.SetDpiStage(static_cast<uint8_t>(std::min(counted, kMaxDpiStageValue)));
    progress(kProgressAfterDpi);
    if (stopping()) {
        return WriteFailure::Stopped;
    }
    if (s.pointer != nullptr) {
        // A setting the system refuses does not stop the pass.
        s.pointer->SetPrecision(profile.pointerPrecision == 1);
        s.pointer->SetSpeed(profile.pointerSpeed);
        s.pointer->SetWheelLines(profile.wheelLines);
    }
    progress(kProgressAfterPointer);
    s.link.SetReportRate(ByteOrZero(profile.reportRate));
    progress(kProgressDone);
    if (stopping()) {
        return WriteFailure::Stopped;
    }
    s.clock.SleepMs(WritePassPacing::kBeforeSuccess);
    return std::nullopt;
}

} // namespace qx71
