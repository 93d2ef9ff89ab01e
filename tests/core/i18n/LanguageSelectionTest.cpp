#include "I18nTestSupport.h"

#include "core/common/Utf.h"
#include "core/i18n/IniFile.h"
#include "core/i18n/LanguageSelection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;

class LanguageSelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(install / "Language");
        std::filesystem::create_directories(install / "skins");
        std::filesystem::create_directories(data);
        test::WriteText(install / "Language" / "sc.xml", test::LanguageFileFor("sc:"));
        test::WriteText(install / "Language" / "en.xml", test::LanguageFileFor("en:"));
        test::WriteText(install / "Language" / "tw.xml", test::LanguageFileFor("tw:"));
    }

    void StoreCfg(int32_t id)
    {
        const uint8_t bytes[] = {static_cast<uint8_t>(id), static_cast<uint8_t>(id >> 8),
                                 static_cast<uint8_t>(id >> 16), static_cast<uint8_t>(id >> 24)};
        test::WriteAll(data / "Language.cfg", bytes);
    }
    std::vector<uint8_t> Cfg() { return ReadAll(data / "Language.cfg"); }

    TempDir tmp;
    std::filesystem::path install = tmp / "install";
    std::filesystem::path data = tmp / "data";
    test::FaultyFileSystem files;
    test::SystemTextCodec codec;
    SharedMarkupDocument shared{files, codec};
    UiStrings strings;
    test::RecordingMessageSink messages;
    LanguageSelection selection{files, messages, shared, strings, install, data};
};

TEST(LanguageMessagePlan, DecidesWhatToLoadStoreAndRefresh)
{
    struct Case {
        uint32_t wParam;
        int32_t lParam;
        bool menuOpen;
        bool handled;
        int chineseUi;
        std::optional<LanguageId> load;
        bool closeMenu;
    };
    const Case cases[] = {
        {kStartupLanguageCode, 0, false, false, 0, {}, false}, // 0: ignored
        {0, 0, true, false, 0, {}, false},
        {0, 3, false, false, 0, {}, false}, // a menu choice with no menu open
        {kStartupLanguageCode, 1, false, true, 1, 1, false},
        {kStartupLanguageCode, 13, false, true, 0, {}, false}, // stored but not loaded
        {kStartupLanguageCode, -2, false, true, 0, {}, false},
        {0, 12, true, true, 0, 12, true}, // Traditional Chinese: English built-in texts
        {0, 1, true, true, 1, 1, true},
        {7, 5, true, true, 0, 5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wParam << " " << c.lParam << " " << c.menuOpen);
        const auto plan = PlanLanguageMessage(c.wParam, c.lParam, c.menuOpen);
        EXPECT_EQ(plan.handled, c.handled);
        EXPECT_EQ(plan.chineseUi, c.chineseUi);
        EXPECT_EQ(plan.load, c.load);
        EXPECT_EQ(plan.refreshTooltips, c.handled);
        EXPECT_EQ(plan.store, c.handled ? std::optional<int32_t>(c.lParam) : std::nullopt);
        EXPECT_EQ(plan.closeMenu, c.closeMenu);
    }
}

TEST_F(LanguageSelectionTest, StoredZeroIsIgnoredAndLeavesTheInstallersLanguage)
{
    selection.ApplyInstallLanguage(); // no languagetype.ini: English
    StoreCfg(0);
    const auto id = selection.ReadLanguageCfg();
    EXPECT_EQ(id, 0);
    const auto plan = selection.HandleLanguageMessage(kStartupLanguageCode, id, false);
    EXPECT_FALSE(plan.handled);
    EXPECT_EQ(strings.Get("str_ok"), u"en:str_ok");
    EXPECT_EQ(selection.FlagShown(), kLanguageEnglish);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(LanguageSelectionTest, StoredThirteenLoadsNothingButIsWrittenBack)
{
    selection.ApplyInstallLanguage();
    StoreCfg(13);
    const auto plan =
        selection.HandleLanguageMessage(kStartupLanguageCode, selection.ReadLanguageCfg(), false);
    EXPECT_TRUE(plan.handled && plan.refreshTooltips);
    EXPECT_EQ(selection.ChineseUi(), 0);
    EXPECT_EQ(selection.FlagShown(), kLanguageEnglish); // the flag stays
    EXPECT_EQ(strings.Get("str_ok"), u"en:str_ok");
    EXPECT_EQ(Cfg(), (std::vector<uint8_t>{13, 0, 0, 0}));
}

TEST_F(LanguageSelectionTest, ChoosingALanguageLoadsStoresAndSetsTheBuiltInTexts)
{
    const auto tw = selection.HandleLanguageMessage(0, kLanguageTraditionalChinese, true);
    EXPECT_TRUE(tw.closeMenu);
    EXPECT_EQ(strings.Get("str_ok"), u"tw:str_ok");
    EXPECT_EQ(selection.ChineseUi(), 0); // English built-in texts
    EXPECT_EQ(selection.FlagShown(), kLanguageTraditionalChinese);
    EXPECT_EQ(Cfg(), (std::vector<uint8_t>{12, 0, 0, 0}));

    selection.HandleLanguageMessage(0, kLanguageSimplifiedChinese, true);
    EXPECT_EQ(selection.ChineseUi(), 1);
    EXPECT_EQ(strings.Get("str_ok"), u"sc:str_ok");

    // A choice arriving while no language menu is open changes nothing.
    const int writes = files.writes;
    EXPECT_FALSE(selection.HandleLanguageMessage(0, kLanguageEnglish, false).handled);
    EXPECT_EQ(strings.Get("str_ok"), u"sc:str_ok");
    EXPECT_EQ(files.writes, writes);

    // A language whose file is missing: empty texts, but the flag and the number change.
    selection.HandleLanguageMessage(0, 6, true);
    EXPECT_EQ(strings.Get("str_ok"), u"");
    EXPECT_EQ(selection.FlagShown(), 6);
    EXPECT_EQ(Cfg(), (std::vector<uint8_t>{6, 0, 0, 0}));
}

TEST_F(LanguageSelectionTest, InstallersChoiceComesFromLanguagetypeIni)
{
    selection.ApplyInstallLanguage();
    EXPECT_EQ(selection.InstallChinese(), 0);
    EXPECT_EQ(selection.ChineseUi(), 0);
    EXPECT_EQ(strings.Get("str_ok"), u"en:str_ok");

    test::WriteText(install / "skins" / "languagetype.ini", "[LanguageType]\r\nValue = 1\r\n");
    selection.ApplyInstallLanguage();
    EXPECT_EQ(selection.InstallChinese(), 1);
    EXPECT_EQ(selection.ChineseUi(), 1);
    EXPECT_EQ(selection.FlagShown(), kLanguageSimplifiedChinese);
    EXPECT_EQ(strings.Get("str_ok"), u"sc:str_ok");

    // A later choice never changes the installer's flag.
    selection.HandleLanguageMessage(0, kLanguageEnglish, true);
    EXPECT_EQ(selection.InstallChinese(), 1);
    EXPECT_EQ(selection.ChineseUi(), 0);
}

TEST_F(LanguageSelectionTest, ReadingLanguageCfg)
{
    EXPECT_EQ(selection.ReadLanguageCfg(), kLanguageSimplifiedChinese); // missing
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::InfoBox);
    EXPECT_EQ(Utf16ToUtf8(messages.shown[0].text),
              "Failed to open file, check whether there is a " + (data / "Language.cfg").string() +
                  " path?");

    StoreCfg(0x0102030A);
    EXPECT_EQ(selection.ReadLanguageCfg(), 0x0102030A);
    const uint8_t shortFile[] = {5};
    test::WriteAll(data / "Language.cfg", shortFile);
    EXPECT_EQ(selection.ReadLanguageCfg(), 5); // replaces the low byte of 1
    EXPECT_EQ(messages.shown.size(), 1u);
}

// An empty Language.cfg (a full disk) or one that cannot be read falls back to the installer's
// language, not to Chinese; the start-up writes the file only when it must change.
TEST_F(LanguageSelectionTest, DamagedLanguageCfgFallsBackToTheInstallersLanguage)
{
    struct Case {
        const char* what;
        std::optional<FileError> readFault; // else the file holds `bytes`
        std::vector<uint8_t> bytes;
        bool installChinese;
        LanguageId expected;
        bool written; // the start-up stores the number
    };
    const Case cases[] = {
        {"empty, English installation", {}, {}, false, kLanguageEnglish, true},
        {"empty, Chinese installation", {}, {}, true, kLanguageSimplifiedChinese, true},
        {"denied", FileError::AccessDenied, {}, false, kLanguageEnglish, false},
        {"not a file", FileError::NotRegular, {}, true, kLanguageSimplifiedChinese, false},
        {"read error", FileError::Other, {}, false, kLanguageEnglish, false},
        {"unchanged", {}, {2, 0, 0, 0}, true, kLanguageEnglish, false},
        {"short", {}, {2}, false, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        files.readFaults.clear();
        if (c.readFault) {
            files.readFaults[data / "Language.cfg"] = *c.readFault;
        }
        test::WriteAll(data / "Language.cfg", c.bytes);
        test::WriteText(install / "skins" / "languagetype.ini", c.installChinese
                                                                    ? "[languagetype]\nvalue=1\n"
                                                                    : "[languagetype]\nvalue=0\n");
        files.writes = 0;
        const LanguageId id = selection.ReadLanguageCfg();
        EXPECT_EQ(id, c.expected);
        selection.HandleLanguageMessage(kStartupLanguageCode, id, false);
        EXPECT_EQ(files.writes, c.written ? 1 : 0);
        EXPECT_TRUE(messages.shown.empty());
    }
    // A choice from the menu is stored even when the start-up wrote nothing.
    files.readFaults.clear();
    files.writes = 0;
    selection.HandleLanguageMessage(0, kLanguageSimplifiedChinese, true);
    EXPECT_EQ(files.writes, 1);
    EXPECT_EQ(Cfg(), (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(LanguageSelectionTest, WriteFailuresAreReportedWithTheLanguagesTexts)
{
    selection.HandleLanguageMessage(kStartupLanguageCode, kLanguageEnglish, false);
    EXPECT_TRUE(messages.shown.empty());

    // A missing folder is silent; a file that is not found is reported with its path.
    std::filesystem::remove_all(data);
    EXPECT_EQ(selection.WriteLanguageCfg(3), FileError::FolderMissing);
    EXPECT_TRUE(messages.shown.empty());
    files.writeError = FileError::NotFound;
    EXPECT_EQ(selection.WriteLanguageCfg(3), FileError::NotFound);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::SystemBox);
    EXPECT_EQ(messages.shown[0].caption, u"Info");
    EXPECT_EQ(messages.shown[0].text,
              FormatWithPath(strings.Get("str_msg2"), data / "Language.cfg"));

    files.writeError = FileError::AccessDenied;
    EXPECT_EQ(selection.WriteLanguageCfg(3), FileError::AccessDenied);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(Utf16ToUtf8(messages.shown[1].text),
              "en:str_msg5\n" + (data / "Language.cfg").string());

    files.writeError = FileError::Other;
    EXPECT_EQ(selection.WriteLanguageCfg(3), FileError::Other);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST(IniFile, ReadsLikeThePrivateProfileFunctions)
{
    struct Case {
        const char* what;
        std::string file;
        int32_t value;
    };
    const std::string utf16 = std::string("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x37\0", 18);
    const Case cases[] = {
        {"plain", "[s]\nk=1\n", 1},
        {"letter case and spaces", "; comment\n[ S ]\r\n  K  =  42  \r\n", 42},
        {"missing key", "[s]\nother=1\n", -9},
        {"missing section", "[t]\nk=1\n", -9},
        {"key before any section", "k=1\n[s]\n", -9},
        {"empty value", "[s]\nk=\n", -9},
        {"not a number", "[s]\nk=abc\n", 0},
        {"digits then letters", "[s]\nk=12ab\n", 12},
        {"negative and hexadecimal", "[s]\nk=-0x10\n", -16},
        {"quoted", "[s]\nk=\"5\"\n", 5},
        {"first section wins", "[s]\nx=0\n[s]\nk=1\n", -9},
        {"first key wins", "[s]\nk=2\nk=3\n", 2},
        {"UTF-16 with mark", utf16, 7},
        {"UTF-8 with mark", "\xEF\xBB\xBF[s]\nk=8", 8},
        {"empty file", "", -9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::span bytes(reinterpret_cast<const uint8_t*>(c.file.data()), c.file.size());
        EXPECT_EQ(ReadIniInt(bytes, "s", "k", -9), c.value);
    }
}

} // namespace
} // namespace qx71
