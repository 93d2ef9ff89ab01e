#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qx71 {

// One feature value capability of a HID report descriptor, as Windows' HID parser lists it
// among the value capabilities (HidP_GetSpecificValueCaps with report type feature).
struct FeatureValueCaps {
    uint16_t usagePage = 0;
    uint16_t usage = 0;    // the usage, or the first usage of a range
    uint16_t usageMax = 0; // the last usage of a range; equal to `usage` otherwise
    bool isRange = false;
    uint8_t reportId = 0; // 0 when the descriptor declares no report IDs
    uint32_t reportSize = 0;
    uint16_t reportCount = 0;
    bool isConstant = false;
};

enum class ReportDescriptorError {
    None,
    Empty,
    TruncatedItem,                  // an item's data runs past the end of the descriptor
    InvalidReportId,                // Report ID 0 or above 255
    ReportCountTooLarge,            // more than 65535 fields in one main item
    InvalidUsageRange,              // Usage Maximum below Usage Minimum
    PopWithoutPush,                 // Pop with nothing pushed
    NestingTooDeep,                 // too many nested Push items or collections
    EndCollectionWithoutCollection, // End Collection with no open collection
    UnclosedCollection,             // the descriptor ends inside a collection
    UnbalancedDelimiter,            // nested, unopened or unclosed delimiter set
};

struct ReportDescriptorResult {
    ReportDescriptorError error = ReportDescriptorError::None;
    size_t errorOffset = 0; // byte offset of the item at fault (the length for Empty/Unclosed)
    // Descriptor order; empty whenever `error` is set, so a partial parse is never used.
    std::vector<FeatureValueCaps> featureValueCaps;

    bool Ok() const { return error == ReportDescriptorError::None; }
};

// Parses a HID report descriptor and lists its feature value capabilities. Never reads
// outside `descriptor`; a malformed descriptor gives an error and no capabilities.
//
// The rule, the one Windows applies to tell values from buttons: a Feature main item is a
// value when its Variable bit is set and its Report Size is 2 bits or more (1-bit variables
// and arrays are buttons; 0-bit fields carry nothing). Items with a Report Count of 0 are not
// listed. Each usage or usage range of the item gives one capability: every usage but the
// last covers one field and the last covers the fields left over; usages beyond the item's
// fields describe nothing and are left out. An item without any usage is listed once with
// usage page 0 and usage 0. A 1- or 2-byte usage takes the Usage Page in effect where the
// usage is declared; a 4-byte usage carries its own page in its upper half. Within a
// delimiter set only the first usage counts (the others are aliases of it).
ReportDescriptorResult ParseReportDescriptor(std::span<const uint8_t> descriptor);

// A short English description of an error, for logs and diagnostics.
const char* ReportDescriptorErrorText(ReportDescriptorError error);

} // namespace qx71
