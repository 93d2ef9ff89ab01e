#include "gui/buttons/CDlgMainSet.h"

#include "core/config/ConfigStore.h"
#include "core/hooks/PointerSupport.h"
#include "core/i18n/UiStrings.h"
#include "core/stats/ICursorPosition.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/SliderSkins.h"
#include "gui/buttons/CSettingDlg.h"
#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/CPngHSliderBar.h"
#include "gui/widgets/DigitsValidator.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qx71::gui {
namespace {

namespace ms = mainset;

constexpr std::array<const Rect*, 2> kSliderRows{&ms::kSpeedRow, &ms::kSensorRow};
// The notes on settings the desktop ignores, as the hint line's text.
constexpr int kPointerNotePixelSize = 13;

constexpr std::array<PageLabel, ms::kSectionCount> kSectionLabels{
    PageLabel::DpiSection,  PageLabel::SpeedSection, PageLabel::SensorSection,
    PageLabel::RateSection, PageLabel::WheelSection, PageLabel::ButtonsSection,
};
constexpr std::array<PageLabel, kButtonCount> kTabLabels{
    PageLabel::TabLeft, PageLabel::TabMiddle,  PageLabel::TabRight,     PageLabel::TabForward,
    PageLabel::TabBack, PageLabel::TabWheelUp, PageLabel::TabWheelDown,
};

struct SliderMark {
    const Rect* box;
    PageLabel label;
    Qt::Alignment align;
};
constexpr std::array<SliderMark, 4> kSliderMarks{{
    {&ms::kSlowMark, PageLabel::SlowMark, Qt::AlignRight},
    {&ms::kFastMark, PageLabel::FastMark, Qt::AlignLeft},
    {&ms::kLowMark, PageLabel::LowMark, Qt::AlignRight},
    {&ms::kHighMark, PageLabel::HighMark, Qt::AlignLeft},
}};

constexpr int kCaptionPixels = 14;
constexpr int kTitlePixels = 16;
// The section titles start right of their amber mark; the accuracy caption right of its box.
constexpr Rect kTitleMark{0, 0, 5, 0};
constexpr Rect kAccuracyBox{8, 7, 21, 21};
// The marks keep this far from the slider's groove.
constexpr int kMarkInset = 3;

QFont TitleFont()
{
    QFont font = ShellDlgFont(kTitlePixels);
    font.setWeight(QFont::DemiBold);
    return font;
}

} // namespace

CDlgMainSet::CDlgMainSet(PageContext& context, QWidget* parent)
    : CMainPage(MainPage::Buttons, context, parent),
      model_(
          context.store.CurrentProfile(), context.store.ButtonMacroIds(), context.messages,
          [] { return ChineseUi(); }, LibraryMacroNames(context.macros))
{
    setMouseTracking(true);
    sheetsChinese_ = ChineseUi();
    CreateControls();
    PlaceWheelControls();
    RetranslateUi();
    model_.RefreshFromProfile();
    ShowState();
    StartSpotTimer();
    StartNormaliseTimer();
}

CDlgMainSet::~CDlgMainSet()
{
    // A window that closes with the chooser open ends it as a cancel (and the keys go back).
    if (chooser_ != nullptr) {
        chooser_->disconnect(this);
        delete chooser_;
    }
    Context().timers.Cancel(spotTimer_);
    Context().timers.Cancel(normaliseTimer_);
}

CGDIBitmapBtn* CDlgMainSet::NewButton(const Rect& rect)
{
    auto* button = new CGDIBitmapBtn(rect, this);
    button->SetUseCheckedImages(true);
    connect(button, &CGDIBitmapBtn::mouseMoved, this,
            [this](Qt::MouseButtons, QPoint at) { ShowHints(at); });
    return button;
}

void CDlgMainSet::CreateControls()
{
    for (size_t i = 0; i < ms::kDpiButtonCount; ++i) {
        dpi_[i] = NewButton(ms::DpiButton(i));
        dpi_[i]->setAccessibleName(QString::number(kDpiValues[i]));
        connect(dpi_[i], &CGDIBitmapBtn::clicked, this, [this, i] {
            model_.ClickDpi(i);
            ShowState();
        });
    }
    for (size_t i = 0; i < ms::kRateButtonCount; ++i) {
        rate_[i] = NewButton(ms::kRateButtons[i]);
        rate_[i]->setAccessibleName(QStringLiteral("%1 Hz").arg(kReportRates[i].hertz));
        connect(rate_[i], &CGDIBitmapBtn::clicked, this, [this, i] {
            model_.ClickReportRate(i);
            ShowState();
        });
    }
    for (size_t i = 0; i < kButtonCount; ++i) {
        // The spots only show; the timer lights them.
        spots_[i] = NewButton(ms::kSpots[i]);
        spots_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (size_t i = 0; i < ms::kSectionCount; ++i) {
        sections_[i] = NewButton(ms::kSectionCaptions[i]);
        sections_[i]->SetUseCheckedImages(false);
        sections_[i]->setFont(TitleFont());
        sections_[i]->SetIconRect(kTitleMark);
        sections_[i]->SetCaptionAlignment(Qt::AlignLeft);
        sections_[i]->SetTextColours(ToQColor(kitcolours::kTitle), ToQColor(kitcolours::kTextHover),
                                     ToQColor(kitcolours::kTextHover));
    }
    accuracy_ = NewButton(ms::kAccuracyButton);
    accuracy_->SetIconRect(kAccuracyBox);
    accuracy_->SetCaptionAlignment(Qt::AlignLeft);
    connect(accuracy_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickAccuracy();
        ShowState();
    });

    const ms::WheelLayout& wheel = ms::WheelLayoutFor(false);
    lines_ = NewButton(wheel.linesButton);
    screen_ = NewButton(wheel.screenButton);
    up_ = NewButton(wheel.upArrow);
    down_ = NewButton(wheel.downArrow);
    for (CGDIBitmapBtn* arrow : {up_, down_}) {
        arrow->SetUseCheckedImages(false);
    }
    for (CGDIBitmapBtn* button : {accuracy_, lines_, screen_}) {
        button->setFont(ShellDlgFont(kCaptionPixels));
    }
    connect(lines_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickLinesButton();
        ShowState();
    });
    connect(screen_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickScreenButton();
        ShowState();
    });
    connect(up_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickUpArrow();
        ShowState();
    });
    connect(down_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickDownArrow();
        ShowState();
    });
    field_ = new CBitmapEdit(wheel.linesField, QPixmap(), this, kLinesFieldId);
    field_->setAlignment(Qt::AlignCenter);
    // Only a click puts the caret there: the page opens without a blinking field.
    field_->setFocusPolicy(Qt::ClickFocus);
    // The field takes digits only; the model still copes with anything else.
    field_->setValidator(new DigitsValidator(field_));
    connect(field_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetLinesFieldText(ToU16(text)); });

    const QPixmap thumb = LoadSkin(sliderskins::kThumb);
    const int thumbWidth =
        thumb.isNull() ? ms::kSliderThumb.width : thumb.deviceIndependentSize().toSize().width();
    const int thumbHeight =
        thumb.isNull() ? ms::kSliderThumb.height : thumb.deviceIndependentSize().toSize().height();
    auto slider = [&](const Rect& track, int id, int min, int max, CPngHSliderBar*& bar) {
        bar = new CPngHSliderBar(track, QPixmap(), this, id);
        auto* thumbWidget =
            new CPngHSlider(thumb, {track.left, track.right, thumbWidth},
                            track.top + (track.Height() - thumbHeight) / 2, this, id);
        thumbWidget->SetRange(min, max);
        bar->SetSlider(thumbWidget);
        auto moved = [this](int value, int controlId) { model_.OnSliderMessage(value, controlId); };
        connect(bar, &CPngHSliderBar::moved, this, moved);
        connect(thumbWidget, &CPngHSlider::moved, this, moved);
        return thumbWidget;
    };
    speed_ = slider(ms::kSpeedTrack, kSpeedSliderId, kPointerSpeedMin, kPointerSpeedMax, speedBar_);
    sensor_ =
        slider(ms::kSensorTrack, kSensorSliderId, kSensorLevelMin, kSensorLevelMax, sensorBar_);

    for (size_t i = 0; i < kButtonCount; ++i) {
        auto* tab = new CIrrButton(ms::kTabs[i], this, static_cast<int>(i));
        tab->setFont(ShellDlgFont(kCaptionPixels));
        connect(tab, &CIrrButton::clicked, this,
                [this](int id) { AssignButton(static_cast<ButtonIndex>(id)); });
        tabs_[i] = tab;
    }
}

void CDlgMainSet::LoadSkins()
{
    // The page paints the normal sheet; the buttons keep only the pieces they cut.
    sheetNormal_ = LoadSkin(ms::kSheetNormal);
    const QPixmap over = LoadSkin(ms::kSheetOver);
    const QPixmap down = LoadSkin(ms::kSheetDown);
    auto cut = [&](CGDIBitmapBtn* button) {
        button->SetStateImages(sheetNormal_, over, down, sheetNormal_,
                               FromQRect(button->geometry()));
    };
    std::for_each(dpi_.begin(), dpi_.end(), cut);
    std::for_each(rate_.begin(), rate_.end(), cut);
    std::for_each(spots_.begin(), spots_.end(), cut);
    SkinLanguageSheets();
}

void CDlgMainSet::ReleaseSkins()
{
    sheetNormal_ = QPixmap();
    sliderRows_ = {};
}

void CDlgMainSet::SkinLanguageSheets()
{
    const ms::LanguageSheets& set = ms::LanguageSheetsFor(sheetsChinese_);
    const QPixmap normal = LoadSkin(set.normal);
    const QPixmap over = LoadSkin(set.hover);
    const QPixmap down = LoadSkin(set.pressed);
    auto words = [&](CGDIBitmapBtn* button) {
        button->SetStateImages(normal, over, down, normal, FromQRect(button->geometry()));
    };
    std::for_each(sections_.begin(), sections_.end(), words);
    for (CGDIBitmapBtn* button : {accuracy_, lines_, screen_, up_, down_}) {
        words(button);
    }
    field_->setPalette([&] {
        QPalette palette = field_->palette();
        palette.setBrush(QPalette::Base,
                         QBrush(CutSheet(normal, ms::WheelLayoutFor(sheetsChinese_).linesField)));
        return palette;
    }());
    for (CIrrButton* tab : tabs_) {
        tab->SetSheets(normal, over, down, normal);
    }
    for (size_t i = 0; i < kSliderRows.size(); ++i) {
        sliderRows_[i] = CutSheet(over, *kSliderRows[i]);
    }
    update();
}

void CDlgMainSet::PlaceWheelControls()
{
    const ms::WheelLayout& wheel = ms::WheelLayoutFor(sheetsChinese_);
    lines_->setGeometry(ToQRect(wheel.linesButton));
    field_->setGeometry(ToQRect(wheel.linesField));
    up_->setGeometry(ToQRect(wheel.upArrow));
    down_->setGeometry(ToQRect(wheel.downArrow));
    screen_->setGeometry(ToQRect(wheel.screenButton));
}

void CDlgMainSet::RefreshFromProfile()
{
    model_.RefreshFromProfile();
    ShowState();
}

void CDlgMainSet::RetranslateUi()
{
    // The page images carry the words of one built-in language: a change of it loads the
    // other set (and the wheel controls move to where that image draws them).
    if (sheetsChinese_ != ChineseUi()) {
        sheetsChinese_ = ChineseUi();
        PlaceWheelControls();
        if (SkinsLoaded()) {
            SkinLanguageSheets();
        }
    }
    const UiStrings& strings = Context().strings;
    auto tip = [&](QWidget* widget, const char* key) {
        const QString text = ToQString(strings.Get(key));
        widget->setToolTip(text);
        widget->setAccessibleName(text);
    };
    for (CGDIBitmapBtn* button : dpi_) {
        button->setToolTip(ToQString(strings.Get("str_dpiwant")));
    }
    for (CGDIBitmapBtn* button : rate_) {
        button->setToolTip(ToQString(strings.Get("str_rollingrate")));
    }
    for (size_t i = 0; i < kButtonCount; ++i) {
        tabs_[i]->SetCaption(Label(kTabLabels[i], strings));
        spots_[i]->setAccessibleName(Label(kTabLabels[i], strings));
    }
    for (size_t i = 0; i < ms::kSectionCount; ++i) {
        sections_[i]->SetCaption(Label(kSectionLabels[i], strings));
    }
    accuracy_->SetCaption(Label(PageLabel::Accuracy, strings));
    lines_->SetCaption(Label(PageLabel::LinesButton, strings));
    screen_->SetCaption(Label(PageLabel::ScreenButton, strings));
    // A caption also names the button for screen readers; these keep their tooltips.
    tip(accuracy_, "str_improveAccuracy");
    tip(lines_, "str_rollerColumn");
    tip(screen_, "str_rollerScreen");
    speed_->setAccessibleName(Label(PageLabel::SpeedSection, strings));
    sensor_->setAccessibleName(Label(PageLabel::SensorSection, strings));
    field_->setAccessibleName(Label(PageLabel::LinesButton, strings));
    update();
}

void CDlgMainSet::BeforeApply()
{
    model_.SetLinesFieldText(ToU16(field_->text()));
    if (model_.Profile().wheelLines != kWheelOneScreen) {
        NormaliseField();
    }
}

void CDlgMainSet::NormaliseField()
{
    model_.NormaliseScrollLines();
    ShowState();
    field_->setCursorPosition(static_cast<int>(field_->text().size()));
}

void CDlgMainSet::ShowState()
{
    for (size_t i = 0; i < ms::kDpiButtonCount; ++i) {
        dpi_[i]->SetChecked(model_.DpiChecked(i));
    }
    for (size_t i = 0; i < ms::kRateButtonCount; ++i) {
        rate_[i]->SetChecked(model_.RateChecked(i));
    }
    accuracy_->SetChecked(model_.AccuracyChecked());
    lines_->SetChecked(model_.LinesChecked());
    screen_->SetChecked(model_.ScreenChecked());
    const bool linesEnabled = model_.LinesControlsEnabled();
    up_->setEnabled(linesEnabled);
    down_->setEnabled(linesEnabled);
    field_->setEnabled(linesEnabled);
    const QString text = ToQString(model_.LinesFieldText());
    if (field_->text() != text) {
        field_->setText(text);
    }
    speed_->SetValue(model_.SpeedSliderValue());
    sensor_->SetValue(model_.SensorSliderValue());
    for (size_t i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<ButtonIndex>(i);
        tabs_[i]->SetSelected(model_.TabHighlighted(button));
        spots_[i]->SetChecked(model_.SpotChecked(button));
    }
}

void CDlgMainSet::AssignButton(ButtonIndex button)
{
    if (chooser_ != nullptr) {
        return;
    }
    const std::u16string name = model_.BeginAssign(button);
    if (runChooser_) {
        model_.FinishAssign(runChooser_(button, name));
        ShowState();
        return;
    }
    chooser_ = new CSettingDlg(Context(), Handle(), button, name, this);
    connect(chooser_, &QDialog::finished, this, &CDlgMainSet::OnChooserFinished);
    chooser_->Open();
}

CSettingDlg* CDlgMainSet::OpenChooser() const
{
    return chooser_;
}

void CDlgMainSet::OnChooserFinished(int result)
{
    CSettingDlg* chooser = chooser_;
    chooser_ = nullptr;
    if (chooser == nullptr) {
        return;
    }
    const std::optional<ChooserResult> chosen =
        result == QDialog::Accepted ? std::optional<ChooserResult>(chooser->Result())
                                    : std::nullopt;
    chooser->deleteLater();
    model_.FinishAssign(chosen);
    ShowState();
}

void CDlgMainSet::OnKeyEvent(uint32_t wParam, uint32_t lParam)
{
    // The chooser is modal: the keys it captures arrive here, at its page.
    if (chooser_ != nullptr) {
        chooser_->OnKeyEvent(wParam, lParam);
    }
}

void CDlgMainSet::StartSpotTimer()
{
    spotTimer_ = Context().timers.After(kSpotTimerMs, [this] {
        spotTimer_ = ITimerQueue::kNoTimer;
        OnSpotTimer();
        StartSpotTimer();
    });
}

void CDlgMainSet::StartNormaliseTimer()
{
    normaliseTimer_ = Context().timers.After(kNormaliseTimerMs, [this] {
        normaliseTimer_ = ITimerQueue::kNoTimer;
        OnNormaliseTimer();
        StartNormaliseTimer();
    });
}

void CDlgMainSet::OnSpotTimer()
{
    QPoint screen = QCursor::pos();
    if (ICursorPosition* cursor = Context().cursor) {
        int32_t x = 0;
        int32_t y = 0;
        if (!cursor->Read(x, y)) {
            return;
        }
        screen = QPoint(x, y);
    }
    const bool foreground = window() != nullptr && window()->isActiveWindow();
    model_.UpdateSpots(FromQPoint(mapFromGlobal(screen)), foreground);
    for (size_t i = 0; i < kButtonCount; ++i) {
        spots_[i]->SetChecked(model_.SpotChecked(static_cast<ButtonIndex>(i)));
    }
}

void CDlgMainSet::OnNormaliseTimer()
{
    model_.SetLinesFieldText(ToU16(field_->text()));
    if (model_.LinesChecked()) {
        NormaliseField();
    }
}

void CDlgMainSet::ShowHints(QPoint pagePoint)
{
    if (!Context().showHint) {
        return;
    }
    for (const int id : MainSetHoverIds(FromQPoint(pagePoint), sheetsChinese_)) {
        Context().showHint(id);
    }
}

void CDlgMainSet::mouseMoveEvent(QMouseEvent* event)
{
    ShowHints(event->position().toPoint());
    CMainPage::mouseMoveEvent(event);
}

void CDlgMainSet::keyPressEvent(QKeyEvent* event)
{
    // The page swallows Enter, Escape and Space.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        event->accept();
        return;
    default:
        CMainPage::keyPressEvent(event);
    }
}

void CDlgMainSet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, sheetNormal_);
    for (size_t i = 0; i < kSliderRows.size(); ++i) {
        painter.drawPixmap(ToQRect(*kSliderRows[i]), sliderRows_[i]);
    }
    painter.setPen(ToQColor(kitcolours::kTextNormal));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(painter, text);
    }
}

std::vector<TextLayout> CDlgMainSet::TextLayouts() const
{
    std::vector<TextLayout> out;
    for (const SliderMark& mark : kSliderMarks) {
        const QRect box = ToQRect(*mark.box).adjusted(kMarkInset, 0, -kMarkInset, 0);
        out.push_back(LayOutLine(QStringLiteral("slider mark"),
                                 Label(mark.label, Context().strings), ShellDlgFont(kCaptionPixels),
                                 box, mark.align));
    }
    // The settings this desktop ignores are named next to their controls.
    const PointerPageNotes notes = PointerNotes(Context().pointerSupport);
    for (const auto& [area, note] : {std::pair{ms::kPointerNoteArea, notes.pointer},
                                     std::pair{ms::kWheelNoteArea, notes.wheel}}) {
        if (note) {
            TextLayout text =
                LayOutLine(QStringLiteral("pointer note"), Label(*note, Context().strings),
                           ShellDlgFont(kPointerNotePixelSize), ToQRect(area), Qt::AlignLeft);
            text.colour = ToQColor(kitcolours::kHintText);
            out.push_back(std::move(text));
        }
    }
    return out;
}

} // namespace qx71::gui
