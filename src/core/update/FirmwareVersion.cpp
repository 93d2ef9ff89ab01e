#include "core/update/FirmwareVersion.h"

#include <limits>

namespace qx71 {

namespace {

bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int32_t VersionNumber(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // One past the largest magnitude is enough to know the value saturates.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= kLimit) {
            magnitude = magnitude * 10 + (text[i] - u'0');
        }
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<int32_t>::min()
                                   : static_cast<int32_t>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<int32_t>::max()
                               : static_cast<int32_t>(magnitude);
}

bool IsNewerFirmware(int32_t offered, int32_t installed)
{
    return static_cast<uint32_t>(offered) > static_cast<uint32_t>(installed);
}

std::u16string FirmwareVersionText(bool queried, int version)
{
    if (!queried || version == 0) {
        return {};
    }
    const std::string digits = std::to_string(version);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string FirmwareVersionDisplay(std::u16string_view versionText)
{
    if (versionText.empty()) {
        return u"Unknown";
    }
    std::u16string first = u"0";
    std::u16string second = u"0";
    std::u16string third(1, versionText.back());
    if (versionText.size() >= 2) {
        second.assign(1, versionText[versionText.size() - 2]);
    }
    if (versionText.size() >= 3) {
        first.assign(versionText.substr(0, versionText.size() - 2));
    }
    return u"V " + first + u"." + second + u"." + third;
}

} // namespace qx71
