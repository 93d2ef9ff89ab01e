#include "platform/linux/HidrawNodeAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace qx71 {

NodeAccess NodeAccessFromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return NodeAccess::PermissionDenied;
    case EBUSY:
        return NodeAccess::Busy;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return NodeAccess::Missing;
    default:
        return NodeAccess::Failed;
    }
}

NodeAccess HidrawNodeAccess::CheckReadWrite(const std::string& path)
{
    // Non-blocking: opening a node never waits on the device.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return NodeAccessFromErrno(errno);
    }
    ::close(fd);
    return NodeAccess::ReadWrite;
}

} // namespace qx71
