// The start's notice when no usable QX71 was found: why, and the fix, when it is plugged in.
#include "core/app/MouseAccessNotice.h"

#include "core/common/Utf.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

DeviceSurvey Survey(MouseStatus status, NodeAccess access, bool vendorInterface = true)
{
    DeviceSurvey survey;
    survey.status = status;
    survey.mouseAccess = access;
    if (vendorInterface) {
        survey.interfaces.push_back({});
        survey.mouse = 0;
    }
    return survey;
}

TEST(MouseAccessNotice, SaysWhyAPluggedInMouseCannotBeOpenedAndHowToFixIt)
{
    const std::string fix = "sudo udevadm trigger";
    const std::string notFound = "The QX71 gaming mouse cannot be found.";
    const std::string denied =
        "The QX71 gaming mouse is plugged in, but this user may not open it (permission denied).\n";
    const std::string refused = "The QX71 gaming mouse is plugged in, but it cannot be opened. "
                                "Run \"qx71ctl devices\" to see why.";
    const struct {
        const char* name;
        DeviceSurvey survey;
        std::string fix;
        std::string text;
        bool waitsForOk; // a fix or a reason to read
    } cases[] = {
        {"absent", Survey(MouseStatus::Absent, NodeAccess::Missing, false), fix, notFound, false},
        {"update mode", Survey(MouseStatus::UpdateMode, NodeAccess::Missing, false), fix, notFound,
         false},
        {"denied with a rule", Survey(MouseStatus::NotUsable, NodeAccess::PermissionDenied), fix,
         denied + "Run this command, then start the program again:\nsudo udevadm trigger", true},
        {"denied without a rule", Survey(MouseStatus::NotUsable, NodeAccess::PermissionDenied), "",
         denied + "Install the qx71 package: it lets the user at this computer use the mouse.",
         true},
        {"busy", Survey(MouseStatus::NotUsable, NodeAccess::Busy), fix,
         "The QX71 gaming mouse is plugged in, but another program holds it. Close that "
         "program, then start this one again.",
         true},
        {"refused", Survey(MouseStatus::NotUsable, NodeAccess::Failed), fix, refused, true},
        {"no vendor interface", Survey(MouseStatus::NotUsable, NodeAccess::Missing, false), fix,
         refused, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf16ToUtf8(MouseAccessNotice(c.survey, c.fix, false)), c.text);
        EXPECT_EQ(MouseNoticeWaitsForOk(c.survey), c.waitsForOk);
    }
    const std::u16string chinese =
        MouseAccessNotice(Survey(MouseStatus::NotUsable, NodeAccess::PermissionDenied), fix, true);
    EXPECT_EQ(chinese.substr(0, 4), u"QX71");
    EXPECT_NE(chinese.find(u"权限被拒绝"), std::u16string::npos);
    EXPECT_NE(chinese.find(u"sudo udevadm trigger"), std::u16string::npos);
}

} // namespace
} // namespace qx71
