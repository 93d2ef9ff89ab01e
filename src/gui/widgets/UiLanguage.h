#pragma once

#include <functional>

namespace qx71::gui {

// The views' view of ChineseUi: the program hands over its language selection's flag at
// start; until then (and in tests that set nothing) the texts are English.
void SetChineseUiSource(std::function<bool()> source);
bool ChineseUi();

} // namespace qx71::gui
