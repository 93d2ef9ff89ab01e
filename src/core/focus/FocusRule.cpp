#include "core/focus/FocusRule.h"

#include <algorithm>

namespace qx71 {

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

} // namespace

bool RuleMatches(const FocusRule& rule, const FocusedWindow& window)
{
    if (rule.program.empty()) {
        return false;
    }
    switch (rule.match) {
    case RuleMatch::Class:
        return EqualIgnoringCase(rule.program, window.windowClass) ||
               EqualIgnoringCase(rule.program, window.instance);
    case RuleMatch::Executable:
        return rule.program == window.executable;
    }
    return false;
}

bool SameProgram(const FocusRule& a, const FocusRule& b)
{
    if (a.match != b.match) {
        return false;
    }
    return a.match == RuleMatch::Class ? EqualIgnoringCase(a.program, b.program)
                                       : a.program == b.program;
}

std::string ProgramNameOf(const FocusedWindow& window)
{
    if (!window.windowClass.empty()) {
        return window.windowClass;
    }
    return !window.instance.empty() ? window.instance : window.executable;
}

} // namespace qx71
