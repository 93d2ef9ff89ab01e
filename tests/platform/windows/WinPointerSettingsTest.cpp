#include "platform/windows/WinPointerSettings.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

// Puts the system's pointer settings back after each test.
class WinPointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const PointerValues now = settings_.Current();
        ASSERT_TRUE(now.precision && now.speed && now.wheelLines);
        precisionWasOn_ = *now.precision;
        speed_ = *now.speed;
        lines_ = *now.wheelLines;
    }
    void TearDown() override
    {
        settings_.SetPrecision(precisionWasOn_);
        settings_.SetSpeed(speed_);
        settings_.SetWheelLines(lines_);
    }

    WinPointerSettings settings_;
    bool precisionWasOn_ = false;
    int speed_ = IPointerSettings::kDefaultSpeed;
    int lines_ = 3;
};

TEST_F(WinPointerSettingsTest, PrecisionSetsTheThreeMouseValues)
{
    ASSERT_TRUE(settings_.SetPrecision(true));
    EXPECT_EQ(WinPointerSettings::Mouse(), (std::array<int, 3>{6, 10, 1}));
    EXPECT_EQ(settings_.Current().precision, true);
    ASSERT_TRUE(settings_.SetPrecision(false));
    EXPECT_EQ(WinPointerSettings::Mouse(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(settings_.Current().precision, false);
}

TEST_F(WinPointerSettingsTest, SpeedIsSetAndReadBackAndOutOfRangeIsRefused)
{
    for (const int speed : {1, 7, 20}) {
        ASSERT_TRUE(settings_.SetSpeed(speed)) << speed;
        EXPECT_EQ(settings_.Current().speed, speed);
    }
    EXPECT_FALSE(settings_.SetSpeed(0));
    EXPECT_FALSE(settings_.SetSpeed(21));
    EXPECT_EQ(settings_.Current().speed, 20);
}

TEST_F(WinPointerSettingsTest, WheelLinesIncludeOneScreenPerNotch)
{
    for (const int lines : {1, 7, IPointerSettings::kWheelOneScreen, 3}) {
        ASSERT_TRUE(settings_.SetWheelLines(lines)) << lines;
        EXPECT_EQ(settings_.Current().wheelLines, lines);
    }
}

} // namespace
} // namespace qx71
