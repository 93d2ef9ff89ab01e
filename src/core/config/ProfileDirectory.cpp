#include "core/config/ProfileDirectory.h"

#include "core/common/RecordCodec.h"

#include <algorithm>

namespace qx71 {

namespace {

template <class D, class F> void VisitDirectoryFields(D& d, F&& f)
{
    for (size_t n = 0; n < kProfileSlots; ++n) {
        auto& s = d.slots[n];
        const size_t base = offsetof(ProfileDirectory, slots) + n * sizeof(ProfileSlot);
        f(base + offsetof(ProfileSlot, slotMagic), s.slotMagic);
        f(base + offsetof(ProfileSlot, active), s.active);
        f(base + offsetof(ProfileSlot, reserved0), s.reserved0);
        f(base + offsetof(ProfileSlot, path), s.path);
        f(base + offsetof(ProfileSlot, reserved1), s.reserved1);
        f(base + offsetof(ProfileSlot, macroIds), s.macroIds);
    }
}

} // namespace

DirectoryBytes DirectoryToBytes(const ProfileDirectory& directory)
{
    DirectoryBytes out{};
    VisitDirectoryFields(directory, codec::Writer(out.data()));
    return out;
}

ProfileDirectory DirectoryFromBytes(std::span<const uint8_t> bytes)
{
    DirectoryBytes padded{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), padded.size()), padded.begin());
    ProfileDirectory directory;
    VisitDirectoryFields(directory, codec::Reader(padded.data()));
    return directory;
}

} // namespace qx71
