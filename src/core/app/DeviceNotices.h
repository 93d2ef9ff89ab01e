#pragma once

#include <filesystem>
#include <string>

namespace qx71 {

// The notices about the mouse, in the timed message box with its count-down.
enum class DeviceNotice {
    NotFound, // at start, or the mouse was unplugged
    Found,    // the mouse was plugged in again
};

// The text of a notice: Chinese when the Chinese interface is in force, else English.
std::u16string DeviceNoticeText(DeviceNotice notice, bool chineseUi);

// InstallDir/tolvi_update/TolviUpdate, the separate updater started 3 s after a start.
std::filesystem::path UpdaterPath(const std::filesystem::path& installDir);

// Said when hiding the window ends the program, on a desktop without a notification area.
std::u16string NoTrayText(bool chineseUi);

} // namespace qx71
