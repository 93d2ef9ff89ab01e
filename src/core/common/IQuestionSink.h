#pragma once

#include <string>

namespace qx71 {

// A question to the user with OK and Cancel: the window shows it in its timed message box
// (OK and Cancel, no count-down); tests answer it themselves.
class IQuestionSink {
public:
    virtual ~IQuestionSink() = default;
    // True when the user chose OK; Cancel, the close cross or any other close is false.
    virtual bool Ask(const std::u16string& text) = 0;
};

} // namespace qx71
