#include "SkinCheck.h"

#include "core/widgets/SkinResources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx71::test {

QString SkinsDir()
{
    return QStringLiteral(QX71_TEST_INSTALL_DIR_TEXT "/skins");
}

QImage LoadSkinFile(std::string_view path)
{
    return QImage(SkinsDir() + QLatin1Char('/') +
                  QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

void ExpectSkinFile(std::string_view path, Size size)
{
    const QImage image = LoadSkinFile(path);
    EXPECT_FALSE(image.isNull()) << path << " is missing";
    EXPECT_EQ(image.size(), QSize(size.width, size.height)) << path;
    const std::string large = skins::HiDpiName(path);
    const QImage twice = LoadSkinFile(large);
    EXPECT_FALSE(twice.isNull()) << large << " is missing";
    EXPECT_EQ(twice.size(), QSize(2 * size.width, 2 * size.height)) << large;
}

double MinContrast(const QImage& image, const Rect& area, Rgb text,
                   const std::function<bool(Point)>& inside)
{
    double lowest = 21.0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (inside && !inside({x, y})) {
                continue;
            }
            const QColor c = image.pixelColor(x, y);
            const Rgb face{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                           static_cast<uint8_t>(c.blue())};
            lowest = std::min(lowest, ContrastRatio(text, face));
        }
    }
    return lowest;
}

} // namespace qx71::test
