#pragma once

#include "core/hooks/HookState.h"
#include "core/macro/IKeyCapture.h"

namespace qx71 {

// Key capture for one window through the global hooks: while capturing, the hooks post every
// key event to that window as 0x40A.
class HookKeyCapture final : public IKeyCapture {
public:
    HookKeyCapture(HookState& hooks, WindowHandle window) : hooks_(hooks), window_(window) {}

    void CaptureKeys() override;
    void StopCapture() override;

private:
    HookState& hooks_;
    WindowHandle window_;
};

} // namespace qx71
