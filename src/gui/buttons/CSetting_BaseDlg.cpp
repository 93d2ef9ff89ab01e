#include "gui/buttons/CSetting_BaseDlg.h"

#include "core/i18n/UiStrings.h"
#include "core/widgets/ListItemData.h"
#include "gui/widgets/CListBoxEx.h"

#include "gui/widgets/QtConvert.h"
#include <QLineEdit>

namespace qx71::gui {
namespace {

namespace bp = chooser::basicpage;

} // namespace

CSetting_BaseDlg::CSetting_BaseDlg(BasicFunctionPage& page, const UiStrings& strings,
                                   QWidget* parent)
    : CSettingPage(chooser::kBasicPageSheets, parent), page_(page)
{
    list_ = NewList(bp::kList, bp::kListId);
    SetListColours(list_, bp::kBackground, bp::kText, bp::kSelectedBackground, bp::kSelectedText);
    for (const BasicListLine& line : kBasicFunctionList) {
        const int row = list_->AddItem(ToQString(strings.Get(line.textKey)),
                                       static_cast<uint8_t>(ListItemKind::Text),
                                       static_cast<uint32_t>(ToCode(line.function)));
        list_->item(row)->setSizeHint(QSize(bp::kList.Width(), bp::kItemHeight));
    }
    if (const auto selected = page_.Selected()) {
        list_->setCurrentRow(static_cast<int>(*selected));
    }
    SyncScrollBars();
    connect(list_, &CListBoxEx::selectionChangedByUser, this, [this](int, int index) {
        if (index >= 0) {
            page_.Select(static_cast<size_t>(index));
        }
    });
}

} // namespace qx71::gui
