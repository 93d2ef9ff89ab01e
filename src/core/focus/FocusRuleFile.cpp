#include "core/focus/FocusRuleFile.h"

#include <charconv>

namespace qx71 {

namespace {

constexpr std::string_view kClassWord = "class";
constexpr std::string_view kExecutableWord = "exe";
constexpr char kSeparator = '\t';
constexpr char kCommentStart = '#';
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr std::string_view kHeader =
    "# Profiles that follow the program in use. One rule a line, the first that matches "
    "wins:\n# class or exe, a tab, the program, a tab, the profile (1 to 5).\n";

std::optional<FocusRule> ParseLine(std::string_view line)
{
    const size_t first = line.find(kSeparator);
    const size_t last = line.rfind(kSeparator);
    if (first == std::string_view::npos || first == last) {
        return std::nullopt;
    }
    FocusRule rule;
    const std::string_view kind = line.substr(0, first);
    if (kind == kClassWord) {
        rule.match = RuleMatch::Class;
    } else if (kind == kExecutableWord) {
        rule.match = RuleMatch::Executable;
    } else {
        return std::nullopt;
    }
    rule.program = std::string(line.substr(first + 1, last - first - 1));
    const std::string_view number = line.substr(last + 1);
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), rule.profile);
    if (error != std::errc() || end != number.data() + number.size() ||
        !ValidRuleProfile(rule.profile) || !ValidProgramName(rule.program)) {
        return std::nullopt;
    }
    return rule;
}

} // namespace

bool ValidProgramName(std::string_view program)
{
    if (program.empty() || program.size() > kProgramNameMaxBytes) {
        return false;
    }
    for (const char c : program) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kFirstPrintable || byte == kDelete) {
            return false;
        }
    }
    return true;
}

bool ValidRuleProfile(size_t profile)
{
    return profile >= kFirstRuleProfile && profile <= kLastRuleProfile;
}

ParsedRules ParseFocusRules(std::string_view text)
{
    FocusRules rules;
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == kCommentStart) {
            continue;
        }
        std::optional<FocusRule> rule = ParseLine(line);
        if (!rule) {
            return {std::nullopt, lineNumber};
        }
        rules.push_back(std::move(*rule));
    }
    return {std::move(rules), 0};
}

std::string FormatFocusRules(const FocusRules& rules)
{
    std::string text(kHeader);
    for (const FocusRule& rule : rules) {
        text += rule.match == RuleMatch::Class ? kClassWord : kExecutableWord;
        text += kSeparator;
        text += rule.program;
        text += kSeparator;
        text += std::to_string(rule.profile);
        text += '\n';
    }
    return text;
}

} // namespace qx71
