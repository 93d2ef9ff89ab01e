// lighting set MODE [--color RRGGBB | --preset 0..25] [--brightness 1..10]
// [--breath-speed 1..5]: the lighting page's controls, then one write to the mouse with the
// call's other edits.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/EditSession.h"

#include "core/config/ConfigStore.h"
#include "core/lighting/LedSetGeometry.h"
#include "core/lighting/LedSetModel.h"

#include <charconv>
#include <memory>
#include <optional>

namespace qx71 {

namespace {

constexpr size_t kColourDigits = 6;
constexpr int kHexBase = 16;
// Where red, green and blue sit in the number RRGGBB as written.
constexpr int kWrittenRedShift = 16;
constexpr int kWrittenGreenShift = 8;
constexpr int kWrittenBlueShift = 0;

struct LightingRequest {
    std::string mode;
    std::string colour;
    std::string preset;
    std::string brightness;
    std::string breathSpeed;
};

// A whole-string decimal number within [low, high].
std::optional<int> NumberIn(const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// RRGGBB (or #RRGGBB) as red, green and blue.
std::optional<std::array<int, kColourComponents>> ParseColour(std::string text)
{
    if (!text.empty() && text.front() == '#') {
        text.erase(0, 1);
    }
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, kHexBase);
    if (text.size() != kColourDigits || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    auto component = [value](int shift) {
        return static_cast<int>((value >> shift) & kComponentMask);
    };
    return std::array<int, kColourComponents>{
        component(kWrittenRedShift), component(kWrittenGreenShift), component(kWrittenBlueShift)};
}

std::string ModeNames()
{
    std::string names;
    for (size_t i = 0; i < kLightingModeInfo.size(); ++i) {
        names += i == 0 ? "" : (i + 1 == kLightingModeInfo.size() ? " or " : ", ");
        names += kLightingModeInfo[i].commandName;
    }
    return names;
}

std::string NameOf(LightingMode mode)
{
    return std::string(InfoOf(mode).commandName);
}

// The modes that use a setting, for the message that refuses it in another mode.
std::string ModesUsing(bool LightingModeInfo::*uses)
{
    std::string names;
    for (const auto& info : kLightingModeInfo) {
        if (info.*uses) {
            names += (names.empty() ? "" : " and ") + std::string(info.commandName);
        }
    }
    return names;
}

void SetLighting(CliContext& context, const LightingRequest& request)
{
    const auto mode = LightingModeNamed(request.mode);
    if (!mode) {
        context.Fail("Unknown lighting mode '" + request.mode + "': use " + ModeNames() + ".");
        return;
    }
    const LightingModeInfo& info = InfoOf(*mode);
    std::optional<std::array<int, kColourComponents>> colour;
    if (!request.colour.empty() && !(colour = ParseColour(request.colour))) {
        context.Fail("--color takes six hexadecimal digits RRGGBB, for example 01C1FA.");
        return;
    }
    std::optional<int> preset;
    if (!request.preset.empty() &&
        !(preset = NumberIn(request.preset, 0, static_cast<int>(kPresetCount) - 1))) {
        context.Fail("--preset takes a number from 0 to " + std::to_string(kPresetCount - 1) + ".");
        return;
    }
    std::optional<int> brightness;
    if (!request.brightness.empty() &&
        !(brightness =
              NumberIn(request.brightness, ledset::kBrightnessMin, ledset::kBrightnessMax))) {
        context.Fail("--brightness takes a number from " + std::to_string(ledset::kBrightnessMin) +
                     " to " + std::to_string(ledset::kBrightnessMax) + ".");
        return;
    }
    std::optional<int> breathSpeed;
    if (!request.breathSpeed.empty() &&
        !(breathSpeed =
              NumberIn(request.breathSpeed, ledset::kBreathSpeedMin, ledset::kBreathSpeedMax))) {
        context.Fail("--breath-speed takes a number from " +
                     std::to_string(ledset::kBreathSpeedMin) + " to " +
                     std::to_string(ledset::kBreathSpeedMax) + ".");
        return;
    }
    if (colour && preset) {
        context.Fail("Give --color or --preset, not both.");
        return;
    }
    // The page disables the controls a mode does not use; so does the command line.
    if ((colour || preset) && !info.usesColour) {
        context.Fail("Mode " + NameOf(*mode) +
                     " has no colour of its own: --color and --preset go "
                     "with " +
                     ModesUsing(&LightingModeInfo::usesColour) + ".");
        return;
    }
    if (brightness && !info.usesBrightness) {
        context.Fail("--brightness goes with mode " +
                     ModesUsing(&LightingModeInfo::usesBrightness) + ".");
        return;
    }
    if (breathSpeed && !info.usesBreathSpeed) {
        context.Fail("--breath-speed goes with mode " +
                     ModesUsing(&LightingModeInfo::usesBreathSpeed) + ".");
        return;
    }

    // The page works on the profile of the call's edits; they are written together.
    EditSession* session = EditSession::For(context);
    if (session == nullptr) {
        return;
    }
    LedSetModel page(session->Store().CurrentProfile());
    page.RefreshLighting();
    page.ChooseMode(*mode);
    bool taken = true;
    if (preset) {
        taken = page.ChoosePreset(static_cast<size_t>(*preset));
    }
    if (colour) {
        const uint32_t sliders[] = {ledset::kRedSliderId, ledset::kGreenSliderId,
                                    ledset::kBlueSliderId};
        for (size_t c = 0; c < kColourComponents; ++c) {
            taken = page.SliderChanged(sliders[c], (*colour)[c]) && taken;
        }
    }
    if (brightness) {
        taken = page.SliderChanged(ledset::kBrightnessSliderId, *brightness) && taken;
    }
    if (breathSpeed) {
        taken = page.SliderChanged(ledset::kBreathSpeedSliderId, *breathSpeed) && taken;
    }
    if (!taken) {
        context.Fail("The lighting page did not take these settings; nothing was sent.");
        session->Refuse();
    }
}

} // namespace

void RegisterLightingCommands(CLI::App& app, CliContext& context)
{
    CLI::App* lighting = app.add_subcommand("lighting", "The mouse's lighting");
    lighting->require_subcommand(1);

    auto request = std::make_shared<LightingRequest>();
    CLI::App* set = lighting->add_subcommand(
        "set", "Set the lighting of the profile in use and write the profile to the mouse");
    set->add_option("MODE", request->mode, "always, breath, apm-breath, spectrum or off")
        ->required();
    set->add_option("--color", request->colour, "Colour RRGGBB (modes always and breath)");
    set->add_option("--preset", request->preset, "Preset colour 0..25 (modes always and breath)");
    set->add_option("--brightness", request->brightness, "Brightness 1..10 (mode always)");
    set->add_option("--breath-speed", request->breathSpeed, "Breathing speed 1..5 (mode breath)");
    set->callback([&context, request] { SetLighting(context, *request); });
}

} // namespace qx71
