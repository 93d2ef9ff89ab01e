#pragma once

#include <cstdint>
#include <string>

namespace qx71 {

// What the function chooser hands back to the assignment page when it ends with OK.
struct ChooserResult {
    int32_t buttonIndex = 0; // the input being assigned
    int32_t code = 0;        // the chosen function's value; 0 = nothing chosen
    // kChooserBasicKind (the code is then the function itself), or the ButtonFunction code of
    // the kind: Key, Macro, HostAction or Disable.
    int32_t kind = 0;
    int32_t hostRow = 0; // a HostRow (host actions only)
    std::u16string path; // the chosen file or folder (host actions only)
};

// The basic list and the default button choose a function directly.
inline constexpr int32_t kChooserBasicKind = 0;
// The code of the disable box.
inline constexpr int32_t kDisabledChooserCode = 7;

} // namespace qx71
