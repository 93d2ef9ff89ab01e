// The macro page's images: present at the sizes the page draws them, and every text the page
// or its buttons draw readable on the face under it.
#include "SkinCheck.h"

#include "core/macro/GameMenu.h"
#include "core/macro/MacroPageGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace qx71::test {
namespace {

namespace mp = macropage;

TEST(MacroSkins, EveryFileThePageLoadsExistsWithItsSize)
{
    for (std::string_view sheet :
         {mp::kSheetNormal, mp::kSheetDown, mp::kSheetOver, mp::kSheetDisabled}) {
        ExpectSkinFile(sheet, {925, 452});
    }
    for (std::string_view icon : mp::kListIcons) {
        ExpectSkinFile(icon, {16, 16});
    }
    for (std::string_view image : kGameMenuImages) {
        ExpectSkinFile("Menu/" + std::string(image), mp::kGameMenuImageSize);
    }
}

// The part of a button where its caption goes: right of its icon or box, inside its border.
Rect CaptionArea(MacroControl control)
{
    const Rect& r = mp::ControlRectOf(control);
    int left = r.left + 4;
    int right = r.right - 4;
    if (mp::IsCheckButton(control)) {
        left = r.left + mp::kCheckBox.right + 4;
    } else if (control == MacroControl::Record) {
        left = r.left + mp::kRecordIcon.right + 4;
    } else if (control == MacroControl::GameButton) {
        right = r.right - mp::kGameArrowWidth - 2;
    }
    return {left, r.top + 4, right, r.bottom - 4};
}

TEST(MacroSkins, CaptionsAreReadableInEveryState)
{
    struct Sheet {
        std::string_view file;
        Rgb text;
    };
    const Sheet sheets[] = {
        {mp::kSheetNormal, kitcolours::kTextNormal},
        {mp::kSheetOver, kitcolours::kTextHover},
        {mp::kSheetDown, kitcolours::kTextPressed},
    };
    const MacroControl captioned[] = {MacroControl::GameButton, MacroControl::Record,
                                      MacroControl::NoDelay, MacroControl::KeyOption,
                                      MacroControl::DelayOption};
    for (const Sheet& sheet : sheets) {
        const QImage image = LoadSkinFile(sheet.file);
        ASSERT_FALSE(image.isNull()) << sheet.file;
        for (MacroControl control : captioned) {
            EXPECT_GE(MinContrast(image, CaptionArea(control), sheet.text), kMinimumContrast)
                << sheet.file << " control " << static_cast<int>(control);
        }
    }
}

TEST(MacroSkins, LabelsListsAndFieldsAreReadable)
{
    const QImage page = LoadSkinFile(mp::kSheetNormal);
    ASSERT_FALSE(page.isNull());
    for (const mp::PaintedLabel& label : mp::kPaintedLabels) {
        EXPECT_GE(MinContrast(page, label.rect, kitcolours::kTextNormal), kMinimumContrast)
            << label.textKey;
    }
    for (MacroControl list : {MacroControl::MacroList, MacroControl::EventList}) {
        const Rect& r = mp::ControlRectOf(list);
        EXPECT_GE(MinContrast(page, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                              kitcolours::kTextNormal),
                  kMinimumContrast);
    }
    for (MacroControl field :
         {MacroControl::LoopCount, MacroControl::KeyField, MacroControl::DelayField}) {
        EXPECT_GE(MinContrast(page, mp::ControlRectOf(field), mp::kFieldText), kMinimumContrast)
            << static_cast<int>(field);
    }
}

} // namespace
} // namespace qx71::test
