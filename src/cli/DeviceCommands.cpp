// info, device-state, present, devices: the mouse itself.
#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"
#include "cli/DevicesReport.h"
#include "cli/EditSession.h"
#include "cli/SystemBackends.h"

#include "core/common/Hex.h"
#include "core/device/CUSBDriver.h"
#include "platform/sim/SimulatedQx71.h"

#include <iomanip>
#include <iostream>
#include <sstream>

namespace qx71 {

namespace {

void Info(CliContext& context)
{
    CUSBDriver link(context.Hid(), context.Clock());
    if (!OpenLink(context, link)) {
        return;
    }
    int version = 0;
    const bool known = link.ReadFirmwareVersion(version) && version != 0;
    nlohmann::json data = {
        {"firmwareVersion", known ? nlohmann::json(version) : nlohmann::json(nullptr)},
        {"vendorId", link.VendorId()},
        {"productId", link.ProductId()},
        {"reportId", link.ReportId()},
        {"reportLength", link.ReportLength()},
    };
    context.Print(data, [&] {
        std::cout << "Firmware version: " << (known ? std::to_string(version) : "Unknown") << '\n';
    });
}

void DeviceState(CliContext& context)
{
    FlushEdits(context);
    SimulatedQx71* sim = context.Simulator();
    if (sim == nullptr) {
        context.Fail("device-state needs the simulated mouse (--simulate)");
        return;
    }
    const auto s = sim->GetState();
    nlohmann::json slots = nlohmann::json::array();
    for (const auto& slot : s.macroSlots) {
        slots.push_back(HexBytes(slot));
    }
    nlohmann::json data = {
        {"buttonTable", HexBytes(s.buttonTable)},
        {"dpiTable", HexBytes(s.dpiTable)},
        {"dpiStage", s.dpiStage},
        {"ledColor", {{"red", s.ledRed}, {"green", s.ledGreen}, {"blue", s.ledBlue}}},
        {"ledEffect", s.ledEffect},
        {"reportRate", s.reportRate},
        {"macroSlots", slots},
        {"firmwareVersion", s.firmwareVersion},
    };
    context.Print(data, [&] {
        std::cout << "button table: " << data["buttonTable"].get<std::string>() << '\n'
                  << "DPI table:    " << data["dpiTable"].get<std::string>() << '\n'
                  << "DPI stage:    " << int(s.dpiStage) << '\n'
                  << "LED colour:   red " << int(s.ledRed) << ", green " << int(s.ledGreen)
                  << ", blue " << int(s.ledBlue) << '\n'
                  << "LED effect:   " << int(s.ledEffect[0]) << ' ' << int(s.ledEffect[1]) << ' '
                  << int(s.ledEffect[2]) << '\n'
                  << "report rate:  " << int(s.reportRate) << '\n';
        for (size_t i = 0; i < s.macroSlots.size(); ++i) {
            std::cout << "macro slot " << i << ": " << slots[i].get<std::string>() << '\n';
        }
    });
}

void Present(CliContext& context)
{
    CUSBDriver link(context.Hid(), context.Clock());
    const bool found = link.InitLink() && link.OpenDevice();
    context.Print({{"present", found}}, [&] { std::cout << (found ? "yes" : "no") << '\n'; });
    if (!found) {
        context.exitCode = 1;
    }
}

void Devices(CliContext& context)
{
    const UsbIdentity mouse;
    const UsbIdentity updateMode = UpdateModeIdentity();
    const DeviceSurvey survey =
        SurveyDevices(context.Hid(), context.NodeAccess(), context.UsbMonitor(), mouse, updateMode);
    const DevicesReport report = ReportDevices(
        survey, SystemAccessAdvice(context.InstallDir(), context.systemRoot), mouse, updateMode);
    // The session decides what the input hooks can see.
    const SystemSessionReport session = DescribeSystemSession();
    nlohmann::json data = report.json;
    data["session"] = {{"type", session.type},
                       {"hooksSeeOnlyX11Windows", session.hooksSeeOnlyX11Windows}};
    context.Print(data, [&] { std::cout << session.text << report.text; });
    if (context.exitCode == 0) {
        context.exitCode = report.exitCode;
    }
}

} // namespace

void RegisterDeviceCommands(CLI::App& app, CliContext& context)
{
    app.add_subcommand("info", "Read the mouse's firmware version")->callback([&] {
        Info(context);
    });
    app.add_subcommand("device-state", "Print the simulated mouse's state after the command")
        ->callback([&] { DeviceState(context); });
    app.add_subcommand("present", "Exit 0 when a mouse is attached")->callback([&] {
        Present(context);
    });
    app.add_subcommand(
           "devices", "List the HID interfaces and tell whether the mouse can be used, and if not, "
                      "why (exit 0 usable, 2 absent, 3 present but not usable)")
        ->callback([&] { Devices(context); });
}

} // namespace qx71
