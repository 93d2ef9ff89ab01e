#pragma once

#include "core/markup/ITextCodec.h"

namespace qx71 {

// Code pages through the system's MultiByteToWideChar; the ANSI code page is the system's.
class WinTextCodec final : public ITextCodec {
public:
    bool ToUtf16(uint32_t codePage, std::span<const uint8_t> bytes, std::u16string& out) override;
    uint32_t AnsiCodePage() const override;
};

} // namespace qx71
