#pragma once

#include "core/common/IMessageSink.h"

#include <vector>

namespace qx71::test {

class RecordingSink final : public IMessageSink {
public:
    std::vector<UserMessage> shown;
    void Show(const UserMessage& message) override { shown.push_back(message); }
};

} // namespace qx71::test
