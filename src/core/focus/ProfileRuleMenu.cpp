#include "core/focus/ProfileRuleMenu.h"

#include "core/common/Utf.h"
#include "core/focus/FocusTexts.h"

#include <algorithm>

namespace qx71 {

namespace {

// `pattern` with "%1" and "%2" replaced, in one pass: a value that holds "%2" stays as it is.
std::u16string Fill(std::u16string_view pattern, std::u16string_view first,
                    std::u16string_view second = {})
{
    std::u16string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == u'1' || pattern[i + 1] == u'2')) {
            text += pattern[i + 1] == u'1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

RuleMenuItem Notice(const BilingualText& text, bool chinese)
{
    return {std::u16string(text.In(chinese)), {}, false, false};
}

} // namespace

std::vector<RuleMenuItem> ProfileRuleMenuItems(size_t profile, const FocusRules& rules,
                                               const std::vector<std::string>& recent,
                                               FocusWatch watch, bool chinese)
{
    switch (watch) {
    case FocusWatch::Watching:
        break;
    case FocusWatch::Wayland:
        return {Notice(focustexts::kUnderWayland, chinese)};
    case FocusWatch::NoActiveWindow:
        return {Notice(focustexts::kNoActiveWindow, chinese)};
    case FocusWatch::NoDisplay:
        return {Notice(focustexts::kNoDisplay, chinese)};
    }
    std::vector<RuleMenuItem> items;
    auto line = [&](const FocusRule& rule, bool checked) {
        items.push_back({Fill(focustexts::kUseWhileActive.In(chinese), Utf8ToUtf16(rule.program)),
                         rule, checked, true});
    };
    for (const FocusRule& rule : rules) {
        if (rule.profile == profile) {
            line(rule, true);
        }
    }
    for (const std::string& program : recent) {
        const FocusRule rule{RuleMatch::Class, program, profile};
        const bool listed = std::any_of(items.begin(), items.end(), [&](const RuleMenuItem& i) {
            return SameProgram(i.rule, rule);
        });
        if (!listed) {
            line(rule, false);
        }
    }
    if (items.empty()) {
        items.push_back(Notice(focustexts::kNoProgramYet, chinese));
    }
    return items;
}

std::u16string ProfileHintText(std::u16string_view buttonHint, size_t profile,
                               const std::optional<FocusRule>& chosenBy, bool chinese)
{
    if (!chosenBy || chosenBy->profile != profile) {
        return std::u16string(buttonHint);
    }
    return Fill(focustexts::kChosenHint.In(chinese), buttonHint, Utf8ToUtf16(chosenBy->program));
}

std::u16string RuleEditFailureText(RulesResult result, const std::filesystem::path& file,
                                   bool chinese)
{
    const BilingualText& text =
        result == RulesResult::Damaged ? focustexts::kRulesDamaged : focustexts::kRulesNotSaved;
    return Fill(text.In(chinese), Utf8ToUtf16(file.string()));
}

} // namespace qx71
