#include "gui/buttons/CSetting_MacroDlg.h"

#include "core/macro/MacroCategories.h"
#include "core/widgets/ListItemData.h"
#include "gui/widgets/CListBoxEx.h"

#include "gui/widgets/QtConvert.h"
#include <QLineEdit>

namespace qx71::gui {
namespace {

namespace mp = chooser::macropage;

} // namespace

CSetting_MacroDlg::CSetting_MacroDlg(MacroChooserPage& page, bool chinese, QWidget* parent)
    : CSettingPage(chooser::kMacroPageSheets, parent), page_(page), chinese_(chinese)
{
    games_ = NewList(mp::kGameList, mp::kGameListId);
    macros_ = NewList(mp::kMacroList, mp::kMacroListId);
    for (CListBoxEx* list : {games_, macros_}) {
        SetListColours(list, mp::kListBackground, mp::kListText, mp::kListSelectedBackground,
                       mp::kListSelectedText);
    }
    connect(games_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (index < 0) {
            return;
        }
        page_.OnGameSelected(static_cast<size_t>(index));
        FillMacros();
    });
    connect(macros_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (index >= 0) {
            page_.OnMacroSelected(static_cast<size_t>(index));
        }
    });
}

void CSetting_MacroDlg::Fill()
{
    games_->clear();
    for (size_t i = 0; i < MacroChooserPage::kGameCount; ++i) {
        const QString title = ToQString(ChooserGameTitle(i, chinese_));
        const int row = games_->AddItem(title, static_cast<uint8_t>(ListItemKind::Text),
                                        static_cast<uint32_t>(i));
        games_->item(row)->setToolTip(title);
    }
    games_->setCurrentRow(static_cast<int>(page_.SelectedGame()));
    FillMacros();
}

void CSetting_MacroDlg::FillMacros()
{
    macros_->setUpdatesEnabled(false);
    macros_->clear();
    for (const MacroListEntry& entry : page_.Macros()) {
        const QString name = ToQString(entry.name);
        const int row = macros_->AddItem(name, static_cast<uint8_t>(ListItemKind::Text), entry.id);
        macros_->item(row)->setToolTip(name);
    }
    macros_->setUpdatesEnabled(true);
    if (const auto selected = page_.SelectedMacro()) {
        macros_->setCurrentRow(static_cast<int>(*selected));
    }
    SyncScrollBars();
}

} // namespace qx71::gui
