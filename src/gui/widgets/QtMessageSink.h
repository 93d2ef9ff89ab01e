#pragma once

#include "core/common/IMessageSink.h"
#include "core/common/IQuestionSink.h"

class QWidget;

namespace qx71::gui {

// Messages and questions of the core shown in the program's own boxes: the timed box for
// notices (OK only, or counting down in the corner), the same box titled with the caption for
// system messages, and OK and Cancel for questions.
class QtMessageSink final : public IMessageSink, public IQuestionSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}

    void Show(const UserMessage& message) override;
    bool Ask(const std::u16string& text) override;

private:
    QWidget* parent_;
};

} // namespace qx71::gui
