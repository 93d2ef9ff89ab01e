#include "core/config/ProfileRecord.h"

#include "core/common/RecordCodec.h"

#include <algorithm>

namespace qx71 {

namespace {

// Every field of the record with its offset; `R` is the record, const or not.
template <class R, class F> void VisitProfileFields(R& r, F&& f)
{
    f(offsetof(ProfileRecord, magic), r.magic);
    for (size_t i = 0; i < kProfileButtons; ++i) {
        auto& b = r.buttons[i];
        const size_t base = offsetof(ProfileRecord, buttons) + i * sizeof(ButtonAssignment);
        f(base + offsetof(ButtonAssignment, function), b.function);
        f(base + offsetof(ButtonAssignment, macroId), b.macroId);
        f(base + offsetof(ButtonAssignment, hostKind), b.hostKind);
        f(base + offsetof(ButtonAssignment, reserved0), b.reserved0);
        f(base + offsetof(ButtonAssignment, keyCode), b.keyCode);
        f(base + offsetof(ButtonAssignment, hostValue), b.hostValue);
        f(base + offsetof(ButtonAssignment, hostPath), b.hostPath);
        f(base + offsetof(ButtonAssignment, reserved1), b.reserved1);
        f(base + offsetof(ButtonAssignment, displayName), b.displayName);
        f(base + offsetof(ButtonAssignment, reserved2), b.reserved2);
    }
    f(offsetof(ProfileRecord, dpiStages), r.dpiStages);
    f(offsetof(ProfileRecord, reserved), r.reserved);
    f(offsetof(ProfileRecord, sheightLevel), r.sheightLevel);
    f(offsetof(ProfileRecord, reportRate), r.reportRate);
    f(offsetof(ProfileRecord, ledMode), r.ledMode);
    f(offsetof(ProfileRecord, ledColor), r.ledColor);
    f(offsetof(ProfileRecord, ledCustomColor), r.ledCustomColor);
    f(offsetof(ProfileRecord, ledPresetIndex), r.ledPresetIndex);
    f(offsetof(ProfileRecord, pointerPrecision), r.pointerPrecision);
    f(offsetof(ProfileRecord, pointerSpeed), r.pointerSpeed);
    f(offsetof(ProfileRecord, ledBrightness), r.ledBrightness);
    f(offsetof(ProfileRecord, ledBreathSpeed), r.ledBreathSpeed);
    f(offsetof(ProfileRecord, wheelLines), r.wheelLines);
}

} // namespace

ProfileBytes ProfileToBytes(const ProfileRecord& record)
{
    ProfileBytes out{};
    VisitProfileFields(record, codec::Writer(out.data()));
    return out;
}

ProfileRecord ProfileFromBytes(std::span<const uint8_t> bytes)
{
    ProfileBytes padded{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), padded.size()), padded.begin());
    ProfileRecord record;
    VisitProfileFields(record, codec::Reader(padded.data()));
    return record;
}

} // namespace qx71
