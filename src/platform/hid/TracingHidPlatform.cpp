#include "platform/hid/TracingHidPlatform.h"

#include "core/common/Hex.h"
#include "core/common/PathText.h"

#include <ostream>

namespace qx71 {

// Binary: the trace has plain line ends on every system, so traces compare byte for byte.
TracingHidPlatform::TracingHidPlatform(IHidPlatform& inner, const std::string& file)
    : inner_(inner), file_(std::make_unique<std::ofstream>(PathFromUtf8(file),
                                                           std::ios::binary | std::ios::trunc)),
      out_(*file_)
{
}

TracingHidPlatform::TracingHidPlatform(IHidPlatform& inner, std::ostream& out)
    : inner_(inner), out_(out)
{
}

TracingHidPlatform::~TracingHidPlatform()
{
    out_.flush();
}

bool TracingHidPlatform::Good() const
{
    return out_.good();
}

void TracingHidPlatform::Line(const char* kind, const uint8_t* data, size_t length)
{
    std::string line = kind;
    line.push_back(' ');
    line += HexBytes(std::span(data, length));
    line.push_back('\n');
    std::lock_guard lock(mutex_);
    out_ << line;
    out_.flush();
}

bool TracingHidPlatform::SetFeature(HidHandle handle, const uint8_t* data, size_t length)
{
    const bool ok = inner_.SetFeature(handle, data, length);
    if (ok) {
        Line("set-feature", data, length);
    }
    return ok;
}

bool TracingHidPlatform::GetFeature(HidHandle handle, uint8_t* data, size_t length)
{
    const bool ok = inner_.GetFeature(handle, data, length);
    if (ok) {
        Line("get-feature", data, length);
    }
    return ok;
}

HidWriteResult TracingHidPlatform::WriteOutput(HidHandle handle, const uint8_t* data, size_t length)
{
    const HidWriteResult result = inner_.WriteOutput(handle, data, length);
    if (result != HidWriteResult::Failed) {
        Line("output", data, length);
    }
    return result;
}

} // namespace qx71
