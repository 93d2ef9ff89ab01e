#include "core/markup/EncodingNames.h"

#include "core/markup/AsciiCase.h"

#include <iterator>

namespace qx71 {

namespace {

struct EncodingName {
    std::string_view name;
    uint32_t codePage;
};

constexpr EncodingName kNames[] = {
    // Unicode
    {"utf-8", 65001},
    {"unicode-1-1-utf-8", 65001},
    {"unicode-2-0-utf-8", 65001},
    {"x-unicode-1-1-utf-8", 65001},
    {"x-unicode-2-0-utf-8", 65001},
    {"utf8", 65001},
    {"utf-16", 1200},
    {"utf-16le", 1200},
    {"unicode", 1200},
    {"ucs-2", 1200},
    {"iso-10646-ucs-2", 1200},
    {"csunicode", 1200},
    {"unicodefffe", 1201},
    {"utf-16be", 1201},
    {"utf-7", 65000},
    {"unicode-1-1-utf-7", 65000},
    {"unicode-2-0-utf-7", 65000},
    {"x-unicode-1-1-utf-7", 65000},
    {"x-unicode-2-0-utf-7", 65000},
    {"csunicode11utf7", 65000},
    {"utf-32", 12000},
    {"utf-32le", 12000},
    {"ucs-4", 12000},
    {"utf-32be", 12001},
    // Chinese
    {"gb2312", 936},
    {"gbk", 936},
    {"chinese", 936},
    {"cn-gb", 936},
    {"csgb2312", 936},
    {"csgb231280", 936},
    {"gb2312-80", 936},
    {"gb_2312-80", 936},
    {"iso-ir-58", 936},
    {"x-gbk", 936},
    {"cp936", 936},
    {"windows-936", 936},
    {"ms936", 936},
    {"gb18030", 54936},
    {"hz-gb-2312", 52936},
    {"big5", 950},
    {"cn-big5", 950},
    {"csbig5", 950},
    {"x-x-big5", 950},
    {"big5-hkscs", 950},
    {"cp950", 950},
    {"x-euc-tw", 51950},
    {"euc-cn", 51936},
    {"x-euc-cn", 51936},
    // Japanese
    {"shift_jis", 932},
    {"shift-jis", 932},
    {"x-sjis", 932},
    {"sjis", 932},
    {"ms_kanji", 932},
    {"csshiftjis", 932},
    {"cswindows31j", 932},
    {"windows-31j", 932},
    {"cp932", 932},
    {"x-ms-cp932", 932},
    {"euc-jp", 51932},
    {"x-euc-jp", 51932},
    {"x-euc", 51932},
    {"cseucpkdfmtjapanese", 51932},
    {"extended_unix_code_packed_format_for_japanese", 51932},
    {"iso-2022-jp", 50220},
    {"csiso2022jp", 50221},
    {"_iso-2022-jp", 50221},
    {"_iso-2022-jp$sio", 50222},
    // Korean
    {"euc-kr", 949},
    {"ks_c_5601-1987", 949},
    {"ks_c_5601", 949},
    {"ks_c_5601-1989", 949},
    {"ks_c_5601_1987", 949},
    {"ksc5601", 949},
    {"ksc_5601", 949},
    {"korean", 949},
    {"csksc56011987", 949},
    {"iso-ir-149", 949},
    {"cseuckr", 949},
    {"windows-949", 949},
    {"cp949", 949},
    {"uhc", 949},
    {"iso-2022-kr", 50225},
    {"csiso2022kr", 50225},
    {"johab", 1361},
    // Cyrillic
    {"koi8-r", 20866},
    {"cskoi8r", 20866},
    {"koi", 20866},
    {"koi8", 20866},
    {"koi8r", 20866},
    {"koi8-u", 21866},
    {"koi8-ru", 21866},
    {"cp866", 866},
    {"ibm866", 866},
    {"866", 866},
    {"csibm866", 866},
    {"x-mac-cyrillic", 10007},
    {"x-mac-ukrainian", 10017},
    // Thai, Vietnamese, Arabic, Hebrew, Greek, Turkish, Baltic
    {"windows-874", 874},
    {"tis-620", 874},
    {"dos-874", 874},
    {"iso-8859-11", 874},
    {"x-mac-thai", 10021},
    {"asmo-708", 708},
    {"dos-720", 720},
    {"dos-862", 862},
    {"ibm737", 737},
    {"ibm775", 775},
    {"ibm857", 857},
    {"ibm869", 869},
    {"cp869", 869},
    {"x-mac-arabic", 10004},
    {"x-mac-hebrew", 10005},
    {"x-mac-greek", 10006},
    {"x-mac-turkish", 10081},
    {"x-mac-ce", 10029},
    {"x-mac-icelandic", 10079},
    {"x-mac-croatian", 10082},
    {"x-mac-romanian", 10010},
    {"x-mac-japanese", 10001},
    {"x-mac-chinesetrad", 10002},
    {"x-mac-korean", 10003},
    {"x-mac-chinesesimp", 10008},
    // Windows
    {"windows-1250", 1250},
    {"x-cp1250", 1250},
    {"cp1250", 1250},
    {"windows-1251", 1251},
    {"x-cp1251", 1251},
    {"cp1251", 1251},
    {"windows-1252", 1252},
    {"x-ansi", 1252},
    {"cp1252", 1252},
    {"windows-1253", 1253},
    {"cp1253", 1253},
    {"windows-1254", 1254},
    {"cp1254", 1254},
    {"windows-1255", 1255},
    {"cp1255", 1255},
    {"windows-1256", 1256},
    {"cp1256", 1256},
    {"windows-1257", 1257},
    {"cp1257", 1257},
    {"windows-1258", 1258},
    {"cp1258", 1258},
    // DOS and IBM
    {"ibm437", 437},
    {"cp437", 437},
    {"437", 437},
    {"cspc8codepage437", 437},
    {"ibm850", 850},
    {"cp850", 850},
    {"850", 850},
    {"ibm852", 852},
    {"cp852", 852},
    {"ibm855", 855},
    {"cp855", 855},
    {"ibm860", 860},
    {"ibm861", 861},
    {"ibm863", 863},
    {"ibm864", 864},
    {"ibm865", 865},
    {"ibm037", 37},
    {"ibm500", 500},
    {"ibm1026", 1026},
    // ASCII
    {"us-ascii", 20127},
    {"ascii", 20127},
    {"us", 20127},
    {"ansi_x3.4-1968", 20127},
    {"ansi_x3.4-1986", 20127},
    {"cp367", 20127},
    {"csascii", 20127},
    {"ibm367", 20127},
    {"iso-ir-6", 20127},
    {"iso646-us", 20127},
    {"iso_646.irv:1991", 20127},
    // ISO 8859
    {"iso-8859-1", 28591},
    {"iso8859-1", 28591},
    {"iso_8859-1", 28591},
    {"latin1", 28591},
    {"l1", 28591},
    {"cp819", 28591},
    {"ibm819", 28591},
    {"csisolatin1", 28591},
    {"iso-ir-100", 28591},
    {"iso_8859-1:1987", 28591},
    {"iso-8859-2", 28592},
    {"iso_8859-2", 28592},
    {"latin2", 28592},
    {"l2", 28592},
    {"csisolatin2", 28592},
    {"iso-ir-101", 28592},
    {"iso-8859-3", 28593},
    {"iso_8859-3", 28593},
    {"latin3", 28593},
    {"l3", 28593},
    {"iso-8859-4", 28594},
    {"iso_8859-4", 28594},
    {"latin4", 28594},
    {"l4", 28594},
    {"iso-8859-5", 28595},
    {"iso_8859-5", 28595},
    {"cyrillic", 28595},
    {"csisolatincyrillic", 28595},
    {"iso-8859-6", 28596},
    {"iso_8859-6", 28596},
    {"arabic", 28596},
    {"iso-8859-7", 28597},
    {"iso_8859-7", 28597},
    {"greek", 28597},
    {"greek8", 28597},
    {"iso-8859-8", 28598},
    {"iso_8859-8", 28598},
    {"hebrew", 28598},
    {"visual", 28598},
    {"iso-8859-8-i", 38598},
    {"logical", 38598},
    {"iso-8859-9", 28599},
    {"iso_8859-9", 28599},
    {"latin5", 28599},
    {"l5", 28599},
    {"iso-8859-13", 28603},
    {"iso-8859-15", 28605},
    {"iso_8859-15", 28605},
    {"latin-9", 28605},
    {"latin9", 28605},
    {"l9", 28605},
    {"csisolatin9", 28605},
    // Macintosh
    {"macintosh", 10000},
    {"mac", 10000},
    {"x-mac-roman", 10000},
    {"csmacintosh", 10000},
};

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<uint32_t> CodePageOfEncodingName(std::string_view name)
{
    for (const auto& entry : kNames) {
        if (EqualIgnoringCase(entry.name, name)) {
            return entry.codePage;
        }
    }
    return std::nullopt;
}

size_t EncodingNameCount()
{
    return std::size(kNames);
}

} // namespace qx71
