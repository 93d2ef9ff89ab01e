#include "core/config/ProgressDialogModel.h"

#include "core/i18n/PageLabels.h"
#include "core/i18n/UiStrings.h"

namespace qx71::progress {

std::u16string ProgressText(LanguageId language)
{
    return LabelText(PageLabel::UpdateInProgress, language, UiStrings{});
}

ProgressStep OnProgress(int value)
{
    return {ValueOrMinimum(kBarRange, value), value == kBarRange.max};
}

} // namespace qx71::progress
