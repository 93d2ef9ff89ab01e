#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qx71 {

// Paths as UTF-8 text and back. On Windows a path is UTF-16 and its plain string() is in the
// ANSI code page, which cannot hold every file name; these keep every character everywhere.
inline std::string PathToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace qx71
