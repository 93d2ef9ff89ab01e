#include "core/macro/MacroEventSyntax.h"

#include "core/common/Utf.h"
#include "core/macro/MacroBuild.h"

namespace qx71 {

namespace {

constexpr std::string_view kDownPrefix = "down:";
constexpr std::string_view kUpPrefix = "up:";
constexpr std::string_view kMsSuffix = "ms";
constexpr uint32_t kMaxVirtualKey = 0xFF;

std::optional<uint32_t> ParseNumber(std::string_view text, bool allowHex)
{
    int base = 10;
    if (allowHex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> ParseKey(std::string_view key, const MacroKeyLookup& lookup)
{
    if (!key.empty() && key[0] == '#') {
        const std::optional<uint32_t> code = ParseNumber(key.substr(1), true);
        if (code && *code >= 1 && *code <= kMaxVirtualKey) {
            return code;
        }
        return std::nullopt;
    }
    if (key.empty() || !lookup) {
        return std::nullopt;
    }
    return lookup(Utf8ToUtf16(key));
}

} // namespace

MacroEventParse ParseMacroEventToken(std::string_view token, const MacroKeyLookup& lookup)
{
    MacroEventParse result;
    MacroItemKind kind = MacroItemKind::Pause;
    std::string_view key;
    if (token.starts_with(kDownPrefix)) {
        kind = MacroItemKind::Press;
        key = token.substr(kDownPrefix.size());
    } else if (token.starts_with(kUpPrefix)) {
        kind = MacroItemKind::Release;
        key = token.substr(kUpPrefix.size());
    } else if (token.ends_with(kMsSuffix)) {
        const std::optional<uint32_t> ms =
            ParseNumber(token.substr(0, token.size() - kMsSuffix.size()), false);
        if (!ms || *ms > kMaxPauseMs) {
            result.error = "a pause is 0 to 16777215 ms, written like 120ms";
            return result;
        }
        result.item = MakePauseItem(*ms);
        return result;
    } else {
        result.error = "an event is down:KEY, up:KEY or a pause like 120ms";
        return result;
    }
    const std::optional<uint32_t> code = ParseKey(key, lookup);
    if (!code) {
        result.error = "unknown key \"" + std::string(key) +
                       "\" (use a key name as 'macro show' prints it, or #CODE with a "
                       "virtual-key code 1..255)";
        return result;
    }
    // The item's text is the name the event list would show; the caller names it.
    result.item = EventItem{kind, *code, {}};
    return result;
}

} // namespace qx71
