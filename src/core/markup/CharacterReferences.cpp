#include "core/markup/CharacterReferences.h"

#include "core/markup/AsciiCase.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qx71 {

namespace {

struct Entity {
    std::u16string_view name; // folded to lower case
    char32_t codePoint;
};

// The HTML 4.01 entity names and "apos", folded to lower case and sorted. Where HTML has two
// names that differ only in letter case (Oslash/oslash, dArr/darr, Dagger/dagger and 61 more)
// both give the character of the form with the capital letter, so the folded name holds that.
constexpr Entity kEntities[] = {
    {u"aacute", 0x00C1}, {u"acirc", 0x00C2},   {u"acute", 0x00B4},   {u"aelig", 0x00C6},
    {u"agrave", 0x00C0}, {u"alefsym", 0x2135}, {u"alpha", 0x0391},   {u"amp", 0x0026},
    {u"and", 0x2227},    {u"ang", 0x2220},     {u"apos", 0x0027},    {u"aring", 0x00C5},
    {u"asymp", 0x2248},  {u"atilde", 0x00C3},  {u"auml", 0x00C4},    {u"bdquo", 0x201E},
    {u"beta", 0x0392},   {u"brvbar", 0x00A6},  {u"bull", 0x2022},    {u"cap", 0x2229},
    {u"ccedil", 0x00C7}, {u"cedil", 0x00B8},   {u"cent", 0x00A2},    {u"chi", 0x03A7},
    {u"circ", 0x02C6},   {u"clubs", 0x2663},   {u"cong", 0x2245},    {u"copy", 0x00A9},
    {u"crarr", 0x21B5},  {u"cup", 0x222A},     {u"curren", 0x00A4},  {u"dagger", 0x2021},
    {u"darr", 0x21D3},   {u"deg", 0x00B0},     {u"delta", 0x0394},   {u"diams", 0x2666},
    {u"divide", 0x00F7}, {u"eacute", 0x00C9},  {u"ecirc", 0x00CA},   {u"egrave", 0x00C8},
    {u"empty", 0x2205},  {u"emsp", 0x2003},    {u"ensp", 0x2002},    {u"epsilon", 0x0395},
    {u"equiv", 0x2261},  {u"eta", 0x0397},     {u"eth", 0x00D0},     {u"euml", 0x00CB},
    {u"euro", 0x20AC},   {u"exist", 0x2203},   {u"fnof", 0x0192},    {u"forall", 0x2200},
    {u"frac12", 0x00BD}, {u"frac14", 0x00BC},  {u"frac34", 0x00BE},  {u"frasl", 0x2044},
    {u"gamma", 0x0393},  {u"ge", 0x2265},      {u"gt", 0x003E},      {u"harr", 0x21D4},
    {u"hearts", 0x2665}, {u"hellip", 0x2026},  {u"iacute", 0x00CD},  {u"icirc", 0x00CE},
    {u"iexcl", 0x00A1},  {u"igrave", 0x00CC},  {u"image", 0x2111},   {u"infin", 0x221E},
    {u"int", 0x222B},    {u"iota", 0x0399},    {u"iquest", 0x00BF},  {u"isin", 0x2208},
    {u"iuml", 0x00CF},   {u"kappa", 0x039A},   {u"lambda", 0x039B},  {u"lang", 0x2329},
    {u"laquo", 0x00AB},  {u"larr", 0x21D0},    {u"lceil", 0x2308},   {u"ldquo", 0x201C},
    {u"le", 0x2264},     {u"lfloor", 0x230A},  {u"lowast", 0x2217},  {u"loz", 0x25CA},
    {u"lrm", 0x200E},    {u"lsaquo", 0x2039},  {u"lsquo", 0x2018},   {u"lt", 0x003C},
    {u"macr", 0x00AF},   {u"mdash", 0x2014},   {u"micro", 0x00B5},   {u"middot", 0x00B7},
    {u"minus", 0x2212},  {u"mu", 0x039C},      {u"nabla", 0x2207},   {u"nbsp", 0x00A0},
    {u"ndash", 0x2013},  {u"ne", 0x2260},      {u"ni", 0x220B},      {u"not", 0x00AC},
    {u"notin", 0x2209},  {u"nsub", 0x2284},    {u"ntilde", 0x00D1},  {u"nu", 0x039D},
    {u"oacute", 0x00D3}, {u"ocirc", 0x00D4},   {u"oelig", 0x0152},   {u"ograve", 0x00D2},
    {u"oline", 0x203E},  {u"omega", 0x03A9},   {u"omicron", 0x039F}, {u"oplus", 0x2295},
    {u"or", 0x2228},     {u"ordf", 0x00AA},    {u"ordm", 0x00BA},    {u"oslash", 0x00D8},
    {u"otilde", 0x00D5}, {u"otimes", 0x2297},  {u"ouml", 0x00D6},    {u"para", 0x00B6},
    {u"part", 0x2202},   {u"permil", 0x2030},  {u"perp", 0x22A5},    {u"phi", 0x03A6},
    {u"pi", 0x03A0},     {u"piv", 0x03D6},     {u"plusmn", 0x00B1},  {u"pound", 0x00A3},
    {u"prime", 0x2033},  {u"prod", 0x220F},    {u"prop", 0x221D},    {u"psi", 0x03A8},
    {u"quot", 0x0022},   {u"radic", 0x221A},   {u"rang", 0x232A},    {u"raquo", 0x00BB},
    {u"rarr", 0x21D2},   {u"rceil", 0x2309},   {u"rdquo", 0x201D},   {u"real", 0x211C},
    {u"reg", 0x00AE},    {u"rfloor", 0x230B},  {u"rho", 0x03A1},     {u"rlm", 0x200F},
    {u"rsaquo", 0x203A}, {u"rsquo", 0x2019},   {u"sbquo", 0x201A},   {u"scaron", 0x0160},
    {u"sdot", 0x22C5},   {u"sect", 0x00A7},    {u"shy", 0x00AD},     {u"sigma", 0x03A3},
    {u"sigmaf", 0x03C2}, {u"sim", 0x223C},     {u"spades", 0x2660},  {u"sub", 0x2282},
    {u"sube", 0x2286},   {u"sum", 0x2211},     {u"sup", 0x2283},     {u"sup1", 0x00B9},
    {u"sup2", 0x00B2},   {u"sup3", 0x00B3},    {u"supe", 0x2287},    {u"szlig", 0x00DF},
    {u"tau", 0x03A4},    {u"there4", 0x2234},  {u"theta", 0x0398},   {u"thetasym", 0x03D1},
    {u"thinsp", 0x2009}, {u"thorn", 0x00DE},   {u"tilde", 0x02DC},   {u"times", 0x00D7},
    {u"trade", 0x2122},  {u"uacute", 0x00DA},  {u"uarr", 0x21D1},    {u"ucirc", 0x00DB},
    {u"ugrave", 0x00D9}, {u"uml", 0x00A8},     {u"upsih", 0x03D2},   {u"upsilon", 0x03A5},
    {u"uuml", 0x00DC},   {u"weierp", 0x2118},  {u"xi", 0x039E},      {u"yacute", 0x00DD},
    {u"yen", 0x00A5},    {u"yuml", 0x0178},    {u"zeta", 0x0396},    {u"zwj", 0x200D},
    {u"zwnj", 0x200C}};
constexpr size_t kFoldedPairs = 64;
static_assert(std::size(kEntities) == kEntityNameCount - kFoldedPairs);

constexpr size_t kMaxReferenceLength = 9; // characters between "&" and ";"
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

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

// "#65" or "#x41" (at most nine characters, so no overflow).
std::optional<char32_t> NumericReference(std::u16string_view body)
{
    int base = 10;
    size_t i = 1;
    if (body.size() > 1 && (body[1] == u'x' || body[1] == u'X')) {
        base = 16;
        i = 2;
    }
    if (i >= body.size()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (; i < body.size(); ++i) {
        const int digit = DigitValue(body[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
    }
    return static_cast<char32_t>(std::min<uint64_t>(value, kMaxCodePoint + 1));
}

void AppendCodePoint(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

} // namespace

std::optional<char32_t> LookUpEntity(std::u16string_view name)
{
    std::array<char16_t, kMaxReferenceLength> folded{};
    if (name.empty() || name.size() > folded.size()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        folded[i] = FoldAscii(name[i]);
    }
    const std::u16string_view key(folded.data(), name.size());
    const auto* it =
        std::lower_bound(std::begin(kEntities), std::end(kEntities), key,
                         [](const Entity& e, std::u16string_view k) { return e.name < k; });
    if (it == std::end(kEntities) || it->name != key) {
        return std::nullopt;
    }
    return it->codePoint;
}

void AppendDecodedText(std::u16string& out, std::u16string_view text)
{
    size_t done = 0;
    size_t amp = text.find(u'&');
    while (amp != std::u16string_view::npos) {
        out.append(text.substr(done, amp - done));
        done = amp;
        size_t semicolon = amp + 1;
        while (semicolon < text.size() && semicolon - amp - 1 <= kMaxReferenceLength &&
               text[semicolon] != u';' && text[semicolon] < 0x80) {
            ++semicolon;
        }
        std::optional<char32_t> cp;
        if (semicolon < text.size() && text[semicolon] == u';' &&
            semicolon - amp - 1 <= kMaxReferenceLength) {
            const std::u16string_view body = text.substr(amp + 1, semicolon - amp - 1);
            cp = (!body.empty() && body[0] == u'#') ? NumericReference(body) : LookUpEntity(body);
        }
        if (cp && *cp != 0 && *cp <= kMaxCodePoint &&
            !(*cp >= kFirstSurrogate && *cp <= kLastSurrogate)) {
            AppendCodePoint(out, *cp);
            done = semicolon + 1;
            amp = text.find(u'&', done);
        } else {
            // Not a reference: the ampersand stays and decoding goes on after it.
            amp = text.find(u'&', amp + 1);
        }
    }
    out.append(text.substr(done));
}

std::u16string DecodeCharacterReferences(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    AppendDecodedText(out, text);
    return out;
}

} // namespace qx71
