#pragma once

#include <string>

namespace qx71 {

// What the shell's "open" is handed for a file or folder action: a path that contains a space
// is wrapped in double quotes, any other path is handed as it is. A program's path is always
// handed unchanged.
std::u16string ShellOpenText(const std::u16string& path);

} // namespace qx71
