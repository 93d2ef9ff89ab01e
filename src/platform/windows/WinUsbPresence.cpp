#include "platform/windows/WinUsbPresence.h"

#include "core/app/UsbMatchText.h"
#include "platform/windows/WideText.h"

#include <windows.h>

#include <setupapi.h>
#include <shlwapi.h>

namespace qx71 {

bool WinUsbPresence::Start(const UsbIdentity& /*identity*/, Handler /*handler*/)
{
    return false;
}

void WinUsbPresence::Stop() {}

std::vector<std::wstring> WinUsbPresence::HardwareIds()
{
    std::vector<std::wstring> ids;
    HDEVINFO set =
        ::SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE) {
        return ids;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        // A list of zero-terminated texts; the first one is the most specific.
        wchar_t buffer[kHardwareIdBytes / sizeof(wchar_t)] = {};
        DWORD type = 0;
        if (::SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_HARDWAREID, &type,
                                                reinterpret_cast<BYTE*>(buffer), sizeof buffer,
                                                nullptr)) {
            buffer[std::size(buffer) - 1] = L'\0';
            ids.emplace_back(buffer);
        }
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return ids;
}

bool WinUsbPresence::Matches(const std::wstring& hardwareId, const UsbIdentity& identity)
{
    const std::wstring match = WideFromUtf8(UsbMatchText(identity));
    return ::StrStrIW(hardwareId.c_str(), match.c_str()) != nullptr;
}

bool WinUsbPresence::IsPresent(const UsbIdentity& identity)
{
    for (const std::wstring& id : HardwareIds()) {
        if (Matches(id, identity)) {
            return true;
        }
    }
    return false;
}

} // namespace qx71
