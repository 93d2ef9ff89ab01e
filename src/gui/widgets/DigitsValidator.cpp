#include "gui/widgets/DigitsValidator.h"

#include <algorithm>

namespace qx71::gui {

QValidator::State DigitsValidator::validate(QString& input, int&) const
{
    const bool digits = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return digits ? Acceptable : Invalid;
}

} // namespace qx71::gui
