#include "gui/widgets/QtMessageSink.h"

#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/QtConvert.h"

namespace qx71::gui {

void QtMessageSink::Show(const UserMessage& message)
{
    CDlgInfo box(parent_);
    box.SetText(ToQString(message.text));
    box.SetStyle(infobox::Style::OkOnly);
    box.SetIcon(message.icon);
    switch (message.kind) {
    case MessageKind::CountDownBox:
        box.SetCountDown(true);
        break;
    case MessageKind::SystemBox:
        box.SetTitle(ToQString(message.caption));
        break;
    case MessageKind::InfoBox:
        break;
    }
    box.exec();
}

bool QtMessageSink::Ask(const std::u16string& text)
{
    return ShowInfoBox(ToQString(text), 1, parent_) == infobox::kResultOk;
}

} // namespace qx71::gui
