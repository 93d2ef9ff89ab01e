#include "platform/windows/WinFolderLock.h"

#include "core/common/Hex.h"
#include "core/common/Sha256.h"
#include "platform/windows/WideText.h"

#include <windows.h>

#include <mutex>
#include <set>
#include <thread>

namespace qx71 {

namespace {

constexpr std::chrono::milliseconds kRetryStep{50};
constexpr const wchar_t* kNamePrefix = L"Local\\QX71.SettingsFolder.";

// The folders this process holds.
std::mutex heldGuard;
std::set<std::wstring>& HeldNames()
{
    static std::set<std::wstring> names;
    return names;
}

} // namespace

std::wstring WinFolderLock::MutexName(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::wstring full = std::filesystem::absolute(folder, ec).lexically_normal().wstring();
    while (full.size() > 1 && (full.back() == L'\\' || full.back() == L'/')) {
        full.pop_back();
    }
    if (!full.empty()) {
        ::CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
    }
    // A mutex name holds no backslash and is limited in length: the path's digest stands in.
    const std::string text = Utf8FromWide(full);
    Sha256 digest;
    digest.Update({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    const auto bytes = digest.Finish();
    return kNamePrefix + WideFromUtf8(HexBytes(bytes));
}

WinFolderLock::WinFolderLock(std::filesystem::path folder) : folder_(std::move(folder)) {}

WinFolderLock::~WinFolderLock()
{
    Unlock();
}

bool WinFolderLock::TryLock()
{
    if (mutex_ != nullptr) {
        return true;
    }
    const DWORD attributes = ::GetFileAttributesW(folder_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    const std::wstring name = MutexName(folder_);
    std::lock_guard guard(heldGuard);
    if (HeldNames().count(name) != 0) {
        return false;
    }
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return false;
    }
    // WAIT_ABANDONED: the last holder ended without giving it back; it is ours now.
    const DWORD taken = ::WaitForSingleObject(mutex, 0);
    if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
        ::CloseHandle(mutex);
        return false;
    }
    HeldNames().insert(name);
    name_ = name;
    mutex_ = mutex;
    return true;
}

void WinFolderLock::Unlock()
{
    if (mutex_ == nullptr) {
        return;
    }
    ::ReleaseMutex(mutex_);
    ::CloseHandle(mutex_);
    mutex_ = nullptr;
    std::lock_guard guard(heldGuard);
    HeldNames().erase(name_);
}

bool WinFolderLock::LockWithin(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!TryLock()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(kRetryStep);
    }
    return true;
}

} // namespace qx71
