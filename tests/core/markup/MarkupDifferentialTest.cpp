// The reader against pugixml on well-formed documents: the same elements, in the same places,
// with the same texts.
#include "MarkupTestSupport.h"

#include "core/common/Utf.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace qx71 {
namespace {

struct Entry {
    size_t depth;
    std::string name;
    std::string text;
};

bool IsAllSpace(const std::string& s)
{
    return s.find_first_not_of(" \t\n") == std::string::npos;
}

// Elements in document order, with the text a leaf holds (pcdata and CDATA; comments and
// processing instructions are not parsed by pugixml's default options).
void Flatten(const pugi::xml_node& node, size_t depth, std::vector<Entry>& out)
{
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        Entry entry{depth, child.name(), ""};
        bool hasElements = false;
        for (pugi::xml_node inner : child.children()) {
            if (inner.type() == pugi::node_element) {
                hasElements = true;
            } else if (inner.type() == pugi::node_pcdata || inner.type() == pugi::node_cdata) {
                entry.text += inner.value();
            }
        }
        if (hasElements) {
            entry.text.clear();
        }
        out.push_back(entry);
        Flatten(child, depth + 1, out);
    }
}

std::vector<Entry> Flatten(const MarkupDocument& doc)
{
    std::vector<Entry> out;
    std::vector<size_t> depth(doc.ElementCount(), 0);
    for (uint32_t i = 1; i < doc.ElementCount(); ++i) {
        const uint32_t parent = doc.Element(i).parent;
        depth[i] = parent == 0 ? 0 : depth[parent] + 1;
        out.push_back({depth[i], Utf16ToUtf8(doc.ElementName(i)), Utf16ToUtf8(doc.ElementText(i))});
    }
    return out;
}

void ExpectSameAsPugixml(const std::string& bytes)
{
    pugi::xml_document reference;
    const auto parsed = reference.load_buffer(bytes.data(), bytes.size());
    ASSERT_TRUE(parsed) << parsed.description() << "\n" << bytes;
    std::vector<Entry> expected;
    Flatten(reference, 0, expected);

    test::MarkupFixture f;
    EXPECT_TRUE(f.LoadBytes(bytes)) << f.doc.ResultText() << "\n" << bytes;
    const auto actual = Flatten(f.doc);
    ASSERT_EQ(actual.size(), expected.size()) << bytes;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].depth, expected[i].depth) << i << "\n" << bytes;
        EXPECT_EQ(actual[i].name, expected[i].name) << i << "\n" << bytes;
        // pugixml drops a leaf's content of white space only; the reader keeps it.
        if (!(expected[i].text.empty() && IsAllSpace(actual[i].text))) {
            EXPECT_EQ(actual[i].text, expected[i].text) << i << "\n" << bytes;
        }
    }
}

// Random well-formed documents from a fixed seed.
class DocumentGenerator {
public:
    explicit DocumentGenerator(uint32_t seed) : random_(seed) {}

    std::string Document()
    {
        std::string out;
        if (Chance(2)) {
            out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        }
        if (Chance(4)) {
            out += "<!-- head -->\n";
        }
        Element(out, 0);
        if (Chance(4)) {
            out += "\n<!-- tail -->";
        }
        return out;
    }

private:
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

    std::string Name()
    {
        static const char* const kNames[] = {"a",
                                             "b",
                                             "config",
                                             "str_ok",
                                             "Str_OK",
                                             "x-1",
                                             "n.s",
                                             "\xC3\xA9l\xC3\xA9ment",
                                             "\xE4\xB8\xAD",
                                             "_"};
        return kNames[Pick(std::size(kNames))];
    }

    std::string Text()
    {
        static const char* const kPieces[] = {
            "word",   " ",      "\n",    "\t",       "&amp;",     "&lt;",     "&gt;",
            "&quot;", "&apos;", "&#65;", "&#x4E2D;", "&#x1F600;", "\xC3\xA9", "\xE4\xB8\xAD",
            "%s",     "]",      "a>b",   "'\"",
        };
        std::string out;
        for (size_t n = Pick(5); n > 0; --n) {
            out += kPieces[Pick(std::size(kPieces))];
        }
        return out;
    }

    void Attributes(std::string& out)
    {
        for (size_t n = Pick(3); n > 0; --n) {
            out += ' ';
            out += "at" + std::to_string(n);
            out += Chance(2) ? "=\"v>&amp;'\"" : " = 'x\"y'";
        }
    }

    void Content(std::string& out, int depth)
    {
        for (size_t n = Pick(5); n > 0; --n) {
            switch (Pick(depth < 5 ? 6 : 4)) {
            case 0:
                out += Text();
                break;
            case 1:
                out += "<![CDATA[" + std::string(Chance(2) ? "<raw> &amp; ]" : "") + "]]>";
                break;
            case 2:
                out += "<!--" + std::string(Chance(2) ? " note <x> " : "") + "-->";
                break;
            case 3:
                out += "<?pi data?>";
                break;
            default:
                Element(out, depth + 1);
                break;
            }
        }
    }

    void Element(std::string& out, int depth)
    {
        const std::string name = Name();
        out += "<" + name;
        Attributes(out);
        if (Chance(6)) {
            out += Chance(2) ? "/>" : " />";
            return;
        }
        out += ">";
        Content(out, depth);
        out += "</" + name + (Chance(4) ? " >" : ">");
    }

    std::mt19937 random_;
};

TEST(MarkupDifferential, RandomWellFormedDocumentsMatchPugixml)
{
    DocumentGenerator generator(71);
    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(i);
        ExpectSameAsPugixml(generator.Document());
        if (HasFailure()) {
            break;
        }
    }
}

TEST(MarkupDifferential, ShippedLanguageFilesMatchPugixml)
{
    const char* installDir = std::getenv("QX71_TEST_INSTALL_DIR");
    ASSERT_NE(installDir, nullptr);
    size_t files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(installDir) / "Language")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        ExpectSameAsPugixml(bytes);
        ++files;
    }
    EXPECT_EQ(files, 12u);
}

} // namespace
} // namespace qx71
