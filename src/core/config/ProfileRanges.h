#pragma once

#include "core/common/BilingualText.h"
#include "core/config/ProfileRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace qx71 {

// Values from `min` to `max`, both included.
struct ValueSpan {
    int32_t min = 0;
    int32_t max = -1; // an unused span holds nothing
};

// One number of a profile: where it lies in the record, the values it may hold (any of its
// spans) and the value it gets when it holds another.
struct ProfileFieldRange {
    BilingualText name; // as the user is told
    size_t offset;      // in the record's bytes
    std::array<ValueSpan, 2> spans;
    int32_t defaultValue;
};

// The numbers of a profile after its buttons and DPI levels, in record order.
extern const std::array<ProfileFieldRange, 11> kProfileFieldRanges;

// A profile file's record as a load takes it, with what had to be repaired.
struct RepairedProfile {
    ProfileRecord record;
    size_t fileBytes = 0;                // how much of the record the file held
    std::vector<BilingualText> repaired; // the fields that got their defaults, in record order
    bool Short() const { return fileBytes < kProfileRecordSize; }
    bool Damaged() const { return Short() || !repaired.empty(); }
};

// The record of a profile file that carries the profile magic, checked as a load from the
// Profile folder checks it: what a file shorter than a record lacks takes its default, and
// every field outside its range its default (a button's function outside the catalogue:
// the button's default function). Imports keep the short file's zero tail and are not checked.
RepairedProfile RepairLoadedProfile(std::span<const uint8_t> bytes, bool chineseUi);

// The message for a damaged profile file, naming it and the fields that got their defaults.
std::u16string ProfileRepairText(const RepairedProfile& profile, const std::filesystem::path& path,
                                 bool chineseUi);

} // namespace qx71
