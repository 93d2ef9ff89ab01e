#include "core/app/HintLine.h"
#include "core/buttons/MainSetModel.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(HintLineNote, APointerControlTheDesktopIgnoresIsNamedInItsHint)
{
    const std::u16string_view notUsed = u"This desktop does not use this setting.";
    const struct {
        int code;
        PointerSupport support;
        bool noted;
    } cases[] = {
        // GNOME and X11: no lines-per-notch setting.
        {MainSetHover::kLines, {true, true, false}, true},
        {MainSetHover::kScreen, {true, true, false}, true},
        {MainSetHover::kSpeed, {true, true, false}, false},
        {MainSetHover::kAccuracy, {true, true, false}, false},
        // Plasma keeps all three.
        {MainSetHover::kLines, {true, true, true}, false},
        // Not a pointer control.
        {MainSetHover::kDpi, {true, true, false}, false},
        {kHintApply, {}, false},
    };
    for (const auto& c : cases) {
        HintLine hint;
        hint.SetPointerSupport(c.support);
        hint.Show(c.code);
        EXPECT_EQ(hint.Note(false), c.noted ? notUsed : std::u16string_view()) << c.code;
        EXPECT_EQ(hint.Note(true).empty(), !c.noted) << c.code;
    }
}

TEST(HintLineNote, ADesktopThatKeepsThemItselfIsNamedOnEveryPointerControl)
{
    HintLine hint;
    hint.SetPointerSupport({});
    for (const int code : {MainSetHover::kSpeed, MainSetHover::kAccuracy, MainSetHover::kLines}) {
        hint.Show(code);
        EXPECT_EQ(hint.Note(false),
                  u"This desktop keeps the pointer settings itself: change them in its own "
                  u"settings.");
    }
}

} // namespace
} // namespace qx71
