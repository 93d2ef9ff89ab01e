#pragma once

#include "core/stats/ICursorPosition.h"

#include <memory>
#include <mutex>
#include <string>

namespace qx71 {

struct XTrappedConnection;

// The pointer position on an X11 desktop (XQueryPointer on the root window of the screen the
// pointer is on). It has a connection of its own, opened on first use, so the statistics
// sampler can read from its thread without touching the toolkit's connection.
class X11CursorPosition final : public ICursorPosition {
public:
    // `displayName` empty: the display of $DISPLAY.
    explicit X11CursorPosition(std::string displayName = {});
    ~X11CursorPosition() override;
    X11CursorPosition(const X11CursorPosition&) = delete;
    X11CursorPosition& operator=(const X11CursorPosition&) = delete;

    bool Read(int32_t& x, int32_t& y) override;

private:
    std::string displayName_;
    std::mutex mutex_;
    std::unique_ptr<XTrappedConnection> connection_;
};

} // namespace qx71
