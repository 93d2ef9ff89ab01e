#include "cli/CliWritePass.h"

#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/SystemBackends.h"

#include "core/config/ApplyController.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/hooks/IPointerSettings.h"
#include "core/macro/MacroLibrary.h"

#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>

namespace qx71 {

namespace {

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

bool WriteToMouse(CliContext& context, ConfigStore& store, bool restoreDefaults,
                  const MacroLibrary* library, bool tellMissingMacros)
{
    std::unique_ptr<MacroLibrary> opened;
    if (library == nullptr) {
        opened = OpenLibrary(context);
        library = opened.get();
    }
    if (library == nullptr) {
        return false;
    }
    CUSBDriver link(context.Hid(), context.Clock());
    if (!OpenLink(context, link)) {
        return false;
    }
    // The pointer settings belong to the desktop: without one there is nothing to set.
    IPointerSettings* pointer = context.Pointer();
    MainThreadQueue queue;
    WritePassServices services{link,
                               context.Clock(),
                               nullptr,
                               pointer,
                               [&](uint32_t id) { return library->FindMacro(id); },
                               {}};
    ApplyController apply(store, context.Messages(), services, queue.Poster());
    const bool showProgress = !context.options.json && SystemStderrIsTerminal();
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
    const bool started =
        restoreDefaults ? apply.RestoreDefaults() : apply.RequestApply(tellMissingMacros);
    if (!started) {
        context.Fail("The profile in use is not a valid profile; nothing was sent.");
        return false;
    }
    queue.RunUntil(finished);
    apply.Stop();
    if (failure) {
        // The failure's text was shown by the outcome handler.
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
        return false;
    }
    const size_t slot = store.CurrentSlot() + 1;
    if (!apply.Saved()) {
        // The store said why; "applied" would claim the settings were kept.
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
        return false;
    }
    context.Print({{"applied", true}, {"profile", slot}},
                  [&] { std::cout << "Profile " << slot << " applied to the mouse.\n"; });
    return true;
}

} // namespace qx71
