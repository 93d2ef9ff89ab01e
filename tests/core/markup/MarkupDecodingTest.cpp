#include "MarkupTestSupport.h"

#include "core/common/Utf.h"
#include "core/markup/EncodingNames.h"
#include "core/markup/MarkupTextDecoder.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::MarkupFixture;

// Text as 16- or 32-bit code units in either byte order (characters of one unit only, in the
// 16-bit case).
std::string Units(std::u32string_view text, size_t unitSize, bool bigEndian)
{
    std::string out;
    for (char32_t c : text) {
        for (size_t i = 0; i < unitSize; ++i) {
            const size_t shift = 8 * (bigEndian ? unitSize - 1 - i : i);
            out.push_back(static_cast<char>((c >> shift) & 0xFF));
        }
    }
    return out;
}

TEST(MarkupDecoding, Utf16LittleEndianWithMarkGivesTheSameTreeAsUtf8)
{
    const std::u16string doc = u"<root>\r\n <config><str_ok>OK &amp; go</str_ok><x a='1'/></config>"
                               u"<other>t</other></root>";
    MarkupFixture utf8;
    MarkupFixture utf16;
    ASSERT_TRUE(utf8.LoadBytes(Utf16ToUtf8(doc)));
    ASSERT_TRUE(utf16.LoadBytes(test::Utf16LeWithBom(doc)));
    EXPECT_EQ(utf16.doc.FileFlags(), kFileUtf16Le);
    EXPECT_EQ(utf8.doc.FileFlags(), 0u);
    ASSERT_EQ(utf8.doc.ElementCount(), utf16.doc.ElementCount());
    for (uint32_t i = 1; i < utf8.doc.ElementCount(); ++i) {
        EXPECT_EQ(utf8.doc.ElementName(i), utf16.doc.ElementName(i));
        EXPECT_EQ(utf8.doc.ElementText(i), utf16.doc.ElementText(i));
        EXPECT_EQ(utf8.doc.Element(i).parent, utf16.doc.Element(i).parent);
        EXPECT_EQ(utf8.doc.Element(i).nextSibling, utf16.doc.Element(i).nextSibling);
    }
    utf16.doc.ResetPosition();
    ASSERT_TRUE(utf16.doc.FindChildElement(u"config"));
    ASSERT_TRUE(utf16.doc.EnterElement());
    ASSERT_TRUE(utf16.doc.FindChildElement(u"str_ok"));
    EXPECT_EQ(utf16.doc.ChildText(), u"OK & go");
}

struct DecodingCase {
    const char* what;
    std::string bytes;
    std::u16string text; // of /r/a
    const char* note;    // expected in the read notes
};

TEST(MarkupDecoding, EncodingIsTakenFromMarkDeclarationOrContent)
{
    const DecodingCase cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF<r><a>\xC3\xA9</a></r>", u"\u00E9", "UTF-8 BOM"},
        {"UTF-16 big-endian mark", "\xFE\xFF" + Units(U"<r><a>\u00E9</a></r>", 2, true), u"\u00E9",
         "endian swap"},
        {"declared windows-1251",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?><r><a>\xCF\xF0\xE8</a></r>",
         u"\u041F\u0440\u0438", "windows-1251"},
        {"declared name in another letter case",
         "<?xml version='1.0' encoding='WINDOWS-1251'?><r><a>\xCF</a></r>", u"\u041F",
         "WINDOWS-1251"},
        {"declared gbk", "<?xml version=\"1.0\" encoding=\"gbk\"?><r><a>\xD6\xD0\xCE\xC4</a></r>",
         u"\u4E2D\u6587", "gbk"},
        {"declared big5", "<?xml version=\"1.0\" encoding=\"big5\"?><r><a>\xA4\xA4</a></r>",
         u"\u4E2D", "big5"},
        {"declared shift_jis",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r><a>\x93\xFA</a></r>", u"\u65E5",
         "Shift_JIS"},
        {"declared koi8-r", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><r><a>\xF0</a></r>",
         u"\u041F", "koi8-r"},
        {"HTML meta charset",
         "<html><head><meta http-equiv=\"content-type\" content=\"text/html; "
         "charset=iso-8859-15\"></head><body></body></html><r><a>\xA4</a></r>",
         u"\u20AC", "iso-8859-15"},
        {"undeclared, starts with <, invalid UTF-8", "<r><a>caf\xE9</a></r>", u"caf\uFFFD",
         "UTF-8"},
        {"undeclared valid UTF-8 after white space", "  <r><a>\xC3\xA9</a></r>", u"\u00E9",
         "(used UTF-8 detection)"},
        {"undeclared, not UTF-8: the ANSI code page", "  <r><a>caf\xE9 \x80</a></r>",
         u"caf\u00E9 \u20AC", "ANSI"},
        {"zero bytes dropped", std::string("<r><a>x") + '\0' + "y</a>" + '\0' + "</r>", u"xy",
         "(2 nulls removed)"},
        {"unknown declared name: the ANSI code page",
         "<?xml version='1.0' encoding='x-nonsense'?><r><a>\xE9</a></r>", u"\u00E9", "x-nonsense"},
        {"UTF-16 declared in a byte file is not believed",
         "<?xml version='1.0' encoding='utf-16'?><r><a>\xC3\xA9</a></r>", u"\u00E9",
         "(used UTF-8 detection)"},
        {"UTF-16 declared, no mark, zero bytes agree",
         Units(U"<?xml version='1.0' encoding='utf-16'?><r><a>\u00E9</a></r>", 2, false), u"\u00E9",
         "utf-16"},
        {"UTF-32",
         Units(U"<?xml version='1.0' encoding='UTF-32'?><r><a>\U0001F600</a></r>", 4, false),
         u"\U0001F600", "UTF-32"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MarkupFixture f;
        f.LoadBytes(c.bytes);
        EXPECT_EQ(f.Text(u"r", u"a"), c.text);
        EXPECT_NE(f.doc.ResultText().find(c.note), std::string::npos) << f.doc.ResultText();
    }
}

TEST(MarkupDecoding, EmptyFileIsReadButHasNoRoot)
{
    MarkupFixture f;
    EXPECT_FALSE(f.LoadBytes(""));
    EXPECT_NE(f.doc.ResultText().find("0 length"), std::string::npos);
    EXPECT_NE(f.doc.ResultText().find("Empty document"), std::string::npos);
    EXPECT_EQ(f.doc.ElementCount(), 1u);
}

TEST(MarkupDecoding, EncodingNamesIncludeTheCommonAliases)
{
    const std::pair<const char*, uint32_t> names[] = {
        {"utf-8", 65001},
        {"UNICODE-1-1-UTF-8", 65001},
        {"x-unicode-2-0-utf-8", 65001},
        {"utf-16", 1200},
        {"unicode", 1200},
        {"unicodeFFFE", 1201},
        {"utf-7", 65000},
        {"gb2312", 936},
        {"GBK", 936},
        {"chinese", 936},
        {"cn-gb", 936},
        {"big5", 950},
        {"shift_jis", 932},
        {"x-sjis", 932},
        {"euc-kr", 949},
        {"ks_c_5601-1987", 949},
        {"euc-jp", 51932},
        {"iso-2022-jp", 50220},
        {"koi8-r", 20866},
        {"iso-8859-1", 28591},
        {"latin1", 28591},
        {"iso-8859-15", 28605},
        {"windows-1250", 1250},
        {"windows-1258", 1258},
        {"us-ascii", 20127},
        {"ascii", 20127},
        {"macintosh", 10000},
        {"UTF-32", kCodePageUtf32Le},
    };
    for (const auto& [name, codePage] : names) {
        EXPECT_EQ(CodePageOfEncodingName(name), codePage) << name;
    }
    EXPECT_FALSE(CodePageOfEncodingName("utf-9").has_value());
    EXPECT_GE(EncodingNameCount(), 200u);
}

} // namespace
} // namespace qx71
