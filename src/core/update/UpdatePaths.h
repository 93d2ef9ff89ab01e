#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

class IFileSystem;

// Where the update description is found on the maker's server.
inline constexpr std::string_view kDescriptionServerPath = "/software/qx71/update.xml";

// The files of the firmware update. Downloads go under InstallDir; where the program cannot
// write there (an installed program), they go to the same relative paths under DataDir, and
// the description found there is read before the one shipped with the program.
struct UpdatePaths {
    std::filesystem::path shippedDescription;  // InstallDir/FWUpdate/new_version/update.xml
    std::filesystem::path downloadDescription; // where an online description is stored
    std::filesystem::path image;               // where the firmware image is stored
    std::filesystem::path flashingTool;        // InstallDir/FWUpdate/BuringFW

    // The description the local check reads: a downloaded one when there is one, else the
    // shipped one.
    std::filesystem::path LocalDescription(IFileSystem& files) const;
    // The image that belongs to a description: the one in the same folder.
    static std::filesystem::path ImageBeside(const std::filesystem::path& description);
};

UpdatePaths FormUpdatePaths(const std::filesystem::path& installDir,
                            const std::filesystem::path& dataDir, bool installDirWritable);

// The update server: the QX71_UPDATE_SERVER environment variable when it is set (even when
// empty, which turns the online check off), else the server the program was built with.
std::string UpdateServer(const std::optional<std::string>& environment);

// The full address of the online description on `server` (for example
// "http://127.0.0.1:8080"); empty when no server is set.
std::string DescriptionAddress(std::string_view server);

} // namespace qx71
