#include "core/buttons/KeyComboCapture.h"

#include "core/buttons/KeyNames.h"
#include "core/buttons/KeyUsageMap.h"

#include <algorithm>

namespace qx71 {

namespace {

struct ModifierKeys {
    ComboModifier modifier;
    std::array<uint8_t, 3> virtualKeys; // generic, left, right (0 = none)
    uint8_t bit;
    uint8_t loneUsage; // the usage a lone modifier is sent as: its left key
};

constexpr ModifierKeys kModifierKeys[kComboModifierCount] = {
    {ComboModifier::Ctrl, {0x11, 0xA2, 0xA3}, kModCtrl, kUsageLeftCtrl},
    {ComboModifier::Alt, {0x12, 0xA4, 0xA5}, kModAlt, kUsageLeftAlt},
    {ComboModifier::Shift, {0x10, 0xA0, 0xA1}, kModShift, kUsageLeftShift},
    {ComboModifier::Win, {0x5B, 0x5C, 0x00}, kModWin, kUsageLeftWin},
};

// The flags of a key going down: plain, extended, injected, with Alt held, and their mixes the
// hook reports for a press. Everything else is a release.
constexpr uint32_t kPressFlags[] = {0x00, 0x01, 0x10, 0x11, 0x20, 0x21};

bool IsPress(uint32_t flags)
{
    return std::find(std::begin(kPressFlags), std::end(kPressFlags), flags) !=
           std::end(kPressFlags);
}

} // namespace

bool ModifierOfKey(uint32_t virtualKey, ComboModifier& modifier)
{
    for (const ModifierKeys& keys : kModifierKeys) {
        if (virtualKey != 0 && std::find(keys.virtualKeys.begin(), keys.virtualKeys.end(),
                                         virtualKey) != keys.virtualKeys.end()) {
            modifier = keys.modifier;
            return true;
        }
    }
    return false;
}

void KeyComboCapture::ClickBox(ComboModifier modifier)
{
    boxes_[Index(modifier)] = !boxes_[Index(modifier)];
}

void KeyComboCapture::OnHookKey(uint32_t virtualKey, uint32_t flags)
{
    ComboModifier modifier{};
    if (ModifierOfKey(virtualKey, modifier)) {
        if (IsPress(flags)) {
            ClickBox(modifier);
        }
        return;
    }
    capturedKey_ = virtualKey;
}

std::u16string KeyComboCapture::KeyText() const
{
    return capturedKey_ == 0 ? std::u16string() : KeyName(capturedKey_);
}

ComboCode KeyComboCapture::ResultCode() const
{
    uint8_t modifiers = 0;
    size_t checked = 0;
    const ModifierKeys* lone = nullptr;
    for (const ModifierKeys& keys : kModifierKeys) {
        if (boxes_[Index(keys.modifier)]) {
            modifiers |= keys.bit;
            ++checked;
            lone = &keys;
        }
    }
    const uint8_t usage = VkToUsage(capturedKey_);
    if (checked == 0) {
        return MakeComboCode(0, usage);
    }
    if (usage != 0) {
        return MakeComboCode(modifiers, usage);
    }
    return checked == 1 ? MakeComboCode(0, lone->loneUsage) : 0;
}

} // namespace qx71
