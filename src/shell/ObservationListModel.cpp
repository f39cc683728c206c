#include "ObservationListModel.h"

#include "Cp932Text.h"

#include "entry/ObservationList.h"

namespace selen::shell {

ObservationListModel::ObservationListModel(ObservationList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list)
{
    list_.rowChanged().listen([this] {
        const QModelIndex row = index(static_cast<int>(list_.changedRow()));
        emit dataChanged(row, row, {Qt::DisplayRole});
    });
    list_.listReset().listen([this] {
        beginResetModel();
        endResetModel();
    });
}

int ObservationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant ObservationListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return fromCp932(list_.records()[static_cast<std::size_t>(index.row())].text());
}

}  // namespace selen::shell
