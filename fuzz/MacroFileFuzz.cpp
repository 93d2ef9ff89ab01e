// libFuzzer target for the reader of Macro.cfg: any file content reads into a table that
// writes back as exactly the bytes read (zero-padded to the table's size), whose lists only
// name slots that hold their id, and whose every record encodes into a macro stream, with no
// crash or over-read (the event counts in the file are not trusted).
#include "core/device/MacroStream.h"
#include "core/macro/MacroCategories.h"
#include "core/macro/MacroTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qx71::MacroTable table;
    table.ReadImage({data, size});
    const std::vector<uint8_t> back = table.WriteImage();
    const size_t used = std::min(size, back.size());
    // memcmp, not a byte loop: the fuzzer traces every compare of a loop, and the image is
    // 2 MB, which made a run take over 100 ms.
    static const std::vector<uint8_t> zeros(qx71::kMacroFileBytes, 0);
    if (std::memcmp(back.data(), data, used) != 0 ||
        std::memcmp(back.data() + used, zeros.data(), back.size() - used) != 0) {
        std::abort();
    }
    for (uint32_t category = 0; category <= qx71::kUserMacroCategory + 1; ++category) {
        for (const qx71::MacroListEntry& entry : table.ListCategory(category)) {
            const auto slot = table.FindSlot(entry.id);
            if (!slot || table.Slot(*slot).id != entry.id) {
                std::abort();
            }
            const qx71::MacroStream stream = qx71::EncodeMacroStream(table.Slot(entry.slot));
            if (stream.entries < 0 || stream.entries > 256) {
                std::abort();
            }
        }
    }
    return 0;
}
