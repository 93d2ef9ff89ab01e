// rule add PROGRAM PROFILE, rule list, rule remove PROGRAM: the profiles that follow the
// program in use. Only the rules file changes; a running window reads it at the next focus.
#include "cli/CliContext.h"
#include "cli/Commands.h"

#include "core/common/PathText.h"
#include "core/focus/FocusRuleFile.h"
#include "core/focus/FocusRuleStore.h"

#include <charconv>
#include <iostream>
#include <memory>

namespace qx71 {

namespace {

std::string MatchWord(RuleMatch match)
{
    return match == RuleMatch::Class ? "class" : "exe";
}

// Says why a read or an edit of the rules went wrong; true when it went right.
bool Report(CliContext& context, const FocusRuleStore& store, RulesResult result,
            const std::string& program)
{
    const std::string path = PathToUtf8(store.Path());
    switch (result) {
    case RulesResult::Done:
        return true;
    case RulesResult::Damaged:
        context.Fail(path +
                     (store.BadLine() != 0
                          ? ": line " + std::to_string(store.BadLine()) + " is not a rule"
                          : std::string(": not a rules file")) +
                     "; the file was left as it is.");
        return false;
    case RulesResult::Unreadable:
        context.Fail(path + " could not be read.");
        return false;
    case RulesResult::NotSaved:
        context.Fail("The rules could not be saved to " + path + "; they are as they were.");
        return false;
    case RulesResult::InvalidProgram:
        context.Fail("A program name has 1 to " + std::to_string(kProgramNameMaxBytes) +
                     " characters, without tabs or line breaks.");
        return false;
    case RulesResult::InvalidProfile:
        context.Fail("There is no such profile: profiles are numbered " +
                     std::to_string(kFirstRuleProfile) + " to " + std::to_string(kLastRuleProfile) +
                     ".");
        return false;
    case RulesResult::UnknownProgram:
        context.Fail("No rule names " + program + ".");
        return false;
    }
    return false;
}

nlohmann::json RuleJson(const FocusRule& rule)
{
    return {{"program", rule.program}, {"match", MatchWord(rule.match)}, {"profile", rule.profile}};
}

void ListRules(CliContext& context)
{
    FocusRuleStore store(context.Files(), context.DataDir());
    if (!Report(context, store, store.Load(), {})) {
        return;
    }
    nlohmann::json rules = nlohmann::json::array();
    for (const FocusRule& rule : store.Rules()) {
        rules.push_back(RuleJson(rule));
    }
    context.Print({{"file", PathToUtf8(store.Path())}, {"rules", rules}}, [&] {
        if (store.Rules().empty()) {
            std::cout << "No rules: the profile follows no program.\n";
        }
        size_t n = 0;
        for (const FocusRule& rule : store.Rules()) {
            std::cout << ++n << "  profile " << rule.profile << "  " << MatchWord(rule.match)
                      << "  " << rule.program << '\n';
        }
    });
}

// The profile as typed: anything but a whole number is no profile.
size_t ProfileNumber(const std::string& text)
{
    size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

void Add(CliContext& context, const std::string& program, const std::string& profile,
         bool executable)
{
    FocusRuleStore store(context.Files(), context.DataDir());
    const FocusRule rule{executable ? RuleMatch::Executable : RuleMatch::Class, program,
                         ProfileNumber(profile)};
    if (!Report(context, store, store.Add(rule), program)) {
        return;
    }
    context.Print({{"added", RuleJson(rule)}}, [&] {
        std::cout << "Profile " << rule.profile << " is used while " << program << " is active.\n";
    });
}

void Remove(CliContext& context, const std::string& program)
{
    FocusRuleStore store(context.Files(), context.DataDir());
    if (!Report(context, store, store.Remove(program), program)) {
        return;
    }
    context.Print({{"removed", program}},
                  [&] { std::cout << "The rules of " << program << " were removed.\n"; });
}

} // namespace

void RegisterRuleCommands(CLI::App& app, CliContext& context)
{
    CLI::App* rule = app.add_subcommand("rule", "Profiles that follow the program in use");
    rule->require_subcommand(1);

    rule->add_subcommand("list", "The rules, in the order they are tried")->callback([&] {
        ListRules(context);
    });

    struct AddArguments {
        std::string program;
        std::string profile;
        bool executable = false;
    };
    auto add = std::make_shared<AddArguments>();
    CLI::App* addCommand = rule->add_subcommand(
        "add", "Use profile PROFILE (1..5) while PROGRAM has the focus; PROGRAM is the window's "
               "class (WM_CLASS), as the desktop names it");
    addCommand->add_option("PROGRAM", add->program, "The program's window class")->required();
    addCommand->add_option("PROFILE", add->profile, "Profile number")->required();
    addCommand->add_flag("--exe", add->executable,
                         "PROGRAM is the name of the program's file instead of its class");
    addCommand->callback(
        [&context, add] { Add(context, add->program, add->profile, add->executable); });

    auto program = std::make_shared<std::string>();
    CLI::App* removeCommand = rule->add_subcommand("remove", "Remove the rules of PROGRAM");
    removeCommand->add_option("PROGRAM", *program, "The program of the rules")->required();
    removeCommand->callback([&context, program] { Remove(context, *program); });
}

} // namespace qx71
