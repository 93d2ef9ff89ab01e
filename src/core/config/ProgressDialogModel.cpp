#include "core/config/ProgressDialogModel.h"

namespace qx71::progress {

std::u16string ProgressText(bool chineseUi)
{
    return chineseUi ? u"更新进行中，请稍候..." : u"Updating is in progress, please wait\u2026";
}

ProgressStep OnProgress(int value)
{
    return {ValueOrMinimum(kBarRange, value), value == kBarRange.max};
}

} // namespace qx71::progress
