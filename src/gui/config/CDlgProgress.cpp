#include "gui/config/CDlgProgress.h"

#include "core/config/ProgressDialogModel.h"
#include "core/widgets/KitColours.h"
#include "gui/widgets/CPngHProgressBar.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace qx71::gui {
namespace {

std::string ImagePath(const char* name)
{
    return std::string(progress::kImageFolder) + "/" + name;
}

// The text's background: the dark panel of the dialog, so the grey keeps its contrast.
const QColor kTextBackground(18, 20, 24);

} // namespace

CDlgProgress::CDlgProgress(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromLatin1(progress::kWindowName));
    setModal(true);
    closeTimer_.setObjectName(QStringLiteral("closeTimer"));
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(progress::kCloseDelayMs);
    connect(&closeTimer_, &QTimer::timeout, this, &CDlgProgress::CloseDialog);
}

CDlgProgress::~CDlgProgress() = default;

void CDlgProgress::Prepare()
{
    closing_ = false;
    closeTimer_.stop();
    background_ = LoadSkin(ImagePath(progress::kBackgroundImage));
    fill_ = LoadSkin(ImagePath(progress::kFillImage));
    // Without its background the dialog is a single pixel (a window needs one to be shown
    // and to block): unseen, but it still blocks and still closes.
    const QSize size =
        background_.isNull() ? QSize(1, 1) : background_.deviceIndependentSize().toSize();
    setFixedSize(size);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const Point at =
        progress::CentredPosition({area.width(), area.height()}, {size.width(), size.height()});
    move(area.left() + at.x, area.top() + at.y);

    delete bar_;
    bar_ = new CPngHProgressBar(progress::kBarRect, this, progress::kBarId);
    bar_->SetImages(background_, fill_, progress::kBarRect);
    bar_->SetReadOnly(true);
    bar_->SetRange(progress::kBarRange.min, progress::kBarRange.max);
    bar_->SetValue(0);
    bar_->show();
}

int CDlgProgress::exec()
{
    Prepare();
    raise();
    activateWindow();
    return QDialog::exec();
}

void CDlgProgress::OnProgress(int value)
{
    const progress::ProgressStep step = progress::OnProgress(value);
    if (bar_ != nullptr) {
        bar_->SetValue(step.barValue);
    }
    repaint();
    if (step.closeLater && !closeTimer_.isActive()) {
        closeTimer_.start();
    }
}

void CDlgProgress::OnWriteFailed()
{
    CloseDialog();
}

void CDlgProgress::CloseDialog()
{
    closeTimer_.stop();
    closing_ = true;
    background_ = QPixmap();
    fill_ = QPixmap();
    done(QDialog::Accepted);
}

void CDlgProgress::reject()
{
    // Esc and the window manager's close do not end a write.
}

void CDlgProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!background_.isNull()) {
        painter.drawPixmap(rect(), background_);
    }
    const QString text = ToQString(progress::ProgressText(UiLanguage()));
    painter.setFont(SansFont(progress::kTextPointSize));
    const QRect box = ToQRect(progress::kTextBox);
    const QRect used = painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop, text);
    painter.fillRect(used, kTextBackground);
    painter.setPen(ToQColor(kitcolours::kGreyText));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

bool CDlgProgress::Swallowed(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        return true;
    case Qt::Key_F4:
        return (event->modifiers() & Qt::AltModifier) != 0;
    default:
        return false;
    }
}

void CDlgProgress::keyPressEvent(QKeyEvent* event)
{
    if (Swallowed(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgProgress::keyReleaseEvent(QKeyEvent* event)
{
    if (Swallowed(event)) {
        event->accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void CDlgProgress::closeEvent(QCloseEvent* event)
{
    // Alt+F4 reaches an X11 program as a close request from the window manager.
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
}

} // namespace qx71::gui
