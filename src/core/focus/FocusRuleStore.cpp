#include "core/focus/FocusRuleStore.h"

#include "core/focus/FocusRuleFile.h"

#include <algorithm>

namespace qx71 {

FocusRuleStore::FocusRuleStore(IFileSystem& files, std::filesystem::path dataDir)
    : files_(files), dataDir_(std::move(dataDir))
{
}

std::filesystem::path FocusRuleStore::Path() const
{
    return dataDir_ / kFocusRulesFileName;
}

RulesResult FocusRuleStore::Load()
{
    badLine_ = 0;
    FileReadResult read = files_.ReadFile(Path(), kFocusRulesMaxBytes + 1);
    if (IsMissing(read.error)) {
        rules_.clear();
        return RulesResult::Done;
    }
    if (!read.ok()) {
        return RulesResult::Unreadable;
    }
    if (read.bytes.size() > kFocusRulesMaxBytes) {
        return RulesResult::Damaged;
    }
    const std::string text(read.bytes.begin(), read.bytes.end());
    ParsedRules parsed = ParseFocusRules(text);
    if (!parsed.rules) {
        badLine_ = parsed.badLine;
        return RulesResult::Damaged;
    }
    rules_ = std::move(*parsed.rules);
    return RulesResult::Done;
}

RulesResult FocusRuleStore::Add(const FocusRule& rule)
{
    if (!ValidProgramName(rule.program)) {
        return RulesResult::InvalidProgram;
    }
    if (!ValidRuleProfile(rule.profile)) {
        return RulesResult::InvalidProfile;
    }
    if (const RulesResult loaded = Load(); loaded != RulesResult::Done) {
        return loaded;
    }
    FocusRules edited = rules_;
    const auto same = std::find_if(edited.begin(), edited.end(),
                                   [&](const FocusRule& r) { return SameProgram(r, rule); });
    if (same != edited.end()) {
        *same = rule;
    } else {
        edited.push_back(rule);
    }
    return Save(edited);
}

RulesResult FocusRuleStore::Remove(const std::string& program)
{
    if (const RulesResult loaded = Load(); loaded != RulesResult::Done) {
        return loaded;
    }
    FocusRules edited = rules_;
    const auto removed = std::erase_if(edited, [&](const FocusRule& r) {
        return SameProgram(r, {r.match, program, r.profile});
    });
    if (removed == 0) {
        return RulesResult::UnknownProgram;
    }
    return Save(edited);
}

RulesResult FocusRuleStore::Save(const FocusRules& rules)
{
    if (!files_.IsDirectory(dataDir_) && !files_.CreateDirectories(dataDir_)) {
        return RulesResult::NotSaved;
    }
    const std::string text = FormatFocusRules(rules);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (files_.WriteFileAtomic(Path(), {bytes, text.size()}) != FileError::None) {
        return RulesResult::NotSaved;
    }
    rules_ = rules;
    return RulesResult::Done;
}

} // namespace qx71
