#pragma once

#include <array>
#include <string_view>

namespace qx71 {

// "MS Shell Dlg", the dialog font the skins are drawn for, is this family list here: Latin,
// Greek and Cyrillic from the first, Chinese and Korean from the second.
inline constexpr std::string_view kShellDlgName = "MS Shell Dlg";
inline constexpr std::array<std::string_view, 2> kShellDlgFamilies = {"DejaVu Sans",
                                                                      "WenQuanYi Micro Hei"};
// Heights of the kit's text in pixels.
inline constexpr int kKitTextHeight = 14;
inline constexpr int kKitLargeTextHeight = 20;

} // namespace qx71
