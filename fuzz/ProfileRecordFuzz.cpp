// libFuzzer target for the readers of the profile files and ConfigInfo.cfg: any file content
// reads into a record that writes back as exactly the bytes read, zero-padded to the record's
// size, with no crash or over-read.
#include "core/config/ProfileDirectory.h"
#include "core/config/ProfileRecord.h"

#include <algorithm>
#include <cstdlib>

namespace {

template <class Bytes> void CheckRoundTrip(const Bytes& back, const uint8_t* data, size_t size)
{
    const size_t used = std::min(size, back.size());
    if (!std::equal(back.begin(), back.begin() + static_cast<std::ptrdiff_t>(used), data) ||
        !std::all_of(back.begin() + static_cast<std::ptrdiff_t>(used), back.end(),
                     [](uint8_t b) { return b == 0; })) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckRoundTrip(qx71::ProfileToBytes(qx71::ProfileFromBytes({data, size})), data, size);
    CheckRoundTrip(qx71::DirectoryToBytes(qx71::DirectoryFromBytes({data, size})), data, size);
    return 0;
}
