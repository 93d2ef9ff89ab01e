#include "core/widgets/SkinResources.h"

namespace qx71::skins {

std::string ResourceBitmap(int number)
{
    return std::string(kResourceFolder) + "/" + std::to_string(number) + ".bmp";
}

std::string ResourceImage(int number)
{
    return std::string(kResourceFolder) + "/" + std::to_string(number) + ".png";
}

std::string HiDpiName(std::string_view path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    const std::string_view stem = hasExtension ? path.substr(0, dot) : path;
    return std::string(stem) + "@2x.png";
}

} // namespace qx71::skins
