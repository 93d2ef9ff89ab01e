#include "platform/linux/IconvTextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <string>
#include <vector>

namespace qx71 {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr size_t kChunkUnits = 4096;

struct CodePageName {
    uint32_t codePage;
    std::string_view iconvName;
};

constexpr CodePageName kCodePages[] = {
    {37, "IBM037"},          {437, "CP437"},
    {500, "IBM500"},         {708, "ISO-8859-6"},
    {720, "CP720"},          {737, "CP737"},
    {775, "CP775"},          {850, "CP850"},
    {852, "CP852"},          {855, "CP855"},
    {857, "CP857"},          {860, "CP860"},
    {861, "CP861"},          {862, "CP862"},
    {863, "CP863"},          {864, "CP864"},
    {865, "CP865"},          {866, "CP866"},
    {869, "CP869"},          {874, "CP874"},
    {932, "CP932"},          {936, "CP936"},
    {949, "CP949"},          {950, "BIG5"},
    {1026, "IBM1026"},       {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},      {1250, "CP1250"},
    {1251, "CP1251"},        {1252, "CP1252"},
    {1253, "CP1253"},        {1254, "CP1254"},
    {1255, "CP1255"},        {1256, "CP1256"},
    {1257, "CP1257"},        {1258, "CP1258"},
    {1361, "JOHAB"},         {10000, "MACINTOSH"},
    {10004, "MAC-ARABIC"},   {10005, "MAC-HEBREW"},
    {10006, "MAC-GREEK"},    {10007, "MAC-CYRILLIC"},
    {10010, "MAC-ROMANIA"},  {10017, "MAC-UKRAINIAN"},
    {10021, "MAC-THAI"},     {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-ICELAND"},  {10081, "MAC-TURKISH"},
    {10082, "MAC-CROATIAN"}, {12000, "UTF-32LE"},
    {12001, "UTF-32BE"},     {20127, "ASCII"},
    {20866, "KOI8-R"},       {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},   {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},   {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},   {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},  {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},  {50221, "ISO-2022-JP"},
    {50222, "ISO-2022-JP"},  {50225, "ISO-2022-KR"},
    {51932, "EUC-JP"},       {51936, "EUC-CN"},
    {51949, "EUC-KR"},       {51950, "EUC-TW"},
    {52936, "HZ-GB-2312"},   {54936, "GB18030"},
    {65000, "UTF-7"},        {65001, "UTF-8"},
};

class IconvHandle {
public:
    explicit IconvHandle(const char* from) : cd_(iconv_open("UTF-16LE", from)) {}
    ~IconvHandle()
    {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

void AppendLittleEndianUnits(const std::vector<char>& buffer, size_t bytes, std::u16string& out)
{
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        out.push_back(static_cast<char16_t>(static_cast<uint8_t>(buffer[i]) |
                                            (static_cast<uint8_t>(buffer[i + 1]) << 8)));
    }
}

} // namespace

std::optional<std::string_view> IconvTextCodec::IconvName(uint32_t codePage)
{
    for (const auto& entry : kCodePages) {
        if (entry.codePage == codePage) {
            return entry.iconvName;
        }
    }
    return std::nullopt;
}

bool IconvTextCodec::ToUtf16(uint32_t codePage, std::span<const uint8_t> bytes, std::u16string& out)
{
    const auto name = IconvName(codePage);
    if (!name) {
        return false;
    }
    IconvHandle cd(std::string(*name).c_str());
    if (!cd.ok()) {
        return false;
    }
    // Windows maps the five holes of windows-1252 to the C1 controls; iconv refuses them.
    const bool holesAreControls = codePage == 1252;

    std::vector<char> buffer(kChunkUnits * 2);
    // iconv's interface takes a non-const input pointer but does not write through it.
    char* in = reinterpret_cast<char*>(const_cast<uint8_t*>(bytes.data()));
    size_t inLeft = bytes.size();
    out.reserve(out.size() + bytes.size());
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        AppendLittleEndianUnits(buffer, buffer.size() - outLeft, out);
        if (rc != static_cast<size_t>(-1)) {
            break;
        }
        if (error == E2BIG) {
            continue;
        }
        // An invalid or cut-off sequence: one replacement character, then on after the byte.
        const auto bad = static_cast<uint8_t>(*in);
        out.push_back(holesAreControls && bad >= 0x80 && bad < 0xA0 ? static_cast<char16_t>(bad)
                                                                    : kReplacement);
        ++in;
        --inLeft;
        if (error != EILSEQ && error != EINVAL) {
            break;
        }
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr); // reset the shift state
    }
    // Flush the shift state of stateful encodings.
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft);
    AppendLittleEndianUnits(buffer, buffer.size() - outLeft, out);
    return true;
}

} // namespace qx71
