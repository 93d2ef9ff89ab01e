#include "core/hooks/ShellOpenText.h"

namespace qx71 {

std::u16string ShellOpenText(const std::u16string& path)
{
    if (path.find(u' ') == std::u16string::npos) {
        return path;
    }
    return u"\"" + path + u"\"";
}

} // namespace qx71
