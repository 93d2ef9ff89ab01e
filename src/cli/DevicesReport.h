#pragma once

#include "core/device/DeviceSurvey.h"
#include "platform/linux/UdevRuleAdvice.h"

#include <nlohmann/json.hpp>

#include <string>

namespace qx71 {

// Exit codes of `qx71ctl devices`.
inline constexpr int kDevicesExitUsable = 0;
inline constexpr int kDevicesExitAbsent = 2;
inline constexpr int kDevicesExitNotUsable = 3;

struct DevicesReport {
    std::string text; // for people, one or more whole lines
    nlohmann::json json;
    int exitCode = kDevicesExitAbsent;
};

// What `qx71ctl devices` prints for a survey. `rule` matters when the node's permissions are
// the reason.
DevicesReport ReportDevices(const DeviceSurvey& survey, const UdevRuleAdvice& rule,
                            const UsbIdentity& mouse, const UsbIdentity& updateMode);

} // namespace qx71
