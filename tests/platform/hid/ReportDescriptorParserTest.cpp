#include "platform/hid/ReportDescriptorParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace qx71 {

// Readable failures: a capability prints as its fields.
void PrintTo(const FeatureValueCaps& c, std::ostream* out)
{
    *out << std::hex << "{page 0x" << c.usagePage << " usage 0x" << c.usage << "-0x" << c.usageMax
         << (c.isRange ? " range" : "") << " id 0x" << int{c.reportId} << std::dec << " size "
         << c.reportSize << " count " << c.reportCount << (c.isConstant ? " const" : "") << "}";
}

bool operator==(const FeatureValueCaps& a, const FeatureValueCaps& b)
{
    return a.usagePage == b.usagePage && a.usage == b.usage && a.usageMax == b.usageMax &&
           a.isRange == b.isRange && a.reportId == b.reportId && a.reportSize == b.reportSize &&
           a.reportCount == b.reportCount && a.isConstant == b.isConstant;
}

namespace {

using Bytes = std::vector<uint8_t>;

FeatureValueCaps Value(uint16_t page, uint16_t usage, uint8_t reportId, uint32_t size,
                       uint16_t count)
{
    return FeatureValueCaps{page, usage, usage, false, reportId, size, count, false};
}

FeatureValueCaps Range(uint16_t page, uint16_t min, uint16_t max, uint8_t reportId, uint32_t size,
                       uint16_t count)
{
    return FeatureValueCaps{page, min, max, true, reportId, size, count, false};
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// The standard boot mouse (HID 1.11, appendix B.2): three buttons, X and Y. No features.
const Bytes kBootMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x05, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15,
    0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0,
};

// A wheel mouse with the high-resolution wheel's Resolution Multiplier feature (2 bits) and
// its 6-bit constant padding (an array, so a button, not a value).
const Bytes kWheelMouseWithMultiplier = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29,
    0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x03,
    0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95,
    0x02, 0x81, 0x06, 0xA1, 0x02, 0x09, 0x48, 0x15, 0x00, 0x25, 0x01, 0x35, 0x01, 0x45, 0x04,
    0x75, 0x02, 0x95, 0x01, 0xB1, 0x02, 0x35, 0x00, 0x45, 0x00, 0x75, 0x06, 0xB1, 0x01, 0x09,
    0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x06, 0xC0, 0xC0, 0xC0,
};

// The mouse's vendor collection: several report IDs, feature items of every kind before the
// configuration report (report ID 2, usage page 0xFF01, usage 0x22, 64 bytes) and an output
// report after it.
const Bytes kVendorHead = {
    0x06, 0x01, 0xFF,                   // Usage Page 0xFF01
    0x09, 0x01,                         // Usage 0x01
    0xA1, 0x01,                         // Collection (Application)
    0x85, 0x01,                         //   Report ID 1
    0x09, 0x10,                         //   Usage 0x10
    0x15, 0x00, 0x26, 0xFF, 0x00,       //   Logical 0..255
    0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, //   8 bits x 7, Feature (Data,Var,Abs): a value
    0x09, 0x11,                         //   Usage 0x11
    0x75, 0x01, 0x95, 0x08, 0xB1, 0x02, //   1 bit x 8, Feature (Var): buttons
    0x09, 0x12,                         //   Usage 0x12
    0x75, 0x08, 0x95, 0x02, 0xB1, 0x00, //   8 bits x 2, Feature (Array): a button array
};
const Bytes kVendorConfigReport = {
    0x85, 0x02,                         //   Report ID 2
    0x09, 0x22,                         //   Usage 0x22
    0x95, 0x40, 0xB1, 0x02,             //   8 bits x 64, Feature (Data,Var,Abs)
    0x09, 0x23, 0x95, 0x20, 0x91, 0x02, //   8 bits x 32, Output
};
const Bytes kVendorTail = {
    0x85, 0x03, 0x09, 0x24, 0x95, 0x04, 0xB1, 0x02, //   Report ID 3, Usage 0x24, 8 x 4, Feature
    0xC0,                                           // End Collection
};
const Bytes kVendor = Concat({kVendorHead, kVendorConfigReport, kVendorTail});

const std::vector<FeatureValueCaps> kVendorCaps = {
    Value(0xFF01, 0x10, 1, 8, 7),
    Value(0xFF01, 0x22, 2, 8, 64),
    Value(0xFF01, 0x24, 3, 8, 4),
};

struct DescriptorCase {
    std::string name;
    Bytes bytes;
    std::vector<FeatureValueCaps> caps;
};

void PrintTo(const DescriptorCase& c, std::ostream* out)
{
    *out << c.name;
}

class ParsesDescriptor : public testing::TestWithParam<DescriptorCase> {};

TEST_P(ParsesDescriptor, ListsFeatureValueCapsInOrder)
{
    const ReportDescriptorResult result = ParseReportDescriptor(GetParam().bytes);
    ASSERT_TRUE(result.Ok()) << ReportDescriptorErrorText(result.error) << " at "
                             << result.errorOffset;
    EXPECT_EQ(result.featureValueCaps, GetParam().caps);
}

INSTANTIATE_TEST_SUITE_P(
    RealDevices, ParsesDescriptor,
    testing::Values(DescriptorCase{"BootMouse", kBootMouse, {}},
                    DescriptorCase{
                        "WheelMouse", kWheelMouseWithMultiplier, {Value(0x0001, 0x48, 0, 2, 1)}},
                    DescriptorCase{"VendorCollection", kVendor, kVendorCaps},
                    // Long items carry nothing; the bytes inside one (here 85 07, a Report ID 7 if
                    // read as a short item) must be skipped whole.
                    DescriptorCase{"LongItems",
                                   Concat({{0xFE, 0x00, 0xF1},
                                           kVendorHead,
                                           {0xFE, 0x02, 0xF0, 0x85, 0x07},
                                           kVendorConfigReport,
                                           {0xFE, 0x04, 0xF2, 0x01, 0x02, 0x03, 0x04},
                                           kVendorTail}),
                                   kVendorCaps}),
    [](const auto& param) { return param.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Items, ParsesDescriptor,
    testing::Values(
        // Push keeps page, report ID, size and count; Pop brings them back.
        DescriptorCase{"PushPop",
                       {0x06, 0x01, 0xFF, 0x85, 0x01, 0x75, 0x08, 0x95, 0x02, // FF01, id 1, 8x2
                        0xA4,                                                 // Push
                        0x06, 0x02, 0xFF, 0x85, 0x05, 0x95, 0x03,             // FF02, id 5, 8x3
                        0xA4, 0x75, 0x10, 0x09, 0x07, 0xB1, 0x02, 0xB4,       // Push, 16 bits
                        0x09, 0x07, 0xB1, 0x02,                               // back to 8 bits
                        0xB4,                                                 // Pop
                        0x09, 0x22, 0xB1, 0x02},
                       {Value(0xFF02, 0x07, 5, 16, 3), Value(0xFF02, 0x07, 5, 8, 3),
                        Value(0xFF01, 0x22, 1, 8, 2)}},
        DescriptorCase{
            "ExtendedUsageCarriesItsPage",
            {0x05, 0x0C, 0x0B, 0x22, 0x00, 0x01, 0xFF, 0x75, 0x08, 0x95, 0x40, 0xB1, 0x02},
            {Value(0xFF01, 0x22, 0, 8, 64)}},
        DescriptorCase{
            "ShortUsageTakesPageWhereDeclared",
            {0x06, 0x01, 0xFF, 0x09, 0x22, 0x05, 0x0C, 0x75, 0x08, 0x95, 0x01, 0xB1, 0x02},
            {Value(0xFF01, 0x22, 0, 8, 1)}},
        DescriptorCase{"FourByteDataValues",
                       {0x07, 0x01, 0xFF, 0x00, 0x00, 0x0B, 0x22, 0x00, 0x01, 0xFF,
                        0x87, 0x02, 0x00, 0x00, 0x00, 0x77, 0x08, 0x00, 0x00, 0x00,
                        0x97, 0x40, 0x00, 0x00, 0x00, 0xB3, 0x02, 0x00, 0x00, 0x00},
                       {Value(0xFF01, 0x22, 2, 8, 64)}},
        DescriptorCase{"UsageRange",
                       {0x05, 0x01, 0x19, 0x30, 0x29, 0x32, 0x75, 0x10, 0x95, 0x03, 0xB1, 0x02},
                       {Range(0x0001, 0x30, 0x32, 0, 16, 3)}},
        DescriptorCase{"UsageRangeMaximumFirst",
                       {0x05, 0x01, 0x29, 0x32, 0x19, 0x30, 0x75, 0x10, 0x95, 0x03, 0xB1, 0x02},
                       {Range(0x0001, 0x30, 0x32, 0, 16, 3)}},
        DescriptorCase{
            "UsageThenRangeTakesTheRest",
            {0x05, 0x01, 0x09, 0x38, 0x19, 0x30, 0x29, 0x32, 0x75, 0x08, 0x95, 0x05, 0xB1, 0x02},
            {Value(0x0001, 0x38, 0, 8, 1), Range(0x0001, 0x30, 0x32, 0, 8, 4)}},
        DescriptorCase{"FewerUsagesThanFields",
                       {0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x75, 0x08, 0x95, 0x05, 0xB1, 0x02},
                       {Value(0x0001, 0x30, 0, 8, 1), Value(0x0001, 0x31, 0, 8, 4)}},
        DescriptorCase{
            "MoreUsagesThanFields",
            {0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x32, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02},
            {Value(0x0001, 0x30, 0, 8, 1), Value(0x0001, 0x31, 0, 8, 1)}},
        DescriptorCase{"NoUsage",
                       {0x05, 0x01, 0x75, 0x08, 0x95, 0x03, 0xB1, 0x03},
                       {FeatureValueCaps{0, 0, 0, false, 0, 8, 3, true}}},
        // Local items belong to the next main item only, a collection included.
        DescriptorCase{"LocalsClearedByMainItems",
                       {0x05, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0xB1, 0x02, 0xB1, 0x02,
                        0x09, 0x31, 0xA1, 0x00, 0xB1, 0x02, 0xC0},
                       {Value(0x0001, 0x30, 0, 8, 1), Value(0, 0, 0, 8, 1), Value(0, 0, 0, 8, 1)}},
        DescriptorCase{"DelimiterSetCountsItsFirstUsage",
                       {0x05, 0x01, 0x09, 0x30, 0xA9, 0x01, 0x09, 0x40, 0x09, 0x41, 0xA9, 0x00,
                        0x75, 0x08, 0x95, 0x02, 0xB1, 0x02},
                       {Value(0x0001, 0x30, 0, 8, 1), Value(0x0001, 0x40, 0, 8, 1)}},
        // None of these is a feature value: a 1-bit variable, an array, 0-bit and 0-count
        // fields, input and output values.
        DescriptorCase{"NotFeatureValues",
                       {0x05, 0x01, 0x09, 0x30, 0x75, 0x01, 0x95, 0x08, 0xB1, 0x02, 0x09,
                        0x30, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x00, 0x09, 0x30, 0x75, 0x00,
                        0x95, 0x02, 0xB1, 0x02, 0x09, 0x30, 0x75, 0x08, 0x95, 0x00, 0xB1,
                        0x02, 0x09, 0x30, 0x95, 0x02, 0x81, 0x02, 0x09, 0x30, 0x91, 0x02},
                       {}}),
    [](const auto& param) { return param.param.name; });

TEST(ReportDescriptorParser, WalkFindsTheConfigurationReportOfTheVendorCollection)
{
    const ReportDescriptorResult result = ParseReportDescriptor(kVendor);
    ASSERT_TRUE(result.Ok());
    const auto& caps = result.featureValueCaps;
    const auto match = std::find_if(caps.begin(), caps.end(), [](const FeatureValueCaps& c) {
        return c.usagePage == 0xFF01 && c.usage == 0x22;
    });
    ASSERT_NE(match, caps.end());
    EXPECT_EQ(match->reportId, 2);
    EXPECT_EQ(match->reportCount, 64);
}

struct ErrorCase {
    std::string name;
    Bytes bytes;
    ReportDescriptorError error;
    size_t offset;
};

void PrintTo(const ErrorCase& c, std::ostream* out)
{
    *out << c.name;
}

class RejectsDescriptor : public testing::TestWithParam<ErrorCase> {};

TEST_P(RejectsDescriptor, WithAClearErrorAndNoCaps)
{
    const ReportDescriptorResult result = ParseReportDescriptor(GetParam().bytes);
    EXPECT_EQ(result.error, GetParam().error) << ReportDescriptorErrorText(result.error);
    EXPECT_EQ(result.errorOffset, GetParam().offset);
    EXPECT_TRUE(result.featureValueCaps.empty());
}

Bytes Repeat(const Bytes& item, size_t times)
{
    Bytes out;
    for (size_t i = 0; i < times; ++i) {
        out.insert(out.end(), item.begin(), item.end());
    }
    return out;
}

using E = ReportDescriptorError;

INSTANTIATE_TEST_SUITE_P(
    Malformed, RejectsDescriptor,
    testing::Values(
        ErrorCase{"Empty", {}, E::Empty, 0},
        ErrorCase{"ShortItemCut", {0x06, 0x01}, E::TruncatedItem, 0},
        ErrorCase{"FourByteItemCut", {0x05, 0x01, 0x0B, 0x22, 0x00, 0x01}, E::TruncatedItem, 2},
        ErrorCase{"LongItemHeaderCut", {0x09, 0x01, 0xFE, 0x05}, E::TruncatedItem, 2},
        ErrorCase{"LongItemDataCut", {0xFE, 0x05, 0xF0, 0x01, 0x02}, E::TruncatedItem, 0},
        ErrorCase{"ConfigReportCutInItsCount",
                  Concat({kVendorHead, {0x85, 0x02, 0x09, 0x22, 0x95}}), E::TruncatedItem,
                  kVendorHead.size() + 4},
        ErrorCase{"ReportIdZero", {0x85, 0x00}, E::InvalidReportId, 0},
        ErrorCase{"ReportIdAbove255", {0x09, 0x01, 0x86, 0x00, 0x01}, E::InvalidReportId, 2},
        ErrorCase{
            "ReportCountAbove65535", {0x97, 0x00, 0x00, 0x01, 0x00}, E::ReportCountTooLarge, 0},
        ErrorCase{"UsageRangeReversed", {0x19, 0x05, 0x29, 0x01}, E::InvalidUsageRange, 2},
        ErrorCase{"PopWithoutPush", {0xA4, 0xB4, 0xB4}, E::PopWithoutPush, 2},
        ErrorCase{"PushTooDeep", Repeat({0xA4}, 65), E::NestingTooDeep, 64},
        ErrorCase{"CollectionsTooDeep", Repeat({0xA1, 0x00}, 65), E::NestingTooDeep, 128},
        ErrorCase{"EndCollectionAlone", {0x09, 0x01, 0xC0}, E::EndCollectionWithoutCollection, 2},
        ErrorCase{"UnclosedCollection", {0xA1, 0x01, 0x09, 0x01}, E::UnclosedCollection, 4},
        ErrorCase{"DelimiterClosedUnopened", {0xA9, 0x00}, E::UnbalancedDelimiter, 0},
        ErrorCase{"DelimiterNested", {0xA9, 0x01, 0xA9, 0x01}, E::UnbalancedDelimiter, 2},
        ErrorCase{"MainItemInDelimiterSet",
                  {0xA9, 0x01, 0x09, 0x30, 0xB1, 0x02},
                  E::UnbalancedDelimiter,
                  4},
        ErrorCase{"DelimiterUnclosedAtEnd", {0xA9, 0x01, 0x09, 0x30}, E::UnbalancedDelimiter, 4}),
    [](const auto& param) { return param.param.name; });

// Every cut of a real descriptor fails cleanly: no capabilities from half a descriptor, and
// (under the sanitizers) not one byte read past the cut. Only the first two items (Usage Page,
// Usage) make a complete, if empty, descriptor on their own.
TEST(ReportDescriptorParser, EveryTruncationOfTheVendorDescriptorIsAnError)
{
    constexpr size_t kCollectionOffset = 5;
    ASSERT_EQ(kVendor[kCollectionOffset], 0xA1);
    for (size_t length = 0; length < kVendor.size(); ++length) {
        const Bytes cut(kVendor.begin(), kVendor.begin() + static_cast<std::ptrdiff_t>(length));
        const ReportDescriptorResult result = ParseReportDescriptor(cut);
        if (length == 0 || length > kCollectionOffset) {
            EXPECT_FALSE(result.Ok()) << "cut at " << length;
        }
        EXPECT_TRUE(result.featureValueCaps.empty()) << "cut at " << length;
        EXPECT_LE(result.errorOffset, length) << "cut at " << length;
    }
}

} // namespace
} // namespace qx71
