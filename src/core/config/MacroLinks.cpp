#include "core/config/MacroLinks.h"

#include "core/buttons/ButtonFunction.h"
#include "core/common/BilingualText.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/i18n/PageLabels.h"

namespace qx71 {

namespace {

constexpr BilingualText kMissingMacrosIntro{
    u"以下按键设置的宏已不在宏列表中，重新设置之前它们不起作用：",
    u"These buttons are set to a macro that the macro list no longer holds; they do nothing "
    u"until they are set again:"};

constexpr int kHexDigits = 8;
constexpr uint32_t kNibbleBits = 4;
constexpr uint32_t kNibbleMask = 0xF;

// As the command line and the macro list print ids: 0x15000001.
std::u16string IdText(uint32_t id)
{
    constexpr std::u16string_view kDigits = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    for (int shift = (kHexDigits - 1) * kNibbleBits; shift >= 0;
         shift -= static_cast<int>(kNibbleBits)) {
        text += kDigits[(id >> static_cast<uint32_t>(shift)) & kNibbleMask];
    }
    return text;
}

bool IsMacroButton(const ButtonAssignment& assignment)
{
    return assignment.function == ToCode(ButtonFunction::Macro);
}

} // namespace

std::vector<MissingMacro> FindMissingMacros(const ProfileRecord& profile,
                                            const MacroLookup& findMacro)
{
    std::vector<MissingMacro> missing;
    if (!findMacro) {
        return missing;
    }
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& assignment = profile.buttons[i];
        if (!IsMacroButton(assignment)) {
            continue;
        }
        // The pass sends a macro only when it has events; an empty one is as good as gone.
        const auto macro = findMacro(assignment.macroId);
        if (!macro || macro->size == 0) {
            missing.push_back({static_cast<ButtonIndex>(i), assignment.macroId,
                               std::u16string(TextOf(assignment.displayName))});
        }
    }
    return missing;
}

std::vector<MissingMacro> LinkButtonMacros(const ProfileRecord& profile,
                                           std::array<uint32_t, kProfileButtons>& buttonMacroIds,
                                           const MacroLookup& findMacro)
{
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& assignment = profile.buttons[i];
        buttonMacroIds[i] = IsMacroButton(assignment) ? assignment.macroId : 0;
    }
    return FindMissingMacros(profile, findMacro);
}

std::u16string MissingMacrosText(const std::vector<MissingMacro>& missing, bool chinese)
{
    if (missing.empty()) {
        return {};
    }
    std::u16string text(kMissingMacrosIntro.In(chinese));
    for (const MissingMacro& m : missing) {
        text += u'\n';
        // The button's name as its tab shows it.
        const size_t tab = static_cast<size_t>(PageLabel::TabLeft) + ToIndex(m.button);
        const LanguageId language = chinese ? kLanguageSimplifiedChinese : kLanguageEnglish;
        text += kPageLabels[tab].texts[static_cast<size_t>(language - 1)];
        text += chinese ? u"：" : u": ";
        if (!m.name.empty()) {
            text += chinese ? u"“" + m.name + u"” " : u"\"" + m.name + u"\" ";
        }
        text += u"(" + IdText(m.macroId) + u")";
    }
    return text;
}

} // namespace qx71
