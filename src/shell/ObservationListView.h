#pragma once

#include <QListView>

namespace selen::shell {

// The observation list's view (ListBox4). Every record shows as a line of
// the same length in a fixed-pitch font, so a record that changes never
// changes the size of any row: the view repaints the changed row and skips
// the relayout of every row that QListView makes for each changed row, which
// would make every keystroke cost as much as the report is long.
class ObservationListView final : public QListView {
public:
    explicit ObservationListView(QWidget* parent = nullptr);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override;
};

}  // namespace selen::shell
