#include "gui/update/CDlgSupport.h"

#include "core/common/IMessageSink.h"
#include "core/common/IQuestionSink.h"
#include "core/config/ConfigStore.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/UiStrings.h"
#include "core/update/FirmwareUpdate.h"
#include "core/update/FirmwareVersion.h"
#include "core/update/SupportPage.h"
#include "core/update/UpdatePaths.h"
#include "core/update/WebSite.h"
#include "core/widgets/InfoBoxModel.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace qx71::gui {
namespace {

namespace sp = support;

} // namespace

CDlgSupport::CDlgSupport(PageContext& context, QWidget* parent)
    : CMainPage(MainPage::Support, context, parent)
{
    setMouseTracking(true);
    CreateButtons();
    SetWebSite(std::string(BuiltInWebSite()));

    const PageContext& c = Context();
    FirmwareUpdateServices services{
        c.markup, c.files, c.downloader, c.starter, *this,
        // The update thread reaches the page only through the page's event queue; a task
        // still queued when the page goes is dropped with it.
        [this](std::function<void()> task) {
            QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
        },
        [&language = c.language] { return language.ChineseUi() == 1; }};
    update_ = std::make_unique<FirmwareUpdate>(
        std::move(services), FormUpdatePaths(c.installDir, c.dataDir, c.installDirWritable),
        DescriptionAddress(c.updateServer));
    RetranslateUi();
}

CDlgSupport::~CDlgSupport()
{
    StopUpdateCheck();
}

void CDlgSupport::CreateButtons()
{
    for (size_t i = 0; i < sp::kControlCount; ++i) {
        const sp::ControlSpec& spec = sp::kControls[i];
        auto* button = new CGDIBitmapBtn(spec.rect, this, static_cast<int>(i));
        if (IsDisplayOnly(spec.control)) {
            // Shown checked for good: a click changes nothing.
            button->SetUseCheckedImages(true);
            button->SetChecked(true);
        } else {
            // The caption beside the glyph, in the button's own coordinates.
            const Rect glyph = sp::GlyphRect(spec.rect);
            button->SetIconRect(Rect{glyph.left - spec.rect.left, 0, glyph.right - spec.rect.left,
                                     spec.rect.Height()});
            button->SetTwoLineCaption(true);
        }
        connect(button, &CGDIBitmapBtn::clicked, this,
                [this, control = spec.control] { OnClicked(control); });
        connect(button, &CGDIBitmapBtn::mouseMoved, this,
                [this](Qt::MouseButtons, QPoint at) { ShowHintsAt(at); });
        buttons_[i] = button;
    }
}

void CDlgSupport::LoadSkins()
{
    // The page paints the normal sheet; the buttons keep only the pieces they cut.
    normal_ = LoadSkin(sp::kSheetNormal);
    const QPixmap down = LoadSkin(sp::kSheetDown);
    const QPixmap over = LoadSkin(sp::kSheetOver);
    const QPixmap disabled = LoadSkin(sp::kSheetDisabled);
    for (size_t i = 0; i < sp::kControlCount; ++i) {
        const sp::ControlSpec& spec = sp::kControls[i];
        buttons_[i]->SetStateImages(normal_, over, down, disabled, spec.rect);
        if (IsDisplayOnly(spec.control)) {
            buttons_[i]->SetCheckedImages(down, QPixmap(), spec.rect);
        }
    }
    update();
}

void CDlgSupport::ReleaseSkins()
{
    normal_ = QPixmap();
}

CGDIBitmapBtn* CDlgSupport::Button(sp::Control control) const
{
    return buttons_[static_cast<size_t>(control)];
}

void CDlgSupport::SetWebSite(const std::string& address)
{
    webSite_ = WebSiteToOpen(address);
    Button(sp::Control::WebSite)->setEnabled(!webSite_.empty());
}

void CDlgSupport::RetranslateUi()
{
    const UiStrings& strings = Context().strings;
    for (const sp::ControlSpec& spec : sp::kControls) {
        if (!spec.tooltipKey.empty()) {
            Button(spec.control)->SetToolTipText(ToQString(strings.Get(spec.tooltipKey)));
        }
        if (const std::string_view caption = CaptionKey(spec.control); !caption.empty()) {
            Button(spec.control)->SetCaption(ToQString(strings.Get(caption)));
        }
    }
    update();
}

void CDlgSupport::SetFirmwareVersionText(const std::u16string& text)
{
    update_->SetFirmwareVersionText(text);
    update();
}

QString CDlgSupport::ProgramVersionShown() const
{
    return ToQString(kProgramVersionText);
}

QString CDlgSupport::FirmwareVersionShown() const
{
    return ToQString(FirmwareVersionDisplay(update_->FirmwareVersionText()));
}

// ---- drawing and hints ----

void CDlgSupport::DrawVersion(QPainter& painter, const QString& text, const sp::LayoutBox& box,
                              const Rect& well)
{
    const QRect layout(box.x, box.y, std::max(box.width, well.right - box.x),
                       std::max(box.height, well.bottom - box.y));
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    // An opaque text: its own cell is filled with the background first.
    painter.fillRect(painter.fontMetrics().boundingRect(layout, kFlags, text),
                     ToQColor(sp::kVersionBackground));
    painter.drawText(layout, kFlags, text);
}

void CDlgSupport::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, normal_);
    painter.setFont(SansFont(sp::kVersionFontPoints));
    painter.setPen(ToQColor(sp::kVersionText));
    DrawVersion(painter, ProgramVersionShown(), sp::kProgramVersionBox, sp::kProgramVersionWell);
    DrawVersion(painter, FirmwareVersionShown(), sp::kFirmwareVersionBox, sp::kFirmwareVersionWell);
}

void CDlgSupport::mouseMoveEvent(QMouseEvent* event)
{
    ShowHintsAt(event->position().toPoint());
}

void CDlgSupport::ShowHintsAt(QPoint pagePoint)
{
    for (const uint32_t code : SupportHintsAt(FromQPoint(pagePoint))) {
        Context().showHint(static_cast<int>(code));
    }
}

// ---- actions ----

void CDlgSupport::OnClicked(sp::Control control)
{
    switch (control) {
    case sp::Control::Update:
        update_->CheckForFirmwareUpdate();
        break;
    case sp::Control::WebSite:
        OpenWebSite();
        break;
    case sp::Control::Import:
        ImportProfile();
        break;
    case sp::Control::Export:
        ExportProfile();
        break;
    case sp::Control::Defaults:
        RestoreDefaults();
        break;
    case sp::Control::ProgramVersion:
    case sp::Control::FirmwareVersion:
        break;
    }
}

void CDlgSupport::OpenWebSite()
{
    if (!webSite_.empty()) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(webSite_)));
    }
}

std::optional<std::filesystem::path> CDlgSupport::ChooseProfileFile(bool forSaving)
{
    QFileDialog dialog(this, QString(), QString(), ToQString(kProfileFileFilter));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(ToQString(kProfileFileSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

void CDlgSupport::ImportProfile()
{
    // Only the profile in memory changes; Apply writes it to the mouse and saves it. The
    // pages show it at once, so what they show is what Apply writes.
    const auto file = ChooseProfileFile(false);
    if (file && Context().store.ImportProfile(*file) && Context().profileImported) {
        Context().profileImported();
    }
}

void CDlgSupport::ExportProfile()
{
    if (const auto file = ChooseProfileFile(true)) {
        Context().store.ExportProfile(*file);
    }
}

void CDlgSupport::RestoreDefaults()
{
    const bool chinese = Context().language.ChineseUi() == 1;
    if (Context().questions.Ask(std::u16string(kRestoreDefaultsQuestion.In(chinese)))) {
        Context().restoreDefaults();
    }
}

// ---- the update check ----

void CDlgSupport::StartUpdateCheck()
{
    update_->Start();
}

void CDlgSupport::StopUpdateCheck()
{
    // Ends a running download and an open question at once; nothing waits for the server.
    update_->Stop();
    KillCheckTimer();
    CloseUpdateBoxes();
}

void CDlgSupport::StartCheckTimer(uint32_t ms)
{
    KillCheckTimer();
    checkTimer_ = Context().timers.After(ms, [this] {
        checkTimer_ = ITimerQueue::kNoTimer;
        update_->OnCheckTimer();
    });
}

void CDlgSupport::KillCheckTimer()
{
    Context().timers.Cancel(checkTimer_);
    checkTimer_ = ITimerQueue::kNoTimer;
}

void CDlgSupport::ShowBox(const std::u16string& text, BoxOwner owner)
{
    if (owner == BoxOwner::Page) {
        Context().messages.Show({MessageKind::InfoBox, {}, text});
        return;
    }
    OpenUpdateBox(text, false, nullptr);
}

void CDlgSupport::Ask(const std::u16string& text, BoxOwner owner,
                      std::function<void(bool ok)> answered)
{
    if (owner == BoxOwner::Page) {
        answered(Context().questions.Ask(text));
        return;
    }
    OpenUpdateBox(text, true, std::move(answered));
}

void CDlgSupport::CloseProgram()
{
    // The close destroys the pages, this one too: it runs from the window's queue once the
    // page's own call (a click, a task of the update thread) has returned.
    QMetaObject::invokeMethod(
        window(), [close = Context().closeWindow] { close(); }, Qt::QueuedConnection);
}

void CDlgSupport::OpenUpdateBox(const std::u16string& text, bool question,
                                std::function<void(bool ok)> answered)
{
    // Owned by no window and not modal: the window stays usable while the box is open.
    auto* box = new CDlgInfo(nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->SetText(ToQString(text));
    box->SetStyle(question ? infobox::Style::OkCancel : infobox::Style::OkOnly);
    box->Prepare();
    connect(box, &QDialog::finished, box, [answered = std::move(answered)](int result) {
        if (answered) {
            answered(result == infobox::kResultOk);
        }
    });
    std::erase_if(updateBoxes_, [](const QPointer<CDlgInfo>& open) { return open.isNull(); });
    updateBoxes_.emplace_back(box);
    box->show();
}

std::vector<CDlgInfo*> CDlgSupport::OpenUpdateBoxes() const
{
    std::vector<CDlgInfo*> open;
    for (const QPointer<CDlgInfo>& box : updateBoxes_) {
        if (!box.isNull() && box->isVisible()) {
            open.push_back(box.data());
        }
    }
    return open;
}

void CDlgSupport::CloseUpdateBoxes()
{
    for (QPointer<CDlgInfo>& box : updateBoxes_) {
        if (!box.isNull()) {
            box->reject();
            box->deleteLater();
        }
    }
    updateBoxes_.clear();
}

} // namespace qx71::gui
