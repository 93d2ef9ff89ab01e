// apply, profile switch/import/defaults (each followed by a write to the mouse), stats show and
// stats reset.
#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/CliWritePass.h"
#include "cli/Commands.h"

#include "core/common/PathText.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/macro/MacroLibrary.h"
#include "core/stats/StatsModel.h"

#include <iostream>

namespace qx71 {

namespace {

constexpr size_t kProfileSlotsShown = 5;

void Apply(CliContext& context)
{
    const auto store = OpenStore(context);
    WriteToMouse(context, *store, false);
}

// The macros are read before the profile arrives, so that it is checked against them.
std::unique_ptr<MacroLibrary> OpenLibraryFor(CliContext& context, ConfigStore& store)
{
    auto library = OpenLibrary(context);
    if (library != nullptr) {
        store.SetMacroLookup([lib = library.get()](uint32_t id) { return lib->FindMacro(id); });
    }
    return library;
}

void Switch(CliContext& context, size_t number)
{
    const auto store = OpenStore(context);
    const auto library = OpenLibraryFor(context, *store);
    if (library == nullptr) {
        return;
    }
    if (store->SwitchProfile(number - 1) == ProfileLoad::Rejected ||
        store->CurrentSlot() != number - 1) {
        context.Fail("Profile " + std::to_string(number) + " could not be loaded.");
        return;
    }
    WriteToMouse(context, *store, false, library.get(), false);
}

void Import(CliContext& context, const std::string& file)
{
    const auto store = OpenStore(context);
    const auto library = OpenLibraryFor(context, *store);
    if (library == nullptr) {
        return;
    }
    if (!store->ImportProfile(file)) {
        context.exitCode = 1; // the program's message was printed
        return;
    }
    WriteToMouse(context, *store, false, library.get(), false);
}

void Defaults(CliContext& context)
{
    const auto store = OpenStore(context);
    WriteToMouse(context, *store, true);
}

StatsModel OpenStats(CliContext& context)
{
    StatsModel model(context.Files(), context.Messages(), context.Strings(),
                     context.DataDir() / "Sts.cfg");
    if (!model.Load()) {
        context.exitCode = 1;
    }
    return model;
}

void StatsShow(CliContext& context)
{
    StatsModel model = OpenStats(context);
    const auto& r = model.Record();
    const int level = model.Level();
    nlohmann::json data = {
        {"leftClicks", r.leftClicks},
        {"middleClicks", r.middleClicks},
        {"rightClicks", r.rightClicks},
        {"wheelForward", r.wheelForward},
        {"wheelBackward", r.wheelBackward},
        {"distance", r.distance},
        {"clickTotal", model.ClickTotal()},
        {"wheelTotal", model.WheelTotal()},
        {"trophyLevel", level},
        {"distanceText", model.DistanceText()},
    };
    context.Print(data, [&] {
        std::cout << "left clicks:     " << r.leftClicks << '\n'
                  << "middle clicks:   " << r.middleClicks << '\n'
                  << "right clicks:    " << r.rightClicks << '\n'
                  << "click total:     " << model.ClickTotal() << '\n'
                  << "wheel forward:   " << r.wheelForward << '\n'
                  << "wheel backward:  " << r.wheelBackward << '\n'
                  << "wheel total:     " << model.WheelTotal() << '\n'
                  << "distance:        " << model.DistanceText() << '\n'
                  << "trophy level:    " << level << '\n';
    });
}

void StatsReset(CliContext& context)
{
    // Not loaded first: a missing or damaged file is what a reset repairs.
    StatsModel model(context.Files(), context.Messages(), context.Strings(),
                     context.DataDir() / "Sts.cfg");
    if (!model.Reset()) {
        context.Fail("The statistics could not be saved to " +
                     PathToUtf8(context.DataDir() / "Sts.cfg"));
        return;
    }
    context.Print({{"reset", true}}, [] { std::cout << "Statistics reset.\n"; });
}

} // namespace

void RegisterApplyCommands(CLI::App& app, CliContext& context)
{
    app.add_subcommand("apply", "Write the profile in use to the mouse")->callback([&] {
        Apply(context);
    });

    // The profile group is created by the profile commands; these join it.
    CLI::App* profile = app.get_subcommand("profile");
    static size_t number = 1;
    CLI::App* sw = profile->add_subcommand("switch", "Make profile N (1..5) the one in use and "
                                                     "write it to the mouse");
    sw->add_option("N", number, "Profile number")
        ->required()
        ->check(CLI::Range(size_t{1}, kProfileSlotsShown));
    sw->callback([&] { Switch(context, number); });

    static std::string file;
    CLI::App* importCommand =
        profile->add_subcommand("import", "Take a profile file as the profile in "
                                          "use and write it to the mouse");
    importCommand->add_option("FILE", file, "Profile file")->required();
    importCommand->callback([&] { Import(context, file); });

    profile->add_subcommand("defaults", "Restore the default settings and write them to the mouse")
        ->callback([&] { Defaults(context); });

    CLI::App* stats = app.add_subcommand("stats", "Usage statistics");
    stats->require_subcommand(1);
    stats->add_subcommand("show", "Clicks, wheel steps, distance and trophy level")->callback([&] {
        StatsShow(context);
    });
    stats->add_subcommand("reset", "Set every counter to zero")->callback([&] {
        StatsReset(context);
    });
}

} // namespace qx71
