#include "results/DupeGridModel.h"

#include <algorithm>

DupeGridModel::DupeGridModel(ResultGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.RowCount() - grid.FixedRows()),
      cols_(grid.ColCount()), fixed_(grid.FixedRows()) {
    grid_.SetListener(
        [this](GridChange change, int col, int row) { OnGridChange(change, col, row); });
}

DupeGridModel::~DupeGridModel() {
    grid_.SetListener({});
}

int DupeGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DupeGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant DupeGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int row = GridRow(index);
    if (row >= grid_.RowCount() || index.column() >= grid_.ColCount())
        return {};
    // Names are bytes; only the display converts them.
    return QString::fromUtf8(grid_.Text(index.column(), row));
}

QVariant DupeGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || fixed_ == 0)
        return {};
    if (section >= grid_.ColCount())
        return {};
    return QString::fromUtf8(grid_.Text(section, 0));
}

QModelIndex DupeGridModel::IndexOfCell(int col, int row) const {
    if (row < fixed_)
        return {};
    return index(row - fixed_, col);
}

void DupeGridModel::SyncRows() {
    const int rows = grid_.RowCount() - fixed_;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

void DupeGridModel::SyncColumns() {
    const int cols = grid_.ColCount();
    if (cols > cols_) {
        beginInsertColumns({}, cols_, cols - 1);
        cols_ = cols;
        endInsertColumns();
    } else if (cols < cols_) {
        beginRemoveColumns({}, cols, cols_ - 1);
        cols_ = cols;
        endRemoveColumns();
    }
}

void DupeGridModel::SetDeferred(bool deferred) {
    if (!deferred)
        Flush();
    deferred_ = deferred;
}

void DupeGridModel::Flush() {
    if (grown_) {
        grown_ = false;
        SyncColumns();
        SyncRows();
    }
    if (changed_.isEmpty())
        return;
    const QRect cells = changed_ & QRect(0, 0, cols_, rows_ + fixed_);
    changed_ = {};
    if (cells.isEmpty())
        return;
    if (cells.top() < fixed_)
        emit headerDataChanged(Qt::Horizontal, cells.left(), cells.right());
    if (cells.bottom() >= fixed_)
        emit dataChanged(index(std::max(cells.top(), fixed_) - fixed_, cells.left()),
                         index(cells.bottom() - fixed_, cells.right()), {Qt::DisplayRole});
}

bool DupeGridModel::Defer(GridChange change, int col, int row) {
    switch (change) {
    case GridChange::Rows:
        if (grid_.RowCount() - fixed_ < rows_)
            return false;
        grown_ = true;
        return true;
    case GridChange::Columns:
        if (grid_.ColCount() < cols_)
            return false;
        grown_ = true;
        return true;
    case GridChange::Cell:
        // A cell of a row or column the view does not know yet comes with it.
        if (col < cols_ && row - fixed_ < rows_)
            changed_ |= QRect(col, row, 1, 1);
        return true;
    case GridChange::FixedRows:
    case GridChange::Reset:
        // The view learns everything anew.
        grown_ = false;
        changed_ = {};
        return false;
    case GridChange::RowRemoving:
    case GridChange::RowRemoved:
        break;
    }
    return false;
}

void DupeGridModel::OnGridChange(GridChange change, int col, int row) {
    // RowRemoved comes between the model's begin and end of the removal, nothing may come
    // between them; RowRemoving has flushed.
    if (deferred_ && change != GridChange::RowRemoved) {
        if (Defer(change, col, row))
            return;
        Flush();
    }
    switch (change) {
    case GridChange::Rows:
        // A fixed row that went with the rows is reported separately, first.
        SyncRows();
        break;
    case GridChange::Columns:
        SyncColumns();
        break;
    case GridChange::RowRemoving:
        // Told before and after, so that the view keeps its column widths and moves its
        // selection with the rows.
        if (row >= fixed_ && row - fixed_ < rows_)
            beginRemoveRows({}, row - fixed_, row - fixed_);
        break;
    case GridChange::RowRemoved:
        if (row >= fixed_ && row - fixed_ < rows_) {
            --rows_;
            endRemoveRows();
        }
        break;
    case GridChange::Cell:
        if (row < fixed_) {
            emit headerDataChanged(Qt::Horizontal, col, col);
        } else if (row - fixed_ < rows_ && col < cols_) {
            const QModelIndex i = index(row - fixed_, col);
            emit dataChanged(i, i, {Qt::DisplayRole});
        }
        break;
    case GridChange::FixedRows:
    case GridChange::Reset: {
        const bool wasFixed = fixed_ > 0;
        beginResetModel();
        fixed_ = grid_.FixedRows();
        rows_ = grid_.RowCount() - fixed_;
        cols_ = grid_.ColCount();
        endResetModel();
        if (wasFixed != (fixed_ > 0))
            emit FixedRowChanged(fixed_ > 0);
        break;
    }
    }
}
