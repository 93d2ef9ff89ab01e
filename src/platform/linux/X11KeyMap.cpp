#include "platform/linux/X11KeyMap.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>

namespace qx71 {

namespace {

struct KeysymEntry {
    unsigned long keysym;
    uint8_t code;
    bool extended;
};

constexpr bool kExt = true;
constexpr bool kStd = false;

// Keys whose keysym is not a letter, a digit or a function key. The extended ones are those
// with an E0 scan-code prefix on a PC keyboard.
constexpr KeysymEntry kKeysyms[] = {
    {XK_BackSpace, 0x08, kStd},
    {XK_Tab, 0x09, kStd},
    {XK_ISO_Left_Tab, 0x09, kStd},
    {XK_Clear, 0x0C, kStd},
    {XK_Return, 0x0D, kStd},
    {XK_Pause, 0x13, kStd},
    {XK_Caps_Lock, 0x14, kStd},
    {XK_Escape, 0x1B, kStd},
    {XK_space, 0x20, kStd},
    {XK_Prior, 0x21, kExt},
    {XK_Next, 0x22, kExt},
    {XK_End, 0x23, kExt},
    {XK_Home, 0x24, kExt},
    {XK_Left, 0x25, kExt},
    {XK_Up, 0x26, kExt},
    {XK_Right, 0x27, kExt},
    {XK_Down, 0x28, kExt},
    {XK_Select, 0x29, kStd},
    {XK_Execute, 0x2B, kStd},
    {XK_Print, 0x2C, kExt},
    {XK_Sys_Req, 0x2C, kExt},
    {XK_Insert, 0x2D, kExt},
    {XK_Delete, 0x2E, kExt},
    {XK_Help, 0x2F, kStd},
    {XK_Super_L, 0x5B, kExt},
    {XK_Super_R, 0x5C, kExt},
    {XK_Menu, 0x5D, kExt},
    // Keypad with Num Lock off: the navigation keys, but not extended.
    {XK_KP_Insert, 0x2D, kStd},
    {XK_KP_End, 0x23, kStd},
    {XK_KP_Down, 0x28, kStd},
    {XK_KP_Next, 0x22, kStd},
    {XK_KP_Left, 0x25, kStd},
    {XK_KP_Begin, 0x0C, kStd},
    {XK_KP_Right, 0x27, kStd},
    {XK_KP_Home, 0x24, kStd},
    {XK_KP_Up, 0x26, kStd},
    {XK_KP_Prior, 0x21, kStd},
    {XK_KP_Delete, 0x2E, kStd},
    {XK_KP_Multiply, 0x6A, kStd},
    {XK_KP_Add, 0x6B, kStd},
    {XK_KP_Separator, 0x6C, kStd},
    {XK_KP_Subtract, 0x6D, kStd},
    {XK_KP_Decimal, 0x6E, kStd},
    {XK_KP_Divide, 0x6F, kExt},
    {XK_KP_Enter, 0x0D, kExt},
    {XK_Num_Lock, 0x90, kExt},
    {XK_Scroll_Lock, 0x91, kStd},
    {XK_Shift_L, 0xA0, kStd},
    {XK_Shift_R, 0xA1, kStd},
    {XK_Control_L, 0xA2, kStd},
    {XK_Control_R, 0xA3, kExt},
    {XK_Alt_L, 0xA4, kStd},
    {XK_Meta_L, 0xA4, kStd},
    {XK_Alt_R, 0xA5, kExt},
    {XK_Meta_R, 0xA5, kExt},
    {XK_ISO_Level3_Shift, 0xA5, kExt}, // AltGr
    {XK_semicolon, 0xBA, kStd},
    {XK_equal, 0xBB, kStd},
    {XK_comma, 0xBC, kStd},
    {XK_minus, 0xBD, kStd},
    {XK_period, 0xBE, kStd},
    {XK_slash, 0xBF, kStd},
    {XK_grave, 0xC0, kStd},
    {XK_bracketleft, 0xDB, kStd},
    {XK_backslash, 0xDC, kStd},
    {XK_bracketright, 0xDD, kStd},
    {XK_apostrophe, 0xDE, kStd},
    {XK_less, 0xE2, kStd}, // the extra key beside left Shift on ISO keyboards
    // Multimedia keys.
    {XF86XK_Back, 0xA6, kExt},
    {XF86XK_Forward, 0xA7, kExt},
    {XF86XK_Refresh, 0xA8, kExt},
    {XF86XK_Stop, 0xA9, kExt},
    {XF86XK_Search, 0xAA, kExt},
    {XF86XK_Favorites, 0xAB, kExt},
    {XF86XK_HomePage, 0xAC, kExt},
    {XF86XK_AudioMute, 0xAD, kExt},
    {XF86XK_AudioLowerVolume, 0xAE, kExt},
    {XF86XK_AudioRaiseVolume, 0xAF, kExt},
    {XF86XK_AudioNext, 0xB0, kExt},
    {XF86XK_AudioPrev, 0xB1, kExt},
    {XF86XK_AudioStop, 0xB2, kExt},
    {XF86XK_AudioPlay, 0xB3, kExt},
    {XF86XK_Mail, 0xB4, kExt},
    {XF86XK_AudioMedia, 0xB5, kExt},
    {XF86XK_Calculator, 0xB7, kExt},
};

constexpr uint8_t kVkA = 0x41;
constexpr uint8_t kVk0 = 0x30;
constexpr uint8_t kVkNumpad0 = 0x60;
constexpr uint8_t kVkF1 = 0x70;
constexpr int kFunctionKeys = 24; // F1..F24

} // namespace

std::optional<VirtualKey> VirtualKeyFromKeysym(unsigned long keysym)
{
    if (keysym >= XK_a && keysym <= XK_z) {
        return VirtualKey{static_cast<uint8_t>(kVkA + (keysym - XK_a)), false};
    }
    if (keysym >= XK_A && keysym <= XK_Z) {
        return VirtualKey{static_cast<uint8_t>(kVkA + (keysym - XK_A)), false};
    }
    if (keysym >= XK_0 && keysym <= XK_9) {
        return VirtualKey{static_cast<uint8_t>(kVk0 + (keysym - XK_0)), false};
    }
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return VirtualKey{static_cast<uint8_t>(kVkNumpad0 + (keysym - XK_KP_0)), false};
    }
    if (keysym >= XK_F1 && keysym < XK_F1 + kFunctionKeys) {
        return VirtualKey{static_cast<uint8_t>(kVkF1 + (keysym - XK_F1)), false};
    }
    const auto* end = std::end(kKeysyms);
    const auto* found = std::find_if(std::begin(kKeysyms), end,
                                     [keysym](const KeysymEntry& e) { return e.keysym == keysym; });
    if (found == end) {
        return std::nullopt;
    }
    return VirtualKey{found->code, found->extended};
}

} // namespace qx71
