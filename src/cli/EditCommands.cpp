// button set, dpi set, rate set, pointer set: edits of the profile in use through the
// assignment page's model (so its rules hold), written to the mouse and saved in one pass.
#include "cli/CliContext.h"
#include "cli/CliParse.h"
#include "cli/Commands.h"
#include "cli/DesktopPointerReport.h"
#include "cli/EditSession.h"

#include "core/buttons/ChooserModel.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/KeyUsageMap.h"
#include "core/common/PathText.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/macro/MacroCategories.h"
#include "core/macro/MacroLibrary.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>

namespace qx71 {

namespace {

// The outcome of one edit: done, refused with a line to print, or refused by a rule of the
// page whose message was shown already.
struct EditResult {
    bool done = false;
    std::string error;

    static EditResult Done() { return {true, {}}; }
    static EditResult Refused(std::string line) { return {false, std::move(line)}; }
    static EditResult RuleShown() { return {false, {}}; }
};

// Runs one edit on the call's session; a refused edit drops every edit of the call.
void Edit(CliContext& context, const std::function<EditResult(EditSession&)>& edit)
{
    EditSession* session = EditSession::For(context);
    if (session == nullptr) {
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
        return;
    }
    const EditResult result = edit(*session);
    if (result.done) {
        return;
    }
    session->Refuse();
    if (result.error.empty()) {
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
    } else {
        context.Fail(result.error);
    }
}

void Report(CliContext& context, const std::string& line)
{
    // With --json only the pass's outcome is printed, as one object.
    if (!context.options.json) {
        std::cout << line << '\n';
    }
}

// ---- button set ------------------------------------------------------------------------

constexpr uint32_t kKeyDownFlags = 0;

struct ModifierWord {
    std::u16string_view word;
    ComboModifier modifier;
};
constexpr ModifierWord kModifierWords[] = {
    {u"ctrl", ComboModifier::Ctrl},
    {u"shift", ComboModifier::Shift},
    {u"alt", ComboModifier::Alt},
    {u"win", ComboModifier::Win},
};

const ModifierWord* FindModifierWord(std::u16string_view text)
{
    for (const ModifierWord& m : kModifierWords) {
        if (EqualsIgnoringCase(text, m.word)) {
            return &m;
        }
    }
    return nullptr;
}

// Types a combination such as "ctrl+shift+a" on the key page: each modifier word checks its
// box, the key after them is pressed. A modifier word alone is that modifier as the key.
std::string TypeCombo(KeyComboCapture& page, const std::string& combo)
{
    std::u16string rest = Utf8ToUtf16(combo);
    std::set<ComboModifier> given;
    auto check = [&](const ModifierWord& m) {
        if (!given.insert(m.modifier).second) {
            return Utf16ToUtf8(m.word) + " is given twice in " + combo;
        }
        page.ClickBox(m.modifier);
        return std::string();
    };
    for (size_t plus = rest.find(u'+'); plus != std::u16string::npos && plus + 1 < rest.size();
         plus = rest.find(u'+')) {
        const ModifierWord* m = FindModifierWord(std::u16string_view(rest).substr(0, plus));
        if (m == nullptr) {
            break;
        }
        if (std::string error = check(*m); !error.empty()) {
            return error;
        }
        rest.erase(0, plus + 1);
    }
    if (const ModifierWord* m = FindModifierWord(rest)) {
        return check(*m);
    }
    const std::optional<uint32_t> key = LookupKeyName(rest);
    if (!key) {
        return "unknown key: " + Utf16ToUtf8(rest) + " (key names as \"macro show\" prints them)";
    }
    const uint8_t usage = VkToUsage(*key);
    if (usage >= kFirstMouseButtonUsage) {
        return Utf16ToUtf8(rest) + " is a mouse button, not a key";
    }
    if (usage == 0) {
        return Utf16ToUtf8(rest) + " is not a key the mouse can send";
    }
    page.OnHookKey(*key, kKeyDownFlags);
    return {};
}

// The basic-list line of a name as "profile show" prints it (either language), the list's own
// text, or a function code.
std::optional<size_t> FindBasicLine(CliContext& context, const std::string& text)
{
    if (const auto code = ParseNumber(text, 0, 0xFFFF)) {
        return BasicListLineOf(*code);
    }
    const std::u16string name = Utf8ToUtf16(text);
    for (size_t line = 0; line < kBasicListLines; ++line) {
        const int32_t code = ToCode(kBasicFunctionList[line].function);
        if (EqualsIgnoringCase(name, FunctionName(code, false)) ||
            name == FunctionName(code, true) ||
            EqualsIgnoringCase(name, context.Strings().Get(kBasicFunctionList[line].textKey))) {
            return line;
        }
    }
    return std::nullopt;
}

// A path as the assignment keeps it: a relative one must exist and is made absolute.
std::string HostPath(const std::string& text, std::u16string& path)
{
    if (text.empty()) {
        return "the path is empty";
    }
    std::filesystem::path p = PathFromUtf8(text);
    if (p.is_relative()) {
        std::error_code error;
        if (!std::filesystem::exists(p, error)) {
            return text + " does not exist";
        }
        p = std::filesystem::absolute(p, error).lexically_normal();
        if (error) {
            return text + " cannot be made absolute";
        }
    }
    path = Utf8ToUtf16(PathToUtf8(p));
    if (path.size() > kMaxHostPathUnits) {
        return "the path is longer than " + std::to_string(kMaxHostPathUnits) + " characters";
    }
    return {};
}

struct ButtonArgs {
    std::string button;
    std::string kind;
    std::optional<std::string> value;
};

constexpr const char* kFunctionHelp =
    "basic NAME, key COMBO, macro ID, sound PATH, program PATH, file PATH, folder PATH, "
    "disable or default";

// Works the chooser as a user would, to the result it ends with; the error says why it chose
// nothing.
std::string Choose(CliContext& context, ChooserModel& chooser, const ButtonArgs& args)
{
    const std::string& kind = args.kind;
    const bool alone = kind == "disable" || kind == "default";
    if (alone == args.value.has_value()) {
        return alone ? kind + " takes no value" : kind + " needs a value: " + kFunctionHelp;
    }
    ChooserEnd end = ChooserEnd::Cancel;
    if (kind == "disable") {
        chooser.ClickDisable();
        end = chooser.PressOk();
    } else if (kind == "default") {
        end = chooser.PressDefault();
    } else if (kind == "basic") {
        const std::optional<size_t> line = FindBasicLine(context, *args.value);
        if (!line) {
            return "not a function of the basic list: " + *args.value +
                   " (a name as \"profile show\" prints it, or its code)";
        }
        chooser.SelectTab(ChooserPage::Basic);
        chooser.BasicPage().Select(*line);
        end = chooser.PressOk();
    } else if (kind == "key") {
        if (std::string error = TypeCombo(chooser.KeyPage(), *args.value); !error.empty()) {
            return error;
        }
        end = chooser.PressOk();
        if (end != ChooserEnd::Ok) {
            return *args.value + ": several modifiers need a key after them";
        }
    } else if (kind == "macro") {
        const std::optional<uint32_t> id = ParseId(*args.value);
        if (!id) {
            return "not a macro id: " + *args.value + " (for example 0x15000001)";
        }
        chooser.SelectTab(ChooserPage::Macro);
        const size_t game = MacroCategoryOf(*id) - kFirstMacroCategory;
        chooser.MacroPage().OnGameSelected(game);
        const auto& lines = chooser.MacroPage().Macros();
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const MacroListEntry& e) { return e.id == *id; });
        if (game >= MacroChooserPage::kGameCount || it == lines.end()) {
            return "no macro has the id " + IdText(*id);
        }
        chooser.MacroPage().OnMacroSelected(static_cast<size_t>(it - lines.begin()));
        end = chooser.PressOk();
    } else {
        const auto host = std::find(kHostRowNames.begin(), kHostRowNames.end(), kind);
        if (host == kHostRowNames.end()) {
            return "unknown function: " + kind + " (" + kFunctionHelp + ")";
        }
        std::u16string path;
        if (std::string error = HostPath(*args.value, path); !error.empty()) {
            return error;
        }
        const auto row = static_cast<HostRow>(host - kHostRowNames.begin());
        chooser.SelectTab(ChooserPage::Advanced);
        chooser.AdvancedPage().BeginBrowse(row);
        chooser.AdvancedPage().SetPath(row, path);
        end = chooser.PressOk();
    }
    return end == ChooserEnd::Ok ? std::string() : "nothing was chosen";
}

EditResult SetButton(CliContext& context, EditSession& session, const ButtonArgs& args)
{
    const std::optional<ButtonIndex> button = ParseButton(args.button);
    if (!button) {
        return EditResult::Refused("unknown button: " + args.button +
                                   " (left, middle, right, forward, back, wheel-forward, "
                                   "wheel-backward or 0..6)");
    }
    std::string error;
    const AssignOutcome outcome = session.Page().AssignButton(
        *button, [&](ButtonIndex b, const std::u16string& name) -> std::optional<ChooserResult> {
            ChooserModel chooser(
                b, name, [&](uint32_t c) { return session.Library().ListCategory(c); }, nullptr);
            chooser.Open();
            error = Choose(context, chooser, args);
            if (!error.empty()) {
                return std::nullopt;
            }
            return chooser.Result();
        });
    if (!error.empty()) {
        return EditResult::Refused(error);
    }
    if (outcome != AssignOutcome::Stored) {
        return EditResult::RuleShown();
    }
    const ProfileRecord& profile = session.Page().Profile();
    Report(context, std::string(kButtonNames[ToIndex(*button)]) + ": " +
                        Utf16ToUtf8(TextOf(profile.buttons[ToIndex(*button)].displayName)));
    return EditResult::Done();
}

// ---- dpi set, rate set, pointer set ------------------------------------------------------

std::string DpiValuesText()
{
    std::string text;
    for (const int32_t v : kDpiValues) {
        text += (text.empty() ? "" : ", ") + std::to_string(v);
    }
    return text;
}

EditResult SetDpi(CliContext& context, EditSession& session, const std::vector<std::string>& args)
{
    std::vector<int32_t> values;
    for (const std::string& text : args) {
        const auto value = ParseNumber(text, 1, 100000);
        values.push_back(value.value_or(-1));
    }
    if (!session.Page().SetDpiLevels(values)) {
        return EditResult::Refused("DPI levels are one to three different values of " +
                                   DpiValuesText());
    }
    std::string line = "DPI levels:";
    for (const int32_t dpi : session.Page().Profile().dpiStages) {
        line += dpi != 0 ? " " + std::to_string(dpi) : "";
    }
    Report(context, line);
    return EditResult::Done();
}

EditResult SetRate(CliContext& context, EditSession& session, const std::string& text)
{
    const auto hertz = ParseNumber(text, 1, 100000);
    for (size_t i = 0; i < kReportRates.size(); ++i) {
        if (hertz == kReportRates[i].hertz) {
            session.Page().ClickReportRate(i);
            Report(context, "report rate: " + text + " Hz");
            return EditResult::Done();
        }
    }
    return EditResult::Refused("the report rate is 125, 500 or 1000 (Hz), not " + text);
}

struct PointerArgs {
    std::optional<std::string> speed;
    std::optional<std::string> precision;
    std::optional<std::string> sensor;
    std::optional<std::string> wheelLines;
    bool wheelScreen = false;
};

std::string RangeError(const char* option, const std::string& text, int32_t min, int32_t max)
{
    return std::string(option) + " is " + std::to_string(min) + ".." + std::to_string(max) +
           ", not " + text;
}

EditResult SetPointer(CliContext& context, EditSession& session, const PointerArgs& args)
{
    if (!args.speed && !args.precision && !args.sensor && !args.wheelLines && !args.wheelScreen) {
        return EditResult::Refused(
            "pointer set needs --speed, --precision, --sensor, --wheel-lines or --wheel-screen");
    }
    if (args.wheelLines && args.wheelScreen) {
        return EditResult::Refused("--wheel-lines and --wheel-screen exclude each other");
    }
    // Everything is checked before anything changes.
    std::optional<int32_t> speed, sensor, lines;
    if (args.speed && !(speed = ParseNumber(*args.speed, kPointerSpeedMin, kPointerSpeedMax))) {
        return EditResult::Refused(
            RangeError("--speed", *args.speed, kPointerSpeedMin, kPointerSpeedMax));
    }
    if (args.sensor && !(sensor = ParseNumber(*args.sensor, kSensorLevelMin, kSensorLevelMax))) {
        return EditResult::Refused(
            RangeError("--sensor", *args.sensor, kSensorLevelMin, kSensorLevelMax));
    }
    if (args.wheelLines &&
        !(lines = ParseNumber(*args.wheelLines, kWheelLinesMin, kWheelLinesMax))) {
        return EditResult::Refused(
            RangeError("--wheel-lines", *args.wheelLines, kWheelLinesMin, kWheelLinesMax));
    }
    if (args.precision && *args.precision != "on" && *args.precision != "off") {
        return EditResult::Refused("--precision is on or off, not " + *args.precision);
    }

    MainSetModel& page = session.Page();
    if (speed) {
        page.OnSliderMessage(*speed, kSpeedSliderId);
    }
    if (sensor) {
        page.OnSliderMessage(*sensor, kSensorSliderId);
    }
    if (args.precision && page.AccuracyChecked() != (*args.precision == "on")) {
        page.ClickAccuracy();
    }
    if (lines) {
        // Typed into the field and taken up as the page does, then the lines mode chosen.
        page.SetLinesFieldText(Utf8ToUtf16(std::to_string(*lines)));
        page.NormaliseScrollLines();
        page.ClickLinesButton();
    }
    if (args.wheelScreen) {
        page.ClickScreenButton();
    }
    const ProfileRecord& p = page.Profile();
    std::ostringstream line;
    line << "pointer speed: " << p.pointerSpeed
         << ", enhanced precision: " << (p.pointerPrecision == 1 ? "on" : "off")
         << ", sensor height: " << p.sheightLevel << ", wheel: "
         << (p.wheelLines == kWheelOneScreen ? "one screen"
                                             : std::to_string(p.wheelLines) + " lines");
    Report(context, line.str());
    return EditResult::Done();
}

} // namespace

void RegisterEditCommands(CLI::App& app, CliContext& context)
{
    auto button = std::make_shared<ButtonArgs>();
    CLI::App* buttonGroup = app.add_subcommand("button", "The functions of the seven buttons");
    buttonGroup->require_subcommand(1);
    CLI::App* buttonSet = buttonGroup->add_subcommand(
        "set", "Give a button a function and write the profile to the mouse");
    buttonSet
        ->add_option("BUTTON", button->button,
                     "left, middle, right, forward, back, wheel-forward, wheel-backward or 0..6")
        ->required();
    buttonSet->add_option("FUNCTION", button->kind, kFunctionHelp)->required();
    buttonSet->add_option("VALUE", button->value, "The name, combination, id or path");
    buttonSet->callback([&context, button] {
        Edit(context, [&](EditSession& s) { return SetButton(context, s, *button); });
    });

    auto dpi = std::make_shared<std::vector<std::string>>();
    CLI::App* dpiGroup = app.add_subcommand("dpi", "The DPI levels");
    dpiGroup->require_subcommand(1);
    CLI::App* dpiSet = dpiGroup->add_subcommand(
        "set", "One to three DPI levels (" + DpiValuesText() + "), written to the mouse");
    dpiSet->add_option("V", *dpi, "DPI values")->required();
    dpiSet->callback([&context, dpi] {
        Edit(context, [&](EditSession& s) { return SetDpi(context, s, *dpi); });
    });

    auto rate = std::make_shared<std::string>();
    CLI::App* rateGroup = app.add_subcommand("rate", "The USB report rate");
    rateGroup->require_subcommand(1);
    CLI::App* rateSet =
        rateGroup->add_subcommand("set", "125, 500 or 1000 Hz, written to the mouse");
    rateSet->add_option("HZ", *rate, "125, 500 or 1000")->required();
    rateSet->callback([&context, rate] {
        Edit(context, [&](EditSession& s) { return SetRate(context, s, *rate); });
    });

    auto pointer = std::make_shared<PointerArgs>();
    CLI::App* pointerGroup = app.add_subcommand("pointer", "The pointer and wheel settings");
    pointerGroup->require_subcommand(1);
    CLI::App* pointerSet = pointerGroup->add_subcommand(
        "set", "Pointer speed and precision, sensor height, wheel scrolling");
    pointerSet->add_option("--speed", pointer->speed, "Pointer speed 1..20");
    pointerSet->add_option("--precision", pointer->precision, "Enhanced pointer precision on|off");
    pointerSet->add_option("--sensor", pointer->sensor, "Sensor height 1..30");
    pointerSet->add_option("--wheel-lines", pointer->wheelLines, "Lines per wheel notch 1..30");
    pointerSet->add_flag("--wheel-screen", pointer->wheelScreen, "One screen per wheel notch");
    pointerSet->callback([&context, pointer] {
        Edit(context, [&](EditSession& s) { return SetPointer(context, s, *pointer); });
    });
    pointerGroup
        ->add_subcommand("show", "The pointer settings the desktop holds now, and which it keeps")
        ->callback([&context] { ShowDesktopPointer(context); });
}

} // namespace qx71
