#include "platform/windows/WinSingleInstance.h"

#include <windows.h>

namespace qx71 {

WinSingleInstance::WinSingleInstance()
{
    mutex_ = ::CreateMutexW(nullptr, FALSE, kMutexName);
    // A mutex that existed is still opened: the handle is kept until the end either way.
    first_ = mutex_ != nullptr && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

WinSingleInstance::~WinSingleInstance()
{
    if (mutex_ != nullptr) {
        ::CloseHandle(mutex_);
    }
}

bool WinSingleInstance::ShowRunningCopy()
{
    HWND window = ::FindWindowW(nullptr, kWindowTitle);
    if (window == nullptr) {
        return false;
    }
    return ::PostMessageW(window, kShowMessage, 0, kShowCode) != FALSE;
}

} // namespace qx71
