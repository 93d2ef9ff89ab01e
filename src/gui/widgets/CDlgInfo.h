#pragma once

#include "core/widgets/InfoBoxModel.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace qx71::gui {

class CGDIBitmapBtn;

// The program's own message box: a skinned modal box with a title, a message, OK (and
// Cancel). With the count-down it sits in the screen's bottom-right corner, counts down on
// OK and closes itself at the sixth tick. Results: infobox::kResultOk or kResultCancel.
class CDlgInfo : public QDialog {
    Q_OBJECT

public:
    explicit CDlgInfo(QWidget* parent = nullptr);
    ~CDlgInfo() override;

    void SetText(const QString& text) { text_ = text; }
    const QString& Text() const { return text_; }
    void SetStyle(infobox::Style style) { style_ = style; }
    void SetCountDown(bool countDown) { countDown_ = countDown; }
    // The sign beside the message of an OK box (an OK and Cancel box asks a question).
    void SetIcon(MessageIcon icon) { icon_ = icon; }
    infobox::Icon ShownIcon() const { return infobox::IconFor(style_, icon_); }
    // Replaces the title "Tips" / "提示" (the "Info" box of the system messages).
    void SetTitle(const QString& title) { title_ = title; }

    // Loads the images, creates the buttons, places the box and starts the count-down; then
    // runs it modally.
    int exec() override;
    // The same preparation without the modal loop (exec calls it).
    void Prepare();

    CGDIBitmapBtn* OkButton() const { return ok_; }
    CGDIBitmapBtn* CancelButton() const { return cancel_; }
    CGDIBitmapBtn* CloseButton() const { return close_; }
    QTimer& CountDownTimer() { return timer_; }
    // How much taller than its images the box is, for a message that wraps far.
    int ExtraHeight() const { return extra_; }

public Q_SLOTS:
    void reject() override;
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Return and Enter press the default button (OK); Escape cancels or closes.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTick();
    CGDIBitmapBtn* MakeButton(const Rect& rect, const QString& caption, bool withCaption);
    QString Title() const;
    int MessageHeight() const;

    QString text_;
    QString title_;
    infobox::Style style_ = infobox::Style::OkOnly;
    bool countDown_ = false;
    MessageIcon icon_ = MessageIcon::Warning;
    bool chinese_ = false;
    infobox::CountDown model_;
    QTimer timer_;
    QPixmap background_, hover_, pressed_, sign_;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    CGDIBitmapBtn* close_ = nullptr;
    int extra_ = 0;
};

// Shows `text` in a CDlgInfo of the given style (0 OK, 1 OK and Cancel), without count-down,
// and returns 1 for OK, 2 for anything else.
int ShowInfoBox(const QString& text, int style, QWidget* parent = nullptr);

} // namespace qx71::gui
