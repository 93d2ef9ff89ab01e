#include "gui/macro/CDlgMacro.h"

#include "core/buttons/MacroKeyNames.h"
#include "core/common/ITimerQueue.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/GameMenu.h"
#include "core/macro/MacroPageGeometry.h"
#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/CSkinScrollWnd.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QDebug>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace qx71::gui {

namespace mp = macropage;

namespace {

constexpr size_t Index(MacroControl control)
{
    return static_cast<size_t>(control);
}


size_t FieldIndex(MacroControl control)
{
    switch (control) {
    case MacroControl::LoopCount:
        return 0;
    case MacroControl::KeyField:
        return 1;
    default:
        return 2;
    }
}

int FieldId(MacroControl control)
{
    switch (control) {
    case MacroControl::LoopCount:
        return mp::kLoopCountId;
    case MacroControl::KeyField:
        return mp::kKeyFieldId;
    default:
        return mp::kDelayFieldId;
    }
}

void SetListColours(CListBoxEx* list)
{
    list->SetColours(ToQColor(mp::kListWell), ToQColor(kitcolours::kTextNormal),
                     ToQColor(kitcolours::kAccentBlue), Qt::white);
}

} // namespace

CDlgMacro::CDlgMacro(PageContext& context, QWidget* parent)
    : CMainPage(MainPage::Macros, context, parent), capture_(context.hooks, kHookHandle),
      usage_(context.store)
{
    editor_ = std::make_unique<MacroEditor>(context.macros, context.clock, context.messages,
                                            capture_, usage_, MacroKeyName);
    editor_->SetChinese(ChineseUi());
    editor_->SetDebugOutput(
        [](std::string_view line) { qDebug().noquote() << ToQString(line); });
    setMouseTracking(true);
    background_ = LoadSkin(mp::kSheetNormal);
    CreateControls();
    RetranslateUi();
    Sync();
    StartLoopTimer();
}

CDlgMacro::~CDlgMacro()
{
    Context().timers.Cancel(loopTimer_);
    DestroyMenuEx(this);
    editor_->SuspendCapture();
}

// ---------------------------------------------------------------------------------------------
// Controls

CGDIBitmapBtn* CDlgMacro::Button(MacroControl control) const
{
    return Index(control) < buttons_.size() ? buttons_[Index(control)] : nullptr;
}

QLineEdit* CDlgMacro::Field(MacroControl control) const
{
    return mp::IsField(control) ? fields_[FieldIndex(control)] : nullptr;
}

CGDIBitmapBtn* CDlgMacro::MakeButton(MacroControl control)
{
    const QPixmap over = LoadSkin(mp::kSheetOver);
    const QPixmap down = LoadSkin(mp::kSheetDown);
    const QPixmap disabled = LoadSkin(mp::kSheetDisabled);
    const Rect& r = mp::ControlRectOf(control);
    auto* button = new CGDIBitmapBtn(r, this, static_cast<int>(Index(control)));
    button->SetStateImages(background_, over, down, disabled, r);
    if (mp::IsCheckButton(control)) {
        button->SetCheckedImages(down, QPixmap(), r);
        button->SetUseCheckedImages(true);
        button->SetIconRect(mp::kCheckBox);
    }
    buttons_[Index(control)] = button;
    connect(button, &CGDIBitmapBtn::clicked, this, [this, control](int) { OnButton(control); });
    connect(button, &CGDIBitmapBtn::mouseMoved, this,
            [this](Qt::MouseButtons, QPoint point) { ShowHints(point); });
    return button;
}

QLineEdit* CDlgMacro::MakeField(MacroControl control, int maxLength, bool digitsOnly)
{
    const Rect& r = mp::ControlRectOf(control);
    auto* field = new CBitmapEdit(r, CutSheet(background_, r), this, FieldId(control));
    field->setMaxLength(maxLength);
    field->SetTextColour(ToQColor(mp::kFieldText));
    field->setTextMargins(4, 0, 4, 0);
    if (digitsOnly) {
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    }
    field->setMouseTracking(true);
    fields_[FieldIndex(control)] = field;
    return field;
}

void CDlgMacro::CreateControls()
{
    for (size_t i = 0; i < mp::kControlCount; ++i) {
        const auto control = static_cast<MacroControl>(i);
        if (mp::IsField(control) || control == MacroControl::MacroList ||
            control == MacroControl::EventList) {
            continue;
        }
        CGDIBitmapBtn* button = MakeButton(control);
        if (control == MacroControl::NoDelay) {
            button->SetToggle(true);
        }
        if (control == MacroControl::Record) {
            button->SetIconRect(mp::kRecordIcon);
        }
        if (control == MacroControl::GameButton) {
            button->setAccessibleName(QStringLiteral("game"));
        }
    }
    const std::pair<MacroControl, PageMouseButton> mouse[] = {
        {MacroControl::LeftButton, PageMouseButton::Left},
        {MacroControl::MiddleButton, PageMouseButton::Middle},
        {MacroControl::RightButton, PageMouseButton::Right},
    };
    for (const auto& [control, which] : mouse) {
        CGDIBitmapBtn* button = Button(control);
        button->SetNotify(true);
        connect(button, &CGDIBitmapBtn::notified, this, [this, which](int code, int) {
            editor_->MouseButtonInput(which, static_cast<uint32_t>(code));
            Sync();
        });
    }

    QLineEdit* loop = MakeField(MacroControl::LoopCount, mp::kLoopCountMaxLength, true);
    loop->setAlignment(Qt::AlignCenter);
    connect(loop, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) {
            editor_->SetLoopCountText(ToU16(text));
        }
    });
    QLineEdit* key = MakeField(MacroControl::KeyField, mp::kKeyFieldMaxLength, false);
    // The key comes from the keyboard hook; typing never changes the field.
    key->setReadOnly(true);
    QLineEdit* delay = MakeField(MacroControl::DelayField, mp::kDelayFieldMaxLength, true);
    connect(delay, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) {
            editor_->SetDelayFieldText(ToU16(text));
        }
    });

    macroList_ = new CListBoxEx(mp::ControlRectOf(MacroControl::MacroList), this, mp::kMacroListId);
    SetListColours(macroList_);
    connect(macroList_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (syncing_) {
            return;
        }
        editor_->SelectMacro(index);
        Sync();
    });
    connect(macroList_, &CListBoxEx::editEnded, this, [this](int, int index) {
        const QListWidgetItem* item = macroList_->item(index);
        editor_->RenameMacro(index, item != nullptr ? ToU16(item->text()) : std::u16string());
        // A refused name: the list shows the editor's text again.
        shownMacros_.clear();
        Sync();
    });

    const Rect& events = mp::ControlRectOf(MacroControl::EventList);
    eventList_ = new CListBoxEx(events, this, mp::kEventListId);
    eventList_->SetIconSize(mp::kListIconSize);
    SetListColours(eventList_);
    connect(eventList_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (syncing_) {
            return;
        }
        editor_->SelectEvent(index);
        Sync();
    });
    eventScroll_ = new CSkinScrollWnd(this);
    eventScroll_->Attach(eventList_, LoadSkin(scrollbar::kSheet));
}

void CDlgMacro::RetranslateUi()
{
    const bool chinese = ChineseUi();
    editor_->SetChinese(chinese);
    const UiStrings& strings = Context().strings;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        CGDIBitmapBtn* button = buttons_[i];
        if (button == nullptr) {
            continue;
        }
        const auto control = static_cast<MacroControl>(i);
        const std::string_view key = MacroControlTooltip(control);
        const QString text = key.empty() ? QString() : ToQString(strings.Get(key));
        button->SetToolTipText(text);
        if (mp::IsCheckButton(control)) {
            button->SetCaption(text);
        }
    }
    macroList_->setAccessibleName(ToQString(strings.Get("str_marco_list")));
    eventList_->setAccessibleName(ToQString(strings.Get("str_key_list")));
    Field(MacroControl::LoopCount)->setAccessibleName(ToQString(strings.Get("str_macro_loop")));
    Field(MacroControl::KeyField)->setAccessibleName(ToQString(strings.Get("str_macro_msg6")));
    Field(MacroControl::DelayField)->setAccessibleName(ToQString(strings.Get("str_macro_msg7")));
    Sync();
    update();
}

// ---------------------------------------------------------------------------------------------
// What the main window calls

void CDlgMacro::LeavePage()
{
    DestroyMenuEx(this);
    editor_->LeavePage();
    Sync();
}

void CDlgMacro::SuspendCapture()
{
    DestroyMenuEx(this);
    editor_->SuspendCapture();
}

void CDlgMacro::PrepareAtStart()
{
    editor_->ShowCategory(editor_->Category());
    Sync();
}

void CDlgMacro::BeforeApply()
{
    editor_->NormaliseLoopCount();
    Sync();
}

void CDlgMacro::OnHookKey(uint32_t code, uint32_t flags)
{
    editor_->RecordInput(code, flags);
    Sync();
}

// ---------------------------------------------------------------------------------------------
// Input

void CDlgMacro::OnButton(MacroControl control)
{
    switch (control) {
    case MacroControl::GameButton:
        OpenGameMenu();
        return;
    case MacroControl::NewMacro: {
        const int index = editor_->NewMacro();
        Sync();
        if (index >= 0) {
            macroList_->BeginEdit(index);
        }
        return;
    }
    case MacroControl::DeleteMacro:
        editor_->DeleteSelectedMacro();
        break;
    case MacroControl::Insert:
        editor_->BeginInsert();
        break;
    case MacroControl::DeleteEvent:
        editor_->DeleteEvent();
        break;
    case MacroControl::Modify:
        editor_->BeginModify();
        Sync();
        FocusFromEditor();
        return;
    case MacroControl::Record:
        editor_->ToggleRecording();
        break;
    case MacroControl::NoDelay:
        editor_->ToggleNoDelay();
        break;
    case MacroControl::KeyOption:
        editor_->ChooseKeyOption();
        break;
    case MacroControl::DelayOption:
        editor_->ChooseDelayOption();
        Sync();
        FocusFromEditor();
        return;
    case MacroControl::KeyConfirm:
        editor_->ConfirmKey();
        Sync();
        FocusFromEditor();
        return;
    case MacroControl::DelayConfirm:
        editor_->ConfirmDelay();
        Sync();
        FocusFromEditor();
        return;
    default:
        return;
    }
    Sync();
}

void CDlgMacro::FocusFromEditor()
{
    const MacroControl focus = editor_->View().focus;
    QWidget* target = mp::IsField(focus) ? static_cast<QWidget*>(Field(focus))
                                         : static_cast<QWidget*>(Button(focus));
    if (target != nullptr && target->isVisible()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void CDlgMacro::OpenGameMenu()
{
    const GameMenuItems items = BuildGameMenuItems(ChineseUi());
    const CGDIBitmapBtn* game = Button(MacroControl::GameButton);
    // The window rectangle's left and bottom (outside) in screen coordinates.
    const QPoint corner = game->mapToGlobal(QPoint(0, game->height()));
    const MenuPoint at = GameMenuPoint(corner.x(), corner.y());
    const auto paths = GameMenuImagePaths(Context().installDir);
    QStringList images;
    for (const auto& path : paths) {
        images << QString::fromStdString(path.string());
    }
    CreateMenuEx(this, static_cast<int>(kGameMenuNumber), QPoint(at.x, at.y), kGameMenuColours[0],
                 kGameMenuColours[1], kGameMenuColours[2], images[0], images[1], images[2],
                 images[3], images[4], images[5], images[6], images[7], items.data(),
                 static_cast<int>(kGameMenuItemCount));
}

void CDlgMacro::OnGameChoice(uint32_t lParam)
{
    DestroyMenuEx(this);
    editor_->SelectCategory(GameMenuChoice(lParam));
    Sync();
}

void CDlgMacro::StartLoopTimer()
{
    loopTimer_ = Context().timers.After(mp::kLoopTimerMs, [this] {
        loopTimer_ = ITimerQueue::kNoTimer;
        OnLoopTimer();
        StartLoopTimer();
    });
}

void CDlgMacro::OnLoopTimer()
{
    const std::u16string before = editor_->View().loopCountText;
    editor_->NormaliseLoopCount();
    Sync();
    if (editor_->View().loopCountText != before) {
        QLineEdit* loop = Field(MacroControl::LoopCount);
        loop->setCursorPosition(static_cast<int>(loop->text().size()));
    }
}

void CDlgMacro::ShowHints(QPoint pagePoint)
{
    static constexpr auto kRects = mp::HintRects();
    for (uint32_t hint : editor_->HintsAt(kRects, pagePoint.x(), pagePoint.y())) {
        if (Context().showHint) {
            Context().showHint(static_cast<int>(hint));
        }
    }
}

bool CDlgMacro::event(QEvent* event)
{
    if (event->type() == MenuChoiceEvent::kType) {
        OnGameChoice(static_cast<MenuChoiceEvent*>(event)->LParam());
        return true;
    }
    return CMainPage::event(event);
}

void CDlgMacro::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        DestroyMenuEx(this);
    }
    CMainPage::mousePressEvent(event);
}

void CDlgMacro::mouseMoveEvent(QMouseEvent* event)
{
    ShowHints(event->position().toPoint());
    CMainPage::mouseMoveEvent(event);
}

void CDlgMacro::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
    p.setFont(ShellDlgFont(14));
    p.setPen(ToQColor(kitcolours::kTextNormal));
    for (const mp::PaintedLabel& label : mp::kPaintedLabels) {
        p.drawText(ToQRect(label.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   ToQString(Context().strings.Get(label.textKey)));
    }
}

// ---------------------------------------------------------------------------------------------
// Drawing the editor's state

void CDlgMacro::Sync()
{
    syncing_ = true;
    const MacroPageView& view = editor_->View();
    Button(MacroControl::GameButton)->SetCaption(ToQString(view.gameCaption));
    Button(MacroControl::Record)->SetCaption(ToQString(view.recordCaption));
    for (MacroControl c : {MacroControl::NewMacro, MacroControl::DeleteMacro, MacroControl::Insert,
                           MacroControl::DeleteEvent, MacroControl::Modify}) {
        Button(c)->setEnabled(view.editButtonsEnabled);
    }
    Button(MacroControl::NoDelay)->SetChecked(view.noDelayChecked);
    Button(MacroControl::KeyOption)->setVisible(view.keyOptionVisible);
    Button(MacroControl::KeyOption)->SetChecked(view.keyOptionChecked);
    Button(MacroControl::KeyConfirm)->setVisible(view.keyConfirmVisible);
    Button(MacroControl::DelayOption)->setVisible(view.delayOptionVisible);
    Button(MacroControl::DelayOption)->SetChecked(view.delayOptionChecked);
    Button(MacroControl::DelayConfirm)->setVisible(view.delayConfirmVisible);
    const auto setField = [](QLineEdit* field, const std::u16string& text, bool visible) {
        const QString q = ToQString(text);
        if (field->text() != q) {
            field->setText(q);
        }
        field->setVisible(visible);
    };
    setField(Field(MacroControl::LoopCount), view.loopCountText, true);
    setField(Field(MacroControl::KeyField), view.keyFieldText, view.keyFieldVisible);
    setField(Field(MacroControl::DelayField), view.delayFieldText, view.delayFieldVisible);

    std::vector<std::pair<std::u16string, uint32_t>> macros;
    for (const MacroItem& item : editor_->MacroList().Items()) {
        macros.emplace_back(item.text, item.id);
    }
    SyncList(macroList_, macros, editor_->MacroList().Selection(), shownMacros_);
    std::vector<std::pair<std::u16string, uint32_t>> events;
    for (const EventItem& item : editor_->EventList().Items()) {
        events.emplace_back(item.text, item.Data());
    }
    SyncList(eventList_, events, editor_->EventList().Selection(), shownEvents_);
    syncing_ = false;
}

void CDlgMacro::SyncList(CListBoxEx* list,
                         const std::vector<std::pair<std::u16string, uint32_t>>& items,
                         int selection, std::vector<std::pair<std::u16string, uint32_t>>& shown)
{
    if (items != shown || list->Count() != static_cast<int>(items.size())) {
        list->setUpdatesEnabled(false);
        list->clear();
        for (const auto& [text, data] : items) {
            list->AddItem(ToQString(text), static_cast<uint8_t>(data >> kItemKindShift),
                          data & kItemValueMask);
        }
        list->setUpdatesEnabled(true);
        shown = items;
    }
    if (list->currentRow() != selection) {
        list->setCurrentRow(selection);
    }
    if (selection >= 0) {
        list->scrollToItem(list->item(selection));
    }
}

} // namespace qx71::gui
