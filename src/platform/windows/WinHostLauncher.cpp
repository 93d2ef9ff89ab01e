#include "platform/windows/WinHostLauncher.h"

#include "core/hooks/ShellOpenText.h"
#include "platform/windows/WideText.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include <cstdint>

// mmsystem.h names PlaySoundW PlaySound; the interface's method has that name.
#undef PlaySound

namespace qx71 {

namespace {

// ShellExecuteW reports success with a value above 32.
constexpr intptr_t kShellExecuteOk = 32;

bool ShellOpen(const std::u16string& text)
{
    const std::wstring file = WideFromUtf16(text);
    const auto result = reinterpret_cast<intptr_t>(
        ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > kShellExecuteOk;
}

} // namespace

bool WinHostLauncher::PlaySound(const std::u16string& path)
{
    const std::wstring file = WideFromUtf16(path);
    return ::PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC) != FALSE;
}

bool WinHostLauncher::StartProgram(const std::u16string& path)
{
    return ShellOpen(path);
}

bool WinHostLauncher::OpenFile(const std::u16string& path)
{
    return ShellOpen(ShellOpenText(path));
}

bool WinHostLauncher::OpenFolder(const std::u16string& path)
{
    return ShellOpen(ShellOpenText(path));
}

} // namespace qx71
