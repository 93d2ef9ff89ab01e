#pragma once

namespace qx71 {

// Markup names and encoding labels compare without regard to ASCII case; other letters keep
// their case, as the markup's rules say.
constexpr char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char16_t FoldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace qx71
