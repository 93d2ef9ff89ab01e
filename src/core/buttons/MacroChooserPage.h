#pragma once

#include "core/macro/MacroTable.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qx71 {

// The macros of one category in slot order (MacroTable::ListCategory or the library's).
using MacroLister = std::function<std::vector<MacroListEntry>(uint32_t category)>;

// The macro page of the function chooser: the list of game titles and the macros of the
// chosen title.
class MacroChooserPage {
public:
    static constexpr size_t kGameCount = 21;

    explicit MacroChooserPage(MacroLister lister);

    // The page's start: the last game (the user's own macros) selected and its macros listed.
    void Start();
    // A selection in the game list; a repeated notification for the game shown is ignored.
    void OnGameSelected(size_t item);
    // A selection in the macro list.
    void OnMacroSelected(size_t index);

    size_t SelectedGame() const { return selectedGame_; }
    const std::vector<MacroListEntry>& Macros() const { return macros_; }
    std::optional<size_t> SelectedMacro() const { return selectedMacro_; }

    // The selected macro's id; 0 without a selection.
    uint32_t ResultCode() const;

private:
    void Fill();

    MacroLister lister_;
    size_t selectedGame_ = kGameCount - 1;
    size_t shownGame_ = kGameCount - 1;
    std::vector<MacroListEntry> macros_;
    std::optional<size_t> selectedMacro_;
};

} // namespace qx71
