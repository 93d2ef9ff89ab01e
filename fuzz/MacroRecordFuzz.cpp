// libFuzzer target for one macro of Macro.cfg, read by the same reader as the whole file
// (ReadMacroRecord), at a cost that lets the fuzzer run thousands of times a second where the
// whole-file target runs about fifteen. Each input is taken two ways:
// - as one record (zero-padded to a record's size): it writes back as exactly the bytes read,
//   and its name and its macro stream come out with no crash or over-read, whatever the event
//   count claims;
// - as an event list alone, behind a header a stored macro has (size, magic, a user macro's id,
//   the count of events the input holds), so that the encoder sees any events without the
//   fuzzer having to find the header first: the stream stays within its 256 entries.
#include "core/device/MacroStream.h"
#include "core/macro/MacroRecord.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

constexpr uint32_t kUserMacroId = 0x15000001;

void CheckStream(const qx71::MacroRecord& record)
{
    const qx71::MacroStream stream = qx71::EncodeMacroStream(record);
    if (stream.entries < 1 || stream.entries > static_cast<int>(qx71::kMacroStreamEntries)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::array<uint8_t, qx71::kMacroRecordSize> image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());

    const qx71::MacroRecord record = qx71::ReadMacroRecord(image);
    std::array<uint8_t, qx71::kMacroRecordSize> back{};
    qx71::WriteMacroRecord(record, back);
    if (back != image) {
        std::abort();
    }
    if (qx71::MacroNameOf(record).size() > std::size(record.name)) {
        std::abort();
    }
    CheckStream(record);

    // The same bytes as the event list of a stored macro.
    std::array<uint8_t, qx71::kMacroRecordSize> stored{};
    const size_t eventBytes = std::min(size, sizeof(record.events));
    std::memcpy(stored.data() + offsetof(qx71::MacroRecord, events), data, eventBytes);
    qx71::MacroRecord header = qx71::ReadMacroRecord(stored);
    header.size = qx71::kMacroRecordSize;
    header.magic = qx71::kMacroMagic;
    header.id = kUserMacroId;
    header.loopCount = 1;
    header.eventCount = static_cast<uint32_t>(eventBytes / sizeof(record.events[0]));
    CheckStream(header);
    return 0;
}
