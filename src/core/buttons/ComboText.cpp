#include "core/buttons/ComboText.h"

#include "core/buttons/KeyNames.h"
#include "core/buttons/KeyUsageMap.h"

namespace qx71 {

namespace {

struct ModifierWord {
    uint8_t bit;
    std::u16string_view word;
};

constexpr ModifierWord kModifierOrder[] = {
    {kModShift, u"Shift"},
    {kModCtrl, u"Ctrl"},
    {kModAlt, u"Alt"},
    {kModWin, u"Win"},
};

constexpr std::u16string_view kSeparator = u" + ";

} // namespace

std::u16string ComboText(ComboCode code)
{
    const std::u16string keyName = KeyName(UsageToVk(ComboUsage(code)));
    std::u16string text;
    for (const auto& modifier : kModifierOrder) {
        if ((ComboModifiers(code) & modifier.bit) != 0) {
            if (!text.empty()) {
                text += kSeparator;
            }
            text += modifier.word;
        }
    }
    if (text.empty()) {
        return keyName;
    }
    // A stored modifier without a key keeps its dangling separator, so it is seen as such.
    text += kSeparator;
    text += keyName;
    return text;
}

} // namespace qx71
