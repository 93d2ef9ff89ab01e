// The low-level hooks installed for real and fed by SendInput. A second low-level mouse hook,
// installed before ours, stands for every other program: the system calls it after ours, so
// it sees exactly the events ours lets through.
#include "platform/windows/WinInputHooks.h"

#include "core/hooks/HookState.h"
#include "support/TaskQueue.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace qx71 {
namespace {

using test::TaskQueue;

constexpr WindowHandle kMainWindow = 0x1234;

class RecordingPoster final : public IHookPoster {
public:
    void Post(const HookPost& post) override { posts.push_back(post); }
    std::vector<HookPost> posts;
};

// The rest of the desktop: a low-level mouse hook on its own thread that records the button
// messages it sees.
class OtherProgram {
public:
    OtherProgram()
    {
        std::promise<bool> installed;
        auto ready = installed.get_future();
        thread_ = std::thread([this, &installed] {
            threadId_ = ::GetCurrentThreadId();
            MSG message;
            ::PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
            instance_ = this;
            HHOOK hook =
                ::SetWindowsHookExW(WH_MOUSE_LL, Procedure, ::GetModuleHandleW(nullptr), 0);
            installed.set_value(hook != nullptr);
            while (hook != nullptr && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
                ::DispatchMessageW(&message);
            }
            if (hook != nullptr) {
                ::UnhookWindowsHookEx(hook);
            }
        });
        installed_ = ready.get();
    }
    ~OtherProgram()
    {
        ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        instance_ = nullptr;
    }
    bool Installed() const { return installed_; }
    std::vector<uint32_t> Seen()
    {
        std::lock_guard lock(mutex_);
        return seen_;
    }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && wParam != WM_MOUSEMOVE && instance_ != nullptr) {
            std::lock_guard lock(instance_->mutex_);
            instance_->seen_.push_back(static_cast<uint32_t>(wParam));
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline OtherProgram* instance_ = nullptr;
    std::thread thread_;
    DWORD threadId_ = 0;
    bool installed_ = false;
    std::mutex mutex_;
    std::vector<uint32_t> seen_;
};

INPUT Mouse(DWORD flags, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    return input;
}

INPUT Key(WORD virtualKey, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
}

class WinInputHooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(other_.Installed());
        ASSERT_TRUE(state_.Install(kMainWindow));
        state_.SetForwarding(false, true);
    }

    // Sends the inputs followed by a middle click, which nothing swallows, and waits until the
    // other program has seen that click: everything before it has been decided by then.
    void SendAndSettle(std::vector<INPUT> inputs)
    {
        inputs.push_back(Mouse(MOUSEEVENTF_MIDDLEDOWN));
        inputs.push_back(Mouse(MOUSEEVENTF_MIDDLEUP));
        const size_t before = other_.Seen().size();
        Send(inputs);
        ASSERT_TRUE(queue_.RunUntil([&] {
            const auto seen = other_.Seen();
            return seen.size() > before && seen.back() == WM_MBUTTONUP;
        }));
        queue_.RunPending();
    }

    std::vector<uint32_t> SeenSince(size_t from)
    {
        const auto seen = other_.Seen();
        return std::vector<uint32_t>(seen.begin() + static_cast<ptrdiff_t>(from), seen.end());
    }

    std::vector<uint32_t> MousePosts()
    {
        std::vector<uint32_t> codes;
        for (const HookPost& post : poster_.posts) {
            if (post.message == kMsgHookMouse) {
                codes.push_back(post.wParam);
            }
        }
        return codes;
    }

    OtherProgram other_;
    TaskQueue queue_;
    WinInputHooks hooks_{queue_.Poster()};
    RecordingPoster poster_;
    HookState state_{poster_, &hooks_};
};

TEST_F(WinInputHooksTest, ATriggerButtonIsReportedAndKeptFromOtherPrograms)
{
    state_.AddTrigger(TriggerCode::kRight);
    SendAndSettle({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
    EXPECT_EQ(SeenSince(0), (std::vector<uint32_t>{WM_MBUTTONDOWN, WM_MBUTTONUP}));
    EXPECT_EQ(MousePosts(), (std::vector<uint32_t>{TriggerCode::kRight, TriggerCode::kMiddle}));

    // Without the trigger the right button passes and is only reported.
    state_.RemoveTrigger(TriggerCode::kRight);
    const size_t before = other_.Seen().size();
    poster_.posts.clear();
    SendAndSettle({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
    EXPECT_EQ(SeenSince(before),
              (std::vector<uint32_t>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}));
    EXPECT_EQ(MousePosts(), (std::vector<uint32_t>{TriggerCode::kRight, TriggerCode::kMiddle}));
}

TEST_F(WinInputHooksTest, ATriggerWheelDirectionAndSideButtonAreSwallowed)
{
    state_.AddTrigger(TriggerCode::kWheelBackward);
    state_.AddTrigger(TriggerCode::kForward);
    SendAndSettle({Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA)),
                   Mouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA), Mouse(MOUSEEVENTF_XDOWN, XBUTTON2),
                   Mouse(MOUSEEVENTF_XUP, XBUTTON2), Mouse(MOUSEEVENTF_XDOWN, XBUTTON1),
                   Mouse(MOUSEEVENTF_XUP, XBUTTON1)});
    // The forward wheel step and the first side button reach the other program.
    EXPECT_EQ(SeenSince(0), (std::vector<uint32_t>{WM_MOUSEWHEEL, WM_XBUTTONDOWN, WM_XBUTTONUP,
                                                   WM_MBUTTONDOWN, WM_MBUTTONUP}));
    EXPECT_EQ(MousePosts(), (std::vector<uint32_t>{
                                TriggerCode::kWheelBackward, TriggerCode::kWheelForward,
                                TriggerCode::kForward, TriggerCode::kBack, TriggerCode::kMiddle}));
}

TEST_F(WinInputHooksTest, KeyRecordingReportsPressAndReleaseOfEveryKey)
{
    state_.SetRecording(true, false);
    Send({Key('A', 0), Key('A', KEYEVENTF_KEYUP)});
    ASSERT_TRUE(queue_.RunUntil([&] {
        size_t keys = 0;
        for (const HookPost& post : poster_.posts) {
            keys += post.message == kMsgHookKey ? 1 : 0;
        }
        return keys >= 2;
    }));
    std::vector<HookPost> keys;
    for (const HookPost& post : poster_.posts) {
        if (post.message == kMsgHookKey) {
            // SendInput's keys carry the injected flag as well.
            keys.push_back(
                {post.window, post.message, post.wParam, post.lParam & ~KeyFlag::kInjected});
        }
    }
    EXPECT_EQ(keys, (std::vector<HookPost>{{kMainWindow, kMsgHookKey, 'A', 0},
                                           {kMainWindow, kMsgHookKey, 'A', KeyFlag::kReleased}}));
}

TEST_F(WinInputHooksTest, AfterUninstallNothingIsReportedOrSwallowed)
{
    state_.AddTrigger(TriggerCode::kRight);
    state_.Remove();
    SendAndSettle({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
    EXPECT_EQ(SeenSince(0),
              (std::vector<uint32_t>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}));
    EXPECT_TRUE(MousePosts().empty());
}

} // namespace
} // namespace qx71
