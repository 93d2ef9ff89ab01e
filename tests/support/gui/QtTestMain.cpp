// The main of the widget tests: GoogleTest with a QApplication on the offscreen platform,
// reading the skins the build drew.
#include "gui/widgets/Skins.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        // Listing the tests (ctest's discovery) needs no application.
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            return RUN_ALL_TESTS();
        }
    }
    // Never a real display, whoever starts the program.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qx71::gui::SetSkinDir(QStringLiteral(QX71_TEST_INSTALL_DIR_TEXT "/skins"));
    return RUN_ALL_TESTS();
}
