#pragma once

#include "core/focus/FocusRule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

// The rules file in DataDir: a text file of our own, one rule a line in rule order,
// "class" or "exe", a tab, the program, a tab, the profile number. Lines that are empty or
// start with '#' are comments.
inline constexpr std::string_view kFocusRulesFileName = "ProfileRules.txt";
// More than any hand-made list; a bigger file is not one of ours.
inline constexpr size_t kFocusRulesMaxBytes = 64 * 1024;
inline constexpr size_t kProgramNameMaxBytes = 255;
inline constexpr size_t kFirstRuleProfile = 1;
inline constexpr size_t kLastRuleProfile = 5;

// A program name a rule can hold and the file can keep: 1..255 bytes, no control characters
// (a tab or a line break would split the line).
bool ValidProgramName(std::string_view program);
bool ValidRuleProfile(size_t profile);

struct ParsedRules {
    std::optional<FocusRules> rules; // empty when the text is not a rules file
    size_t badLine = 0;              // then the first line that is not a rule (from 1)
};

ParsedRules ParseFocusRules(std::string_view text);
std::string FormatFocusRules(const FocusRules& rules);

} // namespace qx71
