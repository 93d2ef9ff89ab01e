#pragma once

#include "core/common/IMessageSink.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "support/FaultyFileSystem.h"
#include "support/SystemBackends.h"

#include <optional>
#include <string>
#include <vector>

namespace qx71::test {

class RecordingMessageSink final : public IMessageSink {
public:
    void Show(const UserMessage& message) override { shown.push_back(message); }
    std::vector<UserMessage> shown;
};

// A language file whose "config" section gives every key the text "<prefix><key>".
inline std::string LanguageFileFor(const std::string& prefix)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language><config>\n";
    for (const auto key : UiStrings::kKeys) {
        out += "<" + std::string(key) + ">" + prefix + std::string(key) + "</" + std::string(key) +
               ">\n";
    }
    return out + "</config></language>\n";
}

} // namespace qx71::test
