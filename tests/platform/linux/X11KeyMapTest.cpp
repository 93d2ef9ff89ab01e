#include "platform/linux/X11KeyMap.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

// Keysyms of a US layout with Num Lock on and off: every key a user can record or assign.
constexpr unsigned long kUsKeysyms[] = {
    XK_Escape,      XK_Tab,          XK_Caps_Lock,   XK_Return,    XK_BackSpace,  XK_space,
    XK_bracketleft, XK_bracketright, XK_backslash,   XK_semicolon, XK_apostrophe, XK_comma,
    XK_period,      XK_slash,        XK_grave,       XK_equal,     XK_minus,      XK_Print,
    XK_Scroll_Lock, XK_Pause,        XK_Insert,      XK_Home,      XK_Prior,      XK_Delete,
    XK_End,         XK_Next,         XK_Up,          XK_Down,      XK_Left,       XK_Right,
    XK_KP_Add,      XK_KP_Subtract,  XK_KP_Multiply, XK_KP_Divide, XK_Num_Lock,   XK_KP_Enter,
    XK_KP_Decimal,  XK_Control_L,    XK_Shift_L,     XK_Alt_L,     XK_Super_L,    XK_Control_R,
    XK_Shift_R,     XK_Alt_R,        XK_Super_R,     XK_Menu,      XK_KP_Begin,   XK_KP_Separator,
    XK_Select,      XK_Execute,      XK_Help};

// The virtual keys of the key table shared with the mouse and of the fixed key names; the
// generic Shift/Ctrl/Alt (0x10-0x12) and Print (0x2A) come from no PC key and are left out.
std::set<uint8_t> KeysToCover()
{
    std::set<uint8_t> codes{0x1B, 0x09, 0x14, 0x0D, 0x08, 0x20, 0xDB, 0xDD, 0xDC, 0xBA,
                            0xDE, 0xBC, 0xBE, 0xBF, 0xC0, 0xBB, 0xBD, 0x2C, 0x91, 0x13,
                            0x2D, 0x24, 0x21, 0x2E, 0x23, 0x22, 0x26, 0x28, 0x25, 0x27,
                            0x6B, 0x6D, 0x6A, 0x6F, 0x90, 0x6E, 0xA2, 0xA0, 0xA4, 0x5B,
                            0xA3, 0xA1, 0xA5, 0x5C, 0x5D, 0x0C, 0x6C, 0x29, 0x2B, 0x2F};
    for (int c = 0x70; c <= 0x7B; ++c) {
        codes.insert(static_cast<uint8_t>(c)); // F1-F12
    }
    for (int c = 0x41; c <= 0x5A; ++c) {
        codes.insert(static_cast<uint8_t>(c)); // A-Z
    }
    for (int c = 0x30; c <= 0x39; ++c) {
        codes.insert(static_cast<uint8_t>(c)); // 0-9
    }
    for (int c = 0x60; c <= 0x69; ++c) {
        codes.insert(static_cast<uint8_t>(c)); // keypad 0-9
    }
    return codes;
}

TEST(X11KeyMap, EveryTableKeyComesFromSomeKeysym)
{
    std::set<uint8_t> produced;
    for (unsigned long keysym : kUsKeysyms) {
        auto key = VirtualKeyFromKeysym(keysym);
        ASSERT_TRUE(key) << std::hex << keysym;
        produced.insert(key->code);
    }
    for (unsigned long keysym = XK_a; keysym <= XK_z; ++keysym) {
        produced.insert(VirtualKeyFromKeysym(keysym).value().code);
    }
    for (unsigned long keysym = XK_0; keysym <= XK_9; ++keysym) {
        produced.insert(VirtualKeyFromKeysym(keysym).value().code);
    }
    for (unsigned long keysym = XK_KP_0; keysym <= XK_KP_9; ++keysym) {
        produced.insert(VirtualKeyFromKeysym(keysym).value().code);
    }
    for (unsigned long keysym = XK_F1; keysym <= XK_F12; ++keysym) {
        produced.insert(VirtualKeyFromKeysym(keysym).value().code);
    }
    for (uint8_t code : KeysToCover()) {
        EXPECT_TRUE(produced.contains(code)) << "no key gives 0x" << std::hex << int(code);
    }
}

TEST(X11KeyMap, CodesAndExtendedFlagsFollowWindows)
{
    struct Case {
        unsigned long keysym;
        VirtualKey expected;
    };
    const Case cases[] = {
        {XK_a, {0x41, false}},
        {XK_A, {0x41, false}},
        {XK_Z, {0x5A, false}},
        {XK_KP_Enter, {0x0D, true}},
        {XK_Return, {0x0D, false}},
        {XK_Control_R, {0xA3, true}},
        {XK_Alt_R, {0xA5, true}},
        {XK_ISO_Level3_Shift, {0xA5, true}},
        {XK_Insert, {0x2D, true}},
        {XK_KP_Insert, {0x2D, false}},
        {XK_KP_Divide, {0x6F, true}},
        {XK_KP_Multiply, {0x6A, false}},
        {XK_Print, {0x2C, true}},
        {XK_Pause, {0x13, false}},
        {XK_Super_L, {0x5B, true}},
        {XK_F24, {0x87, false}},
        {XK_ISO_Left_Tab, {0x09, false}},
        {XF86XK_AudioMute, {0xAD, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyFromKeysym(c.keysym), c.expected) << std::hex << c.keysym;
    }
    EXPECT_FALSE(VirtualKeyFromKeysym(XK_dead_acute));
    EXPECT_FALSE(VirtualKeyFromKeysym(XK_F25));
    EXPECT_FALSE(VirtualKeyFromKeysym(0));
}

} // namespace
} // namespace qx71
