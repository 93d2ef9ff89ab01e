#pragma once

#include "core/common/BilingualText.h"

#include <string_view>

namespace qx71 {

// The update check's messages.
inline constexpr BilingualText kNewFirmwareText{
    u"游戏鼠标固件有更新,是否更新到最新版本?",
    u"A new version of firmware is available for the gaming mouse, whether to update or not?"};
inline constexpr BilingualText kLatestFirmwareText{u"固件已经是最新版本.",
                                                   u"Firmware is the latest version."};
// Shown in English whatever the language.
inline constexpr std::u16string_view kImageDownloadFailedText =
    u"New-version firmware download failed.";
// When the flashing tool cannot be started; "%s" is its path.
inline constexpr BilingualText kFlashingToolFailedText{
    u"无法启动固件更新程序 %s.", u"The firmware update tool %s cannot be started."};

} // namespace qx71
