#include "platform/windows/WinInputHooks.h"

#include "core/hooks/HookState.h"

#include <windows.h>

#include <algorithm>
#include <future>

namespace qx71 {

namespace {

// The installation the hook procedures serve.
std::atomic<WinInputHooks*> activeHooks{nullptr};

constexpr uint32_t kTriggerCodes[] = {
    TriggerCode::kLeft,          TriggerCode::kRight,   TriggerCode::kMiddle,
    TriggerCode::kBack,          TriggerCode::kForward, TriggerCode::kWheelForward,
    TriggerCode::kWheelBackward,
};

bool IsButtonOrWheel(WPARAM message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK MouseProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    WinInputHooks* hooks = activeHooks.load();
    if (code == HC_ACTION && hooks != nullptr && IsButtonOrWheel(wParam)) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (hooks->HandleMouse(static_cast<uint32_t>(wParam), event->mouseData)) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    WinInputHooks* hooks = activeHooks.load();
    if (code == HC_ACTION && hooks != nullptr) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        hooks->HandleKey(event->vkCode, event->flags);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

struct WinInputHooks::Delivery {
    std::atomic<IInputEventSink*> sink{nullptr};
};

// Installs both hooks and runs the message loop the system calls them from, until told to
// end; the hooks are removed on the same thread.
class WinInputHooks::HookThread {
public:
    // False when neither hook could be installed; `both` tells whether both were.
    bool Start(bool& both)
    {
        std::promise<int> installed;
        auto result = installed.get_future();
        thread_ = std::thread([this, &installed] { Run(installed); });
        const int count = result.get();
        if (count == 0) {
            thread_.join();
            return false;
        }
        both = count == 2;
        return true;
    }

    void Stop()
    {
        if (!thread_.joinable()) {
            return;
        }
        ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }

    ~HookThread() { Stop(); }

private:
    void Run(std::promise<int>& installed)
    {
        threadId_ = ::GetCurrentThreadId();
        // Makes the thread's message queue before anyone posts to it.
        MSG message;
        ::PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        HINSTANCE module = ::GetModuleHandleW(nullptr);
        HHOOK keyboard = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProcedure, module, 0);
        HHOOK mouse = ::SetWindowsHookExW(WH_MOUSE_LL, MouseProcedure, module, 0);
        const int count = (keyboard != nullptr ? 1 : 0) + (mouse != nullptr ? 1 : 0);
        installed.set_value(count);
        if (count != 0) {
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
                ::DispatchMessageW(&message);
            }
        }
        if (keyboard != nullptr) {
            ::UnhookWindowsHookEx(keyboard);
        }
        if (mouse != nullptr) {
            ::UnhookWindowsHookEx(mouse);
        }
    }

    std::thread thread_;
    DWORD threadId_ = 0;
};

WinInputHooks::WinInputHooks(PostTask post) : post_(std::move(post)) {}

WinInputHooks::~WinInputHooks()
{
    Uninstall();
}

bool WinInputHooks::Install(IInputEventSink& sink)
{
    Uninstall();
    WinInputHooks* expected = nullptr;
    if (!activeHooks.compare_exchange_strong(expected, this)) {
        // Another installation holds the process's hooks.
        return false;
    }
    delivery_ = std::make_shared<Delivery>();
    delivery_->sink = &sink;
    swallowedRelease_ = 0;
    auto thread = std::make_unique<HookThread>();
    bool both = false;
    if (!thread->Start(both)) {
        activeHooks = nullptr;
        delivery_.reset();
        return false;
    }
    thread_ = std::move(thread);
    return both;
}

void WinInputHooks::Uninstall()
{
    if (!thread_) {
        return;
    }
    thread_->Stop();
    thread_.reset();
    activeHooks = nullptr;
    delivery_->sink = nullptr;
    delivery_.reset();
}

bool WinInputHooks::SetSwallowedTriggers(const std::vector<uint32_t>& codes)
{
    const bool allKnown = std::all_of(codes.begin(), codes.end(), [](uint32_t code) {
        return std::find(std::begin(kTriggerCodes), std::end(kTriggerCodes), code) !=
               std::end(kTriggerCodes);
    });
    std::lock_guard lock(triggersMutex_);
    triggers_ = codes;
    return allKnown;
}

bool WinInputHooks::HandleMouse(uint32_t message, uint32_t mouseData)
{
    const MouseInput input{message, mouseData};
    post_([delivery = delivery_, input] {
        if (IInputEventSink* sink = delivery->sink.load(); sink != nullptr) {
            sink->OnMouseInput(input);
        }
    });
    if (message == swallowedRelease_) {
        swallowedRelease_ = 0;
        return true;
    }
    const uint32_t code = TriggerCodeOf(input);
    if (code == 0) {
        return false;
    }
    bool trigger = false;
    {
        std::lock_guard lock(triggersMutex_);
        trigger = std::find(triggers_.begin(), triggers_.end(), code) != triggers_.end();
    }
    if (!trigger) {
        return false;
    }
    // A press's release is the next message number; the wheel has none.
    if (message != MouseMessage::kWheel) {
        swallowedRelease_ = message + 1;
    }
    return true;
}

void WinInputHooks::HandleKey(uint32_t virtualKey, uint32_t flags)
{
    const KeyInput input{virtualKey, flags};
    post_([delivery = delivery_, input] {
        if (IInputEventSink* sink = delivery->sink.load(); sink != nullptr) {
            sink->OnKeyInput(input);
        }
    });
}

} // namespace qx71
