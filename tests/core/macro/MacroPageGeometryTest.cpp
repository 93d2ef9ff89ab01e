#include "core/macro/MacroPageGeometry.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using namespace macropage;

bool Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(MacroPageGeometryTest, EveryControlHasItsOwnPlaceOnThePage)
{
    const Rect page{0, 0, kPageSize.width, kPageSize.height};
    for (size_t i = 0; i < kControlCount; ++i) {
        SCOPED_TRACE(i);
        const Rect& r = kControlRects[i];
        EXPECT_GT(r.Width(), 0);
        EXPECT_GT(r.Height(), 0);
        EXPECT_TRUE(Inside(r, page));
        // Grown as the hint test grows them, no two controls meet: one spot, one hint.
        for (size_t j = i + 1; j < kControlCount; ++j) {
            EXPECT_FALSE(Overlap(r.Grown(1), kControlRects[j].Grown(1))) << "and " << j;
        }
    }
}

TEST(MacroPageGeometryTest, ControlsSitInTheirColumns)
{
    const std::pair<MacroControl, Rect> cases[] = {
        {MacroControl::GameButton, kMacroColumn},  {MacroControl::MacroList, kMacroColumn},
        {MacroControl::NewMacro, kMacroColumn},    {MacroControl::DeleteMacro, kMacroColumn},
        {MacroControl::EventList, kEventColumn},   {MacroControl::Insert, kEventColumn},
        {MacroControl::DeleteEvent, kEventColumn}, {MacroControl::Modify, kEventColumn},
        {MacroControl::Record, kRecordColumn},     {MacroControl::LoopCount, kRecordColumn},
        {MacroControl::KeyOption, kEditPanel},     {MacroControl::KeyField, kEditPanel},
        {MacroControl::KeyConfirm, kEditPanel},    {MacroControl::DelayOption, kEditPanel},
        {MacroControl::DelayField, kEditPanel},    {MacroControl::DelayConfirm, kEditPanel},
    };
    for (const auto& [control, column] : cases) {
        EXPECT_TRUE(Inside(ControlRectOf(control), column)) << static_cast<int>(control);
    }
    EXPECT_TRUE(Inside(kEditPanel, kRecordColumn));
    EXPECT_FALSE(Overlap(kMacroColumn, kEventColumn));
    EXPECT_FALSE(Overlap(kEventColumn, kRecordColumn));
}

TEST(MacroPageGeometryTest, PaintedLabelsCoverNoOtherControl)
{
    for (const PaintedLabel& label : kPaintedLabels) {
        SCOPED_TRACE(label.textKey);
        for (size_t i = 0; i < kControlCount; ++i) {
            const Rect& r = kControlRects[i];
            if (r == label.rect) {
                continue; // the caption-less hint button over this very label
            }
            EXPECT_FALSE(Overlap(label.rect, r)) << "control " << i;
        }
    }
}

TEST(MacroPageGeometryTest, HintRectsFollowTheHintOrder)
{
    const auto rects = HintRects();
    // The cursor on the record button asks for its hint only.
    const Rect& record = ControlRectOf(MacroControl::Record);
    EXPECT_EQ(MacroHintsAt(rects, record.left + 2, record.top + 2, false),
              (std::vector<uint32_t>{45}));
    const Rect& list = ControlRectOf(MacroControl::MacroList);
    EXPECT_EQ(MacroHintsAt(rects, list.right, list.bottom, false), (std::vector<uint32_t>{87}));
    const Rect& label = ControlRectOf(MacroControl::CategoryLabel);
    EXPECT_EQ(MacroHintsAt(rects, label.left - 1, label.top, false), (std::vector<uint32_t>{86}));
    EXPECT_TRUE(MacroHintsAt(rects, 0, 0, false).empty());
}

} // namespace
} // namespace qx71
