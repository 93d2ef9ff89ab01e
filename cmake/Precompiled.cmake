# The Qt headers most views include, parsed once per target instead of once per source file:
# for a target with many Qt-heavy sources (the views, the gallery) that saves most of each
# file's compile time. Targets with a handful of sources gain nothing and stay without.
function(qx71_qt_precompiled_headers target)
  target_precompile_headers(${target} PRIVATE <QBitmap> <QColor> <QDialog> <QEvent>
                            <QFontMetrics> <QGuiApplication> <QKeyEvent> <QLineEdit>
                            <QMouseEvent> <QPainter> <QPixmap> <QPointer> <QScreen> <QString>
                            <QTimer> <QWidget>)
endfunction()
