#pragma once

#include <string>

namespace qx71 {

// How a message reaches the user. The window shows the first kind in its timed message box
// and the second in a system message box; the command line prints both.
enum class MessageKind {
    InfoBox,   // the timed message box
    SystemBox, // a system message box with a caption (usually "Info")
};

struct UserMessage {
    MessageKind kind = MessageKind::InfoBox;
    std::u16string caption; // empty for the timed message box
    std::u16string text;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void Show(const UserMessage& message) = 0;
};

} // namespace qx71
