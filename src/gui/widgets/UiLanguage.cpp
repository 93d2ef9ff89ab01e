#include "gui/widgets/UiLanguage.h"

#include <utility>

namespace qx71::gui {
namespace {

std::function<bool()>& Source()
{
    static std::function<bool()> source;
    return source;
}

} // namespace

void SetChineseUiSource(std::function<bool()> source)
{
    Source() = std::move(source);
}

bool ChineseUi()
{
    return Source() ? Source()() : false;
}

} // namespace qx71::gui
