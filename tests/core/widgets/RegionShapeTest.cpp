#include "core/widgets/RegionShape.h"
#include "core/app/MainWindowGeometry.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

const Quad kTab1 = mainwindow::kTabs[0]; // (30,85) (189,85) (210,121) (30,121)

TEST(RegionShape, PixelsInsideTheSlantedEdge)
{
    EXPECT_TRUE(PolygonContains(kTab1, {30, 85}));
    EXPECT_TRUE(PolygonContains(kTab1, {188, 85}));
    EXPECT_FALSE(PolygonContains(kTab1, {190, 86})); // right of the slant at the top
    EXPECT_TRUE(PolygonContains(kTab1, {208, 120})); // the slant near the bottom
    EXPECT_FALSE(PolygonContains(kTab1, {210, 120}));
    EXPECT_FALSE(PolygonContains(kTab1, {29, 100}));
    EXPECT_FALSE(PolygonContains(kTab1, {100, 121})); // bottom edge is outside
    EXPECT_FALSE(PolygonContains(kTab1, {100, 84}));
}

TEST(RegionShape, SpansCoverExactlyThePixelsInside)
{
    const Rect box = BoundingRect(kTab1);
    int inside = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            inside += PolygonContains(kTab1, {x, y}) ? 1 : 0;
        }
    }
    int covered = 0;
    for (const Rect& span : PolygonSpans(kTab1)) {
        EXPECT_EQ(span.Height(), 1);
        for (int x = span.left; x < span.right; ++x) {
            EXPECT_TRUE(PolygonContains(kTab1, {x, span.top}));
        }
        covered += span.Width();
    }
    EXPECT_EQ(covered, inside);
    // A trapezoid 159..180 wide and 36 high.
    EXPECT_GT(inside, 159 * 36);
    EXPECT_LT(inside, 181 * 36);
}

TEST(RegionShape, HitTestInTheButtonsOwnCoordinates)
{
    // Profile 1: (342,608) (435,608) (414,635) (321,635), bounding box from (321, 608).
    const Quad p1 = mainwindow::kProfileButtons[0];
    EXPECT_FALSE(RegionHit(p1, {0, 0}));   // the box's corner, outside the slant
    EXPECT_TRUE(RegionHit(p1, {57, 13}));  // the middle
    EXPECT_FALSE(RegionHit(p1, {113, 1})); // right of the top edge's end
    EXPECT_FALSE(RegionHit(p1, {-1, 13}));
    EXPECT_FALSE(RegionHit(p1, {57, 27})); // below the box
    const std::vector<Point> moved = CornersAtOrigin(p1);
    EXPECT_EQ(moved[0], (Point{21, 0}));
    EXPECT_EQ(moved[3], (Point{0, 27}));
}

TEST(RegionShape, CaptionAnchor)
{
    // Short captions move 6 px per character, longer ones 3.
    EXPECT_EQ(CaptionAnchor({90, 18}, 4), (Point{90 - 24 + 5, 12}));
    EXPECT_EQ(CaptionAnchor({90, 18}, 5), (Point{90 - 30 + 5, 12}));
    EXPECT_EQ(CaptionAnchor({90, 18}, 6), (Point{90 - 18 + 5, 12}));
    EXPECT_EQ(CaptionAnchor({90, 18}, 0), (Point{95, 12}));
    EXPECT_EQ(RegionCentre({180, 36}), (Point{90, 18}));
    // A caption that fits stays at the anchor; one that would run past the edge is centred.
    EXPECT_EQ(CaptionLeft(71, 60, 0, 180), 71);
    EXPECT_EQ(CaptionLeft(35, 160, 0, 180), 10);
    EXPECT_EQ(CaptionLeft(35, 240, 0, 180), -30); // wider than the button: centred, cut evenly
    // An anchor over a slanted edge: centred in the band its line covers.
    EXPECT_EQ(CaptionLeft(10, 50, 20, 160), 24 + (132 - 50) / 2);
    EXPECT_EQ(CaptionLeft(140, 30, 20, 160), 24 + (132 - 30) / 2);
}

TEST(RegionShape, InnerBandIsWhatEveryRowOfTheLineHasInside)
{
    const Point rectangle[] = {{0, 0}, {100, 0}, {100, 40}, {0, 40}};
    EXPECT_EQ(InnerBand(rectangle, 10, 26), (Rect{0, 10, 100, 26}));
    // Both sides lean left by one column per two rows: the line's top row limits the left
    // edge, its bottom row the right one.
    const Point slanted[] = {{20, 0}, {100, 0}, {80, 40}, {0, 40}};
    const Rect band = InnerBand(slanted, 10, 20);
    EXPECT_NEAR(band.left, 15, 1);
    EXPECT_NEAR(band.right, 90, 1);
    // Rows that share no column.
    const Point crossing[] = {{0, 0}, {10, 0}, {110, 40}, {100, 40}};
    const Rect none = InnerBand(crossing, 0, 40);
    EXPECT_EQ(none.left, none.right);
}

} // namespace
} // namespace qx71
