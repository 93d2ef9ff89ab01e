#pragma once

#include <QValidator>

namespace qx71::gui {

// Lets an edit box take the digits 0 to 9 and nothing else; empty is allowed. (A regular
// expression would do the same, but would load the pattern library for two fields.)
class DigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace qx71::gui
