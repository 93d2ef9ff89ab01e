#include "core/app/DeviceNotices.h"

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
