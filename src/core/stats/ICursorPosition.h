#pragma once

#include <cstdint>

namespace qx71 {

// Where the pointer is on the screen, in screen pixels; the platform answers. Read may be
// called from a thread of its own.
class ICursorPosition {
public:
    virtual ~ICursorPosition() = default;
    // False when the position cannot be read (no display); x and y are then unchanged.
    virtual bool Read(int32_t& x, int32_t& y) = 0;
};

} // namespace qx71
