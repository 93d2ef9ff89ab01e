#include "cli/DevicesReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace qx71 {

namespace {

using nlohmann::json;

std::string Hex4(uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

std::string UsbIdText(const UsbIdentity& identity)
{
    return Hex4(ParseHexId(identity.vendorIdText)) + ":" + Hex4(ParseHexId(identity.productIdText));
}

bool IdentityKnown(const HidInterfaceProbe& probe)
{
    return probe.verdict != ProbeVerdict::NotOpenable &&
           probe.verdict != ProbeVerdict::NoAttributes;
}

const char* StatusName(MouseStatus status)
{
    switch (status) {
    case MouseStatus::Usable:
        return "usable";
    case MouseStatus::Absent:
        return "absent";
    case MouseStatus::NotUsable:
        return "not-usable";
    case MouseStatus::UpdateMode:
        return "update-mode";
    }
    return "absent";
}

int ExitCodeOf(MouseStatus status)
{
    switch (status) {
    case MouseStatus::Usable:
        return kDevicesExitUsable;
    case MouseStatus::Absent:
        return kDevicesExitAbsent;
    case MouseStatus::NotUsable:
    case MouseStatus::UpdateMode:
        break;
    }
    return kDevicesExitNotUsable;
}

struct RoleTexts {
    const char* name;  // JSON
    const char* words; // the table
};

RoleTexts RoleOf(const SurveyedInterface& iface)
{
    if (!IdentityKnown(iface.probe)) {
        return {"unreadable", "cannot be read"};
    }
    switch (iface.role) {
    case InterfaceRole::MouseVendor:
        return {"qx71-vendor-interface", "QX71, vendor interface"};
    case InterfaceRole::MouseOther:
        return {"qx71-other-interface", "QX71, not its vendor interface"};
    case InterfaceRole::UpdateMode:
        return {"qx71-update-mode", "QX71 in firmware update mode"};
    case InterfaceRole::Other:
        break;
    }
    return {"other-device", "another device"};
}

// Why the mouse cannot be used, for JSON; null when it can or is absent.
json ReasonOf(const DeviceSurvey& survey)
{
    if (survey.status == MouseStatus::UpdateMode) {
        return "update-mode";
    }
    if (survey.status != MouseStatus::NotUsable) {
        return nullptr;
    }
    if (!survey.mouse) {
        return "no-vendor-interface";
    }
    switch (survey.mouseAccess) {
    case NodeAccess::PermissionDenied:
        return "permission-denied";
    case NodeAccess::Busy:
        return "busy";
    case NodeAccess::Missing:
        return "node-missing";
    case NodeAccess::Failed:
    case NodeAccess::ReadWrite:
        break;
    }
    return "open-failed";
}

json OptionalPath(const std::optional<std::filesystem::path>& path)
{
    return path ? json(path->string()) : json(nullptr);
}

void Table(std::ostringstream& out, const DeviceSurvey& survey)
{
    if (survey.interfaces.empty()) {
        out << "No HID interfaces.\n";
        return;
    }
    size_t pathWidth = 4;
    for (const auto& iface : survey.interfaces) {
        pathWidth = std::max(pathWidth, iface.probe.path.size());
    }
    const auto pad = [](const std::string& text, size_t width) {
        return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
    };
    out << pad("PATH", pathWidth) << "  ID         USAGE      WHAT\n";
    for (const auto& iface : survey.interfaces) {
        const HidInterfaceProbe& p = iface.probe;
        const std::string id =
            IdentityKnown(p) ? Hex4(p.vendorId) + ":" + Hex4(p.productId) : "????:????";
        const std::string usage =
            p.usage ? Hex4(p.usage->usagePage) + ":" + Hex4(p.usage->usage) : "?";
        out << pad(p.path, pathWidth) << "  " << pad(id, 9) << "  " << pad(usage, 9) << "  "
            << RoleOf(iface).words << '\n';
    }
}

// The lines that say what the survey means and, where there is one, what to do.
std::string Verdict(const DeviceSurvey& survey, const UdevRuleAdvice& rule,
                    const UsbIdentity& mouse, const UsbIdentity& updateMode)
{
    std::ostringstream out;
    const std::string node = survey.mouse ? survey.interfaces[*survey.mouse].probe.path : "";
    const std::string cannotOpen =
        "The QX71 is plugged in, but " + node + " cannot be opened for reading and writing: ";
    switch (survey.status) {
    case MouseStatus::Usable:
        out << "The QX71 is ready: " << node << " opens for reading and writing.\n";
        break;
    case MouseStatus::Absent:
        out << "No QX71 is plugged in: no HID interface has the identifiers " << UsbIdText(mouse)
            << ".\n";
        break;
    case MouseStatus::UpdateMode:
        out << "The QX71 is in its firmware update mode (" << UsbIdText(updateMode)
            << "): it cannot be configured until the update has finished.\n";
        break;
    case MouseStatus::NotUsable:
        if (!survey.mouse) {
            out << "The QX71 is plugged in, but none of its HID interfaces is the vendor interface "
                   "(usage page "
                << Hex4(CUSBDriver::kVendorUsagePage) << ", usage "
                << Hex4(CUSBDriver::kVendorUsage)
                << "). It may still be starting up, or it is a different device with the same "
                   "identifiers.\n";
            break;
        }
        switch (survey.mouseAccess) {
        case NodeAccess::PermissionDenied:
            out << cannotOpen << "permission denied.\n";
            if (rule.activeRule) {
                out << "The udev rule " << rule.activeRule->string()
                    << " gives the user at this computer's seat access. To apply it now, run:\n  "
                    << rule.fixCommand << '\n';
            } else if (rule.shippedRule) {
                out << "The udev rule that gives access is not installed; the program brings it as "
                    << rule.shippedRule->string() << ". To install and apply it, run:\n  "
                    << rule.fixCommand << '\n';
            } else {
                out << "No udev rule for the QX71 (" << kUdevRuleFileName
                    << ") was found; install the qx71 package, which brings it.\n";
            }
            break;
        case NodeAccess::Busy:
            out << cannotOpen
                << "it is busy. Another program holds it; close that program and try again.\n";
            break;
        case NodeAccess::Missing:
            out << cannotOpen << "it went away. Plug the mouse in again.\n";
            break;
        case NodeAccess::Failed:
        case NodeAccess::ReadWrite:
            out << cannotOpen << "the system refused it.\n";
            break;
        }
        break;
    }
    if (survey.updateModePresent && survey.status != MouseStatus::UpdateMode) {
        out << "A QX71 in firmware update mode (" << UsbIdText(updateMode)
            << ") is plugged in as well.\n";
    }
    return out.str();
}

} // namespace

DevicesReport ReportDevices(const DeviceSurvey& survey, const UdevRuleAdvice& rule,
                            const UsbIdentity& mouse, const UsbIdentity& updateMode)
{
    DevicesReport report;
    report.exitCode = ExitCodeOf(survey.status);

    std::ostringstream text;
    Table(text, survey);
    text << Verdict(survey, rule, mouse, updateMode);
    report.text = text.str();

    json interfaces = json::array();
    for (const auto& iface : survey.interfaces) {
        const HidInterfaceProbe& p = iface.probe;
        const bool known = IdentityKnown(p);
        interfaces.push_back({
            {"path", p.path},
            {"vendorId", known ? json(p.vendorId) : json(nullptr)},
            {"productId", known ? json(p.productId) : json(nullptr)},
            {"usagePage", p.usage ? json(p.usage->usagePage) : json(nullptr)},
            {"usage", p.usage ? json(p.usage->usage) : json(nullptr)},
            {"role", RoleOf(iface).name},
            {"vendorInterface", iface.role == InterfaceRole::MouseVendor},
        });
    }
    const bool permission = survey.status == MouseStatus::NotUsable && survey.mouse &&
                            survey.mouseAccess == NodeAccess::PermissionDenied;
    json mouseNode = nullptr;
    if (survey.mouse) {
        mouseNode = {{"path", survey.interfaces[*survey.mouse].probe.path},
                     {"readWrite", survey.mouseAccess == NodeAccess::ReadWrite}};
    }
    json udevRule = nullptr;
    json fix = nullptr;
    if (permission) {
        udevRule = {{"active", OptionalPath(rule.activeRule)},
                    {"shipped", OptionalPath(rule.shippedRule)}};
        if (!rule.fixCommand.empty()) {
            fix = rule.fixCommand;
        }
    }
    report.json = {
        {"status", StatusName(survey.status)},
        {"reason", ReasonOf(survey)},
        {"mouse", mouseNode},
        {"udevRule", udevRule},
        {"fix", fix},
        {"updateMode",
         {{"present", survey.updateModePresent},
          {"vendorId", ParseHexId(updateMode.vendorIdText)},
          {"productId", ParseHexId(updateMode.productIdText)}}},
        {"interfaces", interfaces},
    };
    return report;
}

} // namespace qx71
