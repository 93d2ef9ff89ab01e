#pragma once

#include "core/common/IFolderLock.h"

#include <chrono>
#include <filesystem>

namespace qx71 {

// flock(2) on the folder itself: no lock file to leave behind, and a read-only folder can be
// locked too. The kernel drops the lock when the holder ends, however it ends.
class PosixFolderLock final : public IFolderLock {
public:
    explicit PosixFolderLock(std::filesystem::path folder);
    ~PosixFolderLock() override;
    PosixFolderLock(const PosixFolderLock&) = delete;
    PosixFolderLock& operator=(const PosixFolderLock&) = delete;

    bool TryLock() override;
    void Unlock() override;

    // For programs without an event loop to keep answering (qx71ctl): tries until `limit` has
    // passed, in short sleeps.
    bool LockWithin(std::chrono::milliseconds limit);

    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    int fd_ = -1;
};

} // namespace qx71
