#pragma once

#include "core/focus/FocusRule.h"
#include "core/focus/ProfileRuleMenu.h"

#include <functional>

namespace qx71 {

// Tells which window has the focus, whenever that changes. The calls reach the owner's thread
// through the source's own posting.
class IFocusSource {
public:
    struct Callbacks {
        std::function<void(const FocusedWindow&)> focused;
        // Whether the focus can be followed; told at the start and whenever it changes (a
        // window manager starting or ending).
        std::function<void(FocusWatch)> watch;
    };

    virtual ~IFocusSource() = default;
    virtual void Start(Callbacks callbacks) = 0;
    // No call arrives after Stop returned.
    virtual void Stop() = 0;
};

} // namespace qx71
