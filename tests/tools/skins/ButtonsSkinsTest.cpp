// The assignment page's and the function chooser's images: present at the sizes the views
// draw them, and every text drawn on them (by the generator or by the views) readable on the
// face under it.
#include "SkinCheck.h"

#include "core/buttons/ChooserGeometry.h"
#include "core/buttons/MainSetGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx71::test {
namespace {

namespace ms = mainset;
namespace ch = chooser;

struct Faced {
    std::string_view file;
    Rgb text;
};

// The faces of a sheet set with the caption colour each state is drawn in.
std::array<Faced, 3> StatesOf(std::string_view normal, std::string_view hover,
                              std::string_view pressed)
{
    return {{{normal, kitcolours::kTextNormal},
             {hover, kitcolours::kTextHover},
             {pressed, kitcolours::kTextPressed}}};
}

// The band of a button's face below its caption: the face the caption stands on, without the
// caption's own pixels.
Rect FaceBand(const Rect& r)
{
    return {r.left + 4, r.bottom - 6, r.right - 4, r.bottom - 3};
}

TEST(ButtonsSkins, EveryFileTheViewsLoadExistsWithItsSize)
{
    for (std::string_view file : {ms::kSheetNormal, ms::kSheetOver, ms::kSheetDown}) {
        ExpectSkinFile(file, ms::kPageSize);
    }
    for (const ms::LanguageSheets* set : {&ms::kChineseSheets, &ms::kOtherSheets}) {
        for (std::string_view file : {set->normal, set->hover, set->pressed}) {
            ExpectSkinFile(file, ms::kPageSize);
        }
    }
    ExpectSkinFile(ch::kPopupSheets.normal, ch::kPopupSize);
    ExpectSkinFile(ch::kPopupSheets.hover, ch::kPopupSize);
    ExpectSkinFile(ch::kPopupSheets.pressed, ch::kPopupSize);
    for (const ch::Sheets* page : {&ch::kKeyPageSheets, &ch::kMacroPageSheets,
                                   &ch::kBasicPageSheets, &ch::kAdvancedPageSheets}) {
        for (std::string_view file : {page->normal, page->hover, page->pressed}) {
            ExpectSkinFile(file, ch::kPageSize);
        }
    }
}

TEST(ButtonsSkins, ThePageCaptionsAreReadableInEveryStateAndLanguage)
{
    for (const Faced& sheet : StatesOf(ms::kSheetNormal, ms::kSheetOver, ms::kSheetDown)) {
        const QImage image = LoadSkinFile(sheet.file);
        ASSERT_FALSE(image.isNull()) << sheet.file;
        for (size_t i = 0; i < ms::kDpiButtonCount; ++i) {
            EXPECT_GE(MinContrast(image, FaceBand(ms::DpiButton(i)), sheet.text), kMinimumContrast)
                << sheet.file << " DPI " << i;
        }
        for (const Rect& rate : ms::kRateButtons) {
            EXPECT_GE(MinContrast(image, FaceBand(rate), sheet.text), kMinimumContrast)
                << sheet.file;
        }
    }
    for (const bool chinese : {true, false}) {
        const ms::LanguageSheets& set = ms::LanguageSheetsFor(chinese);
        const ms::WheelLayout& wheel = ms::WheelLayoutFor(chinese);
        for (const Faced& sheet : StatesOf(set.normal, set.hover, set.pressed)) {
            const QImage image = LoadSkinFile(sheet.file);
            ASSERT_FALSE(image.isNull()) << sheet.file;
            for (const Rect& r : {ms::kAccuracyButton, wheel.linesButton, wheel.screenButton}) {
                EXPECT_GE(MinContrast(image, FaceBand(r), sheet.text), kMinimumContrast)
                    << sheet.file << " at " << r.left << "," << r.top;
            }
            for (const Quad& tab : ms::kTabs) {
                // The bottom rows of the tab, between its slanted sides.
                const Rect box = BoundingRect(tab);
                const Rect band{std::max(tab[0].x, tab[3].x) + 4, box.bottom - 6,
                                std::min(tab[1].x, tab[2].x) - 4, box.bottom - 3};
                EXPECT_GE(MinContrast(image, band, sheet.text), kMinimumContrast) << sheet.file;
            }
        }
    }
}

TEST(ButtonsSkins, TheChoosersTextsAreReadable)
{
    const QImage normal = LoadSkinFile(ch::kPopupSheets.normal);
    const QImage hover = LoadSkinFile(ch::kPopupSheets.hover);
    const QImage pressed = LoadSkinFile(ch::kPopupSheets.pressed);
    ASSERT_FALSE(normal.isNull() || hover.isNull() || pressed.isNull());
    for (const Rect& tab : ch::kTabs) {
        const Rect inner{tab.left + 3, tab.top + 3, tab.right - 3, tab.bottom - 3};
        EXPECT_GE(MinContrast(normal, inner, ch::kTabText), kMinimumContrast);
        EXPECT_GE(MinContrast(hover, inner, kitcolours::kTextHover), kMinimumContrast);
        EXPECT_GE(MinContrast(pressed, inner, kitcolours::kTextPressed), kMinimumContrast);
    }
    for (const Rect& button : {ch::kDefaultButton, ch::kOkButton}) {
        const Rect inner{button.left + 3, button.top + 3, button.right - 3, button.bottom - 3};
        EXPECT_GE(MinContrast(normal, inner, kitcolours::kTextNormal), kMinimumContrast);
        EXPECT_GE(MinContrast(hover, inner, kitcolours::kTextHover), kMinimumContrast);
        EXPECT_GE(MinContrast(pressed, inner, kitcolours::kTextPressed), kMinimumContrast);
    }
    const Rect& title = ch::kTitleText;
    EXPECT_GE(MinContrast(normal, {title.left + 4, 2, title.right - 4, 16}, ch::kTitleColour),
              kMinimumContrast);
    // The current function's text stands between the title's band and the tabs.
    const Rect& current = ch::kCurrentFunctionText;
    EXPECT_GE(MinContrast(normal,
                          {current.left, ch::kTitleBandBottom, current.right, ch::kTabs[0].top},
                          ch::kInfoColour),
              kMinimumContrast);
    EXPECT_GE(MinContrast(normal, ch::kDisableText, ch::kInfoColour), kMinimumContrast);

    const QImage key = LoadSkinFile(ch::kKeyPageSheets.normal);
    ASSERT_FALSE(key.isNull());
    EXPECT_GE(MinContrast(key, ch::keypage::kKeyNameText, ch::kKeyNameColour), kMinimumContrast);
    const QImage advanced = LoadSkinFile(ch::kAdvancedPageSheets.normal);
    ASSERT_FALSE(advanced.isNull());
    for (size_t i = 0; i < ch::kHostRowCount; ++i) {
        const Rect& label = ch::advancedpage::kRowLabels[i];
        EXPECT_GE(MinContrast(advanced, label, ch::kRowLabelColour), kMinimumContrast)
            << "row " << i;
        EXPECT_GE(MinContrast(advanced, FaceBand(ch::advancedpage::kPathFields[i]),
                              kitcolours::kTextNormal),
                  kMinimumContrast);
    }
}

} // namespace
} // namespace qx71::test
