#pragma once

#include <string_view>

namespace qx71 {

// A text built into the program in Chinese and English: the Chinese one is shown when the
// interface is Simplified Chinese, the English one for every other language.
struct BilingualText {
    std::u16string_view chinese;
    std::u16string_view english;

    std::u16string_view In(bool useChinese) const { return useChinese ? chinese : english; }
};

} // namespace qx71
