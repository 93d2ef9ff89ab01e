#pragma once

#include "core/buttons/ButtonFunction.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qx71 {

// One line of the chooser's basic list: the interface text it shows and its function.
struct BasicListLine {
    std::string_view textKey; // a UiStrings key
    ButtonFunction function;
};

inline constexpr size_t kBasicListLines = 24;
extern const std::array<BasicListLine, kBasicListLines> kBasicFunctionList;

// The basic page of the function chooser: the 24 functions of the list, the last one selected
// at the start. The wheel functions are not offered here (only the default button gives them).
class BasicFunctionPage {
public:
    void Select(size_t line);
    std::optional<size_t> Selected() const { return selected_; }
    // The selected line's function code; 0 without a selection.
    int32_t ResultCode() const;

private:
    std::optional<size_t> selected_ = kBasicListLines - 1;
};

// The list line of a function, if the list offers it.
std::optional<size_t> BasicListLineOf(int32_t code);

} // namespace qx71
