#pragma once

#include "core/config/ProfileRecord.h"
#include "core/device/DeviceFormats.h"
#include "core/macro/MacroRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace qx71 {

class CUSBDriver;
class HookState;
class IClock;
class IPointerSettings;

// The step at which a write pass stopped; the numbers are the failure codes of the outcome.
enum class WriteFailure : int {
    ButtonTable = 0,
    LedColor = 1,
    LedEffect = 2,
    DpiTable = 5,
    // Not a failure of the mouse: the thread was asked to end and the pass gave up. Never
    // reported to the user.
    Stopped = -1,
};

// The message the window shows for a failure.
std::string_view WriteFailureText(WriteFailure failure);

// Progress values of a pass, in order.
inline constexpr int kProgressPerButton = 7;
inline constexpr int kProgressBeforeLighting = 60;
inline constexpr int kProgressBeforeDpi = 70;
inline constexpr int kProgressAfterDpi = 80;
inline constexpr int kProgressAfterPointer = 90;
inline constexpr int kProgressDone = 100;

// Waits of a pass besides those of the link, in milliseconds.
struct WritePassPacing {
    static constexpr uint32_t kStart = 50;
    static constexpr uint32_t kAfterButtonCode = 50;
    static constexpr uint32_t kAfterMacro = 50;
    static constexpr uint32_t kBeforeSuccess = 300;
};

// The trigger code of each button, in profile order.
uint32_t ButtonTriggerCode(size_t button);
// The button in profile order of a trigger code; nullopt for codes of no button.
std::optional<size_t> ProfileButtonOfTrigger(uint32_t code);
// The button-table slot of each button, in profile order.
size_t ButtonTableSlotOf(size_t button);
// The three lighting-effect bytes of a profile's lighting mode.
std::array<uint8_t, 3> LedEffectBytes(const ProfileRecord& profile);
// The DPI table of a profile's first three stages, and how many of them have a code.
DpiTable BuildDpiTable(const ProfileRecord& profile, int& counted);

using MacroLookup = std::function<std::optional<MacroRecord>(uint32_t id)>;

// Everything a pass talks to. `hooks` and `pointer` may be absent (the command line has no
// input hooks).
struct WritePassServices {
    CUSBDriver& link;
    IClock& clock;
    HookState* hooks = nullptr;
    IPointerSettings* pointer = nullptr;
    MacroLookup findMacro;
    std::function<void(int percent)> progress;
    // True once the pass should give up (the write thread stops); checked before each step.
    std::function<bool()> stopping{};
};

// One pass: the button table (with the macros it needs), lighting, DPI, the pointer settings
// and the report rate, in this order. Returns the failure, or nullopt when the mouse took
// everything.
std::optional<WriteFailure>
RunWritePass(const ProfileRecord& profile,
             const std::array<uint32_t, kProfileButtons>& buttonMacroIds,
             WritePassServices& services);

} // namespace qx71
