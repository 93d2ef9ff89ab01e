#pragma once

#include <memory>

namespace qx71 {

class CliContext;
class CUSBDriver;
class ConfigStore;
class MacroLibrary;

// The store over DataDir, loaded as the program loads it at start. Messages about missing or
// rejected files are printed on the way and make the command end with a non-zero status.
std::unique_ptr<ConfigStore> LoadStore(CliContext& context);
// The same after the call's pending edits were written, so the command sees them.
std::unique_ptr<ConfigStore> OpenStore(CliContext& context);

// Macro.cfg as the program reads it at start. A missing file is reported by the library and
// gives an empty table; a file that cannot be read ends the command (nullptr).
std::unique_ptr<MacroLibrary> OpenLibrary(CliContext& context);

// Initialises and opens the link, or prints the program's notice and returns false.
bool OpenLink(CliContext& context, CUSBDriver& link);

} // namespace qx71
