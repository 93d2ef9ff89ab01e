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
    return chineseUi ? u"此桌面没有通知区域，程序无法隐藏在那里：它现在退出，与“退出”相同。"
                       u"按 Ctrl+Q 也可随时退出。"
                     : u"This desktop has no notification area to keep the program in, so it "
                       u"ends now, as \"Exit\" does. Ctrl+Q ends it at any time.";
}

} // namespace qx71
