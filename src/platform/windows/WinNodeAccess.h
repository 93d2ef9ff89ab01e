#pragma once

#include "core/device/DeviceSurvey.h"

namespace qx71 {

// Opens a HID interface for reading and writing, as the link does, to tell why it fails.
class WinNodeAccess final : public IHidNodeAccess {
public:
    NodeAccess CheckReadWrite(const std::string& path) override;
};

// What a Win32 error of CreateFileW means for the node.
NodeAccess NodeAccessFromWin32(unsigned long error);

} // namespace qx71
