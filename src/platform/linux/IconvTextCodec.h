#pragma once

#include "core/markup/ITextCodec.h"

#include <optional>
#include <string_view>

namespace qx71 {

// Code pages through glibc's iconv. The ANSI code page is windows-1252, the usual one of the
// Western European Windows systems the language files come from.
class IconvTextCodec final : public ITextCodec {
public:
    bool ToUtf16(uint32_t codePage, std::span<const uint8_t> bytes, std::u16string& out) override;
    uint32_t AnsiCodePage() const override { return kAnsiCodePage; }

    // The iconv name of a Windows code page, if iconv is likely to have it.
    static std::optional<std::string_view> IconvName(uint32_t codePage);

private:
    static constexpr uint32_t kAnsiCodePage = 1252;
};

} // namespace qx71
