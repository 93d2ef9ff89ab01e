#include "I18nTestSupport.h"

#include "core/common/Utf.h"
#include "core/i18n/LanguageTable.h"
#include "core/i18n/LoadUiStrings.h"
#include "core/i18n/PageLabels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace qx71 {
namespace {

struct LabelsFixture {
    test::SystemFileSystem files;
    test::SystemTextCodec codec;
    SharedMarkupDocument shared{files, codec};
    UiStrings strings;
};

// Every label that shows English in a shipped language, as "label/language": the list the
// translators work from. Each line here is a known gap; a new one fails the test.
const std::set<std::string> kKnownFallbacks = {};

TEST(PageLabels, ShippedLanguagesFallBackOnlyWhereListed)
{
    const char* installDir = std::getenv("QX71_TEST_INSTALL_DIR");
    ASSERT_NE(installDir, nullptr);
    LabelsFixture f;
    std::set<std::string> fallbacks;
    for (const LanguageInfo& language : kLanguages) {
        const LanguageLoadResult load =
            LoadUiStrings(f.shared, LanguageFilePath(installDir, language), f.strings);
        ASSERT_TRUE(load.wellFormed) << language.fileName;
        for (size_t i = 0; i < kPageLabelCount; ++i) {
            const ResolvedLabel label =
                ResolveLabel(static_cast<PageLabel>(i), language.id, f.strings);
            EXPECT_FALSE(label.text.empty()) << kPageLabels[i].name << " " << language.menuText;
            if (label.fellBack) {
                fallbacks.insert(std::string(kPageLabels[i].name) + "/" +
                                 std::string(language.menuText));
            }
        }
    }
    EXPECT_EQ(fallbacks, kKnownFallbacks);
}

TEST(PageLabels, EveryLabelHasEnglishAndAKnownKeyOrTwelveTexts)
{
    for (const PageLabelEntry& entry : kPageLabels) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_FALSE(entry.texts[kLanguageEnglish - 1].empty());
        if (!entry.stringKey.empty()) {
            EXPECT_LT(UiStrings::IndexOf(entry.stringKey), UiStrings::kCount);
            continue;
        }
        for (const LanguageInfo& language : kLanguages) {
            EXPECT_FALSE(entry.texts[static_cast<size_t>(language.id - 1)].empty())
                << language.menuText;
        }
    }
}

struct ResolveCase {
    const char* what;
    PageLabel label;
    LanguageId language;
    const char16_t* fileText; // the loaded file's text for the label's key, if it has one
    const char16_t* shown;
    bool fellBack;
};

TEST(PageLabels, FileTextWinsThenTheTableThenEnglish)
{
    const ResolveCase cases[] = {
        {"keyed, file has it", PageLabel::DpiSection, 10, u"Настройки DPI", u"Настройки DPI",
         false},
        {"keyed, file lacks it", PageLabel::DpiSection, 10, u"", u"DPI settings", true},
        {"keyed, English file lacks it", PageLabel::DpiSection, kLanguageEnglish, u"",
         u"DPI settings", true},
        {"table, Korean", PageLabel::SlowMark, 4, u"", u"느림", false},
        {"table, Traditional Chinese", PageLabel::TabLeft, 12, u"", u"左鍵", false},
        {"table, English", PageLabel::Distance, kLanguageEnglish, u"", u"Distance", false},
        {"table, no such language", PageLabel::Distance, 13, u"", u"Distance", true},
    };
    for (const ResolveCase& c : cases) {
        SCOPED_TRACE(c.what);
        UiStrings strings;
        const PageLabelEntry& entry = kPageLabels[static_cast<size_t>(c.label)];
        if (!entry.stringKey.empty()) {
            strings.Set(entry.stringKey, c.fileText);
        }
        const ResolvedLabel label = ResolveLabel(c.label, c.language, strings);
        EXPECT_EQ(label.text, std::u16string(c.shown));
        EXPECT_EQ(label.fellBack, c.fellBack);
    }
}

} // namespace
} // namespace qx71
