#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/buttons/ChooserResult.h"
#include "core/common/BilingualText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

// The rows of the chooser's advanced page, top to bottom.
enum class HostRow : uint8_t { Sound = 0, Program = 1, File = 2, Folder = 3 };
inline constexpr size_t kHostRowCount = 4;

// The hostKind an assignment stores for a row: 0xC0, 0xD0, 0xE0, 0xF0.
constexpr uint32_t HostKindOf(HostRow row)
{
    return 0xC0u + 0x10u * static_cast<uint32_t>(row);
}

// The code a row's box carries for an input: the host kind plus the input in bits 16..23,
// 0x06 in bits 0..7. The assignment page keeps it in hostValue.
constexpr int32_t HostCode(HostRow row, ButtonIndex button)
{
    return static_cast<int32_t>(((HostKindOf(row) + static_cast<uint32_t>(ToIndex(button))) << 16) |
                                0x06u);
}

// Where a row's file dialog starts on Windows (the sounds, programs, documents or desktop
// folder); the platform knows the folder.
enum class HostBrowseStart : uint8_t { Sounds, Programs, Documents, Desktop };

// What a row's dialog lets the user pick on this system.
enum class HostFileKind : uint8_t {
    Sound,   // the files the sound player plays
    Program, // files the user may run
    AnyFile,
    Folder,
};

// The dialog a row's browse button opens. The filter fields are the Windows dialog's; `kind`
// is what the dialog here offers.
struct HostBrowse {
    bool folder; // the folder browser instead of an open-file dialog
    std::u16string_view filterDescription;
    std::u16string_view filterPattern;
    std::u16string_view defaultExtension;
    std::u16string_view initialFileName;
    HostBrowseStart start;
    HostFileKind kind;
};
extern const std::array<HostBrowse, kHostRowCount> kHostBrowse;

// The name filter the dialog shows for a kind ("Sound files (*.wav *.WAV)"): the sound player
// plays WAV files; programs are told by their execute right, not their name, so their filter
// takes every name. Empty for a folder.
std::u16string HostNameFilter(HostFileKind kind, bool chineseUi);

// Whether a row's dialog lists an entry: every folder (to walk through), and the files its kind
// takes; a program is a file the user may run.
bool HostDialogLists(HostFileKind kind, bool isFolder, bool isExecutable);

// The folder a row's dialog opens in: that of the row's current path when it names a file or
// folder in an existing folder (`isFolder` answers), else the user's home.
std::u16string HostStartFolder(std::u16string_view currentPath, std::u16string_view home,
                               const std::function<bool(std::u16string_view)>& isFolder);

// The longest path an assignment can hold (its field keeps a terminator after it).
inline constexpr size_t kMaxHostPathUnits = 259;
// Said when a chosen path is longer: it is not taken, since a cut path would name another file.
inline constexpr BilingualText kHostPathTooLong{u"路径太长，最多 259 个字符!",
                                                u"The path is too long (at most 259 characters)!"};

// The advanced page of the function chooser: four rows (sound, program, file, folder), each
// with a box, a path and a browse button. At most one box is checked.
class HostActionPage {
public:
    // A click on a row's box checks it and unchecks the others.
    void ClickBox(HostRow row);
    // A click on a row's browse button, or a double click on its path: the row is checked and
    // the caller opens the returned dialog, then hands a chosen path to SetPath.
    const HostBrowse& BeginBrowse(HostRow row);
    // The path chosen for a row. A path longer than an assignment holds is refused (false),
    // since a cut path would name another file.
    bool SetPath(HostRow row, std::u16string path);

    bool Checked(HostRow row) const { return boxes_[Index(row)]; }
    const std::u16string& Path(HostRow row) const { return paths_[Index(row)]; }

    // The first checked row with a path, as a result for `button`; nullopt when there is none.
    std::optional<ChooserResult> Result(ButtonIndex button) const;

private:
    static constexpr size_t Index(HostRow row) { return static_cast<size_t>(row); }

    std::array<bool, kHostRowCount> boxes_{};
    std::array<std::u16string, kHostRowCount> paths_{};
};

} // namespace qx71
