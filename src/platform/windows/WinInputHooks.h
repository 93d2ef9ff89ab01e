#pragma once

#include "core/common/PostTask.h"
#include "core/hooks/IInputHooks.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace qx71 {

// The global low-level hooks (SetWindowsHookExW with WH_KEYBOARD_LL and WH_MOUSE_LL, thread 0)
// on a thread of their own that runs the message loop the system calls them from. Each button,
// wheel and key event is posted to the sink on the owner's thread; the hook procedure itself
// only decides whether the event goes on: the press of a trigger button (and then its
// release) and a trigger wheel step are kept from every other program.
//
// One installation exists at a time in a process: the system calls the procedures without a
// context, so they find theirs through a process-wide pointer.
class WinInputHooks final : public IInputHooks {
public:
    explicit WinInputHooks(PostTask post);
    ~WinInputHooks() override;
    WinInputHooks(const WinInputHooks&) = delete;
    WinInputHooks& operator=(const WinInputHooks&) = delete;

    bool Install(IInputEventSink& sink) override;
    void Uninstall() override;
    bool SetSwallowedTriggers(const std::vector<uint32_t>& codes) override;

    // Called by the hook procedures on the hook thread. A button or wheel event is posted to
    // the sink; the result says whether it must not go on (a trigger press, its release, a
    // trigger wheel step). Key events always go on.
    bool HandleMouse(uint32_t message, uint32_t mouseData);
    void HandleKey(uint32_t virtualKey, uint32_t flags);

private:
    struct Delivery;
    class HookThread;

    PostTask post_;
    std::shared_ptr<Delivery> delivery_;
    std::unique_ptr<HookThread> thread_;

    std::mutex triggersMutex_;
    std::vector<uint32_t> triggers_;
    // Touched on the hook thread only.
    uint32_t swallowedRelease_ = 0;
};

} // namespace qx71
