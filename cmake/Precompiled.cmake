# The Qt headers most views include, parsed once per target instead of once per source file:
# for a target with many Qt-heavy sources (the views, the gallery) that saves most of each
# file's compile time. Targets with a handful of sources gain nothing and stay without.
function(qx71_qt_precompiled_headers target)
  target_precompile_headers(${target} PRIVATE <QBitmap> <QColor> <QDialog> <QEvent>
                            <QFontMetrics> <QGuiApplication> <QKeyEvent> <QLineEdit>
                            <QMouseEvent> <QPainter> <QPixmap> <QPointer> <QScreen> <QString>
                            <QTimer> <QWidget>)
endfunction()

# gtest and the standard headers that nearly every test source includes. A test program has a
# handful of sources, but there are dozens of programs: the header is parsed once, by the
# support library, and each program reuses it (same flags, so the compiler accepts it).
function(qx71_test_precompiled_headers target)
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <array> <chrono> <cstdint>
                            <filesystem> <functional> <map> <memory> <optional> <string>
                            <string_view> <vector>)
endfunction()
