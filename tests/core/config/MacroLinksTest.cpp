// The buttons' macro links rebuilt from a profile's own assignments, and the macros it names
// that the table lacks.
#include "core/config/MacroLinks.h"

#include "core/buttons/ButtonFunction.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "support/MacroFixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace qx71 {
namespace {

constexpr uint32_t kStored = 0x15000001;
constexpr uint32_t kGone = 0x15000009;
constexpr uint32_t kEmpty = 0x15000004;

void SetMacro(ProfileRecord& profile, ButtonIndex button, uint32_t id, std::u16string_view name)
{
    ButtonAssignment& b = profile.buttons[ToIndex(button)];
    b.function = ToCode(ButtonFunction::Macro);
    b.macroId = id;
    SetText(b.displayName, name);
}

class MacroLinks : public ::testing::Test {
protected:
    MacroLinks()
    {
        table[kStored] = test::PressAMacro(kStored);
        MacroRecord empty;
        empty.id = kEmpty; // a slot that holds the id but no macro
        table[kEmpty] = empty;
        SetMacro(profile, ButtonIndex::Back, kStored, u"Reload");
        SetMacro(profile, ButtonIndex::Forward, kGone, u"Dash");
        SetMacro(profile, ButtonIndex::Middle, kEmpty, u"");
        // Another function keeps the macro id of an earlier assignment; it links nothing.
        profile.buttons[ToIndex(ButtonIndex::Right)].macroId = kStored;
    }
    MacroLookup Lookup()
    {
        return [this](uint32_t id) -> std::optional<MacroRecord> {
            const auto it = table.find(id);
            return it == table.end() ? std::nullopt : std::optional(it->second);
        };
    }

    std::map<uint32_t, MacroRecord> table;
    ProfileRecord profile = DefaultProfile(false);
};

TEST_F(MacroLinks, LinksFollowTheAssignmentsAndMissingMacrosAreListedInButtonOrder)
{
    // The links of the profile this one replaces.
    std::array<uint32_t, kProfileButtons> ids{9, 9, 9, 9, 9, 9, 9};
    const std::vector<MissingMacro> missing = LinkButtonMacros(profile, ids, Lookup());
    EXPECT_EQ(ids, (std::array<uint32_t, kProfileButtons>{0, kEmpty, 0, kGone, kStored, 0, 0}));
    EXPECT_EQ(missing, (std::vector<MissingMacro>{{ButtonIndex::Middle, kEmpty, u""},
                                                  {ButtonIndex::Forward, kGone, u"Dash"}}));
    EXPECT_EQ(FindMissingMacros(profile, Lookup()), missing);
}

TEST_F(MacroLinks, WithoutALookupTheLinksAreStillRebuiltAndNothingIsMissing)
{
    std::array<uint32_t, kProfileButtons> ids{};
    EXPECT_TRUE(LinkButtonMacros(profile, ids, {}).empty());
    EXPECT_EQ(ids[ToIndex(ButtonIndex::Forward)], kGone);
}

TEST_F(MacroLinks, TheMessageNamesEachButtonAndMacroInBothBuiltInLanguages)
{
    const std::vector<MissingMacro> missing{{ButtonIndex::Middle, kEmpty, u""},
                                            {ButtonIndex::Back, kGone, u"Dash"}};
    EXPECT_EQ(MissingMacrosText(missing, false),
              u"These buttons are set to a macro that the macro list no longer holds; they do "
              u"nothing until they are set again:\nMiddle: (0x15000004)\nBack: \"Dash\" "
              u"(0x15000009)");
    EXPECT_EQ(MissingMacrosText(missing, true),
              u"以下按键设置的宏已不在宏列表中，重新设置之前它们不起作用：\n中键：(0x15000004)"
              u"\n后退键：“Dash” (0x15000009)");
    EXPECT_EQ(MissingMacrosText({}, false), u"");
}

} // namespace
} // namespace qx71
