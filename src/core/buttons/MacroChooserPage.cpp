#include "core/buttons/MacroChooserPage.h"

#include "core/macro/MacroCategories.h"

namespace qx71 {

MacroChooserPage::MacroChooserPage(MacroLister lister) : lister_(std::move(lister)) {}

void MacroChooserPage::Start()
{
    // Adding the titles leaves the last one selected.
    selectedGame_ = kGameCount - 1;
    Fill();
}

void MacroChooserPage::OnGameSelected(size_t item)
{
    if (item >= kGameCount || item == shownGame_) {
        return;
    }
    selectedGame_ = item;
    Fill();
}

void MacroChooserPage::OnMacroSelected(size_t index)
{
    if (index < macros_.size()) {
        selectedMacro_ = index;
    }
}

uint32_t MacroChooserPage::ResultCode() const
{
    return selectedMacro_ ? macros_[*selectedMacro_].id : 0;
}

void MacroChooserPage::Fill()
{
    shownGame_ = selectedGame_;
    macros_ = lister_ ? lister_(ChooserGameCategory(selectedGame_)) : std::vector<MacroListEntry>{};
    // Each added line becomes the selection, so the last one stays selected.
    selectedMacro_.reset();
    if (!macros_.empty()) {
        selectedMacro_ = macros_.size() - 1;
    }
}

} // namespace qx71
