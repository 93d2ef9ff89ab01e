#include "cli/CliParse.h"

#include "core/buttons/MacroKeyNames.h"
#include "core/common/Utf.h"

#include <algorithm>
#include <cctype>
#include <iomanip>
#include <sstream>

namespace qx71 {

std::optional<ButtonIndex> ParseButton(const std::string& text)
{
    for (size_t i = 0; i < kButtonNames.size(); ++i) {
        if (EqualsIgnoringCase(Utf8ToUtf16(text), Utf8ToUtf16(kButtonNames[i]))) {
            return static_cast<ButtonIndex>(i);
        }
    }
    if (const auto number = ParseNumber(text, 0, static_cast<int32_t>(kButtonCount) - 1)) {
        return static_cast<ButtonIndex>(*number);
    }
    return std::nullopt;
}

std::string IdText(uint32_t id)
{
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0') << id;
    return out.str();
}

std::optional<uint32_t> ParseId(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > (hex ? 8u : 10u)) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    }
    if (value == 0 || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

std::optional<uint32_t> LookupKeyName(std::u16string_view name)
{
    // An exact match first: a few names differ only in case.
    for (const KeyNameEntry& entry : kMacroKeyNames) {
        if (entry.name == name) {
            return entry.virtualKey;
        }
    }
    for (const KeyNameEntry& entry : kMacroKeyNames) {
        if (EqualsIgnoringCase(entry.name, name)) {
            return entry.virtualKey;
        }
    }
    return std::nullopt;
}

std::optional<uint8_t> ParseCommandByte(const std::string& text)
{
    const std::optional<uint32_t> value = ParseId(text);
    if (!value || *value > 0xFF) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(*value);
}

std::optional<int32_t> ParseNumber(std::string_view text, int32_t min, int32_t max)
{
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

} // namespace qx71
