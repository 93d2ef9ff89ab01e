// The images of the main window, the message box, the progress dialog, the flags and the
// icons: present at the sizes the views draw them, and every caption colour readable on its
// face.
#include "SkinCheck.h"

#include "core/app/MainWindowGeometry.h"
#include "core/config/ProgressDialogModel.h"
#include "core/macro/GameMenu.h"
#include "core/macro/MacroPageGeometry.h"
#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/RegionShape.h"
#include "core/widgets/SkinResources.h"

#include <gtest/gtest.h>

#include <string>

namespace qx71::test {
namespace {

TEST(KitSkins, EveryFileTheViewsLoadExistsWithItsSize)
{
    struct File {
        std::string path;
        Size size;
    };
    const Size window{960, 650};
    const Size box{330, 160};
    std::vector<File> files = {
        {"Main_Normal.bmp", window},
        {"Main_Down.bmp", window},
        {"Main_Over.bmp", window},
        {"ProgressBar/Progress_Normal.png", progress::kImageSize},
        {"ProgressBar/Progress_Over.png", {260, 9}},
        {"Resources/128.png", skins::kWindowIconSize},
        {"Resources/1011.png", {16, 16}},
        {"Resources/1012.png", {16, 16}},
    };
    for (int n = 154; n <= 159; ++n) {
        files.push_back({"Resources/" + std::to_string(n) + ".bmp", window});
    }
    for (int n = 1004; n <= 1009; ++n) {
        files.push_back({"Resources/" + std::to_string(n) + ".bmp", box});
    }
    for (int n = 142; n <= 153; ++n) {
        files.push_back({"Resources/" + std::to_string(n) + ".bmp", {37, 22}});
    }
    for (int n = 130; n <= 141; ++n) {
        files.push_back({"Resources/" + std::to_string(n) + ".png", {19, 11}});
    }
    for (const std::string_view sign : infobox::kIconImages) {
        files.push_back({std::string(sign), {48, 48}});
    }
    for (const File& f : files) {
        ExpectSkinFile(f.path, f.size);
    }
}

// Pixels of a polygon at least 3 px inside its edges: the face under a caption.
std::function<bool(Point)> InsideOf(const Quad& corners)
{
    return [corners](Point p) {
        for (const Point d : {Point{0, 0}, Point{-3, 0}, Point{3, 0}, Point{0, -3}, Point{0, 3}}) {
            if (!PolygonContains(corners, {p.x + d.x, p.y + d.y})) {
                return false;
            }
        }
        return true;
    };
}

TEST(KitSkins, RegionButtonCaptionsAreReadableInEveryState)
{
    struct Sheet {
        int number;
        Rgb text;
    };
    // Normal, hover and pressed sheets of both languages, with the caption colour of the state.
    const Sheet sheets[] = {
        {154, kitcolours::kTextNormal},  {156, kitcolours::kTextHover},
        {155, kitcolours::kTextPressed}, {157, kitcolours::kTextNormal},
        {159, kitcolours::kTextHover},   {158, kitcolours::kTextPressed},
    };
    std::vector<Quad> buttons(mainwindow::kTabs.begin(), mainwindow::kTabs.end());
    buttons.insert(buttons.end(), mainwindow::kProfileButtons.begin(),
                   mainwindow::kProfileButtons.end());
    buttons.push_back(mainwindow::kApplyButton);
    for (const Sheet& sheet : sheets) {
        const QImage image = LoadSkinFile(skins::ResourceBitmap(sheet.number));
        ASSERT_FALSE(image.isNull()) << sheet.number;
        for (size_t b = 0; b < buttons.size(); ++b) {
            EXPECT_GE(
                MinContrast(image, BoundingRect(buttons[b]), sheet.text, InsideOf(buttons[b])),
                kMinimumContrast)
                << "sheet " << sheet.number << " button " << b;
        }
    }
}

TEST(KitSkins, MessageBoxTextsAreReadable)
{
    for (const infobox::Style style : {infobox::Style::OkOnly, infobox::Style::OkCancel}) {
        const infobox::StyleImages images = infobox::ImagesOf(style);
        const QImage background = LoadSkinFile(skins::ResourceBitmap(images.background));
        const QImage hover = LoadSkinFile(skins::ResourceBitmap(images.hover));
        const QImage pressed = LoadSkinFile(skins::ResourceBitmap(images.pressed));
        ASSERT_FALSE(background.isNull() || hover.isNull() || pressed.isNull());
        // The message (with room to wrap below its box) on the panel, the title on its band.
        EXPECT_GE(MinContrast(background, {90, 60, 306, 124}, infobox::kMessageColour),
                  kMinimumContrast);
        EXPECT_GE(MinContrast(background, infobox::kTitleBox, infobox::kTitleColour),
                  kMinimumContrast);
        std::vector<Rect> buttons = {infobox::OkButtonOf(style)};
        if (style == infobox::Style::OkCancel) {
            buttons.push_back(infobox::kCancelButton);
        }
        for (const Rect& b : buttons) {
            const Rect face{b.left + 3, b.top + 3, b.right - 3, b.bottom - 3};
            EXPECT_GE(MinContrast(background, face, kitcolours::kTextNormal), kMinimumContrast);
            EXPECT_GE(MinContrast(hover, face, kitcolours::kTextHover), kMinimumContrast);
            EXPECT_GE(MinContrast(pressed, face, kitcolours::kTextPressed), kMinimumContrast);
        }
    }
}

TEST(KitSkins, TheGameMenusItemsAreDarkUnderTheirTexts)
{
    // Normal, hover and pressed items, plain and with a sub-menu, with the text drawn on them.
    const Rgb texts[] = {kitcolours::kTextNormal, kitcolours::kTextHover, kitcolours::kTextHover};
    const Size item = macropage::kGameMenuImageSize;
    for (size_t state = 0; state < std::size(texts); ++state) {
        for (const size_t first : {size_t{0}, kGameMenuSubImageFirst}) {
            const std::string path = "Menu/" + std::string(kGameMenuImages[first + state]);
            const QImage image = LoadSkinFile(path);
            ASSERT_FALSE(image.isNull()) << path;
            EXPECT_GE(MinContrast(image, {0, 0, item.width - 4, item.height - 1}, texts[state]),
                      kMinimumContrast)
                << path;
        }
    }
}

TEST(KitSkins, TheIconMenusTextsAreReadable)
{
    namespace kc = kitcolours;
    EXPECT_GE(ContrastRatio(kc::kTextNormal, kc::kMenuBackground), kMinimumContrast);
    EXPECT_GE(ContrastRatio(kc::kTextHover, kc::kMenuHighlight), kMinimumContrast);
    EXPECT_GE(ContrastRatio(kc::kTextDisabled, kc::kMenuBackground), 3.0);
}

TEST(KitSkins, HintAndProgressTextsAreReadable)
{
    const QImage main = LoadSkinFile(mainwindow::kSheetNormal);
    ASSERT_FALSE(main.isNull());
    EXPECT_GE(MinContrast(main, mainwindow::kHintArea, kitcolours::kHintText), kMinimumContrast);
    // The progress text is drawn on the dialog's dark panel.
    const QImage dialog = LoadSkinFile("ProgressBar/Progress_Normal.png");
    ASSERT_FALSE(dialog.isNull());
    EXPECT_GE(MinContrast(dialog, {35, 20, 345, 40}, kitcolours::kGreyText), kMinimumContrast);
}

} // namespace
} // namespace qx71::test
