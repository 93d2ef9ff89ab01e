// Cutting one place out of several sheets: each part shows its own sheet's pixels, and a sheet
// given twice is cut once, its two parts sharing their pixels.
#include "gui/widgets/Skins.h"

#include <QImage>

#include <array>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

QPixmap Sheet(const QColor& colour)
{
    QPixmap sheet(40, 30);
    sheet.fill(colour);
    return sheet;
}

TEST(CutSheets, EachPartIsItsSheetsAndARepeatedSheetIsCutOnce)
{
    const QPixmap normal = Sheet(Qt::red);
    const QPixmap hover = Sheet(Qt::green);
    const QPixmap pressed = Sheet(Qt::blue);
    const QPixmap sameAsNormal = normal; // a copy of the same picture
    const Rect place{10, 5, 30, 25};

    std::array<QPixmap, 4> parts;
    CutSheets(
        {{normal, parts[0]}, {hover, parts[1]}, {pressed, parts[2]}, {sameAsNormal, parts[3]}},
        place);
    const QColor expected[] = {Qt::red, Qt::green, Qt::blue, Qt::red};
    for (size_t i = 0; i < parts.size(); ++i) {
        ASSERT_EQ(parts[i].size(), QSize(20, 20)) << i;
        EXPECT_EQ(parts[i].toImage().pixelColor(0, 0), expected[i]) << i;
    }
    EXPECT_EQ(parts[3].cacheKey(), parts[0].cacheKey());
    EXPECT_NE(parts[1].cacheKey(), parts[0].cacheKey());
}

TEST(CutSheets, EqualButSeparatePicturesAndNullSheetsAreNotShared)
{
    const QPixmap first = Sheet(Qt::red);
    const QPixmap second = Sheet(Qt::red); // same pixels, another picture
    const QPixmap none;
    std::array<QPixmap, 4> parts;
    CutSheets({{first, parts[0]}, {second, parts[1]}, {none, parts[2]}, {none, parts[3]}},
              Rect{0, 0, 10, 10});
    EXPECT_NE(parts[1].cacheKey(), parts[0].cacheKey());
    EXPECT_TRUE(parts[2].isNull());
    EXPECT_TRUE(parts[3].isNull());
}

} // namespace
} // namespace qx71::gui
