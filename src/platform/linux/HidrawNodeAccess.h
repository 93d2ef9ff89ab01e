#pragma once

#include "core/device/DeviceSurvey.h"

namespace qx71 {

// Tells why a hidraw node does not open: opens it for reading and writing and looks at the
// error.
class HidrawNodeAccess final : public IHidNodeAccess {
public:
    NodeAccess CheckReadWrite(const std::string& path) override;
};

// The meaning of an open()'s errno for the mouse's node.
NodeAccess NodeAccessFromErrno(int error);

} // namespace qx71
