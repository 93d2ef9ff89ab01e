#include "core/stats/StatsModel.h"

#include "core/common/BilingualText.h"
#include "core/common/IFileSystem.h"
#include "core/common/IMessageSink.h"
#include "core/common/Utf.h"
#include "core/i18n/UiStrings.h"

#include <algorithm>
#include <cstdio>

namespace qx71 {

namespace {

// Lower bounds of levels 1..12.
constexpr uint32_t kLevelFloors[] = {100000,  500000,  1000000, 1500000, 2000000, 2500000,
                                     3000000, 4000000, 5000000, 6000000, 8000000, 10000000};
static_assert(std::size(kLevelFloors) == kTrophyLevels - 1);
constexpr int kStripPixelsPerTrophy = 21;
constexpr double kDistanceScale = 0.0001;
// A save that failed for a reason the program's own texts do not tell (a full disk, the
// settings folder gone): the counts of this session would be lost without a word.
constexpr BilingualText kMsgNotSaved{u"无法将统计数据保存到 %s。",
                                     u"The statistics could not be saved in %s."};

uint32_t CityBlock(int32_t a, int32_t b)
{
    const int64_t d = static_cast<int64_t>(a) - static_cast<int64_t>(b);
    return static_cast<uint32_t>(d < 0 ? -d : d);
}

} // namespace

int TrophyLevelOf(uint32_t total)
{
    int level = 0;
    for (uint32_t floor : kLevelFloors) {
        if (total >= floor) {
            ++level;
        }
    }
    return level;
}

int TrophyStripWidth(int level)
{
    return kStripPixelsPerTrophy * (level + 1);
}

StatsModel::StatsModel(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
                       std::filesystem::path file, std::function<bool()> chineseUi)
    : files_(files), messages_(messages), strings_(strings), file_(std::move(file)),
      chineseUi_(std::move(chineseUi))
{
}

bool StatsModel::Load()
{
    record_ = {};
    const auto read = files_.ReadFile(file_, kStatsFileBytes);
    if (!read.ok()) {
        if (IsMissing(read.error)) {
            messages_.Show(
                {MessageKind::InfoBox, u"",
                 FormatWithPath(u"Failed to open file, check whether there is a %s path?", file_)});
        }
        return false;
    }
    record_ = StatsFromBytes(read.bytes.data(), read.bytes.size());
    return true;
}

bool StatsModel::Save()
{
    const auto bytes = StatsToBytes(record_);
    const FileError error = files_.WriteFileAtomic(file_, bytes);
    switch (error) {
    case FileError::None:
    case FileError::Unreadable: // told by the file system
        break;
    case FileError::NotFound:
        messages_.Show(
            {MessageKind::SystemBox, u"Info", FormatWithPath(strings_.Get("str_msg2"), file_)});
        break;
    case FileError::AccessDenied:
        messages_.Show(
            {MessageKind::SystemBox, u"Info", NamingFile(strings_.Get("str_msg5"), file_)});
        break;
    case FileError::FolderMissing:
    case FileError::NotRegular:
    case FileError::Other:
        messages_.Show({MessageKind::SystemBox, u"Info",
                        FormatWithPath(kMsgNotSaved.In(chineseUi_ && chineseUi_()), file_)});
        break;
    }
    return error == FileError::None;
}

void StatsModel::Count(uint32_t code)
{
    switch (code) {
    case kStatsLeftDown:
        ++record_.leftClicks;
        break;
    case kStatsRightDown:
        ++record_.rightClicks;
        break;
    case kStatsMiddleDown:
        ++record_.middleClicks;
        break;
    case kStatsWheelForward:
        ++record_.wheelForward;
        break;
    case kStatsWheelBackward:
        ++record_.wheelBackward;
        break;
    default:
        break;
    }
}

void StatsModel::AddSample(int32_t x, int32_t y)
{
    record_.distance += CityBlock(x, lastX_) + CityBlock(y, lastY_);
    SetLastPosition(x, y);
}

void StatsModel::SetLastPosition(int32_t x, int32_t y)
{
    lastX_ = x;
    lastY_ = y;
}

uint32_t StatsModel::ClickTotal() const
{
    return record_.leftClicks + record_.middleClicks + record_.rightClicks;
}

uint32_t StatsModel::WheelTotal() const
{
    return record_.wheelForward + record_.wheelBackward;
}

int StatsModel::Level()
{
    heldLevel_ = std::max({heldLevel_, TrophyLevelOf(ClickTotal()), TrophyLevelOf(WheelTotal())});
    return heldLevel_;
}

bool StatsModel::ShowLevel(int level)
{
    if (level == levelShown_) {
        return false;
    }
    levelShown_ = level;
    return true;
}

std::string StatsModel::DistanceText() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%0.2f",
                  static_cast<double>(record_.distance) * kDistanceScale);
    return text;
}

bool StatsModel::Reset()
{
    record_ = {};
    heldLevel_ = 0;
    levelShown_ = kNoLevelShown;
    return Save();
}

std::u16string StatsModel::ResetPrompt(bool chineseUi)
{
    return chineseUi ? u"确定要重置奖杯和统计数据么？" : u"Do you want to reset trophy data ?";
}

} // namespace qx71
