// apply, profile switch/import/defaults (each followed by a write to the mouse), stats show and
// stats reset.
#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"

#include "core/common/Utf.h"
#include "core/config/ApplyController.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/macro/MacroLibrary.h"
#include "core/stats/StatsModel.h"
#include "platform/linux/X11PointerSettings.h"

#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>

namespace qx71 {

namespace {

constexpr size_t kProfileSlotsShown = 5;

// The command line's stand-in for the window's thread: the write thread posts here and the
// main thread runs the tasks until the outcome has been handled.
class MainThreadQueue {
public:
    PostTask Poster()
    {
        return [this](std::function<void()> task) {
            {
                std::lock_guard lock(mutex_);
                tasks_.push_back(std::move(task));
            }
            posted_.notify_one();
        };
    }
    void RunUntil(const bool& done)
    {
        while (!done) {
            std::function<void()> task;
            {
                std::unique_lock lock(mutex_);
                posted_.wait(lock, [this] { return !tasks_.empty(); });
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

} // namespace

void ApplyStore(CliContext& context, ConfigStore& store, bool restoreDefaults)
{
    const auto library = OpenLibrary(context);
    if (!library) {
        return;
    }
    CUSBDriver link(context.Hid(), context.Clock());
    if (!OpenLink(context, link)) {
        return;
    }
    // The pointer settings belong to the desktop: without one there is nothing to set.
    std::unique_ptr<X11PointerSettings> pointer;
    if (const char* display = std::getenv("DISPLAY"); display != nullptr && *display != '\0') {
        pointer = std::make_unique<X11PointerSettings>();
    }
    MainThreadQueue queue;
    WritePassServices services{link,
                               context.Clock(),
                               nullptr,
                               pointer.get(),
                               [&](uint32_t id) { return library->FindMacro(id); },
                               {}};
    ApplyController apply(store, context.Messages(), services, queue.Poster());
    const bool showProgress = !context.options.json && ::isatty(STDERR_FILENO) != 0;
    bool finished = false;
    std::optional<WriteFailure> failure;
    apply.SetObserver({[&](int percent) {
                           if (showProgress) {
                               std::cerr << "\rWriting to the mouse: " << percent << "%"
                                         << std::flush;
                           }
                       },
                       [&](std::optional<WriteFailure> f) {
                           if (showProgress) {
                               std::cerr << '\n';
                           }
                           failure = f;
                           finished = true;
                       }});
    apply.Start();
    const bool started = restoreDefaults ? apply.RestoreDefaults() : apply.RequestApply();
    if (!started) {
        context.Fail("The profile in use is not a valid profile; nothing was sent.");
        return;
    }
    queue.RunUntil(finished);
    apply.Stop();
    if (failure) {
        // The failure's text was shown by the outcome handler.
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
        return;
    }
    const size_t slot = store.CurrentSlot() + 1;
    context.Print({{"applied", true}, {"profile", slot}},
                  [&] { std::cout << "Profile " << slot << " applied to the mouse.\n"; });
}

namespace {

void Apply(CliContext& context)
{
    const auto store = OpenStore(context);
    ApplyStore(context, *store, false);
}

void Switch(CliContext& context, size_t number)
{
    const auto store = OpenStore(context);
    if (store->SwitchProfile(number - 1) == ProfileLoad::Rejected ||
        store->CurrentSlot() != number - 1) {
        context.Fail("Profile " + std::to_string(number) + " could not be loaded.");
        return;
    }
    ApplyStore(context, *store, false);
}

void Import(CliContext& context, const std::string& file)
{
    const auto store = OpenStore(context);
    if (!store->ImportProfile(file)) {
        context.exitCode = 1; // the program's message was printed
        return;
    }
    ApplyStore(context, *store, false);
}

void Defaults(CliContext& context)
{
    const auto store = OpenStore(context);
    ApplyStore(context, *store, true);
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
                     (context.DataDir() / "Sts.cfg").string());
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
