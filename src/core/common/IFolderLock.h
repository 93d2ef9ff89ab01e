#pragma once

namespace qx71 {

// An advisory lock on the settings folder, held by every program that reads, changes and
// saves its files for the whole of that span (a write to the mouse included), so that two
// writers never save over each other's changes. Advisory: it keeps out only programs that
// take it too (the window, qx71ctl, and anything else that saves in the folder).
class IFolderLock {
public:
    virtual ~IFolderLock() = default;
    // Takes the lock without waiting; false while another program holds it (or the folder
    // cannot be opened). Taking it again while held changes nothing.
    virtual bool TryLock() = 0;
    virtual void Unlock() = 0;
};

} // namespace qx71
