#pragma once

#include <string>

namespace qx71 {

// How a message reaches the user. The window shows the first kinds in its timed message box
// and the last in a system message box; the command line prints them all.
enum class MessageKind {
    InfoBox,      // the timed message box, OK only
    CountDownBox, // the timed message box in the screen's corner, closing itself after 6 s
    SystemBox,    // a system message box with a caption (usually "Info")
};

// The sign a box shows beside its message: a warning, or the information sign for a success.
enum class MessageIcon { Warning, Information };

struct UserMessage {
    MessageKind kind = MessageKind::InfoBox;
    std::u16string caption; // empty for the timed message box
    std::u16string text;
    MessageIcon icon = MessageIcon::Warning;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void Show(const UserMessage& message) = 0;
};

} // namespace qx71
