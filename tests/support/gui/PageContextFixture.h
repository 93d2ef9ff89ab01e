#pragma once

// What a page of the main window is given, built for a test over a temp DataDir: the stores,
// the models, and sinks that record what would have reached the user; the window's calls
// (hints, restore defaults, close) are counted.
#include "core/common/IQuestionSink.h"
#include "core/config/ConfigStore.h"
#include "core/hooks/HookState.h"
#include "core/hooks/IHostLauncher.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/MacroLibrary.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/stats/ICursorPosition.h"
#include "core/stats/StatsModel.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "support/FakeTimerQueue.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDownloader.h"
#include "support/SteppedClock.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"

#include "gui/app/CMainPage.h"

#include <memory>
#include <vector>

namespace qx71::test {

class PageContextFixture {
public:
    struct NoLauncher final : IHostLauncher {
        bool PlaySound(const std::u16string&) override { return false; }
        bool StartProgram(const std::u16string&) override { return false; }
        bool OpenFile(const std::u16string&) override { return false; }
        bool OpenFolder(const std::u16string&) override { return false; }
    };
    struct NoPoster final : IHookPoster {
        void Post(const HookPost&) override {}
    };
    // Answers every question with `answer` and keeps the texts asked.
    struct Questions final : IQuestionSink {
        bool Ask(const std::u16string& text) override
        {
            asked.push_back(text);
            return answer;
        }
        bool answer = true;
        std::vector<std::u16string> asked;
    };
    // A pointer that stays where the test puts it.
    struct Cursor final : ICursorPosition {
        bool Read(int32_t& x, int32_t& y) override
        {
            x = px;
            y = py;
            return true;
        }
        int32_t px = 0;
        int32_t py = 0;
    };

    static FakeProcessStarter StarterThatFails()
    {
        FakeProcessStarter starter;
        starter.starts = false;
        return starter;
    }

    // Lets a sampler thread end before the page that owns it goes.
    ~PageContextFixture() { clock.Open(); }

    explicit PageContextFixture(std::filesystem::path installDir)
        : install(std::move(installDir)), data(tmp / "data")
    {
        std::filesystem::create_directories(data / "Profile");
        store.LoadDirectory();
        messages.shown.clear();
    }

    gui::PageContext& Context()
    {
        if (!context) {
            context = std::make_unique<gui::PageContext>(
                gui::PageContext{store,
                                 macros,
                                 stats,
                                 hooks,
                                 language,
                                 strings,
                                 messages,
                                 questions,
                                 timers,
                                 launcher,
                                 starter,
                                 &cursor,
                                 clock,
                                 downloader,
                                 markup,
                                 install,
                                 data,
                                 [this](int code) { hints.push_back(code); },
                                 [this] { ++defaultsRestored; },
                                 [this] { ++closed; },
                                 files});
        }
        return *context;
    }

    TempDir tmp;
    std::filesystem::path install;
    std::filesystem::path data;
    PosixFileSystem files;
    RecordingMessageSink messages;
    UiStrings strings;
    IconvTextCodec codec;
    SharedMarkupDocument markup{files, codec};
    LanguageSelection language{files, messages, markup, strings, install, data};
    ConfigStore store{files, messages, strings, data};
    MacroLibrary macros{files, messages, strings, data / "Macro.cfg"};
    StatsModel stats{files, messages, strings, data / "Sts.cfg"};
    NoPoster poster;
    HookState hooks{poster};
    Questions questions;
    FakeTimerQueue timers;
    NoLauncher launcher;
    // Records every start; a start succeeds only when the test says so.
    FakeProcessStarter starter = StarterThatFails();
    Cursor cursor;
    SteppedClock clock;
    ScriptedDownloader downloader;
    std::vector<int> hints;
    int defaultsRestored = 0; // restoreDefaults calls
    int closed = 0;           // closeWindow calls
    std::unique_ptr<gui::PageContext> context;
};

} // namespace qx71::test
