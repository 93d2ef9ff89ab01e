#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qx71 {

// Texts inside settings records: fixed arrays of UTF-16 units, zero-terminated, tail zero.

// The text up to the first zero unit (the whole array when none is zero).
template <size_t N> std::u16string TextOf(const std::array<char16_t, N>& units)
{
    size_t length = 0;
    while (length < N && units[length] != 0) {
        ++length;
    }
    return std::u16string(units.data(), length);
}

// Stores as much of `text` as fits before the terminator and zeroes the rest. A surrogate pair
// that would be cut in half is dropped whole, so the stored text stays valid UTF-16.
template <size_t N> void SetText(std::array<char16_t, N>& units, std::u16string_view text)
{
    static_assert(N > 0);
    std::u16string_view kept = text.substr(0, N - 1);
    if (kept.size() < text.size() && !kept.empty() && kept.back() >= 0xD800 &&
        kept.back() <= 0xDBFF) {
        kept.remove_suffix(1);
    }
    units.fill(0);
    std::copy(kept.begin(), kept.end(), units.begin());
}

} // namespace qx71
