#pragma once

#include "core/device/DeviceSurvey.h"

#include <string>
#include <string_view>

namespace qx71 {

// What the window says when the link found no usable QX71, from the same survey as
// "qx71ctl devices": when the mouse is plugged in but its vendor interface cannot be opened,
// why, and the command that fixes it (`fixCommand`, empty when none is known); for an absent
// mouse, "cannot be found".
std::u16string MouseAccessNotice(const DeviceSurvey& survey, std::string_view fixCommand,
                                 bool chineseUi);

// Whether the notice for this survey holds a fix to read: its box then waits for OK instead of
// counting down.
bool MouseNoticeWaitsForOk(const DeviceSurvey& survey);

} // namespace qx71
