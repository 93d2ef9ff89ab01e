// The support page's images: present at the page's size, and the texts the page draws on them
// (the version areas' captions, the two versions) readable on the face under them.
#include "SkinCheck.h"

#include "core/update/SupportPageGeometry.h"

#include <gtest/gtest.h>

namespace qx71::test {
namespace {

namespace sp = support;

TEST(SupportSkins, EveryFileThePageLoadsExistsWithItsSize)
{
    for (std::string_view sheet :
         {sp::kSheetNormal, sp::kSheetDown, sp::kSheetOver, sp::kSheetDisabled}) {
        ExpectSkinFile(sheet, {925, 452});
    }
}

Rect Inside(const Rect& r, int by)
{
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

TEST(SupportSkins, VersionCaptionsAndVersionsAreReadable)
{
    // The version areas are always checked: their captions are drawn on the pressed sheet.
    const QImage down = LoadSkinFile(sp::kSheetDown);
    ASSERT_FALSE(down.isNull());
    for (sp::Control area : {sp::Control::ProgramVersion, sp::Control::FirmwareVersion}) {
        EXPECT_GE(MinContrast(down, Inside(sp::Spec(area).rect, 3), kitcolours::kTextPressed),
                  kMinimumContrast)
            << static_cast<int>(area);
    }
    const QImage page = LoadSkinFile(sp::kSheetNormal);
    ASSERT_FALSE(page.isNull());
    for (const Rect& well : {sp::kProgramVersionWell, sp::kFirmwareVersionWell}) {
        EXPECT_GE(MinContrast(page, Inside(well, 2), sp::kVersionText), kMinimumContrast);
    }
}

TEST(SupportSkins, TheActionsCaptionsAreReadableBesideTheirGlyphs)
{
    struct Sheet {
        std::string_view file;
        Rgb text;
        double minimum;
    };
    const Sheet sheets[] = {{sp::kSheetNormal, kitcolours::kTextNormal, kMinimumContrast},
                            {sp::kSheetOver, kitcolours::kTextHover, kMinimumContrast},
                            {sp::kSheetDown, kitcolours::kTextPressed, kMinimumContrast},
                            {sp::kSheetDisabled, kitcolours::kTextDisabled, 3.0}};
    for (const Sheet& sheet : sheets) {
        const QImage image = LoadSkinFile(sheet.file);
        ASSERT_FALSE(image.isNull()) << sheet.file;
        for (const sp::ControlSpec& spec : sp::kControls) {
            if (spec.tooltipKey.empty()) {
                continue;
            }
            // The caption's area: right of the glyph's square, inside the face's border.
            const Rect& r = spec.rect;
            const Rect caption{sp::GlyphRect(r).right + 2, r.top + 3, r.right - 3, r.bottom - 3};
            EXPECT_GE(MinContrast(image, caption, sheet.text), sheet.minimum)
                << sheet.file << " " << spec.tooltipKey;
        }
    }
}

} // namespace
} // namespace qx71::test
