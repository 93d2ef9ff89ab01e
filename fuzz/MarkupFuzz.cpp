// Feeds arbitrary bytes to the markup reader as a file's content, walks every element and
// reads every text. Crashes, hangs, sanitizer reports and broken tree links are findings.
#include "core/i18n/ElementText.h"
#include "core/markup/CharacterReferences.h"
#include "core/markup/MarkupDocument.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Every element is reached exactly once from the document through the child and sibling
// links, its links agree with each other, and it lies inside its parent.
void CheckTree(const qx71::MarkupDocument& doc)
{
    const size_t count = doc.ElementCount();
    const size_t textSize = doc.Text().size();
    std::vector<bool> seen(count, false);
    std::vector<uint32_t> pending{0};
    size_t visited = 0;
    while (!pending.empty()) {
        const uint32_t parent = pending.back();
        pending.pop_back();
        const auto& p = doc.Element(parent);
        const size_t contentStart = parent == 0 ? 0 : size_t{p.offset} + p.startTagLength;
        const size_t parentEnd = size_t{p.offset} + p.length;
        uint32_t prev = 0;
        for (uint32_t c = p.firstChild; c != 0; c = doc.Element(c).nextSibling) {
            Check(c < count && !seen[c]);
            seen[c] = true;
            ++visited;
            const auto& e = doc.Element(c);
            Check(e.parent == parent && e.prevSibling == prev);
            Check(e.offset >= contentStart && size_t{e.offset} + e.length <= parentEnd);
            Check(size_t{e.offset} + e.length <= textSize);
            Check(e.startTagLength <= e.length && e.endTagLength <= e.length - e.startTagLength);
            Check(1 + size_t{e.nameLength} <= e.startTagLength);
            (void)doc.ElementText(c);
            pending.push_back(c);
            prev = c;
        }
    }
    Check(visited + 1 == count);
}

void Navigate(qx71::MarkupDocument& doc)
{
    // The lookups the program makes, with names likely to occur in fuzzed input.
    for (const char16_t* section : {u"config", u"a", u""}) {
        doc.ResetPosition();
        while (doc.FindChildElement(section)) {
            doc.EnterElement();
            while (doc.FindChildElement()) {
                (void)doc.ChildText();
            }
        }
    }
    doc.ResetPosition();
    while (doc.FindElement()) {
    }
    // The lookups of the language files and the update description.
    (void)qx71::GetElementText(doc, "config", "str_ok");
    (void)qx71::GetElementText(doc, "firmware", "current");
    (void)qx71::GetElementText(doc, "a", "a");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static qx71::PosixFileSystem files;
    static qx71::IconvTextCodec codec;
    qx71::MarkupDocument doc(files, codec);
    const bool wellFormed = doc.LoadBytes(std::span<const uint8_t>(data, size));
    Check(!wellFormed || doc.Diagnostics().empty());
    CheckTree(doc);
    Navigate(doc);
    (void)qx71::DecodeCharacterReferences(doc.Text());
    (void)doc.ResultText();
    return 0;
}
