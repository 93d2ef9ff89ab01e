#include "gui/buttons/HostFileFilterModel.h"

#include <QFileSystemModel>

namespace qx71::gui {

bool HostFileFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) {
        return true;
    }
    const QFileInfo info = files->fileInfo(files->index(sourceRow, 0, sourceParent));
    return HostDialogLists(kind_, info.isDir(), info.isExecutable());
}

} // namespace qx71::gui
