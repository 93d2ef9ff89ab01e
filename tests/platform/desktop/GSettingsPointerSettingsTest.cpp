#include "platform/linux/GSettingsPointerSettings.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace qx71 {
namespace {

// GIO takes its settings back end and XDG_CONFIG_HOME once per process: every test of this
// program shares one keyfile in one temporary folder, set before GIO is first used.
class GSettingsPointerSettingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!configHome_) {
            configHome_ = std::make_unique<test::TempDir>();
            ::setenv("XDG_CONFIG_HOME", configHome_->path().c_str(), 1);
            ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
        }
    }

    // The keyfile as GIO's keyfile back end wrote it.
    static std::string Keyfile()
    {
        std::ifstream in(configHome_->path() / "glib-2.0" / "settings" / "keyfile");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static std::unique_ptr<test::TempDir> configHome_;
};

std::unique_ptr<test::TempDir> GSettingsPointerSettingsTest::configHome_;

TEST_F(GSettingsPointerSettingsTest, EverySpeedAndBothPrecisionsGoInAndReadBack)
{
    GSettingsPointerSettings settings;
    std::string error;
    ASSERT_TRUE(settings.Open(error)) << error;
    for (int speed = IPointerSettings::kMinSpeed; speed <= IPointerSettings::kMaxSpeed; ++speed) {
        ASSERT_TRUE(settings.SetSpeed(speed)) << speed;
        EXPECT_EQ(settings.Current().speed, speed);
    }
    for (const bool on : {false, true, false}) {
        ASSERT_TRUE(settings.SetPrecision(on));
        EXPECT_EQ(settings.Current().precision, on);
    }
    // A second reader (a new settings object) sees what the first wrote.
    ASSERT_TRUE(settings.SetSpeed(15));
    GSettingsPointerSettings reader;
    const PointerValues values = reader.Current();
    EXPECT_EQ(values.speed, 15);
    EXPECT_EQ(values.precision, false);
    EXPECT_FALSE(values.wheelLines);
}

TEST_F(GSettingsPointerSettingsTest, TheKeyfileHoldsTheSchemasValues)
{
    GSettingsPointerSettings settings;
    ASSERT_TRUE(settings.SetSpeed(15));
    ASSERT_TRUE(settings.SetPrecision(false));
    const std::string keyfile = Keyfile();
    EXPECT_NE(keyfile.find("[org/gnome/desktop/peripherals/mouse]"), std::string::npos) << keyfile;
    EXPECT_NE(keyfile.find("speed=0.5\n"), std::string::npos) << keyfile;
    EXPECT_NE(keyfile.find("accel-profile='flat'\n"), std::string::npos) << keyfile;
    ASSERT_TRUE(settings.SetSpeed(1));
    ASSERT_TRUE(settings.SetPrecision(true));
    EXPECT_NE(Keyfile().find("speed=-1.0\n"), std::string::npos) << Keyfile();
    EXPECT_NE(Keyfile().find("accel-profile='adaptive'\n"), std::string::npos) << Keyfile();
}

TEST_F(GSettingsPointerSettingsTest, WhatGnomeLacksIsRefusedAndSaidSo)
{
    GSettingsPointerSettings settings;
    EXPECT_EQ(settings.Supports(), (PointerSupport{true, true, false}));
    EXPECT_FALSE(settings.SetWheelLines(5));
    EXPECT_FALSE(settings.SetSpeed(0));
    EXPECT_FALSE(settings.SetSpeed(21));
}

TEST_F(GSettingsPointerSettingsTest, AMissingSchemaIsAFailureNotAnAbort)
{
    GSettingsPointerSettings settings("org.example.no.such.schema");
    std::string error;
    EXPECT_FALSE(settings.Open(error));
    EXPECT_NE(error.find("org.example.no.such.schema"), std::string::npos) << error;
    EXPECT_FALSE(settings.SetSpeed(10));
    EXPECT_FALSE(settings.Current().speed);
}

} // namespace
} // namespace qx71
