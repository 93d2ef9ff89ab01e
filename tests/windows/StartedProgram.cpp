// A program the launcher tests start: it leaves "started.txt" beside itself, so the test can
// tell that it ran.
#include <windows.h>

#include <string>

int main()
{
    std::wstring path(MAX_PATH * 4, L'\0');
    const DWORD units = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (units == 0 || units >= path.size()) {
        return 1;
    }
    path.resize(units);
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"started.txt";
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    ::CloseHandle(file);
    return 0;
}
