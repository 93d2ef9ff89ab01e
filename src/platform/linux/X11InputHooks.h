#pragma once

#include "core/common/PostTask.h"
#include "core/hooks/IInputHooks.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qx71 {

// The input hooks on an X11 desktop. A thread with its own connection reads XInput2 raw
// events from the root window (they reach every client that asks, whoever holds the pointer)
// and posts each as a hook event. Trigger buttons are held back with passive grabs on the
// root window for any modifier: the server then hands their press and release to this
// connection alone, which drops them.
class X11InputHooks final : public IInputHooks {
public:
    // `displayName` empty: the display of $DISPLAY.
    explicit X11InputHooks(PostTask post, std::string displayName = {});
    ~X11InputHooks() override;
    X11InputHooks(const X11InputHooks&) = delete;
    X11InputHooks& operator=(const X11InputHooks&) = delete;

    bool Install(IInputEventSink& sink) override;
    void Uninstall() override;
    bool SetSwallowedTriggers(const std::vector<uint32_t>& codes) override;

    bool IsInstalled() const;

private:
    struct Delivery;
    class Reader;

    PostTask post_;
    std::string displayName_;
    std::shared_ptr<Delivery> delivery_;
    std::unique_ptr<Reader> reader_;

    // The wanted trigger list, and the reader's answer to its latest version.
    mutable std::mutex mutex_;
    std::condition_variable applied_;
    std::vector<uint32_t> triggers_;
    uint64_t requested_ = 0;
    uint64_t answered_ = 0;
    bool answer_ = true;
    bool readerRunning_ = false;
};

} // namespace qx71
