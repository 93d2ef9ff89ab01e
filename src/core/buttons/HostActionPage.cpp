#include "core/buttons/HostActionPage.h"

#include "core/buttons/ButtonFunction.h"

namespace qx71 {

const std::array<HostBrowse, kHostRowCount> kHostBrowse = {{
    {false, u"(*.wav*)", u"*.wav*", u".wav*", u"*.wav*", HostBrowseStart::Sounds,
     HostFileKind::Sound},
    {false, u"(*.exe)", u"*.exe", u".exe", u"*.exe", HostBrowseStart::Programs,
     HostFileKind::Program},
    {false, u"(*.*)", u"*.*", u".", u"*.*", HostBrowseStart::Documents, HostFileKind::AnyFile},
    {true, u"", u"", u"", u"", HostBrowseStart::Desktop, HostFileKind::Folder},
}};

namespace {

constexpr BilingualText kSoundFilter{u"声音文件 (*.wav *.WAV *.Wav)",
                                     u"Sound files (*.wav *.WAV *.Wav)"};
constexpr BilingualText kProgramFilter{u"程序 (*)", u"Programs (*)"};
constexpr BilingualText kAnyFileFilter{u"所有文件 (*)", u"All files (*)"};

} // namespace

std::u16string HostNameFilter(HostFileKind kind, bool chineseUi)
{
    switch (kind) {
    case HostFileKind::Sound:
        return std::u16string(kSoundFilter.In(chineseUi));
    case HostFileKind::Program:
        return std::u16string(kProgramFilter.In(chineseUi));
    case HostFileKind::AnyFile:
        return std::u16string(kAnyFileFilter.In(chineseUi));
    case HostFileKind::Folder:
        break;
    }
    return {};
}

bool HostDialogLists(HostFileKind kind, bool isFolder, bool isExecutable)
{
    if (isFolder) {
        return true;
    }
    switch (kind) {
    case HostFileKind::Program:
        return isExecutable;
    case HostFileKind::Folder:
        return false;
    case HostFileKind::Sound:
    case HostFileKind::AnyFile:
        break;
    }
    return true;
}

std::u16string HostStartFolder(std::u16string_view currentPath, std::u16string_view home,
                               const std::function<bool(std::u16string_view)>& isFolder)
{
    // A folder path ends with its own name: the dialog opens in the folder that holds it, so
    // the current choice shows among its neighbours.
    std::u16string_view path = currentPath;
    while (path.size() > 1 && path.back() == u'/') {
        path.remove_suffix(1);
    }
    const size_t slash = path.rfind(u'/');
    if (slash != std::u16string_view::npos) {
        const std::u16string_view parent = slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
        if (isFolder && isFolder(parent)) {
            return std::u16string(parent);
        }
    }
    return std::u16string(home);
}

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
