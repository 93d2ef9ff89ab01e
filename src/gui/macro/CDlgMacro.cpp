#include "gui/macro/CDlgMacro.h"

#include "core/buttons/MacroKeyNames.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/GameMenu.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/KitMessages.h"
#include "core/widgets/ScrollBarSheet.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/CSkinScrollWnd.h"
#include "gui/widgets/DigitsValidator.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QDebug>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {

namespace mp = macropage;

namespace {

constexpr size_t Index(MacroControl control)
{
    return static_cast<size_t>(control);
}

// The three edits, in the order of fields_.
constexpr std::array<MacroControl, 3> kFields = {MacroControl::LoopCount, MacroControl::KeyField,
                                                 MacroControl::DelayField};

// The buttons that are off while a recording runs.
constexpr std::array<MacroControl, 5> kEditButtons = {
    MacroControl::NewMacro, MacroControl::DeleteMacro, MacroControl::Insert,
    MacroControl::DeleteEvent, MacroControl::Modify};

// The two areas over the painted labels carry only a hint: nothing of theirs is drawn.
constexpr bool IsLabelArea(MacroControl control)
{
    return control == MacroControl::CategoryLabel || control == MacroControl::EventListLabel;
}

std::optional<PageMouseButton> PageMouseButtonOf(MacroControl control)
{
    switch (control) {
    case MacroControl::LeftButton:
        return PageMouseButton::Left;
    case MacroControl::MiddleButton:
        return PageMouseButton::Middle;
    case MacroControl::RightButton:
        return PageMouseButton::Right;
    default:
        return std::nullopt;
    }
}

void SetListLook(CListBoxEx* list)
{
    list->SetColours(ToQColor(mp::kListWell), ToQColor(kitcolours::kTextNormal),
                     ToQColor(kitcolours::kAccentBlue), Qt::white);
}

} // namespace

CDlgMacro::CDlgMacro(PageContext& context, QWidget* parent)
    : CMainPage(MainPage::Macros, context, parent), capture_(context.hooks, Handle()),
      usage_(context.store)
{
    editor_ = std::make_unique<MacroEditor>(context.macros, context.clock, context.messages,
                                            capture_, usage_, MacroKeyName);
    editor_->SetChinese(ChineseUi());
    editor_->SetLabelLanguage(UiLanguage());
    editor_->SetDebugOutput([](std::string_view line) { qDebug().noquote() << ToQString(line); });
    setMouseTracking(true);
    CreateButtons();
    CreateFields();
    CreateLists();
    RetranslateUi();
    StartLoopTimer();
}

CDlgMacro::~CDlgMacro()
{
    Context().timers.Cancel(loopTimer_);
    DestroyMenuEx(this);
}

// ---------------------------------------------------------------------------------------------
// Controls

CGDIBitmapBtn* CDlgMacro::Button(MacroControl control) const
{
    return Index(control) < buttons_.size() ? buttons_[Index(control)] : nullptr;
}

QLineEdit* CDlgMacro::Field(MacroControl control) const
{
    for (size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i] == control) {
            return fields_[i];
        }
    }
    return nullptr;
}

CGDIBitmapBtn* CDlgMacro::MakeButton(MacroControl control)
{
    const Rect& r = mp::ControlRectOf(control);
    auto* button = new CGDIBitmapBtn(r, this, static_cast<int>(Index(control)));
    if (mp::IsCheckButton(control)) {
        button->SetUseCheckedImages(true);
        button->SetIconRect(mp::kCheckBox);
    }
    buttons_[Index(control)] = button;
    connect(button, &CGDIBitmapBtn::clicked, this, [this, control](int) { OnButton(control); });
    connect(button, &CGDIBitmapBtn::mouseMoved, this,
            [this](Qt::MouseButtons, QPoint point) { ShowHints(point); });
    return button;
}

void CDlgMacro::LoadSkins()
{
    // The page paints the normal sheet; the controls keep only the pieces they cut.
    normalSheet_ = LoadSkin(mp::kSheetNormal);
    const QPixmap over = LoadSkin(mp::kSheetOver);
    const QPixmap down = LoadSkin(mp::kSheetDown);
    const QPixmap disabled = LoadSkin(mp::kSheetDisabled);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const auto control = static_cast<MacroControl>(i);
        CGDIBitmapBtn* button = buttons_[i];
        if (button == nullptr) {
            continue;
        }
        const Rect& r = mp::ControlRectOf(control);
        if (!IsLabelArea(control)) {
            button->SetStateImages(normalSheet_, over, down, disabled, r);
        }
        if (mp::IsCheckButton(control)) {
            button->SetCheckedImages(down, QPixmap(), r);
        }
    }
    for (size_t i = 0; i < kFields.size(); ++i) {
        static_cast<CBitmapEdit*>(fields_[i])
            ->SetBackground(CutSheet(normalSheet_, mp::ControlRectOf(kFields[i])));
    }
    update();
}

void CDlgMacro::ReleaseSkins()
{
    normalSheet_ = QPixmap();
}

void CDlgMacro::CreateButtons()
{
    for (size_t i = 0; i < mp::kControlCount; ++i) {
        const auto control = static_cast<MacroControl>(i);
        if (mp::IsField(control) || control == MacroControl::MacroList ||
            control == MacroControl::EventList) {
            continue;
        }
        CGDIBitmapBtn* button = MakeButton(control);
        if (control == MacroControl::Record) {
            button->SetIconRect(mp::kRecordIcon);
        }
        if (const std::optional<PageMouseButton> which = PageMouseButtonOf(control)) {
            button->SetNotify(true);
            connect(button, &CGDIBitmapBtn::notified, this, [this, which](int code, int) {
                editor_->MouseButtonInput(*which, static_cast<uint32_t>(code));
                Sync();
            });
        }
    }
}

QLineEdit* CDlgMacro::MakeField(MacroControl control, int id, int maxLength, bool digitsOnly)
{
    const Rect& r = mp::ControlRectOf(control);
    auto* field = new CBitmapEdit(r, QPixmap(), this, id);
    if (maxLength > 0) {
        field->setMaxLength(maxLength);
    }
    field->SetTextColour(ToQColor(mp::kFieldText));
    field->setTextMargins(4, 0, 4, 0);
    if (digitsOnly) {
        field->setValidator(new DigitsValidator(field));
    }
    field->setMouseTracking(true);
    field->installEventFilter(this);
    for (size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i] == control) {
            fields_[i] = field;
        }
    }
    return field;
}

void CDlgMacro::CreateFields()
{
    QLineEdit* loop =
        MakeField(MacroControl::LoopCount, mp::kLoopCountId, mp::kLoopCountMaxLength, true);
    loop->setAlignment(Qt::AlignCenter);
    connect(loop, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) {
            editor_->SetLoopCountText(ToU16(text));
            Sync();
        }
    });
    // The key comes from the keyboard hook and the page's mouse buttons, and the field shows
    // its name, which may be longer than the one character a user could type.
    QLineEdit* key = MakeField(MacroControl::KeyField, mp::kKeyFieldId, 0, false);
    key->setReadOnly(true);
    QLineEdit* delay =
        MakeField(MacroControl::DelayField, mp::kDelayFieldId, mp::kDelayFieldMaxLength, true);
    connect(delay, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_) {
            editor_->SetDelayFieldText(ToU16(text));
        }
    });
}

void CDlgMacro::CreateLists()
{
    const QPixmap scrollSheet = LoadSkin(scrollbar::kSheet);

    macroList_ = new CListBoxEx(mp::ControlRectOf(MacroControl::MacroList), this, mp::kMacroListId);
    SetListLook(macroList_);
    macroList_->SetIconsShown(false);
    connect(macroList_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (!syncing_) {
            editor_->SelectMacro(index);
            Sync();
        }
    });
    connect(macroList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { macroList_->BeginEdit(macroList_->row(item)); });
    connect(macroList_, &CListBoxEx::editEnded, this, [this](int, int index) {
        const QListWidgetItem* item = macroList_->item(index);
        editor_->RenameMacro(index, item != nullptr ? ToU16(item->text()) : std::u16string());
        // A refused name: the list shows the editor's name again.
        Sync();
    });
    macroScroll_ = new CSkinScrollWnd(this);
    macroScroll_->Attach(macroList_, scrollSheet);

    eventList_ = new CListBoxEx(mp::ControlRectOf(MacroControl::EventList), this, mp::kEventListId);
    eventList_->SetIconSize(mp::kListIconSize);
    SetListLook(eventList_);
    connect(eventList_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (!syncing_) {
            editor_->SelectEvent(index);
            Sync();
        }
    });
    eventScroll_ = new CSkinScrollWnd(this);
    eventScroll_->Attach(eventList_, scrollSheet);

    for (CListBoxEx* list : {macroList_, eventList_}) {
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }
}

void CDlgMacro::RetranslateUi()
{
    editor_->SetChinese(ChineseUi());
    editor_->SetLabelLanguage(UiLanguage());
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
    // The areas over the painted labels are named by their labels.
    for (const mp::PaintedLabel& label : mp::kPaintedLabels) {
        for (MacroControl area : {MacroControl::CategoryLabel, MacroControl::EventListLabel}) {
            if (label.rect == mp::ControlRectOf(area)) {
                Button(area)->setAccessibleName(ToQString(strings.Get(label.textKey)));
            }
        }
    }
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
    Sync();
}

void CDlgMacro::ResumeCapture()
{
    editor_->ResumeCapture();
    Sync();
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

void CDlgMacro::OnKeyEvent(uint32_t wParam, uint32_t lParam)
{
    editor_->RecordInput(wParam, lParam);
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
        break;
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
        break;
    case MacroControl::KeyConfirm:
        editor_->ConfirmKey();
        break;
    case MacroControl::DelayConfirm:
        editor_->ConfirmDelay();
        break;
    case MacroControl::CategoryLabel:
    case MacroControl::EventListLabel:
        // A click on the page's background.
        DestroyMenuEx(this);
        return;
    default:
        return;
    }
    Sync();
    FocusFromEditor();
}

void CDlgMacro::FocusFromEditor()
{
    const MacroControl focus = editor_->View().focus;
    QWidget* target = mp::IsField(focus) ? static_cast<QWidget*>(Field(focus))
                                         : static_cast<QWidget*>(Button(focus));
    if (target != nullptr && target->isVisible() && !target->hasFocus()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void CDlgMacro::OpenGameMenu()
{
    const GameMenuItems items = BuildGameMenuItems(ChineseUi());
    const CGDIBitmapBtn* game = Button(MacroControl::GameButton);
    // The left edge and the bottom (the first row below the button) in screen coordinates.
    const QPoint corner = game->mapToGlobal(QPoint(0, game->height()));
    const MenuPoint at = GameMenuPoint(corner.x(), corner.y());
    const auto paths = GameMenuImagePaths(Context().installDir);
    std::array<QString, 8> images;
    for (size_t i = 0; i < paths.size(); ++i) {
        images[i] = QString::fromStdString(paths[i].string());
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
    if (editor_->View().loopCountText == before) {
        return;
    }
    Sync();
    QLineEdit* loop = Field(MacroControl::LoopCount);
    loop->setCursorPosition(static_cast<int>(loop->text().size()));
}

void CDlgMacro::ShowHints(QPoint pagePoint)
{
    if (!Context().showHint) {
        return;
    }
    static constexpr auto kRects = mp::HintRects();
    for (uint32_t hint : editor_->HintsAt(kRects, pagePoint.x(), pagePoint.y())) {
        Context().showHint(static_cast<int>(hint));
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

bool CDlgMacro::eventFilter(QObject* watched, QEvent* event)
{
    // The lists and the edits pass their mouse moves on to the page's hints, as its buttons do.
    if (event->type() == QEvent::MouseMove) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            const auto* move = static_cast<QMouseEvent*>(event);
            ShowHints(widget->mapTo(this, move->position().toPoint()));
        }
    }
    return CMainPage::eventFilter(watched, event);
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
    p.drawPixmap(0, 0, normalSheet_);
    // The sheet draws every control; a hidden one of the edit panel leaves the column's face.
    for (size_t i = 0; i < mp::kControlCount; ++i) {
        const auto control = static_cast<MacroControl>(i);
        const QWidget* widget = mp::IsField(control) ? static_cast<QWidget*>(Field(control))
                                                     : static_cast<QWidget*>(Button(control));
        if (mp::IsEditPanelControl(control) && widget != nullptr && widget->isHidden()) {
            p.fillRect(ToQRect(mp::kControlRects[i]).adjusted(-1, -1, 1, 1),
                       ToQColor(mp::kColumnFill));
        }
    }
    p.setPen(ToQColor(kitcolours::kTextNormal));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(p, text);
    }
}

std::vector<TextLayout> CDlgMacro::TextLayouts() const
{
    std::vector<TextLayout> out;
    for (const mp::PaintedLabel& label : mp::kPaintedLabels) {
        out.push_back(LayOutLine(QStringLiteral("label"),
                                 ToQString(Context().strings.Get(label.textKey)),
                                 ShellDlgFont(kKitTextHeight), ToQRect(label.rect), Qt::AlignLeft));
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Drawing the editor's state

void CDlgMacro::Sync()
{
    syncing_ = true;
    const MacroPageView& view = editor_->View();
    Button(MacroControl::GameButton)->SetCaption(ToQString(view.gameCaption));
    Button(MacroControl::Record)->SetCaption(ToQString(view.recordCaption));
    for (MacroControl c : kEditButtons) {
        Button(c)->setEnabled(view.editButtonsEnabled);
    }
    Button(MacroControl::NoDelay)->SetChecked(view.noDelayChecked);
    Button(MacroControl::KeyOption)->setVisible(view.keyOptionVisible);
    Button(MacroControl::KeyOption)->SetChecked(view.keyOptionChecked);
    Button(MacroControl::KeyConfirm)->setVisible(view.keyConfirmVisible);
    Button(MacroControl::DelayOption)->setVisible(view.delayOptionVisible);
    Button(MacroControl::DelayOption)->SetChecked(view.delayOptionChecked);
    Button(MacroControl::DelayConfirm)->setVisible(view.delayConfirmVisible);
    SyncFields();
    // The page's background shows where the edit panel's controls are hidden.
    update(ToQRect(mp::kEditPanel));
    SyncMacroList();
    SyncEventList();
    syncing_ = false;
}

void CDlgMacro::SyncFields()
{
    const MacroPageView& view = editor_->View();
    const auto show = [](QLineEdit* field, const std::u16string& text, bool visible) {
        const QString q = ToQString(text);
        if (field->text() != q) {
            field->setText(q);
        }
        field->setVisible(visible);
    };
    show(Field(MacroControl::LoopCount), view.loopCountText, true);
    show(Field(MacroControl::KeyField), view.keyFieldText, view.keyFieldVisible);
    show(Field(MacroControl::DelayField), view.delayFieldText, view.delayFieldVisible);
}

namespace {

// Makes the list hold exactly these items (text and data) with this selection. Only the rows
// from the first that differs are replaced, so a recording appends its new rows alone and an
// unchanged list keeps its scroll position.
template <typename Items, typename DataOf>
void ShowItems(CListBoxEx* list, const Items& items, int selection, DataOf dataOf)
{
    const int wanted = static_cast<int>(items.size());
    int same = 0;
    while (same < list->count() && same < wanted) {
        const auto& item = items[static_cast<size_t>(same)];
        if (list->ItemData(same) != dataOf(item) ||
            list->item(same)->text() != ToQString(item.text)) {
            break;
        }
        ++same;
    }
    if (same < list->count() || same < wanted) {
        list->setUpdatesEnabled(false);
        while (list->count() > same) {
            delete list->takeItem(list->count() - 1);
        }
        for (int i = same; i < wanted; ++i) {
            const auto& item = items[static_cast<size_t>(i)];
            const uint32_t data = dataOf(item);
            list->AddItem(ToQString(item.text), static_cast<uint8_t>(data >> kItemKindShift),
                          data & kItemValueMask);
        }
        list->setUpdatesEnabled(true);
    }
    if (list->currentRow() != selection || selection < 0) {
        list->setCurrentRow(selection);
    }
    if (selection < 0) {
        list->clearSelection();
    } else {
        list->scrollToItem(list->item(selection));
    }
}

} // namespace

void CDlgMacro::SyncMacroList()
{
    // A macro item's data is its id; the list draws no icons, so its top byte (the category)
    // is never taken for an event kind.
    ShowItems(macroList_, editor_->MacroList().Items(), editor_->MacroList().Selection(),
              [](const MacroItem& item) { return item.id; });
}

void CDlgMacro::SyncEventList()
{
    ShowItems(eventList_, editor_->EventList().Items(), editor_->EventList().Selection(),
              [](const EventItem& item) { return item.Data(); });
}

} // namespace qx71::gui
