#include "I18nTestSupport.h"

#include "core/common/Utf.h"
#include "core/i18n/ElementText.h"
#include "core/i18n/LanguageTable.h"
#include "core/i18n/LoadUiStrings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace qx71 {
namespace {

using test::TempDir;

struct Fixture {
    TempDir tmp;
    test::SystemFileSystem files;
    test::SystemTextCodec codec;
    SharedMarkupDocument shared{files, codec};
    UiStrings strings;

    std::filesystem::path Write(const std::string& name, const std::string& content)
    {
        test::WriteText(tmp / name, content);
        return tmp / name;
    }
};

struct LookupCase {
    const char* what;
    const char* doc;
    const char16_t* text; // of str_ok
};

TEST(LanguageFile, KeysAreFoundOnlyWhereTheLookupRuleLooks)
{
    const LookupCase cases[] = {
        {"grandchild of the root", "<l><config><str_ok>OK</str_ok></config></l>", u"OK"},
        {"root named config", "<config><str_ok>OK</str_ok></config>", u""},
        {"only in a second sibling config",
         "<l><config><str_main>M</str_main></config><config><str_ok>OK</str_ok></config></l>", u""},
        {"first of two siblings",
         "<l><config><str_ok>1</str_ok></config><config><str_ok>2</str_ok></config></l>", u"1"},
        {"key in a nested config",
         "<l><config><a/><config><str_ok>deep</str_ok></config></config></l>", u"deep"},
        {"key in the wrong letter case", "<l><config><Str_ok>OK</Str_ok></config></l>", u""},
        {"key holding a child element", "<l><config><str_ok>O<b>K</b></str_ok></config></l>", u""},
        {"predefined entity", "<l><config><str_ok>Save &amp; apply</str_ok></config></l>",
         u"Save & apply"},
        {"white space kept", "<l><config><str_ok> OK </str_ok></config></l>", u" OK "},
        {"order and other elements do not matter",
         "<l><other/><config><x>1</x><str_main>M</str_main><str_ok>OK</str_ok></config></l>",
         u"OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        LoadUiStrings(f.shared, f.Write("l.xml", c.doc), f.strings);
        EXPECT_EQ(f.strings.Get("str_ok"), c.text);
    }
}

TEST(LanguageFile, EveryLoadAssignsAllEntriesAgain)
{
    Fixture f;
    const auto first =
        LoadUiStrings(f.shared, f.Write("a.xml", test::LanguageFileFor("A:")), f.strings);
    EXPECT_TRUE(first.wellFormed);
    for (const auto key : UiStrings::kKeys) {
        EXPECT_EQ(f.strings.Get(key), Utf8ToUtf16("A:" + std::string(key)));
    }

    // A second language lacking a key empties that entry.
    const auto path = f.Write("b.xml", "<l><config><str_main>B</str_main></config></l>");
    LoadUiStrings(f.shared, path, f.strings);
    EXPECT_EQ(f.strings.Get("str_main"), u"B");
    EXPECT_EQ(f.strings.Get("str_ok"), u"");

    // A file that does not exist empties all 107, not keeping the previous language.
    LoadUiStrings(f.shared, f.Write("a.xml", test::LanguageFileFor("A:")), f.strings);
    const auto missing = LoadUiStrings(f.shared, f.tmp / "absent.xml", f.strings);
    EXPECT_EQ(missing.readError, FileError::NotFound);
    for (const auto key : UiStrings::kKeys) {
        EXPECT_EQ(f.strings.Get(key), u"") << key;
    }
}

TEST(LanguageFile, CheckTellsMissingKeysFromEmptyOnes)
{
    Fixture f;
    const auto report = CheckLanguageFile(
        f.shared,
        f.Write("c.xml", "<l><config><str_main></str_main><str_ok>OK</str_ok></config></l>"));
    EXPECT_TRUE(report.load.wellFormed);
    EXPECT_EQ(report.MissingCount(), UiStrings::kCount - 2);
    EXPECT_EQ(report.texts[UiStrings::IndexOf("str_main")], u"");
    EXPECT_EQ(report.texts[UiStrings::IndexOf("str_ok")], u"OK");
    EXPECT_FALSE(report.texts[UiStrings::IndexOf("str_sts")].has_value());
}

// The update check loads its description into the same document from its own thread; each
// load and its lookups must see only their own file.
TEST(LanguageFile, SharedDocumentKeepsEachLoadAndItsLookupsTogether)
{
    Fixture f;
    const auto language = f.Write("lang.xml", test::LanguageFileFor("L:"));
    const auto update = f.Write("update.xml", "<u><firmware><current>13</current>"
                                              "<newfile>http://h/f.bin</newfile></firmware></u>");
    std::atomic<int> wrong{0};
    std::thread checker([&] {
        for (int i = 0; i < 100; ++i) {
            auto unit = f.shared.Begin();
            unit->LoadFile(update);
            if (GetElementText(*unit, "firmware", "current") != u"13" ||
                GetElementText(*unit, "firmware", "newfile") != u"http://h/f.bin") {
                ++wrong;
            }
        }
    });
    for (int i = 0; i < 100; ++i) {
        LoadUiStrings(f.shared, language, f.strings);
        if (f.strings.Get("str_firmware_version") != u"L:str_firmware_version") {
            ++wrong;
        }
    }
    checker.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST(LanguageFile, ShippedFilesGiveEveryText)
{
    const char* installDir = std::getenv("QX71_TEST_INSTALL_DIR");
    ASSERT_NE(installDir, nullptr);
    Fixture f;
    bool sawUtf16 = false;
    for (const auto& language : kLanguages) {
        SCOPED_TRACE(language.fileName);
        const auto path = LanguageFilePath(installDir, language);
        const auto report = CheckLanguageFile(f.shared, path);
        EXPECT_TRUE(report.load.wellFormed) << report.load.readerResult;
        EXPECT_EQ(report.MissingCount(), 0u);
        for (size_t i = 0; i < UiStrings::kCount; ++i) {
            EXPECT_FALSE(report.texts[i].value_or(u"").empty()) << UiStrings::kKeys[i];
        }
        const auto& msg2 = report.texts[UiStrings::IndexOf("str_msg2")].value_or(u"");
        EXPECT_NE(msg2.find(u"%s"), std::u16string::npos);
        EXPECT_EQ(msg2.find(u"%s"), msg2.rfind(u"%s"));
        EXPECT_EQ(msg2.find(u'%'), msg2.rfind(u'%')); // no other format directive
        sawUtf16 = sawUtf16 || report.load.readerResult.find("UTF-16LE BOM") != std::string::npos;
    }
    EXPECT_TRUE(sawUtf16);
}

} // namespace
} // namespace qx71
