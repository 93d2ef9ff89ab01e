// GoogleTest first: Xlib's macros (None, Bool) would break its headers.
#include <gtest/gtest.h>

#include "X11TestSupport.h"

#include "platform/linux/X11PointerSettings.h"

#include <X11/extensions/XInput2.h>

#include <cstring>
#include <optional>

namespace qx71 {
namespace {

using test::XTestInjector;

struct Control {
    int numerator;
    int denominator;
    int threshold;
    friend bool operator==(const Control&, const Control&) = default;
};

Control ReadControl(Display* display)
{
    Control c{};
    XGetPointerControl(display, &c.numerator, &c.denominator, &c.threshold);
    return c;
}

// Xvfb's pointers have no libinput properties; the test gives the XTest pointer one, as the
// libinput driver would, and reads it back.
class FakeAccelSpeed {
public:
    explicit FakeAccelSpeed(Display* display) : display_(display)
    {
        property_ = XInternAtom(display, "libinput Accel Speed", False);
        float_ = XInternAtom(display, "FLOAT", False);
        int count = 0;
        XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
        for (int i = 0; i < count; ++i) {
            if (info[i].use == XISlavePointer) {
                device_ = info[i].deviceid;
            }
        }
        XIFreeDeviceInfo(info);
        Write(0.0f);
    }
    ~FakeAccelSpeed()
    {
        XIDeleteProperty(display_, device_, property_);
        XSync(display_, False);
    }
    void Write(float value)
    {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        XIChangeProperty(display_, device_, property_, float_, 32, PropModeReplace, bytes, 1);
        XSync(display_, False);
    }
    std::optional<float> Read()
    {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XIGetProperty(display_, device_, property_, 0, 1, False, float_, &type, &format, &items,
                          &after, &data) != Success ||
            items != 1) {
            XFree(data);
            return std::nullopt;
        }
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        XFree(data);
        return value;
    }

private:
    Display* display_;
    Atom property_ = 0;
    Atom float_ = 0;
    int device_ = 0;
};

class X11Pointer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Ok()); }
    XTestInjector x;
    std::vector<std::string> log;
    X11PointerSettings settings{{}, [this](const std::string& line) { log.push_back(line); }};
};

TEST_F(X11Pointer, PrecisionRoundTripsThroughTheServer)
{
    ASSERT_TRUE(settings.SetPrecision(false));
    EXPECT_EQ(ReadControl(x.display()), (Control{10, 10, 0}));
    ASSERT_TRUE(settings.SetPrecision(true));
    EXPECT_EQ(ReadControl(x.display()), (Control{20, 10, 6}));
}

TEST_F(X11Pointer, WithoutLibinputTheSpeedScalesTheNumerator)
{
    ASSERT_TRUE(settings.SetPrecision(true));
    ASSERT_TRUE(settings.SetSpeed(15));
    EXPECT_EQ(ReadControl(x.display()), (Control{30, 10, 6}));
    ASSERT_TRUE(settings.SetPrecision(false));
    EXPECT_EQ(ReadControl(x.display()), (Control{15, 10, 0}));
    for (int refused : {0, 21, -1}) {
        EXPECT_FALSE(settings.SetSpeed(refused)) << refused;
    }
    EXPECT_EQ(ReadControl(x.display()), (Control{15, 10, 0}));
}

TEST_F(X11Pointer, WithLibinputTheSpeedGoesToItsProperty)
{
    FakeAccelSpeed accel(x.display());
    struct Case {
        int speed;
        float expected;
    };
    for (Case c : {Case{1, -1.0f}, Case{20, 1.0f}, Case{10, -1.0f + 18.0f / 19.0f}}) {
        ASSERT_TRUE(settings.SetSpeed(c.speed));
        EXPECT_FLOAT_EQ(accel.Read().value(), c.expected) << c.speed;
    }
    // The numerator stays neutral: precision alone decides the acceleration.
    ASSERT_TRUE(settings.SetPrecision(true));
    EXPECT_EQ(ReadControl(x.display()), (Control{20, 10, 6}));
}

TEST_F(X11Pointer, WheelLinesAreKeptNotAppliedAndLoggedOnce)
{
    EXPECT_FALSE(settings.SetWheelLines(5));
    EXPECT_FALSE(settings.SetWheelLines(-1));
    EXPECT_EQ(settings.WheelLines(), -1);
    EXPECT_EQ(log.size(), 1u);
}

TEST(X11PointerNoDisplay, NothingTakesEffectWithoutAServer)
{
    X11PointerSettings settings(":9999", [](const std::string&) {});
    EXPECT_FALSE(settings.SetPrecision(true));
    EXPECT_FALSE(settings.SetSpeed(10));
}

} // namespace
} // namespace qx71
