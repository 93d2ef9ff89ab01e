#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/ButtonDefaults.h"
#include "core/buttons/NameTranslation.h"

#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

TEST(FunctionCatalogue, CodesNamesAndDeviceCodes)
{
    struct Row {
        int32_t code;
        std::u16string chinese;
        std::u16string english;
        uint32_t deviceCode;
    };
    const Row rows[] = {
        {1, u"单击", u"Click", 0x00F00001},
        {2, u"菜单", u"Menu", 0x00F10001},
        {4, u"中键", u"Middle", 0x00F20001},
        {8, u"前进", u"Forward", 0x00F40001},
        {16, u"后退", u"Back", 0x00F30001},
        {11, u"滚轮前滚", u"Scroll up", 0x00010004},
        {22, u"滚轮后滚", u"Scroll down", 0x00020004},
        {32, u"播放/暂停", u"Play/Pause", 0x00CD0003},
        {33, u"停止", u"Stop", 0x00B70003},
        {34, u"上一曲", u"Previous", 0x00B60003},
        {35, u"下一曲", u"Next", 0x00B50003},
        {37, u"音量+", u"Volume up", 0x00E90003},
        {38, u"音量-", u"Volume down", 0x00EA0003},
        {39, u"静音", u"Mute", 0x00E20003},
        {40, u"音乐", u"Music", 0x01830003},
        {81, u"关闭窗口", u"Close window", 0x003D0400},
        {82, u"锁定电脑", u"Lock PC", 0x000F0800},
        {84, u"运行", u"Run", 0x00150800},
        {85, u"显示桌面", u"Show desktop", 0x00070800},
        {121, u"禁用按键", u"Disable key", 0x00000007},
        {123, u"进入传统界面", u"Enter classic desktop", 0x00100800},
        {124, u"切换应用程序", u"Switch applications", 0x002B0400},
        {125, u"搜索", u"Search", 0x00140800},
        {126, u"放大", u"sreen zoom in", 0x00570800},
        {127, u"缩小", u"sreen zoom out", 0x00560800},
        {142, u"狙击键", u"SNIPE", 0x08040007},
        {143, u"火力", u"FIRE", 0x0218F00A},
    };
    ASSERT_EQ(std::size(rows), kFunctionCatalogue.size());
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_EQ(FunctionName(r.code, true), r.chinese);
        EXPECT_EQ(FunctionName(r.code, false), r.english);
        EXPECT_EQ(CatalogueDeviceCode(r.code), r.deviceCode);
    }
}

TEST(FunctionCatalogue, KindMarkersAndUnknownCodesHaveNoNameAndNoCode)
{
    for (const int32_t code : {0, 3, 5, 6, 19, 200, -1}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(FunctionName(code, false), u"");
        EXPECT_EQ(FunctionName(code, true), u"");
        EXPECT_EQ(CatalogueDeviceCode(code), std::nullopt);
    }
    EXPECT_TRUE(IsKindMarker(5) && IsKindMarker(6) && IsKindMarker(19));
    EXPECT_FALSE(IsKindMarker(1) || IsKindMarker(121));
}

TEST(ButtonDefaults, DefaultFunctionsAndNativeCodes)
{
    const int32_t functions[] = {1, 4, 2, 8, 16, 11, 22};
    // Native codes of left, middle, right, forward, back, wheel forward and backward.
    const uint32_t native[] = {0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001,
                               0x00F30001, 0x00010004, 0x00020004};
    for (size_t i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<ButtonIndex>(i);
        EXPECT_EQ(ToCode(DefaultFunction(button)), functions[i]) << i;
        EXPECT_EQ(NativeDeviceCode(button), native[i]) << i;
    }
}

TEST(NameTranslation, OnlyTheDefaultNamesFollowTheLanguage)
{
    struct Case {
        std::u16string stored;
        bool chineseUi;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"Scroll down", true, u"滚轮后滚"},
        {u"滚轮后滚", false, u"Scroll down"},
        {u"Click", true, u"单击"},
        {u"中键", false, u"Middle"},
        // Already in the language in force.
        {u"Menu", false, u"Menu"},
        {u"菜单", true, u"菜单"},
        // Not one of the seven: never translated.
        {u"Play/Pause", true, u"Play/Pause"},
        {u"播放/暂停", false, u"播放/暂停"},
        // Whole and case-sensitive.
        {u"click", true, u"click"},
        {u"Scroll down ", true, u"Scroll down "},
        {u"", true, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RetranslateName(c.stored, c.chineseUi), c.expected);
    }
}

} // namespace
} // namespace qx71
