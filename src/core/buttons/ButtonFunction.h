#pragma once

#include <cstdint>

namespace qx71 {

// The codes stored in a ButtonAssignment's `function` field.
enum class ButtonFunction : int32_t {
    Click = 1,
    Menu = 2,
    Middle = 4,
    Key = 5,   // kind marker: the assignment's keyCode
    Macro = 6, // kind marker: the assignment's macroId
    Forward = 8,
    ScrollUp = 11,
    Back = 16,
    HostAction = 19, // kind marker: carried out on the PC, see hostKind and hostPath
    ScrollDown = 22,
    PlayPause = 32,
    Stop = 33,
    Previous = 34,
    Next = 35,
    VolumeUp = 37,
    VolumeDown = 38,
    Mute = 39,
    Music = 40,
    CloseWindow = 81,
    LockPc = 82,
    Run = 84,
    ShowDesktop = 85,
    Disable = 121,
    ClassicDesktop = 123,
    SwitchApplications = 124,
    Search = 125,
    ZoomIn = 126,
    ZoomOut = 127,
    Snipe = 142,
    Fire = 143,
};

constexpr int32_t ToCode(ButtonFunction function)
{
    return static_cast<int32_t>(function);
}

// The three codes that point to another field of the assignment instead of naming a function.
constexpr bool IsKindMarker(int32_t code)
{
    return code == ToCode(ButtonFunction::Key) || code == ToCode(ButtonFunction::Macro) ||
           code == ToCode(ButtonFunction::HostAction);
}

} // namespace qx71
