#include "core/app/UsbMatchText.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(UsbMatchText, IsVidAndPidInFourUpperCaseDigits)
{
    const struct {
        const char* vendor;
        const char* product;
        const char* text;
    } cases[] = {
        {"3554", "F513", "VID_3554&PID_F513"},
        {"3554", "f5ff", "VID_3554&PID_F5FF"},
        {"4d9", "a", "VID_04D9&PID_000A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UsbMatchText(UsbIdentity{c.vendor, c.product}), c.text) << c.vendor;
    }
}

} // namespace
} // namespace qx71
