// libFuzzer target for the HID report-descriptor parser: any byte string must give either
// capabilities or an error, never a crash, an over-read or a hang.
#include "platform/hid/ReportDescriptorParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qx71::ReportDescriptorResult result = qx71::ParseReportDescriptor({data, size});
    // A failed parse never hands out capabilities, and an error offset lies inside the input.
    if (!result.Ok() && (!result.featureValueCaps.empty() || result.errorOffset > size)) {
        std::abort();
    }
    return 0;
}
