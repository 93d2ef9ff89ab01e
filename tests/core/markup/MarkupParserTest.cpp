#include "MarkupTestSupport.h"

#include "core/common/Utf.h"
#include "core/markup/CharacterReferences.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::MarkupFixture;

TEST(MarkupParser, CharacterReferencesThatAreReplacedAndThatStay)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"&lt;b&gt;", u"<b>"},
        {u"&#65;&#x41;&#X41;", u"AAA"},
        {u"&amp;&quot;&apos;&AMP;", u"&\"'&"},
        {u"&unknown;", u"&unknown;"},
        {u"&abcdefghij;", u"&abcdefghij;"},     // ten characters: not a reference
        {u"&thetasym;x", u"\u03D1x"},           // nine characters: still one
        {u"&Oslash;&oslash;", u"\u00D8\u00D8"}, // case pairs give the capital form
        {u"&darr;&dArr;&dagger;", u"\u21D3\u21D3\u2021"},
        {u"&eacute;&Eacute;", u"\u00C9\u00C9"},
        {u"&nbsp;&euro;&hellip;", u"\u00A0\u20AC\u2026"},
        {u"&#0;&#x0;", u"&#0;&#x0;"},  // code point 0 stays
        {u"&#x1F600;", u"\U0001F600"}, // above U+FFFF: a surrogate pair
        {u"&#xD800;&#x110000;", u"&#xD800;&#x110000;"},
        {u"&#;&#x;&#12a;", u"&#;&#x;&#12a;"},
        {u"a & b && c &", u"a & b && c &"},
        {u"&&amp;", u"&&"},
        {u"&\u00E9t\u00E9;", u"&\u00E9t\u00E9;"}, // not ASCII
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(DecodeCharacterReferences(in), out) << Utf16ToUtf8(in);
    }
    EXPECT_EQ(kEntityNameCount, 253u);
}

TEST(MarkupParser, TextOfAnElement)
{
    MarkupFixture f;
    ASSERT_TRUE(f.LoadBytes("<r>"
                            "<plain>  two  words \n</plain>"
                            "<comment>Save<!-- not shown --> all</comment>"
                            "<cdata>a <![CDATA[<b>&amp;]]> c</cdata>"
                            "<pi>x<?target data?>y</pi>"
                            "<spaces>x <!--c--> \n <!--d--> y</spaces>"
                            "<parent>text<child>c</child></parent>"
                            "<empty></empty><self/>"
                            "<entity>Tom &amp; Jerry</entity>"
                            "</r>"));
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"plain", u"  two  words \n"},
        {u"comment", u"Save all"},
        {u"cdata", u"a <b>&amp; c"},
        {u"pi", u"xy"},
        {u"spaces", u"x  y"},
        {u"parent", u""},
        {u"empty", u""},
        {u"self", u""},
        {u"entity", u"Tom & Jerry"},
    };
    for (const auto& [name, text] : cases) {
        EXPECT_EQ(f.Text(u"r", name), text) << Utf16ToUtf8(name);
    }
}

struct DefectCase {
    const char* doc;
    const char* diagnostic;
};

TEST(MarkupParser, DefectsAreReportedAndTheParseGoesOn)
{
    const DefectCase cases[] = {
        {"", "Empty document"},
        {"just text", "No root element"},
        {"<a/><b/>", "Root element has sibling"},
        {"</x><a/>", "No start tag for end tag 'x' at offset 0"},
        {"<a><b></c></b></a>", "End tag 'c' at offset 6 does not match start tag 'b' at offset 3"},
        {"<a><b></a>", "Element 'b' at offset 3 not ended"},
        {"<a><b>", "Element 'a' at offset 0 not ended"},
        {"<a>< b</a>", "Incorrect tag name character at offset 4"},
        {"<a><!x></a>", "Incorrect ! tag at offset 3"},
        {"<a><!-x></a>", "Incorrect comment tag at offset 3"},
        {"<a b></a>", "Incorrect tag at offset 4"},
        {"<a b=c></a>", "Incorrect tag at offset 5"},
        {"<a x='1></a>", "Element tag at offset 0 unterminated"},
        {"<a></a", "Element end tag at offset 3 unterminated"},
        {"<a><![CDATA[x</a>", "CDATA Section at offset 3 unterminated"},
        {"<?xml version='1.0'<a/>", "Processing instruction at offset 0 unterminated"},
        {"<a><!-- x</a>", "Comment at offset 3 unterminated"},
        {"<!DOCTYPE a [<!ENTITY x 'y'>", "Doctype at offset 0 unterminated"},
        {"<a><!x", "tag at offset 3 unterminated"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.doc);
        MarkupFixture f;
        EXPECT_FALSE(f.LoadBytes(c.doc));
        EXPECT_FALSE(f.doc.IsWellFormed());
        EXPECT_NE(f.doc.ResultText().find(c.diagnostic), std::string::npos) << f.doc.ResultText();
    }
}

TEST(MarkupParser, WellFormedDocumentsWithEveryKindOfNode)
{
    MarkupFixture f;
    EXPECT_TRUE(f.LoadBytes("<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ELEMENT r ANY>]>\n<!-- c -->"
                            "<r a=\"1\" b='>'><x/><y>t</y></r>\n<?after?>"));
    EXPECT_TRUE(f.doc.Diagnostics().empty()) << f.doc.ResultText();
    EXPECT_EQ(f.Text(u"r", u"y"), u"t");
}

TEST(MarkupParser, TwoRootsAreSearchableButNotWellFormed)
{
    MarkupFixture f;
    EXPECT_FALSE(f.LoadBytes("<first><config><k>1</k></config></first><second><k>2</k></second>"));
    f.doc.ResetPosition();
    ASSERT_TRUE(f.doc.FindChildElement(u"config")); // the first root became current
    EXPECT_TRUE(f.doc.EnterElement());
    ASSERT_TRUE(f.doc.FindChildElement(u"k"));
    EXPECT_EQ(f.doc.ChildText(), u"1");
    EXPECT_EQ(f.Text(u"second", u"k"), u"2");
}

TEST(MarkupParser, BrokenNestingIsRepairedSoThatLaterElementsStayFindable)
{
    MarkupFixture f;
    // <br> never ends: it becomes empty and what followed it stays a child of config.
    EXPECT_FALSE(f.LoadBytes("<r><config><br><a>1</a><b>2</b></config></r>"));
    EXPECT_EQ(f.Text(u"r", u"config"), u"");
    f.doc.ResetPosition();
    ASSERT_TRUE(f.doc.FindChildElement(u"config"));
    ASSERT_TRUE(f.doc.EnterElement());
    ASSERT_TRUE(f.doc.FindChildElement(u"br"));
    EXPECT_TRUE(f.doc.FindChildElement(u"a"));
    EXPECT_EQ(f.doc.ChildText(), u"1");
    EXPECT_TRUE(f.doc.FindChildElement(u"b"));
    EXPECT_EQ(f.doc.ChildText(), u"2");

    // A misspelt end tag ends the element it was meant for.
    MarkupFixture typo;
    EXPECT_FALSE(typo.LoadBytes("<r><config><a>1</b><c>3</c></confg></r>"));
    EXPECT_NE(typo.doc.ResultText().find("End tag 'b' at offset 15 does not match start tag 'a' "
                                         "at offset 11"),
              std::string::npos);
    typo.doc.ResetPosition();
    ASSERT_TRUE(typo.doc.FindChildElement(u"config"));
    ASSERT_TRUE(typo.doc.EnterElement());
    ASSERT_TRUE(typo.doc.FindChildElement(u"a"));
    EXPECT_EQ(typo.doc.ChildText(), u"1");
    ASSERT_TRUE(typo.doc.FindChildElement(u"c"));
    EXPECT_EQ(typo.doc.ChildText(), u"3");

    // A file cut short keeps what it has.
    MarkupFixture cut;
    EXPECT_FALSE(cut.LoadBytes("<r><config><a>1</a><b>2</b><c>unfini"));
    cut.doc.ResetPosition();
    ASSERT_TRUE(cut.doc.FindChildElement(u"config"));
    ASSERT_TRUE(cut.doc.EnterElement());
    ASSERT_TRUE(cut.doc.FindChildElement(u"b"));
    EXPECT_EQ(cut.doc.ChildText(), u"2");
    ASSERT_TRUE(cut.doc.FindChildElement(u"c"));
    EXPECT_EQ(cut.doc.ChildText(), u"unfini");
}

TEST(MarkupParser, NavigationFollowsTheCurrentPosition)
{
    MarkupFixture f;
    ASSERT_TRUE(f.LoadBytes("<r><a>1</a><B>x</B><a>2</a><b><a>3</a></b></r>"));
    auto& d = f.doc;
    d.ResetPosition();
    EXPECT_FALSE(d.EnterElement());    // nothing current
    EXPECT_FALSE(d.FindElement(u"a")); // only r is at the top
    ASSERT_TRUE(d.FindChildElement(u"a"));
    EXPECT_EQ(d.ChildText(), u"1");
    ASSERT_TRUE(d.FindChildElement(u"a")); // the next one after the current child
    EXPECT_EQ(d.ChildText(), u"2");
    EXPECT_FALSE(d.FindChildElement(u"a"));
    EXPECT_EQ(d.ChildText(), u"2");        // unchanged after a failed search
    EXPECT_TRUE(d.FindChildElement(u"b")); // names are case-sensitive: B is skipped
    ASSERT_TRUE(d.EnterElement());         // b is now current, a its first child
    ASSERT_TRUE(d.FindChildElement(u"a"));
    EXPECT_EQ(d.ChildText(), u"3");
    d.ResetPosition();
    ASSERT_TRUE(d.FindElement());
    EXPECT_EQ(d.ElementName(d.Element(0).firstChild), u"r");
    EXPECT_FALSE(d.FindElement());
}

TEST(MarkupParser, MissingFileEmptiesTheDocument)
{
    test::TempDir tmp;
    MarkupFixture f;
    ASSERT_TRUE(f.LoadBytes("<r><a>1</a></r>"));
    EXPECT_FALSE(f.doc.LoadFile(tmp / "absent.xml"));
    EXPECT_EQ(f.doc.ElementCount(), 1u);
    EXPECT_EQ(f.Text(u"r", u"a"), u"<none>");
    EXPECT_NE(f.doc.ResultText().find("cannot find"), std::string::npos);

    test::WriteText(tmp / "ok.xml", "<r><a>1</a></r>");
    EXPECT_TRUE(f.doc.LoadFile(tmp / "ok.xml"));
    EXPECT_EQ(f.Text(u"r", u"a"), u"1");
}

TEST(MarkupParser, LargeDocumentsSpanSeveralRecordBlocks)
{
    constexpr size_t kElements = 3 * ElementStore::kBlockSize / 2;
    std::string doc = "<r>";
    for (size_t i = 0; i < kElements; ++i) {
        doc += "<e>" + std::to_string(i) + "</e>";
    }
    doc += "</r>";
    MarkupFixture f;
    ASSERT_TRUE(f.LoadBytes(doc));
    ASSERT_EQ(f.doc.ElementCount(), kElements + 2);
    EXPECT_EQ(f.doc.ElementText(static_cast<uint32_t>(kElements + 1)),
              Utf8ToUtf16(std::to_string(kElements - 1)));
    EXPECT_EQ(f.doc.Element(static_cast<uint32_t>(kElements + 1)).prevSibling, kElements);

    // Too large a file is refused rather than read.
    EXPECT_FALSE(f.LoadBytes(std::string(MarkupDocument::kMaxFileBytes + 1, ' ')));
    EXPECT_EQ(f.doc.ElementCount(), 1u);
}

TEST(ElementStore, ReservesAndGrowsByHalf)
{
    ElementStore store;
    store.Reserve(10);
    EXPECT_EQ(store.Capacity(), 10u);
    for (int i = 0; i < 10; ++i) {
        store.Add();
    }
    store[9].offset = 99;
    store.Add();
    EXPECT_EQ(store.Capacity(), 16u);
    EXPECT_EQ(store[9].offset, 99u); // kept across the growth of the short block
    store.Reserve(ElementStore::kBlockSize + 5);
    EXPECT_EQ(store.Capacity(), ElementStore::kBlockSize + 5);
    store[ElementStore::kBlockSize + 4].offset = 7;
    EXPECT_EQ(store[ElementStore::kBlockSize + 4].offset, 7u);
    EXPECT_EQ(store[9].offset, 99u);
}

TEST(MarkupParser, DiagnosticsAreCapped)
{
    std::string doc = "<r>";
    for (int i = 0; i < 1000; ++i) {
        doc += "</x>";
    }
    doc += "</r>";
    MarkupFixture f;
    EXPECT_FALSE(f.LoadBytes(doc));
    EXPECT_EQ(f.doc.Diagnostics().size(), MarkupDocument::kMaxDiagnostics);
    EXPECT_NE(f.doc.ResultText().find("(901 more)"), std::string::npos);
}

} // namespace
} // namespace qx71
