#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace qx71 {

// The interface texts that change with the language, addressed by their keys.
class UiStrings {
public:
    static constexpr size_t kCount = 107;
    // In load order; each key is also the element name in the language files.
    static const std::array<std::string_view, kCount> kKeys;

    // The text of `key`; empty for an unknown key or an entry not loaded.
    const std::u16string& Get(std::string_view key) const;
    // False for an unknown key.
    bool Set(std::string_view key, std::u16string text);
    // Index of a key in kKeys, or kCount when it is not one.
    static size_t IndexOf(std::string_view key);

private:
    std::array<std::u16string, kCount> texts_;
};

// Replaces the first "%s" of a message format such as str_msg2 with a file's path.
std::u16string FormatWithPath(std::u16string_view format, const std::filesystem::path& path);
// A message about a file that names it: in place of its "%s", or on a line of its own after a
// text that has none (str_msg4, str_msg5).
std::u16string NamingFile(std::u16string_view text, const std::filesystem::path& path);

} // namespace qx71
