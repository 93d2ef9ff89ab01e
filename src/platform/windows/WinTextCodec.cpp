#include "platform/windows/WinTextCodec.h"

#include <windows.h>

#include <climits>

namespace qx71 {

bool WinTextCodec::ToUtf16(uint32_t codePage, std::span<const uint8_t> bytes, std::u16string& out)
{
    if (::IsValidCodePage(codePage) == FALSE) {
        return false;
    }
    if (bytes.empty()) {
        return true;
    }
    if (bytes.size() > static_cast<size_t>(INT_MAX)) {
        return false;
    }
    // Without MB_ERR_INVALID_CHARS bytes that form no character become the default character
    // and the conversion goes on.
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    const int size = static_cast<int>(bytes.size());
    const int units = ::MultiByteToWideChar(codePage, 0, text, size, nullptr, 0);
    if (units <= 0) {
        return false;
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, size, wide.data(), units);
    out.append(wide.begin(), wide.end());
    return true;
}

uint32_t WinTextCodec::AnsiCodePage() const
{
    return ::GetACP();
}

} // namespace qx71
