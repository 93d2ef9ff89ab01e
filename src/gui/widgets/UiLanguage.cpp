#include "gui/widgets/UiLanguage.h"

#include "gui/widgets/QtConvert.h"

#include <utility>

namespace qx71::gui {
namespace {

std::function<bool()>& Source()
{
    static std::function<bool()> source;
    return source;
}

std::function<LanguageId()>& LanguageSource()
{
    static std::function<LanguageId()> source;
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

void SetUiLanguageSource(std::function<LanguageId()> source)
{
    LanguageSource() = std::move(source);
}

LanguageId UiLanguage()
{
    return LanguageSource() ? LanguageSource()() : kLanguageEnglish;
}

QString Label(PageLabel label, const UiStrings& strings)
{
    return ToQString(LabelText(label, UiLanguage(), strings));
}

} // namespace qx71::gui
