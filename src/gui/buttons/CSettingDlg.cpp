#include "gui/buttons/CSettingDlg.h"
#include "gui/buttons/CSettingPage.h"

#include "core/i18n/UiStrings.h"
#include "core/macro/MacroLibrary.h"
#include "core/widgets/KitColours.h"
#include "gui/app/CMainPage.h"
#include "gui/buttons/CSetting_AdvanceDlg.h"
#include "gui/buttons/CSetting_BaseDlg.h"
#include "gui/buttons/CSetting_MacroDlg.h"
#include "gui/buttons/CSetting_SingleComboDlg.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

namespace ch = chooser;

constexpr ChooserPage kTabPages[ch::kTabCount] = {ChooserPage::Key, ChooserPage::Macro,
                                                  ChooserPage::Basic, ChooserPage::Advanced};
constexpr const char* kTabKeys[ch::kTabCount] = {"str_key_com", "str_macro_set", "str_basic",
                                                 "str_advance"};

MacroLister LibraryLister(const MacroLibrary& library)
{
    return [&library](uint32_t category) { return library.ListCategory(category); };
}

} // namespace

CSettingDlg::CSettingDlg(PageContext& context, WindowHandle keyWindow, ButtonIndex button,
                         std::u16string currentName, QWidget* parent)
    : QDialog(parent), context_(context), capture_(context.hooks, keyWindow),
      model_(button, std::move(currentName), LibraryLister(context.macros), &capture_)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(ToQString(ch::kWindowName));
    setModal(true);
}

CSettingDlg::~CSettingDlg() = default;

CGDIBitmapBtn* CSettingDlg::Tab(ChooserPage page) const
{
    const int n = static_cast<int>(page);
    return n >= 1 && n <= static_cast<int>(ch::kTabCount) ? tabs_[static_cast<size_t>(n - 1)]
                                                          : nullptr;
}

void CSettingDlg::Prepare()
{
    if (prepared_) {
        return;
    }
    prepared_ = true;
    normal_ = LoadSkin(ch::kPopupSheets.normal);
    over_ = LoadSkin(ch::kPopupSheets.hover);
    down_ = LoadSkin(ch::kPopupSheets.pressed);
    const QSize size =
        normal_.isNull() ? ToQSize(ch::kPopupSize) : normal_.deviceIndependentSize().toSize();
    setFixedSize(size);
    CreateControls();
    model_.Open();
    macroPage_->Fill();
    Retranslate();
    ShowState();
    if (QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr) {
        const QRect frame = owner->geometry();
        move(frame.left() + (frame.width() - size.width()) / 2,
             frame.top() + (frame.height() - size.height()) / 2);
    }
}

int CSettingDlg::exec()
{
    Prepare();
    raise();
    activateWindow();
    return QDialog::exec();
}

void CSettingDlg::Open()
{
    Prepare();
    open();
    raise();
    activateWindow();
}

void CSettingDlg::CreateControls()
{
    auto button = [this](const Rect& rect) {
        auto* b = new CGDIBitmapBtn(rect, this);
        b->SetStateImages(normal_, over_, down_, normal_, rect);
        b->SetUseCheckedImages(true);
        return b;
    };
    close_ = button(ch::kCloseButton);
    close_->setAccessibleName(QStringLiteral("Close"));
    connect(close_, &CGDIBitmapBtn::clicked, this, [this] { Finish(model_.PressClose()); });
    for (size_t i = 0; i < ch::kTabCount; ++i) {
        tabs_[i] = button(ch::kTabs[i]);
        tabs_[i]->SetTextColours(ToQColor(ch::kTabText), ToQColor(kitcolours::kTextHover),
                                 ToQColor(kitcolours::kTextPressed));
        const ChooserPage page = kTabPages[i];
        connect(tabs_[i], &CGDIBitmapBtn::clicked, this, [this, page] {
            model_.SelectTab(page);
            ShowState();
        });
    }
    disable_ = button(ch::kDisableBox);
    connect(disable_, &CGDIBitmapBtn::clicked, this, [this] {
        model_.ClickDisable();
        ShowState();
    });
    default_ = button(ch::kDefaultButton);
    connect(default_, &CGDIBitmapBtn::clicked, this, [this] { Finish(model_.PressDefault()); });
    ok_ = button(ch::kOkButton);
    connect(ok_, &CGDIBitmapBtn::clicked, this, [this] { Finish(model_.PressOk()); });

    keyPage_ = new CSetting_SingleComboDlg(model_.KeyPage(), this);
    macroPage_ = new CSetting_MacroDlg(model_.MacroPage(), ChineseUi(), this);
    basicPage_ = new CSetting_BaseDlg(model_.BasicPage(), context_.strings, this);
    advancedPage_ = new CSetting_AdvanceDlg(model_.AdvancedPage(), context_.strings,
                                            context_.messages, ChineseUi(), this);
}

void CSettingDlg::Retranslate()
{
    const UiStrings& strings = context_.strings;
    auto caption = [&](CGDIBitmapBtn* b, const char* key) {
        const QString text = ToQString(strings.Get(key));
        b->SetCaption(text);
        b->SetToolTipText(text);
    };
    for (size_t i = 0; i < ch::kTabCount; ++i) {
        caption(tabs_[i], kTabKeys[i]);
    }
    caption(default_, "str_default_setting");
    caption(ok_, "str_ok");
    disable_->SetToolTipText(ToQString(strings.Get("str_disable")));
}

void CSettingDlg::ShowState()
{
    for (size_t i = 0; i < ch::kTabCount; ++i) {
        tabs_[i]->SetChecked(model_.TabChecked(kTabPages[i]));
    }
    disable_->SetChecked(model_.DisableChecked());
    const ChooserPage visible = model_.VisiblePage();
    keyPage_->setVisible(visible == ChooserPage::Key);
    macroPage_->setVisible(visible == ChooserPage::Macro);
    basicPage_->setVisible(visible == ChooserPage::Basic);
    advancedPage_->setVisible(visible == ChooserPage::Advanced);
    keyPage_->ShowState();
    update();
}

void CSettingDlg::OnKeyEvent(uint32_t wParam, uint32_t lParam)
{
    if (keyPage_ != nullptr && model_.VisiblePage() == ChooserPage::Key) {
        keyPage_->OnHookKey(wParam, lParam);
    }
}

void CSettingDlg::Finish(ChooserEnd end)
{
    finished_ = true;
    done(end == ChooserEnd::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void CSettingDlg::reject()
{
    // The window manager's close (Alt+F4): a cancel that also ends the key routing.
    if (!finished_) {
        finished_ = true;
        model_.CloseOther();
    }
    QDialog::reject();
}

void CSettingDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, normal_);
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(painter, text);
    }
}

std::vector<TextLayout> CSettingDlg::TextLayouts() const
{
    const UiStrings& strings = context_.strings;
    return {
        LayOutChooserText(QStringLiteral("title"), ch::kTitleText,
                          ToQString(strings.Get("str_panel")), ch::kTitleColour,
                          // At the top of its row: the current function's row begins under it.
                          Qt::AlignHCenter | Qt::AlignTop),
        LayOutChooserText(QStringLiteral("current function"), ch::kCurrentFunctionText,
                          ToQString(strings.Get("str_cur_function")) +
                              ToQString(model_.CurrentName()),
                          ch::kInfoColour, Qt::AlignLeft),
        LayOutChooserText(QStringLiteral("disable"), ch::kDisableText,
                          ToQString(strings.Get("str_disable")), ch::kInfoColour, Qt::AlignLeft),
    };
}

void CSettingDlg::mousePressEvent(QMouseEvent* event)
{
    // The background moves the popup, as a caption would.
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CSettingDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton) != 0) {
        move(event->globalPosition().toPoint() - dragFrom_);
    }
}

void CSettingDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

void CSettingDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsSwallowedKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSettingDlg::keyReleaseEvent(QKeyEvent* event)
{
    if (IsSwallowedKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace qx71::gui
