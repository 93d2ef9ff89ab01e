#include "core/i18n/IniFile.h"

#include "core/markup/MarkupTextDecoder.h"

namespace qx71 {

namespace {

constexpr uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};

std::u16string DecodeIni(std::span<const uint8_t> file)
{
    std::u16string text;
    if (file.size() >= 2 && (file[0] == 0xFF && file[1] == 0xFE)) {
        for (size_t i = 2; i + 1 < file.size(); i += 2) {
            text.push_back(static_cast<char16_t>(file[i] | (file[i + 1] << 8)));
        }
    } else if (file.size() >= 2 && (file[0] == 0xFE && file[1] == 0xFF)) {
        for (size_t i = 2; i + 1 < file.size(); i += 2) {
            text.push_back(static_cast<char16_t>((file[i] << 8) | file[i + 1]));
        }
    } else if (file.size() >= 3 && file[0] == kUtf8Bom[0] && file[1] == kUtf8Bom[1] &&
               file[2] == kUtf8Bom[2]) {
        DecodeUtf8Lenient(file.subspan(3), text);
    } else {
        // ANSI: only the ASCII names and digits matter here.
        for (uint8_t b : file) {
            text.push_back(b);
        }
    }
    return text;
}

bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

std::u16string_view Trim(std::u16string_view s)
{
    while (!s.empty() && IsSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool EqualIgnoringCase(std::u16string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i];
        char y = b[i];
        if (x >= u'A' && x <= u'Z') {
            x = static_cast<char16_t>(x - u'A' + u'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != static_cast<unsigned char>(y)) {
            return false;
        }
    }
    return true;
}

int DigitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < base ? value : -1;
}

} // namespace

std::optional<std::u16string> ReadIniString(std::span<const uint8_t> file, std::string_view section,
                                            std::string_view key)
{
    const std::u16string text = DecodeIni(file);
    const std::u16string_view view(text);
    bool inSection = false;
    bool sectionSeen = false;
    size_t pos = 0;
    while (pos < view.size()) {
        size_t end = view.find_first_of(u"\r\n", pos);
        if (end == std::u16string_view::npos) {
            end = view.size();
        }
        const std::u16string_view line = Trim(view.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == u';') {
            continue;
        }
        if (line.front() == u'[') {
            if (inSection) {
                return std::nullopt; // the first section of that name is the one read
            }
            const size_t close = line.find(u']');
            const auto name = Trim(line.substr(
                1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1));
            inSection = !sectionSeen && EqualIgnoringCase(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) {
            continue;
        }
        const size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            continue;
        }
        if (EqualIgnoringCase(Trim(line.substr(0, equals)), key)) {
            auto value = Trim(line.substr(equals + 1));
            if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                value.back() == value.front()) {
                value = value.substr(1, value.size() - 2);
            }
            return std::u16string(value);
        }
    }
    return std::nullopt;
}

int32_t ReadIniInt(std::span<const uint8_t> file, std::string_view section, std::string_view key,
                   int32_t defaultValue)
{
    const auto value = ReadIniString(file, section, key);
    if (!value || value->empty()) {
        return defaultValue;
    }
    std::u16string_view s(*value);
    bool negative = false;
    if (!s.empty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    uint32_t result = 0;
    for (char16_t c : s) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            break;
        }
        result = result * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit); // wraps
    }
    return static_cast<int32_t>(negative ? 0u - result : result);
}

} // namespace qx71
