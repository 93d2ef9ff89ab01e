#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace qx71::gui {

class CPngHProgressBar;

// The modal dialog shown while a write pass runs: the bar 777 and one line of text. It
// closes itself 500 ms after the progress reaches 100, and at once when the pass fails. The
// keyboard cannot dismiss it. One object serves every write; each opening starts at 0.
class CDlgProgress : public QDialog {
    Q_OBJECT

public:
    explicit CDlgProgress(QWidget* parent = nullptr);
    ~CDlgProgress() override;

    // Loads the images, sizes and centres the dialog, puts the bar at 0; then runs modally.
    int exec() override;
    // The same preparation without the modal loop (exec calls it).
    void Prepare();

    CPngHProgressBar* Bar() const { return bar_; }
    QTimer& CloseTimer() { return closeTimer_; }

public Q_SLOTS:
    // The writer's progress report (0..100; anything else shows 0).
    void OnProgress(int value);
    // The write pass failed: nothing more will come.
    void OnWriteFailed();
    // Closes the dialog, whoever asks.
    void CloseDialog();
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static bool Swallowed(const QKeyEvent* event);

    QPixmap background_, fill_;
    CPngHProgressBar* bar_ = nullptr;
    QTimer closeTimer_;
    bool closing_ = false;
};

} // namespace qx71::gui
