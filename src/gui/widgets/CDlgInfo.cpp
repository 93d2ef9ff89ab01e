#include "gui/widgets/CDlgInfo.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WrappedText.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace qx71::gui {
namespace {

// The background is stretched at this row when a long message makes the box taller: below
// the message box, above the buttons.
constexpr int kStretchRow = 112;

QRect ScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

Rect Shifted(const Rect& r, int dy)
{
    return {r.left, r.top + dy, r.right, r.bottom + dy};
}

} // namespace

CDlgInfo::CDlgInfo(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromLatin1(infobox::kWindowName));
    setModal(true);
    setFont(ShellDlgFont(kKitTextHeight));
    timer_.setObjectName(QStringLiteral("countDown"));
    timer_.setInterval(infobox::kCountDownIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CDlgInfo::OnTick);
}

CDlgInfo::~CDlgInfo() = default;

QString CDlgInfo::Title() const
{
    return title_.isEmpty() ? ToQString(infobox::TitleText(chinese_)) : title_;
}

int CDlgInfo::MessageHeight() const
{
    return WrappedTextHeight(text_, font(), infobox::kMessageBox.Width());
}

CGDIBitmapBtn* CDlgInfo::MakeButton(const Rect& rect, const QString& caption, bool withCaption)
{
    // The buttons at the bottom move down with a grown box; the cross stays at the top.
    const int shift = rect.top >= infobox::kButtonRowTop ? extra_ : 0;
    auto* button = new CGDIBitmapBtn(Shifted(rect, shift), this);
    button->SetStateImages(background_, hover_, pressed_, background_, rect);
    if (withCaption) {
        button->SetCaption(caption);
        button->SetTextColours(ToQColor(kitcolours::kTextNormal), ToQColor(kitcolours::kTextHover),
                               ToQColor(kitcolours::kTextPressed));
    }
    return button;
}

void CDlgInfo::Prepare()
{
    chinese_ = ChineseUi();
    const infobox::StyleImages images = infobox::ImagesOf(style_);
    background_ = LoadResourceBitmap(images.background);
    hover_ = LoadResourceBitmap(images.hover);
    pressed_ = LoadResourceBitmap(images.pressed);
    sign_ = LoadSkin(infobox::IconImageOf(ShownIcon()));

    extra_ = infobox::ExtraHeightFor(MessageHeight());
    setFixedSize(infobox::kSize.width, infobox::kSize.height + extra_);

    close_ = MakeButton(infobox::kCloseButton, {}, false);
    close_->SetToolTipText(ToQString(infobox::CancelText(chinese_)));
    connect(close_, &CGDIBitmapBtn::clicked, this, [this] { done(infobox::kResultCancel); });
    ok_ = MakeButton(infobox::OkButtonOf(style_), ToQString(infobox::OkText(chinese_)), true);
    connect(ok_, &CGDIBitmapBtn::clicked, this, [this] { done(infobox::kResultOk); });
    if (style_ == infobox::Style::OkCancel) {
        cancel_ =
            MakeButton(infobox::kCancelButton, ToQString(infobox::CancelText(chinese_)), true);
        connect(cancel_, &CGDIBitmapBtn::clicked, this, [this] { done(infobox::kResultCancel); });
    }

    const QRect area = ScreenArea();
    const Size screen{area.width(), area.height()};
    Point at = infobox::CentredPosition(screen);
    if (countDown_) {
        ok_->SetCaption(ToQString(infobox::CountDownText(chinese_, model_.Open())));
        at = infobox::CountDownPosition(screen);
        at.y -= extra_;
        timer_.start();
    }
    move(area.left() + at.x, area.top() + at.y);
}

int CDlgInfo::exec()
{
    Prepare();
    return QDialog::exec();
}

void CDlgInfo::OnTick()
{
    const infobox::CountDown::Tick tick = model_.OnTick();
    if (tick.close) {
        done(infobox::kResultCancel);
    }
    if (ok_ != nullptr) {
        ok_->SetCaption(ToQString(infobox::CountDownText(chinese_, tick.caption)));
    }
}

void CDlgInfo::reject()
{
    done(infobox::kResultCancel);
}

void CDlgInfo::done(int result)
{
    timer_.stop();
    QDialog::done(result);
}

void CDlgInfo::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        done(infobox::kResultOk);
        return;
    case Qt::Key_Escape:
        event->accept();
        done(infobox::kResultCancel);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDlgInfo::closeEvent(QCloseEvent* event)
{
    event->accept();
    done(infobox::kResultCancel);
}

void CDlgInfo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!background_.isNull()) {
        const int w = infobox::kSize.width;
        const int h = infobox::kSize.height;
        painter.drawPixmap(QRect(0, 0, w, kStretchRow),
                           CutSheet(background_, {0, 0, w, kStretchRow}));
        if (extra_ > 0) {
            painter.drawPixmap(QRect(0, kStretchRow, w, extra_),
                               CutSheet(background_, {0, kStretchRow - 1, w, kStretchRow}));
        }
        painter.drawPixmap(QRect(0, kStretchRow + extra_, w, h - kStretchRow),
                           CutSheet(background_, {0, kStretchRow, w, h}));
    }
    if (!sign_.isNull()) {
        painter.drawPixmap(ToQRect(infobox::kIconBox), sign_);
    }
    painter.setPen(ToQColor(infobox::kMessageColour));
    const QRect box = ToQRect(infobox::kMessageBox);
    const int textHeight = MessageHeight();
    if (textHeight <= box.height() && !text_.contains(QLatin1Char('\n'))) {
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
    } else if (textHeight <= box.height()) {
        // Lines of their own, centred in the box as a single line is.
        DrawWrappedText(
            painter,
            QRect(box.left(), box.top() + (box.height() - textHeight) / 2, box.width(), textHeight),
            text_);
    } else {
        // Wrapped at words below the box, never cut: the box grew to hold it.
        DrawWrappedText(painter, QRect(box.left(), box.top(), box.width(), textHeight), text_);
    }
    const QRect titleBox = ToQRect(infobox::kTitleBox);
    painter.setPen(ToQColor(infobox::kTitleColour));
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QFontMetrics(font()).elidedText(Title(), Qt::ElideRight, titleBox.width()));
}

int ShowInfoBox(const QString& text, int style, QWidget* parent)
{
    CDlgInfo box(parent);
    box.SetText(text);
    box.SetStyle(style == 1 ? infobox::Style::OkCancel : infobox::Style::OkOnly);
    return box.exec();
}

} // namespace qx71::gui
