#pragma once

#include <CLI/CLI.hpp>

namespace qx71 {

class CliContext;

// Each group of commands registers its sub-commands; their callbacks run after parsing.
using CommandRegistrar = void (*)(CLI::App& app, CliContext& context);

void RegisterDeviceCommands(CLI::App& app, CliContext& context);
void RegisterProfileCommands(CLI::App& app, CliContext& context);
void RegisterLangCommands(CLI::App& app, CliContext& context);
void RegisterMacroCommands(CLI::App& app, CliContext& context);
void RegisterApplyCommands(CLI::App& app, CliContext& context);
void RegisterLightingCommands(CLI::App& app, CliContext& context);
void RegisterFirmwareCommands(CLI::App& app, CliContext& context);
void RegisterEditCommands(CLI::App& app, CliContext& context);
void RegisterRuleCommands(CLI::App& app, CliContext& context);
void RegisterAutostartCommands(CLI::App& app, CliContext& context);

inline constexpr CommandRegistrar kCommandGroups[] = {
    RegisterDeviceCommands,
    RegisterProfileCommands,
    RegisterLangCommands,
    RegisterMacroCommands,
    RegisterLightingCommands,
    RegisterFirmwareCommands,
    RegisterEditCommands,
    RegisterRuleCommands,
    RegisterAutostartCommands,
    // Last: it adds to the profile group.
    RegisterApplyCommands,
};

} // namespace qx71
