// Writes the settings files the program is installed with into the folder given as the only
// argument (the build's InstallDir).
#include "core/app/SeedFiles.h"

#include <fstream>
#include <iostream>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qx71_seed_generator INSTALL_DIR\n";
        return 2;
    }
    const std::filesystem::path installDir = argv[1];
    for (const qx71::SeedFile& file : qx71::BuildSeedFiles()) {
        const std::filesystem::path path = installDir / file.relativePath;
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
