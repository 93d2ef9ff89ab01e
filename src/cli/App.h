#pragma once

#include <CLI/CLI.hpp>

namespace qx71 {

class CliContext;

// The whole command line of qx71ctl: the global options and every command.
void ConfigureApp(CLI::App& app, CliContext& context);

} // namespace qx71
