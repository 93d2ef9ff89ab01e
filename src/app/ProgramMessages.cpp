#include "app/ProgramMessages.h"

#include "core/common/Utf.h"
#include "gui/widgets/QtMessageSink.h"

#include <iostream>

namespace qx71 {

ProgramMessages::ProgramMessages() : boxes_(std::make_unique<gui::QtMessageSink>()) {}

ProgramMessages::~ProgramMessages() = default;

void ProgramMessages::SetParent(QWidget* parent)
{
    boxes_ = std::make_unique<gui::QtMessageSink>(parent);
}

void ProgramMessages::Show(const UserMessage& message)
{
    if (unattended_) {
        std::cerr << "qx71: " << Utf16ToUtf8(message.text) << std::endl;
        return;
    }
    boxes_->Show(message);
}

} // namespace qx71
