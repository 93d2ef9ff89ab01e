// qx71_to_utf16 IN OUT: copies a UTF-8 text file to OUT as UTF-16 little-endian with a
// byte-order mark, changing an XML declaration's encoding="UTF-8" to encoding="UTF-16".
#include "core/common/Utf.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: qx71_to_utf16 IN OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "qx71_to_utf16: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string from = "encoding=\"UTF-8\"";
    const auto declarationEnd = text.find("?>");
    const auto at = text.find(from);
    if (at != std::string::npos && declarationEnd != std::string::npos && at < declarationEnd) {
        text.replace(at, from.size(), "encoding=\"UTF-16\"");
    }
    const std::u16string wide = qx71::Utf8ToUtf16(text);
    std::string bytes = "\xFF\xFE";
    for (char16_t c : wide) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "qx71_to_utf16: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
