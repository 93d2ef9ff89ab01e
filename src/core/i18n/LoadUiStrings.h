#pragma once

#include "core/common/IFileSystem.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qx71 {

class SharedMarkupDocument;
class UiStrings;

// How a language file loaded. The window does not report it (a missing or broken file just
// leaves texts empty); qx71ctl does.
struct LanguageLoadResult {
    FileError readError = FileError::None;
    bool wellFormed = false;
    std::string readerResult; // the reader's notes and diagnostics
};

// Loads the language file into the shared document and assigns all 107 entries from its
// "config" section, in key order; a key the file lacks becomes empty. A file that cannot be
// read empties every entry.
LanguageLoadResult LoadUiStrings(SharedMarkupDocument& shared, const std::filesystem::path& path,
                                 UiStrings& strings);

// What a language file gives for each key: nullopt where the key's element is missing.
struct LanguageFileReport {
    LanguageLoadResult load;
    std::array<std::optional<std::u16string>, 107> texts;
    size_t MissingCount() const;
};
LanguageFileReport CheckLanguageFile(SharedMarkupDocument& shared,
                                     const std::filesystem::path& path);

} // namespace qx71
