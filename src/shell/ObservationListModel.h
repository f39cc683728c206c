#pragma once

#include <QAbstractListModel>

namespace selen {
class ObservationList;
}

namespace selen::shell {

// The observation list as a Qt model: one row per record, its whole text.
// A field put repaints its one row; only adding, removing or reordering
// records resets the model.
class ObservationListModel final : public QAbstractListModel {
public:
    explicit ObservationListModel(ObservationList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ObservationList& list_;
};

}  // namespace selen::shell
