#include "core/update/UpdatePaths.h"

#include "core/common/IFileSystem.h"

namespace qx71 {

namespace {

constexpr const char* kUpdateFolder = "FWUpdate";
constexpr const char* kNewVersionFolder = "new_version";
constexpr const char* kDescriptionFile = "update.xml";
constexpr const char* kImageFile = "TolviGameDevice.bin";
constexpr const char* kFlashingToolFile = "BuringFW";

} // namespace

std::filesystem::path UpdatePaths::LocalDescription(IFileSystem& files) const
{
    return files.Exists(downloadDescription) ? downloadDescription : shippedDescription;
}

std::filesystem::path UpdatePaths::ImageBeside(const std::filesystem::path& description)
{
    return description.parent_path() / kImageFile;
}

UpdatePaths FormUpdatePaths(const std::filesystem::path& installDir,
                            const std::filesystem::path& dataDir, bool installDirWritable)
{
    const std::filesystem::path shipped = installDir / kUpdateFolder / kNewVersionFolder;
    const std::filesystem::path downloads =
        (installDirWritable ? installDir : dataDir) / kUpdateFolder / kNewVersionFolder;
    return UpdatePaths{shipped / kDescriptionFile, downloads / kDescriptionFile,
                       downloads / kImageFile, installDir / kUpdateFolder / kFlashingToolFile};
}

std::string UpdateServer(const std::optional<std::string>& environment)
{
    if (environment) {
        return *environment;
    }
    return QX71_UPDATE_SERVER_TEXT;
}

std::string DescriptionAddress(std::string_view server)
{
    while (!server.empty() && server.back() == '/') {
        server.remove_suffix(1);
    }
    if (server.empty()) {
        return {};
    }
    return std::string(server) + std::string(kDescriptionServerPath);
}

} // namespace qx71
