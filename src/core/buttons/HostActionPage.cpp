#include "core/buttons/HostActionPage.h"

#include "core/buttons/ButtonFunction.h"

namespace qx71 {

const std::array<HostBrowse, kHostRowCount> kHostBrowse = {{
    {false, u"(*.wav*)", u"*.wav*", u".wav*", u"*.wav*", HostBrowseStart::Sounds},
    {false, u"(*.exe)", u"*.exe", u".exe", u"*.exe", HostBrowseStart::Programs},
    {false, u"(*.*)", u"*.*", u".", u"*.*", HostBrowseStart::Documents},
    {true, u"", u"", u"", u"", HostBrowseStart::Desktop},
}};

void HostActionPage::ClickBox(HostRow row)
{
    boxes_.fill(false);
    boxes_[Index(row)] = true;
}

const HostBrowse& HostActionPage::BeginBrowse(HostRow row)
{
    ClickBox(row);
    return kHostBrowse[Index(row)];
}

bool HostActionPage::SetPath(HostRow row, std::u16string path)
{
    if (path.size() > kMaxHostPathUnits) {
        return false;
    }
    paths_[Index(row)] = std::move(path);
    return true;
}

std::optional<ChooserResult> HostActionPage::Result(ButtonIndex button) const
{
    for (size_t i = 0; i < kHostRowCount; ++i) {
        if (boxes_[i] && !paths_[i].empty()) {
            const auto row = static_cast<HostRow>(i);
            ChooserResult result;
            result.buttonIndex = static_cast<int32_t>(ToIndex(button));
            result.code = HostCode(row, button);
            result.kind = ToCode(ButtonFunction::HostAction);
            result.hostRow = static_cast<int32_t>(i);
            result.path = paths_[i];
            return result;
        }
    }
    return std::nullopt;
}

} // namespace qx71
