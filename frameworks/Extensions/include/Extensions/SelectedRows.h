#pragma once

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

namespace Extensions {

// Erases from lines, which hold one entry for each row of view in order, those of the rows
// selected in view. False when no row was selected.
template <typename Line>
bool eraseSelectedRows(const QAbstractItemView &view, std::vector<Line> &lines)
{
    QList<int> rows;
    for (const QModelIndex &index : view.selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.rbegin(), rows.rend()); // the last first, so that each index still holds
    for (const int row : rows)
        lines.erase(lines.begin() + row);
    return !rows.isEmpty();
}

} // namespace Extensions
