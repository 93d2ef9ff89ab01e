// profile list, profile show [N], profile export FILE: the five profiles in DataDir.
#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"

#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/config/FixedText.h"

#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

namespace qx71 {

namespace {

constexpr const char* kButtonNames[kProfileButtons] = {
    "left", "middle", "right", "forward", "back", "wheel forward", "wheel backward",
};

std::string Text(const ProfileText& units)
{
    return Utf16ToUtf8(TextOf(units));
}

void List(CliContext& context)
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
            {"path", store->SlotPath(n).string()},
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

nlohmann::json ProfileJson(const ConfigStore& store)
{
    const ProfileRecord& p = store.CurrentProfile();
    nlohmann::json buttons = nlohmann::json::array();
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& b = p.buttons[i];
        buttons.push_back({
            {"button", kButtonNames[i]},
            {"function", b.function},
            {"macroId", b.macroId},
            {"hostKind", b.hostKind},
            {"keyCode", b.keyCode},
            {"hostValue", b.hostValue},
            {"hostPath", Text(b.hostPath)},
            {"displayName", Text(b.displayName)},
        });
    }
    return {
        {"slot", store.CurrentSlot() + 1},
        {"path", store.SlotPath(store.CurrentSlot()).string()},
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

void PrintProfile(const nlohmann::json& data)
{
    std::cout << "Profile " << data["slot"].get<size_t>() << " (" << data["path"].get<std::string>()
              << ")\n";
    for (const auto& b : data["buttons"]) {
        std::cout << "  " << std::left << std::setw(16) << b["button"].get<std::string>()
                  << std::right << std::setw(4) << b["function"].get<int32_t>() << "  "
                  << b["displayName"].get<std::string>() << '\n';
    }
    std::cout << "  DPI stages:";
    for (const auto& dpi : data["dpiStages"]) {
        if (dpi.get<int32_t>() != 0) {
            std::cout << ' ' << dpi.get<int32_t>();
        }
    }
    std::ostringstream colour;
    colour << "0x" << std::hex << std::setw(6) << std::setfill('0')
           << data["ledColor"].get<uint32_t>();
    std::cout << "\n  report rate code: " << data["reportRate"]
              << "\n  pointer speed: " << data["pointerSpeed"]
              << ", enhanced precision: " << data["pointerPrecision"]
              << ", wheel lines: " << data["wheelLines"]
              << ", sheight level: " << data["sheightLevel"]
              << "\n  lighting mode: " << data["ledMode"] << ", colour: " << colour.str()
              << " (custom " << data["ledCustomColor"] << ", preset " << data["ledPresetIndex"]
              << "), brightness " << data["ledBrightness"] << ", breathing speed "
              << data["ledBreathSpeed"] << '\n';
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
    const nlohmann::json data = ProfileJson(*store);
    context.Print(data, [&] { PrintProfile(data); });
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
        List(context);
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
