#pragma once

#include "core/markup/MarkupDocument.h"
#include "support/SystemBackends.h"

#include <string>
#include <vector>

namespace qx71::test {

// A document over the real file system and the iconv codec.
struct MarkupFixture {
    test::SystemFileSystem files;
    test::SystemTextCodec codec;
    MarkupDocument doc{files, codec};

    bool LoadBytes(const std::string& bytes)
    {
        return doc.LoadBytes(
            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    }
    // The text of the first child named `child` of the first top-level element named `root`.
    std::u16string Text(std::u16string_view root, std::u16string_view child)
    {
        doc.ResetPosition();
        if (!doc.FindElement(root) || !doc.FindChildElement(child)) {
            return u"<none>";
        }
        return doc.ChildText();
    }
};

inline std::string Utf16LeWithBom(const std::u16string& text)
{
    std::string out = "\xFF\xFE";
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

} // namespace qx71::test
