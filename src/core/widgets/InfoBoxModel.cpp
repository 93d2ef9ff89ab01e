#include "core/widgets/InfoBoxModel.h"

#include "core/common/Utf.h"

#include <algorithm>
#include <string>

namespace qx71::infobox {

std::u16string TitleText(bool chineseUi)
{
    return chineseUi ? u"提示" : u"Tips";
}

std::u16string OkText(bool chineseUi)
{
    return chineseUi ? u"确定" : u"OK";
}

std::u16string CancelText(bool chineseUi)
{
    return chineseUi ? u"取消" : u"Cancel";
}

std::u16string CountDownText(bool chineseUi, int seconds)
{
    return OkText(chineseUi) + u" (" + Utf8ToUtf16(std::to_string(seconds)) + u"s)";
}

int CountDown::Open()
{
    remaining_ = kCountDownStart;
    return remaining_;
}

CountDown::Tick CountDown::OnTick()
{
    Tick tick;
    tick.close = remaining_ <= 0;
    tick.caption = remaining_;
    --remaining_;
    return tick;
}

int ExtraHeightFor(int messageHeight)
{
    const int bottom = kMessageBox.top + messageHeight + kMessageGap;
    return std::max(0, bottom - kButtonRowTop);
}

} // namespace qx71::infobox
