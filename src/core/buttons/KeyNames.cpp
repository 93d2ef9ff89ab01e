#include "core/buttons/KeyNames.h"

namespace qx71 {

namespace {

constexpr uint32_t kVkFirstDigit = 0x30;
constexpr uint32_t kVkLastDigit = 0x39;
constexpr uint32_t kVkFirstLetter = 0x41;
constexpr uint32_t kVkLastLetter = 0x5A;

struct LayoutKey {
    uint8_t virtualKey;
    char16_t character;
};

// The punctuation keys of a US layout, unshifted.
constexpr LayoutKey kUsPunctuation[] = {
    {0xBA, u';'}, {0xBB, u'='}, {0xBC, u','},  {0xBD, u'-'}, {0xBE, u'.'},  {0xBF, u'/'},
    {0xC0, u'`'}, {0xDB, u'['}, {0xDC, u'\\'}, {0xDD, u']'}, {0xDE, u'\''}, {0xE2, u'\\'},
};

} // namespace

char16_t UsLayoutCharacter(uint32_t virtualKey)
{
    // Digits and letters have the virtual-key code of their character.
    if (virtualKey >= kVkFirstDigit && virtualKey <= kVkLastDigit) {
        return static_cast<char16_t>(virtualKey);
    }
    if (virtualKey >= kVkFirstLetter && virtualKey <= kVkLastLetter) {
        return static_cast<char16_t>(virtualKey);
    }
    for (const auto& key : kUsPunctuation) {
        if (key.virtualKey == virtualKey) {
            return key.character;
        }
    }
    return 0;
}

std::u16string KeyName(uint32_t virtualKey)
{
    for (const auto& entry : kKeyNames) {
        if (entry.virtualKey == virtualKey) {
            return std::u16string(entry.name);
        }
    }
    const char16_t character = UsLayoutCharacter(virtualKey);
    if (character == 0) {
        return {};
    }
    return std::u16string(1, character);
}

} // namespace qx71
