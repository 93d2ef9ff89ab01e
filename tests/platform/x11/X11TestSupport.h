#pragma once

#include "core/hooks/InputEvent.h"
#include "support/TaskQueue.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <ostream>
#include <vector>

namespace qx71 {
// Readable failure messages.
void PrintTo(const MouseInput& input, std::ostream* out);
void PrintTo(const KeyInput& input, std::ostream* out);
} // namespace qx71

namespace qx71::test {

// Records what the hooks deliver.
class RecordingSink final : public IInputEventSink {
public:
    void OnMouseInput(const MouseInput& input) override { mouse.push_back(input); }
    void OnKeyInput(const KeyInput& input) override { keys.push_back(input); }
    std::vector<MouseInput> mouse;
    std::vector<KeyInput> keys;
};

// A connection that injects input through XTest.
class XTestInjector {
public:
    XTestInjector();
    ~XTestInjector();
    XTestInjector(const XTestInjector&) = delete;
    XTestInjector& operator=(const XTestInjector&) = delete;

    bool Ok() const { return display_ != nullptr && xtest_; }
    Display* display() const { return display_; }
    void MoveTo(int x, int y);
    void Button(unsigned button, bool press);
    void Click(unsigned button);
    void Key(unsigned long keysym, bool press);
    void Type(unsigned long keysym);
    // Sends what is queued without waiting for the server.
    void Flush();

private:
    Display* display_ = nullptr;
    bool xtest_ = false;
};

// A second client: a window that records the button and key events it receives.
class RecordingWindow {
public:
    static constexpr int kX = 0;
    static constexpr int kY = 0;
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    RecordingWindow();
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    bool Ok() const { return window_ != 0; }
    struct Received {
        int type;        // ButtonPress, ButtonRelease, KeyPress, KeyRelease
        unsigned detail; // button or keycode
    };
    // Reads events until one recorded since the last Clear matches, or the timeout passes.
    bool WaitFor(int type, unsigned detail, std::chrono::milliseconds timeout = kEventTimeout);
    const std::vector<Received>& received() const { return received_; }
    bool Got(int type, unsigned detail) const;
    // Forgets what was recorded so far.
    void Clear();

private:
    void ReadPending();
    Display* display_ = nullptr;
    Window window_ = 0;
    std::vector<Received> received_;
};

} // namespace qx71::test
