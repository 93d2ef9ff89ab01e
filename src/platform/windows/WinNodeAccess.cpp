#include "platform/windows/WinNodeAccess.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace qx71 {

NodeAccess NodeAccessFromWin32(unsigned long error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return NodeAccess::PermissionDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return NodeAccess::Busy;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
        return NodeAccess::Missing;
    default:
        return NodeAccess::Failed;
    }
}

NodeAccess WinNodeAccess::CheckReadWrite(const std::string& path)
{
    const std::wstring wide = WideFromUtf8(path);
    HANDLE device = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        return NodeAccessFromWin32(::GetLastError());
    }
    ::CloseHandle(device);
    return NodeAccess::ReadWrite;
}

} // namespace qx71
