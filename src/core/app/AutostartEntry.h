#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qx71 {

// The desktop's autostart entry that starts the window hidden at login: a desktop entry in
// the user's autostart folder (the XDG autostart rules). Nothing installs it for everyone.
inline constexpr const char* kAutostartFolder = "autostart";
inline constexpr const char* kAutostartFileName = "qx71.desktop";

// $XDG_CONFIG_HOME/autostart/qx71.desktop under `configHome`.
std::filesystem::path AutostartPath(const std::filesystem::path& configHome);
// The entry's text, starting `program` (an absolute path) with --hidden.
std::string AutostartEntryText(const std::filesystem::path& program);
// `argument` as one argument of a desktop entry's Exec key: quoted and escaped where it needs
// to be, with '%' doubled (the desktop entry rules).
std::string QuoteExecArgument(std::string_view argument);

} // namespace qx71
