#pragma once

#include "core/i18n/LanguageTable.h"
#include "core/i18n/PageLabels.h"

#include <QString>

#include <functional>

namespace qx71 {
class UiStrings;
}

namespace qx71::gui {

// The views' view of ChineseUi: the program hands over its language selection's flag at
// start; until then (and in tests that set nothing) the texts are English.
void SetChineseUiSource(std::function<bool()> source);
bool ChineseUi();

// The language whose file is loaded (1 to 12), for the labels the program itself translates;
// English until the program hands over its source.
void SetUiLanguageSource(std::function<LanguageId()> source);
LanguageId UiLanguage();

// A label in the language in force, from the loaded file where it has the label's key.
QString Label(PageLabel label, const UiStrings& strings);

} // namespace qx71::gui
