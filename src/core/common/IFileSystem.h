#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace qx71 {

// Why a file could not be read or written. The settings files answer a missing file, a
// missing folder and a refusal each with its own message (or none), so they are told apart.
enum class FileError {
    None,
    NotFound,      // the file does not exist; its folder does
    FolderMissing, // a folder of its path does not exist
    AccessDenied,  // no permission
    NotRegular,    // the path names a folder, a pipe or a device instead of a file
    Unreadable,    // a save refused: the file is there but could not be read, so it holds
                   // data the program never saw
    Other,         // anything else (disk full, I/O error, ...)
};

// A file to read is not there: the file itself or a folder of its path is missing.
inline bool IsMissing(FileError error)
{
    return error == FileError::NotFound || error == FileError::FolderMissing;
}

struct FileReadResult {
    FileError error = FileError::None;
    std::vector<uint8_t> bytes;
    bool ok() const { return error == FileError::None; }
};

// File work of the core. Settings files are written whole and atomically: after a failure or
// a crash the previous file is still there, byte for byte.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Reads at most `maxBytes` bytes from the start of the file. A folder, pipe or device is
    // refused at once (NotRegular), never waited on.
    virtual FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) = 0;
    // Replaces (or creates) the file with exactly `bytes`: temp file beside it, flush, sync,
    // rename. The folder must exist (FolderMissing otherwise). A symbolic link is saved
    // through (its target is replaced, the link stays) and the file keeps its mode; a folder,
    // pipe or device in its place is refused (NotRegular).
    virtual FileError WriteFileAtomic(const std::filesystem::path& path,
                                      std::span<const uint8_t> bytes) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
    virtual bool IsDirectory(const std::filesystem::path& path) = 0;
    // Creates the folder and any missing parents.
    virtual bool CreateDirectories(const std::filesystem::path& path) = 0;
    // Removes the file; a file that is not there is no error.
    virtual FileError RemoveFile(const std::filesystem::path& path) = 0;
};

} // namespace qx71
