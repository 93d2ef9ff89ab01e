#pragma once

#include "core/common/IFolderLock.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace qx71 {

// A named mutex of the user's session per settings folder (its name from the folder's full
// path, case folded as Windows compares paths). Windows hands an ended holder's mutex to the
// next taker, so the lock ends with its holder however it ends. A mutex lets its owning
// thread take it again: holders in one process are kept apart by the process's own list.
// Taken and given back on one thread.
class WinFolderLock final : public IFolderLock {
public:
    explicit WinFolderLock(std::filesystem::path folder);
    ~WinFolderLock() override;
    WinFolderLock(const WinFolderLock&) = delete;
    WinFolderLock& operator=(const WinFolderLock&) = delete;

    bool TryLock() override;
    void Unlock() override;

    // For programs without an event loop to keep answering (qx71ctl): tries until `limit` has
    // passed, in short sleeps.
    bool LockWithin(std::chrono::milliseconds limit);

    // The mutex's name for `folder`.
    static std::wstring MutexName(const std::filesystem::path& folder);

private:
    std::filesystem::path folder_;
    std::wstring name_; // while held
    void* mutex_ = nullptr;
};

} // namespace qx71
