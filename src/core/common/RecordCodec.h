#pragma once

#include "core/common/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace qx71::codec {

// Field writers and readers for the settings records. A record lists its fields once, with
// their byte offsets, and the same list drives both directions; every number is converted
// explicitly so the files are little-endian whatever the host is.

class Writer {
public:
    explicit Writer(uint8_t* out) : out_(out) {}

    template <class T>
    requires(std::is_integral_v<T> && sizeof(T) == 4) void operator()(size_t offset, const T& value)
    {
        StoreLe32(out_ + offset, static_cast<uint32_t>(value));
    }
    template <class T, size_t N>
    requires(std::is_integral_v<T> && sizeof(T) == 4) void
    operator()(size_t offset, const std::array<T, N>& values)
    {
        for (size_t i = 0; i < N; ++i) {
            StoreLe32(out_ + offset + 4 * i, static_cast<uint32_t>(values[i]));
        }
    }
    template <size_t N> void operator()(size_t offset, const std::array<char16_t, N>& units)
    {
        for (size_t i = 0; i < N; ++i) {
            StoreLe16(out_ + offset + 2 * i, static_cast<uint16_t>(units[i]));
        }
    }
    template <size_t N> void operator()(size_t offset, const std::array<uint8_t, N>& bytes)
    {
        std::memcpy(out_ + offset, bytes.data(), N);
    }
    template <class T, size_t N> void operator()(size_t offset, const T (&values)[N])
    {
        for (size_t i = 0; i < N; ++i) {
            (*this)(offset + sizeof(T) * i, values[i]);
        }
    }
    void operator()(size_t offset, const char16_t& unit)
    {
        StoreLe16(out_ + offset, static_cast<uint16_t>(unit));
    }

private:
    uint8_t* out_;
};

class Reader {
public:
    explicit Reader(const uint8_t* in) : in_(in) {}

    template <class T>
    requires(std::is_integral_v<T> && sizeof(T) == 4) void operator()(size_t offset, T& value)
    {
        value = static_cast<T>(LoadLe32(in_ + offset));
    }
    template <class T, size_t N>
    requires(std::is_integral_v<T> && sizeof(T) == 4) void operator()(size_t offset,
                                                                      std::array<T, N>& values)
    {
        for (size_t i = 0; i < N; ++i) {
            values[i] = static_cast<T>(LoadLe32(in_ + offset + 4 * i));
        }
    }
    template <size_t N> void operator()(size_t offset, std::array<char16_t, N>& units)
    {
        for (size_t i = 0; i < N; ++i) {
            units[i] = static_cast<char16_t>(LoadLe16(in_ + offset + 2 * i));
        }
    }
    template <size_t N> void operator()(size_t offset, std::array<uint8_t, N>& bytes)
    {
        std::memcpy(bytes.data(), in_ + offset, N);
    }
    template <class T, size_t N> void operator()(size_t offset, T (&values)[N])
    {
        for (size_t i = 0; i < N; ++i) {
            (*this)(offset + sizeof(T) * i, values[i]);
        }
    }
    void operator()(size_t offset, char16_t& unit)
    {
        unit = static_cast<char16_t>(LoadLe16(in_ + offset));
    }

private:
    const uint8_t* in_;
};

} // namespace qx71::codec
