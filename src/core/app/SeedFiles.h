#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace qx71 {

// A settings file the program is installed with, by its path under InstallDir.
struct SeedFile {
    std::filesystem::path relativePath;
    std::vector<uint8_t> bytes;
};

// The files under InstallDir that a first start copies into DataDir (every kSeedFiles entry),
// plus skins/languagetype.ini, the installer's choice of language: five default profiles
// named in English with the first in use, no macros, English as the language, no statistics.
std::vector<SeedFile> BuildSeedFiles();

} // namespace qx71
