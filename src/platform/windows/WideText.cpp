#include "platform/windows/WideText.h"

#include <windows.h>

namespace qx71 {

std::wstring WideFromUtf8(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(units), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), units);
    return out;
}

std::string Utf8FromWide(std::wstring_view text)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring WideFromUtf16(std::u16string_view text)
{
    // wchar_t is UTF-16 on Windows.
    return std::wstring(text.begin(), text.end());
}

} // namespace qx71
