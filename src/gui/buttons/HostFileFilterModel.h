#pragma once

#include "core/buttons/HostActionPage.h"

#include <QSortFilterProxyModel>

namespace qx71::gui {

// The entries Qt's own file dialog lists for a row: the folders, and the files the row's kind
// takes (a program must be executable; a name filter cannot tell that here).
class HostFileFilterModel final : public QSortFilterProxyModel {
public:
    HostFileFilterModel(HostFileKind kind, QObject* parent)
        : QSortFilterProxyModel(parent), kind_(kind)
    {
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    HostFileKind kind_;
};

} // namespace qx71::gui
