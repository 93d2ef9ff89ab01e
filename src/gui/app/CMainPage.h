#pragma once

#include "core/app/PageSwitch.h"
#include "core/hooks/HookState.h"
#include "core/hooks/PointerSupport.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace qx71 {
class ConfigStore;
class IClock;
class IDownloader;
class IFileSystem;
class HookState;
class ICursorPosition;
class IHostLauncher;
class IMessageSink;
class IProcessStarter;
class IQuestionSink;
class ITimerQueue;
class LanguageSelection;
class MacroLibrary;
class SharedMarkupDocument;
class StatsModel;
class UiStrings;
} // namespace qx71

namespace qx71::gui {

// What the main window shares with its pages. The models live as long as the window.
struct PageContext {
    ConfigStore& store;   // currentProfile, buttonMacroIds, the profile files
    MacroLibrary& macros; // Macro.cfg, read at start
    StatsModel& stats;    // counted by the window from every hook event, saved at close
    HookState& hooks;     // recording and the trigger table
    LanguageSelection& language;
    const UiStrings& strings;
    IMessageSink& messages;
    IQuestionSink& questions;
    ITimerQueue& timers;
    IHostLauncher& launcher;
    IProcessStarter& starter;
    ICursorPosition* cursor; // null when the system gives no pointer position
    IClock& clock;
    IDownloader& downloader;      // the update check's fetches
    SharedMarkupDocument& markup; // one thread at a time: the language files, the update check
    std::filesystem::path installDir;
    std::filesystem::path dataDir;
    // Message 0x805: shows hint `code` in the window's hint line.
    std::function<void(int code)> showHint;
    // Message 0x806: restore the defaults and apply them, behind the progress dialog.
    std::function<void()> restoreDefaults;
    // Ends the program through the window's normal close (the hand-over to the flashing tool).
    // The close runs from the window's queue, after the calling page has returned, since it
    // destroys the pages.
    std::function<void()> closeWindow;
    // The firmware update check: the files it reads and writes, the update server (empty: no
    // online check), and whether its downloads may go under installDir (else under dataDir).
    IFileSystem& files;
    std::string updateServer = {};
    bool installDirWritable = false;
    // An imported profile became the current one: the assignment and lighting pages show it.
    std::function<void()> profileImported = {};
    // The pointer settings the desktop keeps: the page names the ones it ignores.
    PointerSupport pointerSupport = PointerSupport::All();
};

// One of the five pages, placed at (15,128)-(940,580) of the main window. The window calls
// these at the moments its start-up, page switch, language change, hook messages and close
// say; a page overrides what concerns it.
class CMainPage : public QWidget {
    Q_OBJECT

public:
    CMainPage(MainPage page, PageContext& context, QWidget* parent);

    MainPage Page() const { return page_; }
    // The page's own address for the hooks: key capture posts 0x40A here.
    WindowHandle Handle() const;

    // Show `currentProfile` afresh (the assignment and lighting pages).
    virtual void RefreshFromProfile() {}
    // The language changed: tooltips and own texts again from the strings and ChineseUi.
    virtual void RetranslateUi() {}
    // Another page was chosen: close the game menu and stop a recording (the macro page).
    virtual void LeavePage() {}
    // The window hides: the keys stop coming, and a recording stays open (the macro page).
    virtual void SuspendCapture() {}
    // The window shows again: a recording that stayed open takes keys again.
    virtual void ResumeCapture() {}
    // Start-up step 11: fill the lists for category 21 (the macro page).
    virtual void PrepareAtStart() {}
    // Apply was pressed: store pending edits (loop count, wheel lines) before the pass.
    virtual void BeforeApply() {}
    // Message 0x4C9: a copy of each hook event (the statistics page; the window has already
    // counted it in the shared StatsModel).
    virtual void OnHookEvent(uint32_t /*wParam*/, uint32_t /*lParam*/) {}
    // Message 0x40A posted to Handle() while the page captures keys: wParam the virtual-key
    // code, lParam the key flags (bit 7 set = released).
    virtual void OnKeyEvent(uint32_t /*wParam*/, uint32_t /*lParam*/) {}
    // The firmware version as text, empty when unknown (the support page).
    virtual void SetFirmwareVersionText(const std::u16string& /*text*/) {}
    // Start-up step 20 and the close: the support page starts its firmware update check
    // thread here, and ends it (without waiting on a download) at the close.
    virtual void StartUpdateCheck() {}
    virtual void StopUpdateCheck() {}

    // Whether the page holds its pictures: its sheets and its controls' state images.
    bool SkinsLoaded() const { return skinsLoaded_; }
    // Loads them unless the page holds them. A show and a paint call it; so does anything that
    // reads the pictures outside a paint.
    void EnsureSkins();

protected:
    PageContext& Context() { return context_; }
    const PageContext& Context() const { return context_; }

    // A hidden page holds no pictures: they are loaded when it shows (or first paints) and let
    // go when it hides, so the five pages cost the memory of the one on screen.
    // LoadSkins loads the sheets and gives every control its state images, for the state the
    // page is in now. ReleaseSkins lets go of what the page itself keeps; the state images of
    // its own bitmap and region buttons are let go for it.
    virtual void LoadSkins() {}
    virtual void ReleaseSkins() {}

    bool event(QEvent* event) override;

private:
    MainPage page_;
    PageContext& context_;
    bool skinsLoaded_ = false;
};

// The page of each tab. Each page's own class takes its slot in MakeMainPage
// (MainPageFactory.cpp); until then the slot holds the skinned empty background.
CMainPage* MakeMainPage(MainPage page, PageContext& context, QWidget* parent);

} // namespace qx71::gui
