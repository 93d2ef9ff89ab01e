#include "core/app/MouseAccessNotice.h"

#include "core/app/DeviceNotices.h"
#include "core/common/BilingualText.h"
#include "core/common/Utf.h"

namespace qx71 {

namespace {

constexpr BilingualText kDenied{
    u"QX71 游戏鼠标已连接，但当前用户无权打开它（权限被拒绝）。",
    u"The QX71 gaming mouse is plugged in, but this user may not open it (permission denied)."};
constexpr BilingualText kRunFix{u"请运行下面的命令，然后重新启动本程序：",
                                u"Run this command, then start the program again:"};
constexpr BilingualText kNoRule{
    u"请安装 qx71 软件包，它让坐在这台计算机前的用户可以使用鼠标。",
    u"Install the qx71 package: it lets the user at this computer use the mouse."};
constexpr BilingualText kBusy{
    u"QX71 游戏鼠标已连接，但它正被另一个程序占用。请关闭那个程序，然后重新启动本程序。",
    u"The QX71 gaming mouse is plugged in, but another program holds it. Close that program, "
    u"then start this one again."};
constexpr BilingualText kRefused{
    u"QX71 游戏鼠标已连接，但无法打开。运行“qx71ctl devices”可以查看原因。",
    u"The QX71 gaming mouse is plugged in, but it cannot be opened. Run \"qx71ctl devices\" to "
    u"see why."};

} // namespace

std::u16string MouseAccessNotice(const DeviceSurvey& survey, std::string_view fixCommand,
                                 bool chineseUi)
{
    if (survey.status != MouseStatus::NotUsable) {
        return DeviceNoticeText(DeviceNotice::NotFound, chineseUi);
    }
    if (!survey.mouse) {
        return std::u16string(kRefused.In(chineseUi));
    }
    switch (survey.mouseAccess) {
    case NodeAccess::PermissionDenied: {
        std::u16string text(kDenied.In(chineseUi));
        text += u'\n';
        if (fixCommand.empty()) {
            text += kNoRule.In(chineseUi);
        } else {
            text += kRunFix.In(chineseUi);
            text += u'\n';
            text += Utf8ToUtf16(fixCommand);
        }
        return text;
    }
    case NodeAccess::Busy:
        return std::u16string(kBusy.In(chineseUi));
    case NodeAccess::Missing:
    case NodeAccess::Failed:
    case NodeAccess::ReadWrite:
        break;
    }
    return std::u16string(kRefused.In(chineseUi));
}

bool MouseNoticeWaitsForOk(const DeviceSurvey& survey)
{
    return survey.status == MouseStatus::NotUsable;
}

} // namespace qx71
