// The number fields take ASCII digits only: no sign, space, other scripts' digits or letters.
#include "gui/widgets/DigitsValidator.h"

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

TEST(DigitsValidator, TakesOnlyTheDigitsZeroToNine)
{
    const struct {
        const char16_t* text;
        QValidator::State state;
    } cases[] = {
        {u"", QValidator::Acceptable},
        {u"0", QValidator::Acceptable},
        {u"0123456789", QValidator::Acceptable},
        {u"-1", QValidator::Invalid},
        {u"+1", QValidator::Invalid},
        {u"1 2", QValidator::Invalid},
        {u"12a", QValidator::Invalid},
        {u"\u0663", QValidator::Invalid}, // Arabic-Indic 3
        {u"\uFF11", QValidator::Invalid}, // full-width 1
    };
    DigitsValidator validator;
    for (const auto& c : cases) {
        QString text = QString::fromUtf16(c.text);
        int position = 0;
        EXPECT_EQ(validator.validate(text, position), c.state) << text.toStdString();
    }
}

} // namespace
} // namespace qx71::gui
