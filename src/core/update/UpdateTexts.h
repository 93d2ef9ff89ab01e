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
// The online check could not get an answer: the user is told why, never that the firmware is
// the latest. "%s" is one of the reasons below.
inline constexpr BilingualText kCouldNotCheckText{u"无法在线检查新固件：%s",
                                                  u"Could not check online for new firmware: %s"};
inline constexpr BilingualText kNoServerReason{u"没有设置更新服务器。",
                                               u"no update server is set up."};
inline constexpr BilingualText kTimedOutReason{u"更新服务器没有及时回应。",
                                               u"the update server did not answer in time."};
inline constexpr BilingualText kRefusedReason{
    u"更新地址不是 http 或 https 地址。", u"the update address is not an http or https address."};
inline constexpr BilingualText kUnreachableReason{u"无法连接更新服务器。",
                                                  u"the update server cannot be reached."};
inline constexpr BilingualText kServerErrorReason{u"更新服务器拒绝了请求。",
                                                  u"the update server refused the request."};
inline constexpr BilingualText kTlsReason{u"无法验证更新服务器的证书。",
                                          u"the update server's certificate cannot be verified."};
inline constexpr BilingualText kBadAnswerReason{u"更新服务器的回答不是有效的更新说明。",
                                                u"the update server's answer is not an update "
                                                u"description."};
inline constexpr BilingualText kNotSavedReason{u"无法保存更新说明。",
                                               u"the update description cannot be saved."};
// Shown in English whatever the language.
inline constexpr std::u16string_view kImageDownloadFailedText =
    u"New-version firmware download failed.";
// When the flashing tool cannot be started; "%s" is its path.
inline constexpr BilingualText kFlashingToolFailedText{
    u"无法启动固件更新程序 %s.", u"The firmware update tool %s cannot be started."};

} // namespace qx71
