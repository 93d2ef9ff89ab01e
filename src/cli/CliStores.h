#pragma once

#include <memory>

namespace qx71 {

class CliContext;
class CUSBDriver;
class ConfigStore;
class MacroLibrary;

// The store over DataDir, loaded as the program loads it at start. Messages about missing or
// rejected files are printed on the way and make the command end with a non-zero status.
std::unique_ptr<ConfigStore> OpenStore(CliContext& context);

// Macro.cfg as the program reads it at start. A missing file is reported by the library and
// gives an empty table; a file that cannot be read ends the command (nullptr).
std::unique_ptr<MacroLibrary> OpenLibrary(CliContext& context);

// One write of the store's current profile to the mouse, as Apply does it: progress on a
// terminal, the outcome handled (saved on success, the failure's text otherwise), and a line
// saying so. Without a mouse, the program's notice and nothing saved.
void ApplyStore(CliContext& context, ConfigStore& store, bool restoreDefaults);

// Initialises and opens the link, or prints the program's notice and returns false.
bool OpenLink(CliContext& context, CUSBDriver& link);

} // namespace qx71
