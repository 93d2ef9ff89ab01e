#include "platform/hid/ReportDescriptorParser.h"

#include <algorithm>
#include <optional>

namespace qx71 {

namespace {

// Short item prefix: bits 0-1 data size code, bits 2-3 item type, bits 4-7 tag.
constexpr uint8_t kSizeCodeMask = 0x03;
constexpr uint8_t kSizeCodeFourBytes = 3;
constexpr unsigned kTypeShift = 2;
constexpr uint8_t kTypeMask = 0x03;
constexpr unsigned kTagShift = 4;
// Long item: prefix, data size, tag, then the data.
constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr size_t kLongItemHeaderSize = 3;
constexpr size_t kLongItemDataSizeOffset = 1;

enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

enum MainTag : uint8_t {
    kFeature = 0xB,
    kCollection = 0xA,
    kEndCollection = 0xC,
};

enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};

enum LocalTag : uint8_t {
    kUsage = 0x0,
    kUsageMinimum = 0x1,
    kUsageMaximum = 0x2,
    kDelimiter = 0xA,
};

// Data bits of Input, Output and Feature items.
constexpr uint32_t kConstantFlag = 0x01;
constexpr uint32_t kVariableFlag = 0x02;

// A 4-byte usage carries its usage page in the upper 16 bits.
constexpr unsigned kExtendedPageShift = 16;
constexpr uint32_t kUsageMask = 0xFFFF;
constexpr size_t kExtendedUsageSize = 4;

constexpr uint32_t kMaxReportId = 0xFF;
constexpr uint32_t kMaxReportCount = 0xFFFF;
constexpr uint32_t kMinValueBits = 2;
constexpr uint32_t kDelimiterOpen = 1;
// A bound on pushed global states and open collections, far above what real devices use, so
// a hostile descriptor cannot make the parser grow without limit.
constexpr size_t kMaxNesting = 64;

struct GlobalState {
    uint16_t usagePage = 0;
    uint32_t reportSize = 0;
    uint8_t reportId = 0;
    uint32_t reportCount = 0;
};

struct UsageEntry {
    uint16_t page = 0;
    uint16_t min = 0;
    uint16_t max = 0;
    bool isRange = false;
};

struct PageAndUsage {
    uint16_t page = 0;
    uint16_t usage = 0;
};

struct LocalState {
    std::vector<UsageEntry> usages;
    std::optional<PageAndUsage> rangeMin;
    std::optional<PageAndUsage> rangeMax;
    bool inDelimiterSet = false;
    bool delimiterSetHasUsage = false;
};

class Parser {
public:
    explicit Parser(std::span<const uint8_t> descriptor) : bytes_(descriptor) {}

    ReportDescriptorResult Run()
    {
        if (bytes_.empty()) {
            return Fail(ReportDescriptorError::Empty, 0);
        }
        size_t offset = 0;
        while (offset < bytes_.size()) {
            const uint8_t prefix = bytes_[offset];
            if (prefix == kLongItemPrefix) {
                // Long items carry no defined meaning: skip them whole.
                if (bytes_.size() - offset < kLongItemHeaderSize) {
                    return Fail(ReportDescriptorError::TruncatedItem, offset);
                }
                const size_t dataSize = bytes_[offset + kLongItemDataSizeOffset];
                if (bytes_.size() - offset - kLongItemHeaderSize < dataSize) {
                    return Fail(ReportDescriptorError::TruncatedItem, offset);
                }
                offset += kLongItemHeaderSize + dataSize;
                continue;
            }
            const uint8_t sizeCode = prefix & kSizeCodeMask;
            const size_t size = sizeCode == kSizeCodeFourBytes ? 4 : sizeCode;
            if (bytes_.size() - offset - 1 < size) {
                return Fail(ReportDescriptorError::TruncatedItem, offset);
            }
            uint32_t value = 0;
            for (size_t i = 0; i < size; ++i) {
                value |= static_cast<uint32_t>(bytes_[offset + 1 + i]) << (8 * i);
            }
            const auto type = static_cast<uint8_t>((prefix >> kTypeShift) & kTypeMask);
            const auto tag = static_cast<uint8_t>(prefix >> kTagShift);
            ReportDescriptorError error = ReportDescriptorError::None;
            switch (type) {
            case kMain:
                error = Main(tag, value);
                break;
            case kGlobal:
                error = Global(tag, value);
                break;
            case kLocal:
                error = Local(tag, value, size);
                break;
            default:
                // Reserved short items have no meaning yet: skipped.
                break;
            }
            if (error != ReportDescriptorError::None) {
                return Fail(error, offset);
            }
            offset += 1 + size;
        }
        if (openCollections_ != 0) {
            return Fail(ReportDescriptorError::UnclosedCollection, bytes_.size());
        }
        if (local_.inDelimiterSet) {
            return Fail(ReportDescriptorError::UnbalancedDelimiter, bytes_.size());
        }
        ReportDescriptorResult result;
        result.featureValueCaps = std::move(caps_);
        return result;
    }

private:
    static ReportDescriptorResult Fail(ReportDescriptorError error, size_t offset)
    {
        ReportDescriptorResult result;
        result.error = error;
        result.errorOffset = offset;
        return result;
    }

    ReportDescriptorError Main(uint8_t tag, uint32_t value)
    {
        if (local_.inDelimiterSet) {
            return ReportDescriptorError::UnbalancedDelimiter;
        }
        switch (tag) {
        case kFeature:
            AddFeature(value);
            break;
        case kCollection:
            if (openCollections_ == kMaxNesting) {
                return ReportDescriptorError::NestingTooDeep;
            }
            ++openCollections_;
            break;
        case kEndCollection:
            if (openCollections_ == 0) {
                return ReportDescriptorError::EndCollectionWithoutCollection;
            }
            --openCollections_;
            break;
        default:
            // Input, Output and reserved main items list no feature capability.
            break;
        }
        // Local items apply to the next main item only.
        local_ = LocalState{};
        return ReportDescriptorError::None;
    }

    ReportDescriptorError Global(uint8_t tag, uint32_t value)
    {
        switch (tag) {
        case kUsagePage:
            global_.usagePage = static_cast<uint16_t>(value & kUsageMask);
            break;
        case kReportSize:
            global_.reportSize = value;
            break;
        case kReportId:
            if (value == 0 || value > kMaxReportId) {
                return ReportDescriptorError::InvalidReportId;
            }
            global_.reportId = static_cast<uint8_t>(value);
            break;
        case kReportCount:
            if (value > kMaxReportCount) {
                return ReportDescriptorError::ReportCountTooLarge;
            }
            global_.reportCount = value;
            break;
        case kPush:
            if (stack_.size() == kMaxNesting) {
                return ReportDescriptorError::NestingTooDeep;
            }
            stack_.push_back(global_);
            break;
        case kPop:
            if (stack_.empty()) {
                return ReportDescriptorError::PopWithoutPush;
            }
            global_ = stack_.back();
            stack_.pop_back();
            break;
        default:
            // Logical/physical extents, units: not part of the capabilities we list.
            break;
        }
        return ReportDescriptorError::None;
    }

    ReportDescriptorError Local(uint8_t tag, uint32_t value, size_t size)
    {
        switch (tag) {
        case kUsage: {
            const PageAndUsage usage = ToUsage(value, size);
            AddUsage(UsageEntry{usage.page, usage.usage, usage.usage, false});
            break;
        }
        case kUsageMinimum:
            local_.rangeMin = ToUsage(value, size);
            return CompleteRange();
        case kUsageMaximum:
            local_.rangeMax = ToUsage(value, size);
            return CompleteRange();
        case kDelimiter:
            if ((value == kDelimiterOpen) == local_.inDelimiterSet) {
                return ReportDescriptorError::UnbalancedDelimiter;
            }
            local_.inDelimiterSet = value == kDelimiterOpen;
            local_.delimiterSetHasUsage = false;
            break;
        default:
            // Designator and string indexes: not part of the capabilities we list.
            break;
        }
        return ReportDescriptorError::None;
    }

    PageAndUsage ToUsage(uint32_t value, size_t size) const
    {
        if (size == kExtendedUsageSize) {
            return {static_cast<uint16_t>(value >> kExtendedPageShift),
                    static_cast<uint16_t>(value & kUsageMask)};
        }
        return {global_.usagePage, static_cast<uint16_t>(value & kUsageMask)};
    }

    ReportDescriptorError CompleteRange()
    {
        if (!local_.rangeMin || !local_.rangeMax) {
            return ReportDescriptorError::None;
        }
        const PageAndUsage min = *local_.rangeMin;
        const PageAndUsage max = *local_.rangeMax;
        local_.rangeMin.reset();
        local_.rangeMax.reset();
        if (max.usage < min.usage) {
            return ReportDescriptorError::InvalidUsageRange;
        }
        AddUsage(UsageEntry{min.page, min.usage, max.usage, true});
        return ReportDescriptorError::None;
    }

    void AddUsage(const UsageEntry& entry)
    {
        if (local_.inDelimiterSet) {
            if (local_.delimiterSetHasUsage) {
                return;
            }
            local_.delimiterSetHasUsage = true;
        }
        local_.usages.push_back(entry);
    }

    void AddFeature(uint32_t flags)
    {
        const uint32_t fields = global_.reportCount;
        if (fields == 0 || (flags & kVariableFlag) == 0 || global_.reportSize < kMinValueBits) {
            return;
        }
        FeatureValueCaps caps;
        caps.reportId = global_.reportId;
        caps.reportSize = global_.reportSize;
        caps.isConstant = (flags & kConstantFlag) != 0;
        if (local_.usages.empty()) {
            caps.reportCount = static_cast<uint16_t>(fields);
            caps_.push_back(caps);
            return;
        }
        const size_t listed = std::min<size_t>(local_.usages.size(), fields);
        for (size_t i = 0; i < listed; ++i) {
            const UsageEntry& usage = local_.usages[i];
            caps.usagePage = usage.page;
            caps.usage = usage.min;
            caps.usageMax = usage.max;
            caps.isRange = usage.isRange;
            // The last listed usage takes every field that is left.
            caps.reportCount = static_cast<uint16_t>(i + 1 == listed ? fields - i : 1);
            caps_.push_back(caps);
        }
    }

    std::span<const uint8_t> bytes_;
    GlobalState global_;
    std::vector<GlobalState> stack_;
    LocalState local_;
    size_t openCollections_ = 0;
    std::vector<FeatureValueCaps> caps_;
};

} // namespace

ReportDescriptorResult ParseReportDescriptor(std::span<const uint8_t> descriptor)
{
    return Parser(descriptor).Run();
}

const char* ReportDescriptorErrorText(ReportDescriptorError error)
{
    switch (error) {
    case ReportDescriptorError::None:
        return "no error";
    case ReportDescriptorError::Empty:
        return "the report descriptor is empty";
    case ReportDescriptorError::TruncatedItem:
        return "an item runs past the end of the report descriptor";
    case ReportDescriptorError::InvalidReportId:
        return "a report ID is 0 or above 255";
    case ReportDescriptorError::ReportCountTooLarge:
        return "a report count is above 65535";
    case ReportDescriptorError::InvalidUsageRange:
        return "a usage maximum is below its usage minimum";
    case ReportDescriptorError::PopWithoutPush:
        return "a Pop item has no matching Push";
    case ReportDescriptorError::NestingTooDeep:
        return "pushes or collections are nested too deeply";
    case ReportDescriptorError::EndCollectionWithoutCollection:
        return "an End Collection item has no open collection";
    case ReportDescriptorError::UnclosedCollection:
        return "the report descriptor ends inside a collection";
    case ReportDescriptorError::UnbalancedDelimiter:
        return "a delimiter set is nested, not opened or not closed";
    }
    return "unknown error";
}

} // namespace qx71
