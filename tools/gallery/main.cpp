// Draws the gallery's scenes into a folder: qx71_gallery OUTPUT_DIR [SCENE...]. Without scene
// names it draws them all; --list names them.
#include "Gallery.h"

#include "gui/widgets/Skins.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    using namespace qx71::gallery;
    std::sort(Scenes().begin(), Scenes().end(),
              [](const Scene& a, const Scene& b) { return a.name < b.name; });
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const Scene& scene : Scenes()) {
            std::printf("%s\n", qPrintable(scene.name));
        }
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: qx71_gallery OUTPUT_DIR [SCENE...] | --list\n");
        return 2;
    }
    QApplication app(argc, argv);
    qx71::gui::SetSkinDir(QStringLiteral(QX71_GALLERY_SKINS_TEXT));
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    Shots shots(QString::fromLocal8Bit(argv[1]));
    for (const Scene& scene : Scenes()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) {
            wanted = wanted || scene.name == QString::fromLocal8Bit(argv[i]);
        }
        if (wanted) {
            scene.draw(shots);
        }
    }
    std::printf("gallery: %d pictures\n", shots.Count());
    return shots.Failed() ? 1 : 0;
}
