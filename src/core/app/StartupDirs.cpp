#include "core/app/StartupDirs.h"

#include "core/common/BilingualText.h"
#include "core/common/Utf.h"

namespace qx71 {

namespace {

// Far above the largest settings file (Macro.cfg): a seed is read whole.
constexpr size_t kSeedFileLimit = 16 * 1024 * 1024;

constexpr BilingualText kMsgSeedFailed{
    u"无法在设置文件夹 %s 中创建以下文件：%f。程序使用默认设置，下次启动时将再次创建它们。",
    u"The settings folder %s could not be filled: %f could not be written. The program goes "
    u"on with default settings and writes them at the next start."};
constexpr BilingualText kWhyDenied{u"拒绝访问", u"access denied"};
constexpr BilingualText kWhyNotRegular{u"其位置上是文件夹、管道或设备",
                                       u"a folder, a pipe or a device is in its place"};
constexpr BilingualText kWhyFolderMissing{u"无法创建其文件夹", u"its folder could not be made"};
constexpr BilingualText kWhyUnreadableSeed{u"无法读取安装文件夹中的副本",
                                           u"the installed copy cannot be read"};
constexpr BilingualText kWhyOther{u"写入错误，磁盘可能已满", u"write error, the disk may be full"};

const BilingualText& Why(FileError error)
{
    switch (error) {
    case FileError::AccessDenied:
        return kWhyDenied;
    case FileError::NotRegular:
        return kWhyNotRegular;
    case FileError::FolderMissing:
        return kWhyFolderMissing;
    case FileError::Unreadable:
        return kWhyUnreadableSeed;
    default:
        return kWhyOther;
    }
}

// A settings file a seeding still owes: missing, or left empty by a failed write.
bool Owed(IFileSystem& fs, const std::filesystem::path& path)
{
    if (!fs.Exists(path)) {
        return true;
    }
    const FileReadResult read = fs.ReadFile(path, 1);
    return read.ok() && read.bytes.empty();
}

void Replace(std::u16string& text, std::u16string_view marker, const std::u16string& with)
{
    if (const auto at = text.find(marker); at != std::u16string::npos) {
        text.replace(at, marker.size(), with);
    }
}

bool UsableAbsolute(const std::optional<std::string>& value)
{
    return value && !value->empty() && std::filesystem::path(*value).is_absolute();
}

} // namespace

std::filesystem::path FormDataDir(const DataDirEnvironment& env)
{
    if (env.qx71DataDir && !env.qx71DataDir->empty()) {
        return std::filesystem::path(*env.qx71DataDir);
    }
    return FormConfigHome(env) / "TOLVI" / "QX71";
}

std::filesystem::path FormConfigHome(const DataDirEnvironment& env)
{
    if (UsableAbsolute(env.xdgConfigHome)) {
        return *env.xdgConfigHome;
    }
    return std::filesystem::path(env.home.value_or("")) / ".config";
}

std::filesystem::path FormInstallDir(const std::filesystem::path& executablePath)
{
    return executablePath.parent_path();
}

std::vector<std::filesystem::path> SettingsFiles(const std::filesystem::path& dataDir)
{
    std::vector<std::filesystem::path> files;
    for (const char* relative : kSeedFiles) {
        files.push_back(dataDir / relative);
    }
    return files;
}

bool HoldsAnySettingsFile(IFileSystem& fs, const std::filesystem::path& dataDir)
{
    for (const char* relative : kSeedFiles) {
        if (fs.Exists(dataDir / relative)) {
            return true;
        }
    }
    return false;
}

SeedOutcome SeedDataDir(IFileSystem& fs, const std::filesystem::path& installDir,
                        const std::filesystem::path& dataDir)
{
    // A folder that holds none of the files (made by hand, by mktemp, by a backup tool) is
    // treated as a first start too: otherwise every reader reports its missing file and the
    // missing Language.cfg switches the interface to Chinese. One that holds some of them is
    // the user's and stays as it is, unless a seeding of it did not finish.
    const std::filesystem::path marker = dataDir / kSeedUnfinishedMarker;
    const bool firstStart = !fs.Exists(dataDir) || !HoldsAnySettingsFile(fs, dataDir);
    if (!firstStart && !fs.Exists(marker)) {
        return {};
    }
    SeedOutcome outcome;
    outcome.seeded = true;
    fs.CreateDirectories(dataDir);
    fs.CreateDirectories(dataDir / "Profile");
    // Set before the first file, so that a seeding cut short by a full disk or a crash is
    // finished at the next start. When even the marker cannot be written, the files are
    // tried all the same and a failure is told.
    if (firstStart) {
        fs.WriteFileAtomic(marker, {});
    }
    for (const char* relative : kSeedFiles) {
        const std::filesystem::path target = dataDir / relative;
        if (!Owed(fs, target)) {
            continue;
        }
        const FileReadResult seed = fs.ReadFile(installDir / relative, kSeedFileLimit);
        if (IsMissing(seed.error)) {
            // Not installed: the readers supply the defaults.
            continue;
        }
        const FileError error =
            seed.ok() ? fs.WriteFileAtomic(target, seed.bytes) : FileError::Unreadable;
        if (error != FileError::None) {
            outcome.failures.push_back({relative, error});
        }
    }
    if (outcome.failures.empty()) {
        fs.RemoveFile(marker);
    }
    return outcome;
}

std::u16string SeedFailureText(const SeedOutcome& outcome, const std::filesystem::path& dataDir,
                               bool chineseUi)
{
    std::u16string files;
    for (const SeedFailure& failure : outcome.failures) {
        if (!files.empty()) {
            files += chineseUi ? u"，" : u", ";
        }
        files += Utf8ToUtf16(failure.relativePath.string());
        files += chineseUi ? u"（" : u" (";
        files += Why(failure.error).In(chineseUi);
        files += chineseUi ? u"）" : u")";
    }
    std::u16string text(kMsgSeedFailed.In(chineseUi));
    Replace(text, u"%s", Utf8ToUtf16(dataDir.string()));
    Replace(text, u"%f", files);
    return text;
}

} // namespace qx71
