#pragma once

#include "core/common/IMessageSink.h"

#include <vector>

namespace qx71::test {

// Keeps every message the code under test would have shown.
class RecordingMessageSink final : public IMessageSink {
public:
    void Show(const UserMessage& message) override { shown.push_back(message); }
    std::vector<UserMessage> shown;
};

} // namespace qx71::test
