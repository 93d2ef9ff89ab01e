#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace qx71 {

class IProcessStarter;

// The argument the flashing tool gets: "1" for a Chinese interface, "0" otherwise.
std::string FlashingToolArgument(bool chineseUi);

// Hands the mouse over to the flashing tool: starts it without a shell and, once it runs,
// closes the program so the tool has the mouse to itself. When it cannot be started the user
// is told why (`report`) and the program stays open. Used by the update check and by the
// start-up search that finds the mouse in its update mode.
bool StartFlashingTool(IProcessStarter& starter, const std::filesystem::path& tool, bool chineseUi,
                       const std::function<void(const std::u16string&)>& report,
                       const std::function<void()>& closeProgram);

} // namespace qx71
