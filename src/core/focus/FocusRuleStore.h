#pragma once

#include "core/common/IFileSystem.h"
#include "core/focus/FocusRule.h"

#include <filesystem>

namespace qx71 {

// How the rules file read or an edit went.
enum class RulesResult {
    Done,
    Damaged,        // the file is not a rules file: it is left as it is and not edited
    Unreadable,     // it exists but could not be read
    NotSaved,       // the edit could not be written; the file holds the rules before it
    InvalidProgram, // an empty name, a control character, too long
    InvalidProfile, // not 1..5
    UnknownProgram, // a removal of a program without a rule
};

// The rules file in DataDir. Every edit reads the file first, so edits of the window and of
// the command line do not undo each other, and replaces it atomically; a file that does not
// read as rules is never overwritten.
class FocusRuleStore {
public:
    FocusRuleStore(IFileSystem& files, std::filesystem::path dataDir);

    // Reads the file; a missing one is an empty list.
    RulesResult Load();
    const FocusRules& Rules() const { return rules_; }
    // The line of the file that is not a rule, after Load gave Damaged.
    size_t BadLine() const { return badLine_; }

    // Adds a rule for the program, or gives an existing rule of the same program the profile
    // (it keeps its place, so the order the user made stays).
    RulesResult Add(const FocusRule& rule);
    // Removes the rules of `program` (class and executable alike).
    RulesResult Remove(const std::string& program);

    std::filesystem::path Path() const;

private:
    RulesResult Save(const FocusRules& rules);

    IFileSystem& files_;
    std::filesystem::path dataDir_;
    FocusRules rules_;
    size_t badLine_ = 0;
};

} // namespace qx71
