#pragma once

#include "core/i18n/LanguageTable.h"

#include "core/macro/MacroBuild.h"
#include "core/macro/MacroLists.h"
#include "core/macro/MacroPageControls.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

class IClock;
class IKeyCapture;
class IMacroUsage;
class IMessageSink;
class MacroLibrary;

enum class EditState : uint8_t {
    None = 0,
    InsertKey = 1,
    InsertDelay = 2,
    ModifyKey = 3,
    ModifyDelay = 4,
};

// The macro page's controls apart from the two lists, as the page should draw them.
struct MacroPageView {
    std::u16string gameCaption;
    std::u16string recordCaption;
    // New macro, delete macro, insert, delete event and modify: off while recording.
    bool editButtonsEnabled = true;
    bool noDelayChecked = false;
    std::u16string loopCountText = u"1";
    bool keyOptionVisible = false;
    bool keyOptionChecked = false;
    bool keyFieldVisible = false;
    std::u16string keyFieldText;
    bool keyConfirmVisible = false;
    bool delayOptionVisible = false;
    bool delayOptionChecked = false;
    bool delayFieldVisible = false;
    std::u16string delayFieldText;
    bool delayConfirmVisible = false;
    MacroControl focus = MacroControl::None;
};

// Where mouse-button input on the page comes from.
enum class PageMouseButton : uint8_t { Left, Middle, Right };
// The notifications of the page's mouse buttons.
inline constexpr uint32_t kButtonPressed = 513;
inline constexpr uint32_t kButtonReleased = 514;
// Bit 7 of a key event's flags: the key was released.
inline constexpr uint32_t kKeyReleasedFlag = 0x80;
// Key and button events a recording takes; later ones are ignored.
inline constexpr uint32_t kMaxRecordedKeyEvents = 999;

// The logic of the macro page: the macro list of one category, the events of the shown macro,
// recording, inserting, modifying and deleting events, the loop count, new, renamed and
// deleted macros. Every change is stored at once through the library. The page draws this
// state and forwards its input here; nothing here needs a window.
class MacroEditor {
public:
    MacroEditor(MacroLibrary& library, IClock& clock, IMessageSink& messages, IKeyCapture& capture,
                const IMacroUsage& usage, MacroKeyNamer keyNamer);

    // The interface language: Chinese texts when true, English ones otherwise; the record
    // button follows it until SetLabelLanguage names the language in force.
    void SetChinese(bool chinese);
    // The language (1 to 12) of the record button's caption.
    void SetLabelLanguage(LanguageId language);
    // Receives the lines the page writes to the debugger output.
    void SetDebugOutput(std::function<void(std::string_view)> output);

    // --- state ---
    const MacroListModel& MacroList() const { return macros_; }
    const EventListModel& EventList() const { return events_; }
    const MacroPageView& View() const { return view_; }
    uint32_t Category() const { return category_; }
    int ShownMacro() const { return shownMacro_; }
    int ShownEvent() const { return shownEvent_; }
    bool Recording() const { return recording_; }
    EditState State() const { return editState_; }
    uint32_t CapturedCode() const { return capturedCode_; }
    uint32_t RecordedCount() const { return recordedCount_; }
    // Tick of the last recorded event; none before the first.
    std::optional<uint32_t> LastTick() const { return lastTick_; }
    bool Loading() const { return loading_; }
    uint32_t LastRecordedCode() const { return lastRecordedCode_; }
    uint32_t LastRecordedFlags() const { return lastRecordedFlags_; }
    bool Capturing() const { return capturing_; }
    // Hint numbers for the cursor, from the controls' window rectangles in MacroControl order.
    std::vector<uint32_t> HintsAt(std::span<const ControlRect> rects, int x, int y) const;

    // --- lists ---
    void ShowCategory(uint32_t category);
    void ShowMacro(int index);
    // A new selection in the macro list, or in the event list.
    void SelectMacro(int index);
    void SelectEvent(int index);
    // A choice from the game menu: ends an open edit or recording, then shows the category.
    // False (nothing changes) for an id that is not a category.
    bool SelectCategory(uint32_t id);

    // --- macros ---
    // Adds a macro named "New Macro" to the list and returns its index, whose name the page
    // then lets the user edit; -1 while recording.
    int NewMacro();
    // The in-place editor ended on macro item `index` with `text` (cut to 20 characters). A
    // text of nothing but blanks would leave a line that cannot be read in the list or the
    // function chooser: the item keeps its name then, and false says so.
    bool RenameMacro(int index, std::u16string_view text);
    // Refused (with the program's message) while the macro is in use; true when deleted.
    bool DeleteSelectedMacro();

    // --- recording ---
    void ToggleRecording();
    // A key event from the keyboard hook: code and flags (bit 7 = released).
    void RecordInput(uint32_t code, uint32_t flags);
    // A press (513) or release (514) of one of the page's mouse buttons.
    void MouseButtonInput(PageMouseButton button, uint32_t notification);
    void ToggleNoDelay();
    // The main window is hidden: the hooks stop forwarding, a recording stays open.
    void SuspendCapture();
    // The main window shows again: an open recording takes keys again, and the user may go on
    // or stop it.
    void ResumeCapture();
    // Another page is shown: a recording stops and is stored, and an open insert or modify
    // ends, because the main window stops the hooks' capture for the other page.
    void LeavePage();

    // --- single events ---
    void BeginInsert();
    void ChooseKeyOption();
    void ChooseDelayOption();
    void BeginModify();
    void SetDelayFieldText(std::u16string_view text);
    void ConfirmKey();
    void ConfirmDelay();
    void InsertEvent();
    void ModifyEvent();
    void DeleteEvent();

    // --- loop count ---
    // Typing in the loop-count field: stores the macro unless a macro is loading.
    void SetLoopCountText(std::u16string_view text);
    // Runs every 4 seconds and before a profile write.
    void NormaliseLoopCount();

    // Stores the shown events into the target macro (nothing for an empty list).
    void BuildMacroFromList();

private:
    void Confirm(bool visible, EditState insert, EditState modify, MacroControl button);
    void StartCapture();
    void StopCapture();
    void HideEditControls();
    void CancelEdit();
    void StopRecordingAndStore();
    void SetLoopText(std::u16string_view text);
    void HandleKey(uint32_t code, uint32_t flags);
    bool IdTaken(uint32_t id) const;
    void Show(std::u16string_view chinese, std::u16string_view english);
    // Tells the user when a store or a delete was refused because Macro.cfg could not be read.
    void ReportUnstored(bool stored);
    std::u16string_view Text(std::u16string_view chinese, std::u16string_view english) const;
    std::u16string RecordCaption(bool recording) const;

    MacroLibrary& library_;
    IClock& clock_;
    IMessageSink& messages_;
    IKeyCapture& capture_;
    const IMacroUsage& usage_;
    MacroKeyNamer keyNamer_;
    std::function<void(std::string_view)> debugOutput_;
    bool chinese_ = false;
    LanguageId labelLanguage_ = kLanguageEnglish;

    MacroListModel macros_;
    EventListModel events_;
    MacroPageView view_;
    uint32_t category_;
    int shownMacro_ = -1;
    int shownEvent_ = -1;
    bool recording_ = false;
    EditState editState_ = EditState::None;
    uint32_t capturedCode_ = 0;
    uint32_t recordedCount_ = 0;
    std::optional<uint32_t> lastTick_;
    bool loading_ = false;
    bool capturing_ = false;
    // The last event the recorder added; kept from one recording to the next.
    uint32_t lastRecordedCode_ = 0;
    uint32_t lastRecordedFlags_ = 0;
};

} // namespace qx71
