#include "gui/widgets/FittedText.h"
#include "gui/widgets/SkinFont.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

// The count-down caption in Chinese on the 66-pixel OK face of the timed box, and longer ones.
TEST(FitText, ShrinksToFitAndElidesOnlyBelowTheSmallestSize)
{
    const QFont face = ShellDlgFont(12);
    const QString countDown = QStringLiteral("确定 (5s)");
    // The width a drawing in a box gives the line (a pixel more than the advance, at times).
    const int natural = QFontMetrics(face).size(Qt::TextSingleLine, countDown).width();

    const FittedText roomy = FitText(countDown, face, natural);
    EXPECT_EQ(roomy.text, countDown);
    EXPECT_EQ(roomy.font.pixelSize(), 12);

    const FittedText tight = FitText(countDown, face, natural - 4);
    EXPECT_EQ(tight.text, countDown) << "a little too wide: smaller, whole";
    EXPECT_LT(tight.font.pixelSize(), 12);
    EXPECT_GE(tight.font.pixelSize(), 9);
    EXPECT_LE(QFontMetrics(tight.font).size(Qt::TextSingleLine, tight.text).width(), natural - 4);

    const QString longer = QStringLiteral("Восстановить настройки по умолчанию");
    const FittedText cut = FitText(longer, face, 40);
    EXPECT_EQ(cut.font.pixelSize(), 9) << "no smaller than the floor";
    EXPECT_NE(cut.text, longer);
    EXPECT_LE(QFontMetrics(cut.font).horizontalAdvance(cut.text), 40);
}

} // namespace
} // namespace qx71::gui
