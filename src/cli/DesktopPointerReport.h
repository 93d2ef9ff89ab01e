#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace qx71 {

class CliContext;

// "pointer show": the pointer settings the desktop holds now.
void ShowDesktopPointer(CliContext& context);
// The line "profile show" adds: which of the profile's pointer settings this desktop uses.
std::string DesktopUsesLine(CliContext& context);
nlohmann::json DesktopUsesJson(CliContext& context);

} // namespace qx71
