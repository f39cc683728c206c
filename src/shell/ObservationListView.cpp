#include "ObservationListView.h"

namespace selen::shell {

void ObservationListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // The item view's own handling: the changed rows are repainted.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

}  // namespace selen::shell
