// Draws every skin image of the program into the folder given as the only argument.
#include "SkinWriter.h"

#include <QGuiApplication>

#include <cstdio>

namespace qx71::skins {
#define SHEET_FAMILY(draw) void draw(SkinWriter& writer);
#include "SheetFamilies.def"
#undef SHEET_FAMILY
} // namespace qx71::skins

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qx71_skins OUTPUT_DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    qx71::skins::SkinWriter writer(QString::fromLocal8Bit(argv[1]));
#define SHEET_FAMILY(draw) qx71::skins::draw(writer);
#include "SheetFamilies.def"
#undef SHEET_FAMILY
    if (writer.Failed()) {
        return 1;
    }
    std::printf("skins: %d images written\n", writer.Written());
    return 0;
}
