#include "core/app/DeviceNotices.h"

#include "core/common/Utf.h"

namespace qx71 {

std::u16string DeviceNoticeText(DeviceNotice notice, bool chineseUi)
{
    switch (notice) {
    case DeviceNotice::NotFound:
        return chineseUi ? u"没有找到QX71游戏鼠标." : u"The QX71 gaming mouse cannot be found.";
    case DeviceNotice::Found:
        return chineseUi ? u"发现QX71游戏鼠标." : u"The QX71 gaming mouse is found.";
    }
    return {};
}

std::u16string FlashToolFailedText(const std::filesystem::path& tool, bool chineseUi)
{
    const std::u16string path = Utf8ToUtf16(tool.string());
    return chineseUi ? u"无法启动固件升级程序 " + path
                     : u"The firmware update tool " + path + u" could not be started.";
}

std::string FirmwareVersionText(bool read, int version)
{
    if (!read || version == 0) {
        return {};
    }
    return std::to_string(version);
}

std::string FlashToolArgument(bool chineseUi)
{
    return chineseUi ? "1" : "0";
}

std::filesystem::path FlashToolPath(const std::filesystem::path& installDir)
{
    return installDir / "FWUpdate" / "BuringFW";
}

std::filesystem::path UpdaterPath(const std::filesystem::path& installDir)
{
    return installDir / "tolvi_update" / "TolviUpdate";
}

std::u16string NoTrayText(bool chineseUi)
{
    return chineseUi ? u"没有系统托盘: 窗口将最小化而不是隐藏."
                     : u"This desktop has no notification area: the window is minimised "
                       u"instead of hidden.";
}

} // namespace qx71
