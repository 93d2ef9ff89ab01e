#include "platform/windows/WinDirectories.h"

#include "platform/windows/WideText.h"

#include <windows.h>

#include <random>
#include <string>

namespace qx71 {

namespace {

// Long enough for any path the system returns; calls that need more say so.
constexpr DWORD kPathUnits = 32768;
constexpr int kScratchAttempts = 100;

std::optional<std::wstring> WideEnvironment(const wchar_t* name)
{
    std::wstring value(kPathUnits, L'\0');
    ::SetLastError(ERROR_SUCCESS);
    const DWORD units = ::GetEnvironmentVariableW(name, value.data(), kPathUnits);
    if (units == 0 && ::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
        return std::nullopt;
    }
    if (units >= kPathUnits) {
        return std::nullopt;
    }
    value.resize(units);
    return value;
}

std::wstring TempFolder()
{
    std::wstring folder(MAX_PATH + 1, L'\0');
    const DWORD units = ::GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (units == 0 || units > folder.size()) {
        return {};
    }
    folder.resize(units);
    return folder;
}

} // namespace

std::filesystem::path ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= kPathUnits) {
        const DWORD units =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (units == 0) {
            return {};
        }
        if (units < path.size()) {
            path.resize(units);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return {};
}

std::filesystem::path WindowsDataDir()
{
    if (const auto overridden = WideEnvironment(L"QX71_DATA_DIR");
        overridden && !overridden->empty()) {
        return *overridden;
    }
    const std::wstring temp = TempFolder();
    if (temp.empty()) {
        return {};
    }
    // The folder text is used as the system gives it, immediately followed by the name.
    return temp + kDataDirUnderTemp;
}

std::optional<std::string> EnvironmentVariable(const wchar_t* name)
{
    const auto value = WideEnvironment(name);
    if (!value) {
        return std::nullopt;
    }
    return Utf8FromWide(*value);
}

bool CanWriteUnder(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::path existing = folder;
    while (!existing.empty() && !std::filesystem::exists(existing, ec)) {
        const std::filesystem::path parent = existing.parent_path();
        if (parent == existing) {
            return false;
        }
        existing = parent;
    }
    if (existing.empty()) {
        return false;
    }
    const std::filesystem::path probe =
        existing / (L"qx71-write-probe-" + std::to_wstring(::GetCurrentProcessId()));
    HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

std::filesystem::path MakeScratchFolder()
{
    const std::wstring temp = TempFolder();
    if (temp.empty()) {
        return {};
    }
    std::random_device random;
    for (int attempt = 0; attempt < kScratchAttempts; ++attempt) {
        const std::filesystem::path candidate =
            std::filesystem::path(temp) / (L"qx71-" + std::to_wstring(random()));
        if (::CreateDirectoryW(candidate.c_str(), nullptr) != FALSE) {
            return candidate;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
    return {};
}

} // namespace qx71
