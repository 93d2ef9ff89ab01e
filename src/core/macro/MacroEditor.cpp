#include "core/macro/MacroEditor.h"

#include "core/common/IClock.h"
#include "core/common/IMessageSink.h"
#include "core/i18n/PageLabels.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/IKeyCapture.h"
#include "core/macro/MacroCategories.h"
#include "core/macro/MacroInUse.h"
#include "core/macro/MacroLibrary.h"
#include "core/macro/MacroTexts.h"

#include <algorithm>

namespace qx71 {

namespace {

// Mouse buttons are recorded with the virtual-key codes of the buttons.
constexpr uint32_t kLeftButtonCode = 1;
constexpr uint32_t kRightButtonCode = 2;
constexpr uint32_t kMiddleButtonCode = 4;

std::u16string Decimal(uint32_t value)
{
    std::u16string text;
    for (char c : std::to_string(value)) {
        text.push_back(static_cast<char16_t>(c));
    }
    return text;
}

bool IsKeyEdit(EditState s)
{
    return s == EditState::InsertKey || s == EditState::ModifyKey;
}

bool IsDelayEdit(EditState s)
{
    return s == EditState::InsertDelay || s == EditState::ModifyDelay;
}

} // namespace

MacroEditor::MacroEditor(MacroLibrary& library, IClock& clock, IMessageSink& messages,
                         IKeyCapture& capture, const IMacroUsage& usage, MacroKeyNamer keyNamer)
    : library_(library), clock_(clock), messages_(messages), capture_(capture), usage_(usage),
      keyNamer_(std::move(keyNamer)), category_(kUserMacroCategory)
{
    view_.gameCaption = MacroCategoryCaption(category_, chinese_);
    view_.recordCaption = RecordCaption(false);
}

void MacroEditor::SetChinese(bool chinese)
{
    chinese_ = chinese;
    SetLabelLanguage(chinese ? kLanguageSimplifiedChinese : kLanguageEnglish);
}

void MacroEditor::SetLabelLanguage(LanguageId language)
{
    labelLanguage_ = language;
    view_.gameCaption = MacroCategoryCaption(category_, chinese_);
    view_.recordCaption = RecordCaption(recording_);
}

std::u16string MacroEditor::RecordCaption(bool recording) const
{
    return LabelText(recording ? PageLabel::StopRecord : PageLabel::StartRecord, labelLanguage_,
                     UiStrings{});
}

void MacroEditor::SetDebugOutput(std::function<void(std::string_view)> output)
{
    debugOutput_ = std::move(output);
}

std::vector<uint32_t> MacroEditor::HintsAt(std::span<const ControlRect> rects, int x, int y) const
{
    return MacroHintsAt(rects, x, y, recording_);
}

// ---------------------------------------------------------------------------------------------
// Lists

void MacroEditor::ShowCategory(uint32_t category)
{
    macros_.Clear();
    events_.Clear();
    for (MacroListEntry& entry : library_.ListCategory(category)) {
        macros_.Add({std::move(entry.name), entry.id});
    }
    ShowMacro(macros_.Selection());
    shownMacro_ = macros_.Selection();
    shownEvent_ = events_.Selection();
}

void MacroEditor::ShowMacro(int index)
{
    if (!macros_.Valid(index)) {
        return;
    }
    const uint32_t id = macros_.At(static_cast<size_t>(index)).id;
    events_.Clear();
    for (const MacroRecord& r : library_.RecordsWithId(id)) {
        events_.Clear();
        SetLoopText(r.loopCount == LoopSinglePress ? u"1" : Decimal(r.loopCount));
        bool invalid = false;
        for (EventItem& item : EventItemsOf(r, keyNamer_, &invalid)) {
            events_.Add(std::move(item));
        }
        if (invalid && debugOutput_) {
            debugOutput_(kInvalidItemDebugLine);
        }
    }
}

void MacroEditor::SelectMacro(int index)
{
    macros_.Select(index);
    if (macros_.Selection() == shownMacro_) {
        return;
    }
    loading_ = true;
    if (editState_ != EditState::None) {
        CancelEdit();
    }
    if (recording_) {
        StopRecordingAndStore();
    }
    shownMacro_ = macros_.Selection();
    ShowMacro(shownMacro_);
    if (events_.Empty()) {
        SetLoopText(u"1");
    }
    shownEvent_ = events_.Selection();
    loading_ = false;
}

void MacroEditor::SelectEvent(int index)
{
    events_.Select(index);
    if (events_.Selection() == shownEvent_) {
        return;
    }
    shownEvent_ = events_.Selection();
    if (editState_ != EditState::None) {
        CancelEdit();
    }
}

bool MacroEditor::SelectCategory(uint32_t id)
{
    if (!IsMacroCategory(id)) {
        return false;
    }
    // A recording belongs to the macro it was started for: store it there before the lists
    // change, as selecting another macro does.
    loading_ = true;
    if (editState_ != EditState::None) {
        CancelEdit();
    }
    if (recording_) {
        StopRecordingAndStore();
    }
    loading_ = false;
    view_.gameCaption = MacroCategoryCaption(id, chinese_);
    category_ = id;
    ShowCategory(id);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Macros

bool MacroEditor::IdTaken(uint32_t id) const
{
    if (library_.HoldsId(id)) {
        return true;
    }
    return std::any_of(macros_.Items().begin(), macros_.Items().end(),
                       [id](const MacroItem& m) { return m.id == id; });
}

int MacroEditor::NewMacro()
{
    if (recording_) {
        return -1;
    }
    const uint32_t id = NewMacroId(category_, clock_.TickMs(),
                                   [this](uint32_t candidate) { return IdTaken(candidate); });
    const int index = macros_.Add({std::u16string(kNewMacroText.In(chinese_)), id});
    shownMacro_ = index;
    ShowMacro(index);
    shownEvent_ = -1;
    SetLoopText(u"1");
    return index;
}

bool MacroEditor::RenameMacro(int index, std::u16string_view text)
{
    if (!macros_.Valid(index)) {
        return false;
    }
    const std::u16string_view name = text.substr(0, kMacroNameEditLimit);
    if (name.find_first_not_of(u" \t") == std::u16string_view::npos) {
        return false;
    }
    MacroItem& item = macros_.At(static_cast<size_t>(index));
    item.text = std::u16string(name);
    if (events_.Empty()) {
        return true;
    }
    bool stored = true;
    for (MacroRecord r : library_.RecordsWithId(item.id)) {
        if (IsListedMacro(r) && MacroNameOf(r) != item.text) {
            SetMacroName(r, item.text);
            stored = library_.StoreMacro(r) != MacroStoreResult::WriteFailed && stored;
        }
    }
    ReportUnstored(stored);
    return true;
}

bool MacroEditor::DeleteSelectedMacro()
{
    if (recording_ || !macros_.HasSelection()) {
        return false;
    }
    const size_t index = static_cast<size_t>(macros_.Selection());
    const uint32_t id = macros_.At(index).id;
    if (usage_.IsMacroInUse(id)) {
        Show(kMacroInUseText.chinese, kMacroInUseText.english);
        return false;
    }
    ReportUnstored(library_.DeleteMacro(id) == FileError::None);
    macros_.Erase(index);
    macros_.Select(-1);
    // The list moved up under the old index: no macro is shown now, so selecting the item
    // that takes the place loads it.
    shownMacro_ = -1;
    shownEvent_ = -1;
    events_.Clear();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Recording

void MacroEditor::StartCapture()
{
    capture_.CaptureKeys();
    capturing_ = true;
}

void MacroEditor::StopCapture()
{
    capture_.StopCapture();
    capturing_ = false;
}

void MacroEditor::SuspendCapture()
{
    StopCapture();
}

void MacroEditor::ResumeCapture()
{
    if (recording_ && !capturing_) {
        StartCapture();
    }
}

void MacroEditor::LeavePage()
{
    if (recording_) {
        ToggleRecording();
    } else if (editState_ != EditState::None) {
        CancelEdit();
    }
}

void MacroEditor::HideEditControls()
{
    view_.keyOptionVisible = false;
    view_.delayOptionVisible = false;
    view_.keyFieldVisible = false;
    view_.keyFieldText.clear();
    view_.delayFieldVisible = false;
    view_.delayFieldText.clear();
    view_.keyConfirmVisible = false;
    view_.delayConfirmVisible = false;
}

void MacroEditor::CancelEdit()
{
    StopCapture();
    HideEditControls();
    editState_ = EditState::None;
}

void MacroEditor::StopRecordingAndStore()
{
    view_.recordCaption = RecordCaption(false);
    view_.editButtonsEnabled = true;
    StopCapture();
    BuildMacroFromList(); // still recording: stores into the shown macro
    recording_ = false;
}

void MacroEditor::ToggleRecording()
{
    if (IsKeyEdit(editState_)) {
        Show(kRecordRefusedKeyText.chinese, kRecordRefusedKeyText.english);
        return;
    }
    if (IsDelayEdit(editState_)) {
        Show(kRecordRefusedDelayText.chinese, kRecordRefusedDelayText.english);
        return;
    }
    StopCapture();
    HideEditControls();
    if (!macros_.HasSelection()) {
        return;
    }
    if (recording_) {
        StopRecordingAndStore();
        return;
    }
    view_.recordCaption = RecordCaption(true);
    view_.editButtonsEnabled = false;
    events_.Clear();
    recordedCount_ = 0;
    lastTick_.reset();
    StartCapture();
    recording_ = true;
}

void MacroEditor::RecordInput(uint32_t code, uint32_t flags)
{
    // Only what the hooks forward while this page captures keys.
    if (!capturing_) {
        return;
    }
    HandleKey(code, flags);
}

void MacroEditor::MouseButtonInput(PageMouseButton button, uint32_t notification)
{
    if (!recording_ && !IsKeyEdit(editState_)) {
        return;
    }
    uint32_t flags = 0;
    if (notification == kButtonReleased) {
        flags = kKeyReleasedFlag;
    } else if (notification != kButtonPressed) {
        return;
    }
    const uint32_t code = button == PageMouseButton::Left    ? kLeftButtonCode
                          : button == PageMouseButton::Right ? kRightButtonCode
                                                             : kMiddleButtonCode;
    HandleKey(code, flags);
}

void MacroEditor::HandleKey(uint32_t code, uint32_t flags)
{
    // A held key repeats its press: the same code in the same direction is dropped.
    if (code == lastRecordedCode_ &&
        (flags & kKeyReleasedFlag) == (lastRecordedFlags_ & kKeyReleasedFlag)) {
        return;
    }
    if (IsKeyEdit(editState_)) {
        capturedCode_ = code;
        view_.keyFieldText = keyNamer_ ? keyNamer_(code) : std::u16string();
        return;
    }
    if (!recording_ || recordedCount_ >= kMaxRecordedKeyEvents) {
        return;
    }
    if (!view_.noDelayChecked) {
        const uint32_t now = clock_.TickMs();
        if (lastTick_) {
            events_.Add(MakePauseItem(now - *lastTick_));
        }
        lastTick_ = now;
    }
    const MacroItemKind kind =
        (flags & kKeyReleasedFlag) != 0 ? MacroItemKind::Release : MacroItemKind::Press;
    events_.Add(MakeKeyItem(kind, code, keyNamer_));
    ++recordedCount_;
    lastRecordedCode_ = code;
    lastRecordedFlags_ = flags;
}

void MacroEditor::ToggleNoDelay()
{
    view_.noDelayChecked = !view_.noDelayChecked;
}

// ---------------------------------------------------------------------------------------------
// Single events

void MacroEditor::BeginInsert()
{
    if (recording_) {
        return;
    }
    editState_ = EditState::InsertKey;
    view_.keyOptionVisible = true;
    view_.delayOptionVisible = true;
}

void MacroEditor::ChooseKeyOption()
{
    if (!view_.keyOptionVisible) {
        return;
    }
    if (editState_ == EditState::InsertKey || editState_ == EditState::InsertDelay) {
        editState_ = EditState::InsertKey;
    }
    view_.keyOptionChecked = true;
    view_.delayOptionChecked = false;
    view_.keyFieldText.clear();
    view_.keyFieldVisible = true;
    view_.keyConfirmVisible = true;
    view_.delayFieldVisible = false;
    view_.delayConfirmVisible = false;
    capturedCode_ = 0;
    StartCapture();
}

void MacroEditor::ChooseDelayOption()
{
    if (!view_.delayOptionVisible) {
        return;
    }
    if (editState_ == EditState::InsertKey || editState_ == EditState::InsertDelay) {
        editState_ = EditState::InsertDelay;
    }
    view_.keyOptionChecked = false;
    view_.delayOptionChecked = true;
    view_.delayFieldText.clear();
    view_.delayFieldVisible = true;
    view_.focus = MacroControl::DelayField;
    view_.delayConfirmVisible = true;
    view_.keyFieldVisible = false;
    view_.keyConfirmVisible = false;
    StopCapture();
}

void MacroEditor::BeginModify()
{
    if (recording_) {
        return;
    }
    StopCapture();
    if (!events_.HasSelection()) {
        return;
    }
    const EventItem& item = events_.At(static_cast<size_t>(events_.Selection()));
    if (item.IsKey()) {
        editState_ = EditState::ModifyKey;
        StartCapture();
        view_.keyOptionVisible = true;
        view_.keyOptionChecked = true;
        view_.keyFieldText.clear();
        view_.keyFieldVisible = true;
        view_.focus = MacroControl::KeyField;
        view_.keyConfirmVisible = true;
        view_.delayOptionVisible = false;
        view_.delayFieldVisible = false;
        view_.delayConfirmVisible = false;
    } else {
        editState_ = EditState::ModifyDelay;
        view_.delayOptionVisible = true;
        view_.delayOptionChecked = true;
        view_.delayFieldText.clear();
        view_.delayFieldVisible = true;
        view_.focus = MacroControl::DelayField;
        view_.delayConfirmVisible = true;
        view_.keyOptionVisible = false;
        view_.keyFieldVisible = false;
        view_.keyConfirmVisible = false;
    }
}

void MacroEditor::SetDelayFieldText(std::u16string_view text)
{
    view_.delayFieldText = std::u16string(text);
}

void MacroEditor::InsertEvent()
{
    const int s = events_.Selection();
    if (s < 0) {
        StopCapture();
        HideEditControls();
        return;
    }
    const size_t at = static_cast<size_t>(s);
    if (editState_ == EditState::InsertKey) {
        StopCapture();
        if (capturedCode_ != 0) {
            events_.Insert(at, MakeKeyItem(MacroItemKind::Press, capturedCode_, keyNamer_));
            events_.Insert(at + 1, MakeKeyItem(MacroItemKind::Release, capturedCode_, keyNamer_));
            events_.Select(s + 1);
        }
    } else if (editState_ == EditState::InsertDelay) {
        const std::optional<uint32_t> field = ParseDelayField(view_.delayFieldText);
        // Nothing goes above the first event: a macro never starts with a pause.
        if (field && at > 0) {
            const uint32_t v = *field & kItemValueMask;
            auto grow = [&](size_t i) {
                const uint32_t sum = std::min(events_.At(i).value + v, kMaxMergedPauseMs);
                events_.Replace(i, MakePauseItem(sum));
            };
            if (events_.At(at - 1).IsPause()) {
                grow(at - 1);
            } else if (events_.At(at).IsPause()) {
                grow(at);
            } else {
                events_.Insert(at, MakePauseItem(v));
            }
        }
    }
    HideEditControls();
    shownEvent_ = events_.Selection();
}

void MacroEditor::ModifyEvent()
{
    const int s = events_.Selection();
    if (s < 0) {
        StopCapture();
        HideEditControls();
        return;
    }
    const size_t at = static_cast<size_t>(s);
    const EventItem& item = events_.At(at);
    if (editState_ == EditState::ModifyKey && item.IsKey()) {
        if (capturedCode_ != 0) {
            events_.Replace(at, MakeKeyItem(item.kind, capturedCode_, keyNamer_));
        }
    } else if (editState_ == EditState::ModifyDelay && item.IsPause()) {
        if (const std::optional<uint32_t> v = ParseDelayField(view_.delayFieldText)) {
            events_.Replace(at, MakePauseItem(std::min(*v, kMaxPauseMs)));
        }
    }
    StopCapture();
    HideEditControls();
    shownEvent_ = events_.Selection();
}

void MacroEditor::ConfirmKey()
{
    Confirm(view_.keyConfirmVisible, EditState::InsertKey, EditState::ModifyKey,
            MacroControl::KeyConfirm);
}

void MacroEditor::ConfirmDelay()
{
    Confirm(view_.delayConfirmVisible, EditState::InsertDelay, EditState::ModifyDelay,
            MacroControl::DelayConfirm);
}

// The key and the pause fields confirm alike: insert or modify as the edit began, then store.
void MacroEditor::Confirm(bool visible, EditState insert, EditState modify, MacroControl button)
{
    if (!visible) {
        return;
    }
    if (editState_ == insert) {
        InsertEvent();
    } else if (editState_ == modify) {
        ModifyEvent();
    }
    BuildMacroFromList();
    editState_ = EditState::None;
    view_.focus = button;
}

void MacroEditor::DeleteEvent()
{
    if (recording_ || !events_.HasSelection()) {
        return;
    }
    events_.Erase(static_cast<size_t>(events_.Selection()));
    // Deleting the last event stores nothing: the stored macro keeps its events.
    if (!events_.Empty()) {
        BuildMacroFromList();
    }
    shownEvent_ = events_.Selection();
}

// ---------------------------------------------------------------------------------------------
// Loop count and storing

void MacroEditor::SetLoopText(std::u16string_view text)
{
    view_.loopCountText = std::u16string(text);
    if (!loading_) {
        BuildMacroFromList();
    }
}

void MacroEditor::SetLoopCountText(std::u16string_view text)
{
    SetLoopText(text);
}

void MacroEditor::NormaliseLoopCount()
{
    const std::u16string& text = view_.loopCountText;
    const size_t zeros = text.find_first_not_of(u'0');
    if (zeros != 0 && zeros != std::u16string::npos) {
        SetLoopText(std::u16string(text.substr(zeros)));
    }
    const std::optional<uint32_t> value = ParseDecimal(view_.loopCountText);
    if (!value || *value == 0) {
        SetLoopText(u"1");
    } else if (*value > kMaxLoopCount) {
        SetLoopText(Decimal(kMaxLoopCount));
    }
}

void MacroEditor::BuildMacroFromList()
{
    if (events_.Empty()) {
        return;
    }
    const int target = recording_ ? shownMacro_ : macros_.Selection();
    // The list is merged even when no macro takes it, as the page shows it.
    const MacroItem* item =
        macros_.Valid(target) ? &macros_.At(static_cast<size_t>(target)) : nullptr;
    std::optional<BuiltMacro> built = qx71::BuildMacroFromList(
        events_, view_.loopCountText, item ? item->id : 0, item ? item->text : u"");
    if (!built || item == nullptr) {
        return;
    }
    if (built->truncated) {
        Show(kMacroTruncatedText.chinese, kMacroTruncatedText.english);
    }
    // A full table or a failed write leaves the page's version on screen; the library has
    // already told the user about a refused write.
    ReportUnstored(library_.StoreMacro(built->record) != MacroStoreResult::WriteFailed);
}

void MacroEditor::ReportUnstored(bool stored)
{
    if (!stored && library_.WriteProtected()) {
        Show(kMacrosUnreadableText.chinese, kMacrosUnreadableText.english);
    }
}

void MacroEditor::Show(std::u16string_view chinese, std::u16string_view english)
{
    messages_.Show({MessageKind::InfoBox, {}, std::u16string(Text(chinese, english))});
}

std::u16string_view MacroEditor::Text(std::u16string_view chinese,
                                      std::u16string_view english) const
{
    return chinese_ ? chinese : english;
}

} // namespace qx71
