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

// The notice when the flashing tool for a mouse in update mode could not be started.
std::u16string FlashToolFailedText(const std::filesystem::path& tool, bool chineseUi);

// The firmware version as the support page shows it: decimal, empty when it could not be
// read or is 0.
std::string FirmwareVersionText(bool read, int version);

// The argument the flashing tool gets: "1" for the Chinese interface, else "0".
std::string FlashToolArgument(bool chineseUi);

// InstallDir/FWUpdate/BuringFW and InstallDir/tolvi_update/TolviUpdate.
std::filesystem::path FlashToolPath(const std::filesystem::path& installDir);
std::filesystem::path UpdaterPath(const std::filesystem::path& installDir);

// Said once when the window is hidden on a desktop without a notification area.
std::u16string NoTrayText(bool chineseUi);

} // namespace qx71
