// profile list, profile show [N], profile export FILE: the five profiles in DataDir.
#include "cli/CliContext.h"
#include "cli/CliParse.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"
#include "cli/DesktopPointerReport.h"

#include "core/buttons/ButtonFunction.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/HostActionPage.h"
#include "core/buttons/MainSetModel.h"
#include "core/common/PathText.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/config/FixedText.h"
#include "core/config/MacroLinks.h"
#include "core/lighting/LightingMode.h"
#include "core/macro/MacroLibrary.h"

#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

namespace qx71 {

namespace {

std::string Text(const ProfileText& units)
{
    return Utf16ToUtf8(TextOf(units));
}

void ListProfiles(CliContext& context)
{
    const auto store = OpenStore(context);
    nlohmann::json slots = nlohmann::json::array();
    for (size_t n = 0; n < kProfileSlots; ++n) {
        const ProfileSlot& slot = store->Directory().slots[n];
        slots.push_back({
            {"slot", n + 1},
            {"valid", slot.slotMagic == kSlotMagic},
            {"active", slot.active != 0},
            {"current", store->CurrentSlot() == n},
            {"path", PathToUtf8(store->SlotPath(n))},
        });
    }
    const nlohmann::json data = {{"currentSlot", store->CurrentSlot() + 1}, {"slots", slots}};
    context.Print(data, [&] {
        for (const auto& slot : slots) {
            std::cout << slot["slot"].get<size_t>() << "  "
                      << (slot["valid"].get<bool>() ? "valid  " : "invalid") << "  "
                      << (slot["active"].get<bool>() ? "active" : "      ") << "  "
                      << slot["path"].get<std::string>() << '\n';
        }
    });
}

// Which buttons' macro the macro table lacks, per button.
using MissingFlags = std::array<bool, kProfileButtons>;

nlohmann::json ProfileJson(const ConfigStore& store, const MissingFlags& missing)
{
    const ProfileRecord& p = store.CurrentProfile();
    nlohmann::json buttons = nlohmann::json::array();
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& b = p.buttons[i];
        buttons.push_back({
            {"button", kButtonNames[i]},
            {"function", b.function},
            {"macroId", b.macroId},
            {"macroMissing", missing[i]},
            {"hostKind", b.hostKind},
            {"keyCode", b.keyCode},
            {"hostValue", b.hostValue},
            {"hostPath", Text(b.hostPath)},
            {"displayName", Text(b.displayName)},
        });
    }
    return {
        {"slot", store.CurrentSlot() + 1},
        {"path", PathToUtf8(store.SlotPath(store.CurrentSlot()))},
        {"buttons", buttons},
        {"dpiStages", p.dpiStages},
        {"sheightLevel", p.sheightLevel},
        {"reportRate", p.reportRate},
        {"ledMode", p.ledMode},
        {"ledColor", p.ledColor},
        {"ledCustomColor", p.ledCustomColor},
        {"ledPresetIndex", p.ledPresetIndex},
        {"pointerPrecision", p.pointerPrecision},
        {"pointerSpeed", p.pointerSpeed},
        {"ledBrightness", p.ledBrightness},
        {"ledBreathSpeed", p.ledBreathSpeed},
        {"wheelLines", p.wheelLines},
    };
}

// The kind of function an input has, in the words of "button set".
std::string FunctionKind(const ButtonAssignment& b)
{
    switch (b.function) {
    case ToCode(ButtonFunction::Key):
        return "key";
    case ToCode(ButtonFunction::Macro):
        return "macro";
    case ToCode(ButtonFunction::HostAction):
        for (size_t row = 0; row < kHostRowCount; ++row) {
            if (b.hostKind == HostKindOf(static_cast<HostRow>(row))) {
                return kHostRowNames[row];
            }
        }
        return "host";
    case ToCode(ButtonFunction::Disable):
        return "disable";
    default:
        return FindCatalogueEntry(b.function) != nullptr ? "basic" : "none";
    }
}

std::string FunctionText(const ButtonAssignment& b, bool macroMissing)
{
    switch (b.function) {
    case ToCode(ButtonFunction::Macro):
        return Text(b.displayName) + " (" + IdText(b.macroId) + ")" +
               (macroMissing ? ": missing from the macro list, the button sends nothing" : "");
    case ToCode(ButtonFunction::HostAction):
        return Text(b.hostPath);
    default:
        return FindCatalogueEntry(b.function) != nullptr ||
                       b.function == ToCode(ButtonFunction::Key)
                   ? Text(b.displayName)
                   : "function code " + std::to_string(b.function);
    }
}

std::string ReportRateText(int32_t interval)
{
    for (const ReportRateChoice& rate : kReportRates) {
        if (rate.interval == interval) {
            return std::to_string(rate.hertz) + " Hz";
        }
    }
    return "unknown (interval code " + std::to_string(interval) + ")";
}

std::string WheelText(int32_t lines)
{
    if (lines == kWheelOneScreen) {
        return "one screen per notch";
    }
    return std::to_string(lines) + (lines == 1 ? " line" : " lines") + " per notch";
}

// By the name "lighting set" takes.
std::string LightingModeText(int32_t stored)
{
    if (const auto mode = LightingModeOf(stored)) {
        return std::string(InfoOf(*mode).commandName);
    }
    return "unknown (" + std::to_string(stored) + ")";
}

// The stored 0x00BBGGRR as #RRGGBB.
std::string ColourText(uint32_t bgr)
{
    std::ostringstream out;
    out << '#' << std::hex << std::setfill('0') << std::setw(2) << (bgr & 0xFF) << std::setw(2)
        << ((bgr >> 8) & 0xFF) << std::setw(2) << ((bgr >> 16) & 0xFF);
    return out.str();
}

void PrintProfile(const ConfigStore& store, const MissingFlags& missing)
{
    const ProfileRecord& p = store.CurrentProfile();
    std::cout << "Profile " << store.CurrentSlot() + 1 << " ("
              << PathToUtf8(store.SlotPath(store.CurrentSlot())) << ")\n";
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& b = p.buttons[i];
        std::cout << "  " << std::left << std::setw(16) << kButtonNames[i] << std::setw(9)
                  << FunctionKind(b) << std::right << FunctionText(b, missing[i]) << '\n';
    }
    std::cout << "  DPI levels:";
    for (const int32_t dpi : p.dpiStages) {
        if (dpi != 0) {
            std::cout << ' ' << dpi;
        }
    }
    std::cout << "\n  report rate: " << ReportRateText(p.reportRate)
              << "\n  pointer speed: " << p.pointerSpeed
              << ", enhanced precision: " << (p.pointerPrecision == 1 ? "on" : "off")
              << "\n  sensor height: " << p.sheightLevel << "\n  wheel: " << WheelText(p.wheelLines)
              << "\n  lighting: " << LightingModeText(p.ledMode) << ", colour "
              << ColourText(p.ledColor)
              << (p.ledCustomColor != 0 ? std::string(" (custom)")
                                        : " (preset " + std::to_string(p.ledPresetIndex) + ")")
              << ", brightness " << p.ledBrightness << ", breathing speed " << p.ledBreathSpeed
              << '\n';
}

// Without a number: the profile in use. With one: that profile, loaded as its button in the
// window loads it; nothing is saved.
void Show(CliContext& context, size_t slotNumber)
{
    const auto store = OpenStore(context);
    if (slotNumber != 0) {
        const size_t slot = slotNumber - 1;
        if (store->SwitchProfile(slot) != ProfileLoad::Loaded) {
            context.exitCode = 1;
        }
        if (store->CurrentSlot() != slot) {
            return;
        }
    }
    // The macros are read to tell which macro buttons send nothing; a Macro.cfg that cannot be
    // read leaves them unmarked (OpenLibrary said so).
    MissingFlags missing{};
    if (const auto library = OpenLibrary(context)) {
        const auto find = [&](uint32_t id) { return library->FindMacro(id); };
        for (const MissingMacro& m : FindMissingMacros(store->CurrentProfile(), find)) {
            missing[ToIndex(m.button)] = true;
        }
    }
    nlohmann::json data = ProfileJson(*store, missing);
    data["desktopUses"] = DesktopUsesJson(context);
    context.Print(data, [&] {
        PrintProfile(*store, missing);
        std::cout << "  " << DesktopUsesLine(context) << '\n';
    });
}

void Export(CliContext& context, const std::string& file)
{
    const auto store = OpenStore(context);
    if (!store->ExportProfile(file)) {
        context.exitCode = 1;
    }
}

} // namespace

void RegisterProfileCommands(CLI::App& app, CliContext& context)
{
    // Each action on the profiles is a sub-command of this group.
    CLI::App* profile = app.add_subcommand("profile", "The five profiles");
    profile->require_subcommand(1);

    profile->add_subcommand("list", "The five profile slots: valid, active, file")->callback([&] {
        ListProfiles(context);
    });

    auto slot = std::make_shared<size_t>(0);
    CLI::App* show = profile->add_subcommand("show", "The settings of a profile (default: the "
                                                     "one in use)");
    show->add_option("N", *slot, "Profile number")->check(CLI::Range(1, 5));
    show->callback([&context, slot] { Show(context, *slot); });

    auto file = std::make_shared<std::string>();
    CLI::App* exportCommand =
        profile->add_subcommand("export", "Write the profile in use to a file");
    exportCommand->add_option("FILE", *file, "The file to write")->required();
    exportCommand->callback([&context, file] { Export(context, *file); });
}

} // namespace qx71
