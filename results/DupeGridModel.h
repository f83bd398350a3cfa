#pragma once

#include "search/ResultGrid.h"

#include <QAbstractTableModel>
#include <QRect>

// Adapts the grid's plain cells for a QTableView. The fixed row 0, once there, is the view's
// horizontal header, so that it stays in place while the groups scroll beneath it; model row r
// is then grid row r + 1.
class DupeGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The grid outlives the model; the model takes its change listener.
    explicit DupeGridModel(ResultGrid& grid, QObject* parent = nullptr);
    ~DupeGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    ResultGrid& Grid() { return grid_; }
    // The grid row and column an index shows.
    int GridRow(const QModelIndex& index) const { return index.row() + fixed_; }
    QModelIndex IndexOfCell(int col, int row) const;
    // The grid rows the view shows as its header: 0 or 1.
    int FixedRowCount() const { return fixed_; }

    // While deferred, rows and columns the grid adds, and cells it changes, reach the view only
    // at Flush, in one batch: a search adds a row per group. The view then always shows a
    // leading part of the grid as it was at some point. Any other change (a row removed, a
    // reset) flushes first, so that it meets a view that is up to date.
    void SetDeferred(bool deferred);
    void Flush();

signals:
    // The fixed row came or went: the view shows or hides its header.
    void FixedRowChanged(bool fixed);

private:
    void OnGridChange(GridChange change, int col, int row);
    // True when the change waits for Flush.
    bool Defer(GridChange change, int col, int row);
    void SyncRows();
    void SyncColumns();

    ResultGrid& grid_;
    // What the view was last told; the grid is already ahead when its listener runs (but for
    // RowRemoving, which comes before the row goes).
    int rows_ = 0;
    int cols_ = 0;
    int fixed_ = 0;
    bool deferred_ = false;
    // Rows or columns the view has not been told of.
    bool grown_ = false;
    // Grid cells of the view's rows and columns that changed since the last flush.
    QRect changed_;
};
