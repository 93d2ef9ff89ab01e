#include "core/buttons/ChooserGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx71 {
namespace {

namespace ap = chooser::advancedpage;

bool Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, Size outer)
{
    return inner.left >= 0 && inner.top >= 0 && inner.right <= outer.width &&
           inner.bottom <= outer.height;
}

TEST(ChooserLayout, TheAdvancedRowsLabelsStandInAColumnWithTheirFieldsAndOverlapNothing)
{
    std::vector<Rect> all;
    for (size_t i = 0; i < chooser::kHostRowCount; ++i) {
        const Rect& label = ap::kRowLabels[i];
        const Rect& field = ap::kPathFields[i];
        EXPECT_EQ(label.left, field.left) << "row " << i;
        EXPECT_LE(label.bottom, field.top) << "row " << i;
        EXPECT_GE(label.Height(), chooser::kTextPixels + 2) << "row " << i;
        for (const Rect& r : {ap::kCheckBoxes[i], label, field, ap::kBrowseButtons[i]}) {
            EXPECT_TRUE(Inside(r, chooser::kPageSize)) << "row " << i;
            all.push_back(r);
        }
    }
    for (size_t a = 0; a < all.size(); ++a) {
        for (size_t b = a + 1; b < all.size(); ++b) {
            EXPECT_FALSE(Overlap(all[a], all[b])) << "rectangles " << a << " and " << b;
        }
    }
}

TEST(ChooserLayout, TheListsTextsAreReadableOnTheirBackgrounds)
{
    namespace bp = chooser::basicpage;
    namespace mp = chooser::macropage;
    EXPECT_GE(ContrastRatio(bp::kText, bp::kBackground), 4.5);
    EXPECT_GE(ContrastRatio(bp::kSelectedText, bp::kSelectedBackground), 4.5);
    EXPECT_GE(ContrastRatio(mp::kListText, mp::kListBackground), 4.5);
    EXPECT_GE(ContrastRatio(mp::kListSelectedText, mp::kListSelectedBackground), 4.5);
}

} // namespace
} // namespace qx71
