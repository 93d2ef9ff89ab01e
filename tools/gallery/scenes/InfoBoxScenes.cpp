// The timed message box: both styles, both languages, the count-down and a long message.
#include "Gallery.h"

#include "gui/widgets/CDlgInfo.h"

namespace qx71::gallery {
namespace {

void Box(Shots& shots, const QString& name, bool chinese, infobox::Style style, const QString& text,
         bool countDown = false)
{
    UseChinese(chinese);
    gui::CDlgInfo box;
    box.SetText(text);
    box.SetStyle(style);
    box.SetCountDown(countDown);
    box.Prepare();
    shots.Take(name, box);
    box.done(infobox::kResultCancel);
}

const RegisterScene kInfoBox("infobox", [](Shots& shots) {
    Box(shots, "infobox-ok-en", false, infobox::Style::OkOnly,
        "The QX71 gaming mouse cannot be found.");
    Box(shots, "infobox-ok-zh", true, infobox::Style::OkOnly, "没有找到QX71游戏鼠标.");
    Box(shots, "infobox-okcancel-en", false, infobox::Style::OkCancel,
        "Do you want to restore the default setting?");
    Box(shots, "infobox-okcancel-zh", true, infobox::Style::OkCancel, "确定要恢复默认设置?");
    Box(shots, "infobox-countdown-en", false, infobox::Style::OkOnly,
        "The QX71 gaming mouse cannot be found.", true);
    Box(shots, "infobox-countdown-zh", true, infobox::Style::OkOnly, "没有找到QX71游戏鼠标.", true);
    Box(shots, "infobox-long-en", false, infobox::Style::OkOnly,
        "Failed to open file, check whether there is a "
        "/home/someone/.config/TOLVI/QX71/Language.cfg path?");
    Box(shots, "infobox-long-zh", true, infobox::Style::OkCancel,
        "确定要重置奖杯和统计数据么？重置以后，所有的点击次数、滚轮次数和移动距离都会清零，"
        "并且奖杯等级也会回到最初的状态。");
    UseChinese(false);
});

} // namespace
} // namespace qx71::gallery
