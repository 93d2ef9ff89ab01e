// qx71: the QX71 gaming mouse configuration program.
#include "app/AppOptions.h"
#include "app/CQX710DriverApp.h"
#include "platform/linux/HeapTuning.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    qx71::AppOptions options;
    if (const auto exitCode = qx71::ParseAppOptions(argc, argv, options)) {
        return *exitCode;
    }
    if (const auto reason = qx71::NoDisplayReason()) {
        std::cerr << "qx71: " << *reason << '\n';
        return 2;
    }
    if (!qx71::KeepLargeBlocksOutOfTheHeap()) {
        std::cerr << "qx71: the allocator kept its own settings; the program may use more memory\n";
    }
    // The input hooks are X11's: under Wayland the program runs through XWayland.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // File dialogs through the desktop's portal where one runs; without one the theme falls
    // back to the desktop's own theme and Qt's dialog. A theme the user chose stays.
    setenv("QT_QPA_PLATFORMTHEME", "xdgdesktopportal", 0);
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("qx71"));
    qx71::CQX710DriverApp app(options);
    return app.Run();
}
