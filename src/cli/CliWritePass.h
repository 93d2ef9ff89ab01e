#pragma once

namespace qx71 {

class CliContext;
class ConfigStore;
class MacroLibrary;

// One write of the store's current profile to the mouse, as Apply does it: progress on a
// terminal, then the outcome handled (saved on success, the failure's text otherwise). With
// `restoreDefaults` the profile is first filled with defaults. True when the mouse took the
// profile; on false a failure was printed and the exit code set. The macros come from
// `library`, or from Macro.cfg read anew without one. The macro buttons whose macro the
// macros lack are named after the write unless `tellMissingMacros` is false (a switch or an
// import named them already).
bool WriteToMouse(CliContext& context, ConfigStore& store, bool restoreDefaults,
                  const MacroLibrary* library = nullptr, bool tellMissingMacros = true);

} // namespace qx71
