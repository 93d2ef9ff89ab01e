#include "core/hooks/HookKeyCapture.h"

namespace qx71 {

void HookKeyCapture::CaptureKeys()
{
    hooks_.SetTarget(window_);
    hooks_.SetRecording(true, false);
}

void HookKeyCapture::StopCapture()
{
    hooks_.SetRecording(false, false);
}

} // namespace qx71
