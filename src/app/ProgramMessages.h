#pragma once

#include "core/common/IMessageSink.h"

#include <atomic>
#include <memory>

class QWidget;

namespace qx71 {

namespace gui {
class QtMessageSink;
}

// Every message of the window program: shown in the program's boxes while someone is there to
// answer them; once the close was asked for by a signal or the session's end, written to
// standard error instead, so that nothing waits on a box nobody will dismiss.
class ProgramMessages final : public IMessageSink {
public:
    ProgramMessages();
    ~ProgramMessages() override;

    void Show(const UserMessage& message) override;

    // The window the boxes belong to.
    void SetParent(QWidget* parent);
    void SetUnattended(bool unattended) { unattended_ = unattended; }
    bool Unattended() const { return unattended_; }

private:
    std::unique_ptr<gui::QtMessageSink> boxes_;
    std::atomic<bool> unattended_{false};
};

} // namespace qx71
