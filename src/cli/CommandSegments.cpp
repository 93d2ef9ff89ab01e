#include "cli/CommandSegments.h"

namespace qx71 {

namespace {

// The arguments a command needs before another command may follow it.
int RequiredWords(CLI::App& command)
{
    int words = 0;
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_positional() && option->get_required()) {
            words += option->get_items_expected_min();
        }
    }
    return words;
}

CLI::App* Subcommand(CLI::App& parent, const std::string& word)
{
    for (CLI::App* sub : parent.get_subcommands({})) {
        if (sub->check_name(word)) {
            return sub;
        }
    }
    return nullptr;
}

// The option that `word` names in `command` or the commands above it, if any.
const CLI::Option* NamedOption(const CLI::App* command, const std::string& word)
{
    const std::string name = word.substr(0, word.find('='));
    for (; command != nullptr; command = command->get_parent()) {
        for (const CLI::Option* option : command->get_options()) {
            if (option->nonpositional() && option->check_name(name)) {
                return option;
            }
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::vector<std::string>> SplitCommands(CLI::App& app,
                                                    const std::vector<std::string>& args)
{
    std::vector<std::vector<std::string>> parts(1);
    CLI::App* command = &app;
    int needed = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() > 1 && word[0] == '-') {
            parts.back().push_back(word);
            const CLI::Option* option = NamedOption(command, word);
            const bool takesValue = option != nullptr && option->get_expected_min() > 0 &&
                                    word.find('=') == std::string::npos;
            if (takesValue && i + 1 < args.size()) {
                parts.back().push_back(args[++i]);
            }
            continue;
        }
        if (CLI::App* sub = Subcommand(*command, word)) {
            command = sub;
            needed = RequiredWords(*sub);
        } else if (CLI::App* next = Subcommand(app, word); next != nullptr && needed <= 0) {
            if (command != &app) {
                parts.emplace_back();
            }
            command = next;
            needed = RequiredWords(*next);
        } else {
            --needed;
        }
        parts.back().push_back(word);
    }
    return parts;
}

} // namespace qx71
