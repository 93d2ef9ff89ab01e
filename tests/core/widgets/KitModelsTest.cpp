#include "core/config/ProgressDialogModel.h"
#include "core/widgets/ButtonLook.h"
#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/ListItemData.h"
#include "core/widgets/NineSlice.h"
#include "core/widgets/ScrollRepeat.h"
#include "core/widgets/SkinResources.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(NineSlice, CornersKeepTheirSizeEdgesStretch)
{
    const auto pieces = NineSlice({30, 30}, {116, 273}, 8);
    // Corners.
    EXPECT_EQ(pieces[0].source, (Rect{0, 0, 8, 8}));
    EXPECT_EQ(pieces[0].target, (Rect{0, 0, 8, 8}));
    EXPECT_EQ(pieces[8].source, (Rect{22, 22, 30, 30}));
    EXPECT_EQ(pieces[8].target, (Rect{108, 265, 116, 273}));
    // The top edge stretches along its length only, the centre both ways.
    EXPECT_EQ(pieces[1].source, (Rect{8, 0, 22, 8}));
    EXPECT_EQ(pieces[1].target, (Rect{8, 0, 108, 8}));
    EXPECT_EQ(pieces[4].target, (Rect{8, 8, 108, 265}));
    // A corner larger than half the image is limited.
    const auto small = NineSlice({10, 10}, {50, 50}, 8);
    EXPECT_EQ(small[0].source, (Rect{0, 0, 5, 5}));
    EXPECT_EQ(small[4].source, (Rect{5, 5, 5, 5}));
}

TEST(ButtonLook, StateImageChoice)
{
    using I = ButtonImage;
    using T = ButtonTextColour;
    struct Case {
        ButtonState state;
        ButtonLook expected;
    };
    const Case cases[] = {
        {{}, {I::Normal, T::Normal}},
        {{.hovering = true}, {I::Hover, T::Hover}},
        {{.hovering = true, .pressed = true}, {I::Pressed, T::Pressed}},
        {{.enabled = false}, {I::Disabled, T::Disabled}},
        {{.enabled = false, .hovering = true}, {I::Disabled, T::Disabled}},
        // A sheet without a disabled face of its own: the normal face, veiled.
        {{.enabled = false, .disabledImageIsNormal = true}, {I::Disabled, T::Disabled, true}},
        {{.disabledImageIsNormal = true}, {I::Normal, T::Normal}},
        // Checked with checked images: checked, and checked-hover only when it has one.
        {{.checked = true, .useCheckedImages = true, .hasCheckedImage = true},
         {I::Checked, T::Pressed}},
        {{.hovering = true,
          .checked = true,
          .useCheckedImages = true,
          .hasCheckedImage = true,
          .hasCheckedHoverImage = true},
         {I::CheckedHover, T::Pressed}},
        {{.hovering = true, .checked = true, .useCheckedImages = true, .hasCheckedImage = true},
         {I::Checked, T::Pressed}},
        {{.checked = true, .useCheckedImages = true}, {I::Pressed, T::Pressed}},
        // Checked without checked images looks normal.
        {{.checked = true}, {I::Normal, T::Normal}},
        // A toggle button that is not checked shows hover while pressed.
        {{.hovering = true, .pressed = true, .useCheckedImages = true, .hasCheckedImage = true},
         {I::Hover, T::Hover}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ChooseButtonLook(cases[i].state), cases[i].expected) << "case " << i;
    }
}

TEST(ButtonLook, RegionButtonKeepsADimmedMarkWhenDisabled)
{
    using I = ButtonImage;
    using T = ButtonTextColour;
    struct Case {
        RegionButtonState state;
        ButtonLook expected;
    };
    const Case cases[] = {
        {{}, {I::Normal, T::Normal}},
        {{.hovering = true}, {I::Hover, T::Hover}},
        {{.pressed = true}, {I::Pressed, T::Pressed}},
        {{.hovering = true, .selected = true}, {I::Pressed, T::Pressed}},
        {{.enabled = false, .hovering = true}, {I::Disabled, T::Disabled}},
        {{.enabled = false, .selected = true}, {I::Disabled, T::DisabledMark, false, true}},
        {{.enabled = false, .pressed = true, .selected = true},
         {I::Disabled, T::DisabledMark, false, true}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ChooseRegionLook(cases[i].state), cases[i].expected) << "case " << i;
    }
}

TEST(KitColours, DisabledCaptionsAreDimmedButReadableOnTheDarkFaces)
{
    // The dark faces under disabled captions: the dimmed region face, a face under the veil.
    const Rgb faces[] = {{36, 39, 45}, {30, 33, 38}, {35, 39, 45}, {27, 30, 35}};
    for (const Rgb face : faces) {
        EXPECT_GE(ContrastRatio(kitcolours::kTextDisabled, face), 3.0);
        EXPECT_GE(ContrastRatio(kitcolours::kTextDisabledMark, face), 3.0);
        EXPECT_LT(ContrastRatio(kitcolours::kTextDisabled, face),
                  ContrastRatio(kitcolours::kTextNormal, face));
    }
}

TEST(InfoBoxCountDown, CaptionsAndCloseAtTheSixthTick)
{
    infobox::CountDown countDown;
    EXPECT_EQ(countDown.Open(), 5);
    const int captions[] = {5, 4, 3, 2, 1, 0};
    for (int tick = 0; tick < 6; ++tick) {
        const auto t = countDown.OnTick();
        EXPECT_EQ(t.caption, captions[tick]) << "tick " << tick + 1;
        EXPECT_EQ(t.close, tick == 5) << "tick " << tick + 1;
    }
    EXPECT_EQ(infobox::CountDownText(false, 4), u"OK (4s)");
    EXPECT_EQ(infobox::CountDownText(true, 0), u"确定 (0s)");
}

TEST(InfoBoxModel, PlacesTextsAndGrowth)
{
    EXPECT_EQ(infobox::CentredPosition({1920, 1080}), (Point{795, 460}));
    EXPECT_EQ(infobox::CentredPosition({1025, 769}), (Point{347, 304}));
    EXPECT_EQ(infobox::CountDownPosition({1920, 1080}), (Point{1580, 920}));
    EXPECT_EQ(infobox::TitleText(true), u"提示");
    EXPECT_EQ(infobox::TitleText(false), u"Tips");
    EXPECT_EQ(infobox::CancelText(true), u"取消");
    EXPECT_EQ(infobox::OkText(false), u"OK");
    EXPECT_EQ(infobox::ImagesOf(infobox::Style::OkOnly).background, 1007);
    EXPECT_EQ(infobox::ImagesOf(infobox::Style::OkCancel).pressed, 1004);
    // The message may reach down to 6 px above the buttons; more makes the box taller.
    EXPECT_EQ(infobox::ExtraHeightFor(48), 0);
    EXPECT_EQ(infobox::ExtraHeightFor(49), 1);
    EXPECT_EQ(infobox::ExtraHeightFor(85), 73 + 85 + 6 - 127);
}

TEST(ProgressDialogModel, ValuesAndClose)
{
    struct Case {
        int value;
        int bar;
        bool close;
    };
    const Case cases[] = {{0, 0, false},    {42, 42, false}, {99, 99, false},
                          {100, 100, true}, {150, 0, false}, {-3, 0, false}};
    for (const Case& c : cases) {
        const progress::ProgressStep step = progress::OnProgress(c.value);
        EXPECT_EQ(step.barValue, c.bar) << c.value;
        EXPECT_EQ(step.closeLater, c.close) << c.value;
    }
    EXPECT_EQ(progress::ProgressText(kLanguageEnglish),
              u"Updating is in progress, please wait\u2026");
    EXPECT_EQ(progress::ProgressText(kLanguageSimplifiedChinese), u"更新进行中，请稍候...");
    EXPECT_LE(progress::kTextBox.right, progress::kImageSize.width);
}

TEST(ScrollRepeat, OneStepThenDelayThenRepeatsUntilRelease)
{
    ScrollRepeat repeat;
    const auto press = repeat.Press();
    EXPECT_TRUE(press.step);
    EXPECT_TRUE(press.startDelay);
    EXPECT_TRUE(repeat.DelayElapsed().startRepeat);
    EXPECT_TRUE(repeat.RepeatElapsed(true).step);
    EXPECT_FALSE(repeat.RepeatElapsed(false).step); // dragged off the arrow: no step
    EXPECT_TRUE(repeat.RepeatElapsed(true).step);
    const auto release = repeat.Release();
    EXPECT_TRUE(release.stopTimers);
    EXPECT_TRUE(release.endScroll);
    EXPECT_FALSE(repeat.RepeatElapsed(true).step); // a late timer does nothing
    EXPECT_FALSE(repeat.DelayElapsed().startRepeat);
}

TEST(ListItemData, KindValueIconsAndLayout)
{
    const uint32_t data = MakeListItemData(ListItemKind::Delay, 0x1234567);
    EXPECT_EQ(ListItemKindOf(data), 4);
    EXPECT_EQ(ListItemValueOf(data), 0x234567u);
    EXPECT_EQ(ListItemIcon(2, false), "up_normal.png");
    EXPECT_EQ(ListItemIcon(3, true), "down_select.png");
    EXPECT_EQ(ListItemIcon(4, false), "delay_normal.png");
    EXPECT_FALSE(ListItemIcon(0, true));
    EXPECT_FALSE(ListItemIcon(1, true));
    EXPECT_FALSE(ListItemIcon(9, true));
    const ListItemLayout withIcon = LayOutListItem(3, true, {16, 16});
    EXPECT_EQ(withIcon.icon, (Rect{5, 1, 21, 17}));
    EXPECT_EQ(withIcon.textLeft, 31);
    EXPECT_EQ(LayOutListItem(3, false, {16, 16}).textLeft, 5);
    EXPECT_EQ(LayOutListItem(1, true, {16, 16}).textLeft, 5);
}

TEST(KitColours, ContrastRatio)
{
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio({83, 97, 103}, {83, 97, 103}), 1.0, 1e-9);
}

TEST(SkinResources, Names)
{
    EXPECT_EQ(skins::ResourceBitmap(154), "Resources/154.bmp");
    EXPECT_EQ(skins::ResourceImage(1011), "Resources/1011.png");
    EXPECT_EQ(skins::HiDpiName("Main_Normal.bmp"), "Main_Normal@2x.png");
    EXPECT_EQ(skins::HiDpiName("ProgressBar/Progress_Over.png"),
              "ProgressBar/Progress_Over@2x.png");
    EXPECT_EQ(skins::HiDpiName("Menu/MenuNorL.BMP"), "Menu/MenuNorL@2x.png");
    EXPECT_EQ(skins::FlagBitmapOf(1), 142);
    EXPECT_EQ(skins::FlagIconOf(12), 141);
}

} // namespace
} // namespace qx71
