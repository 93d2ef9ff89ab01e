#pragma once

#include "core/update/IProcessStarter.h"
#include "core/update/IUpdateHost.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qx71::test {

// The window side of the update check, recorded. Used from the test's own thread, which
// plays the window's thread (a TaskQueue runs what the update thread posts).
class FakeUpdateHost final : public IUpdateHost {
public:
    struct Box {
        std::u16string text;
        BoxOwner owner;
    };
    struct Question {
        std::u16string text;
        BoxOwner owner;
        std::function<void(bool)> answered;
    };

    void StartCheckTimer(uint32_t ms) override
    {
        timerStarts.push_back(ms);
        timerRunning = true;
    }
    void KillCheckTimer() override { timerRunning = false; }
    void ShowBox(const std::u16string& text, BoxOwner owner) override
    {
        boxes.push_back({text, owner});
    }
    void Ask(const std::u16string& text, BoxOwner owner,
             std::function<void(bool ok)> answered) override
    {
        questions.push_back({text, owner, std::move(answered)});
    }
    void CloseProgram() override { ++closes; }

    // Answers the last question.
    void Answer(bool ok)
    {
        auto answered = std::move(questions.back().answered);
        questions.back().answered = nullptr;
        answered(ok);
    }

    std::vector<uint32_t> timerStarts;
    bool timerRunning = false;
    std::vector<Box> boxes;
    std::vector<Question> questions;
    int closes = 0;
};

class FakeProcessStarter final : public IProcessStarter {
public:
    struct Call {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };
    bool Start(const std::filesystem::path& program,
               const std::vector<std::string>& arguments) override
    {
        calls.push_back({program, arguments});
        return starts;
    }
    std::vector<Call> calls;
    bool starts = true;
};

} // namespace qx71::test
