#pragma once

#include "results/CellColours.h"
#include "search/ResultGrid.h"

#include <QTableView>

#include <functional>
#include <optional>

class DupeGridModel;
class QPainter;

// The result grid: a string grid of 90-pixel columns and 14-pixel rows whose fixed row 0 is the
// header. Every cell, the header's too, is drawn by the cell painter; the view itself draws only
// the grid lines. Positions it reports are grid cells (col, row), row 0 the header.
class DupeGridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 90;
    static constexpr int kDefaultRowHeight = 14;

    // Draws one cell into rect; inRange is the grid's own "selected" bit.
    using CellPainter =
        std::function<void(QPainter& painter, const QRect& rect, int col, int row, bool inRange)>;

    explicit DupeGridView(QWidget* parent = nullptr);

    void SetGridModel(DupeGridModel* model);
    DupeGridModel* GridModel() const { return model_; }
    void SetCellPainter(CellPainter painter) { painter_ = std::move(painter); }
    // The highlighted range is written through to range whenever it changes.
    void BindRange(GridRect& range);

    // The highlighted range: the selected rectangle and the current cell, in grid cells. With
    // no current cell it is the cell (0, 0), which never holds an entry.
    GridRect Range() const { return range_; }
    std::optional<QPoint> CurrentCell() const;
    // The cell under a point of the viewport; (-1, -1) where there is none.
    QPoint CellAt(const QPoint& pos) const;
    // The viewport rectangle of a grid cell below the header.
    QRect CellRect(int col, int row) const;

    // Fills rect and draws text at its top-left corner without a margin, clipped to it.
    static void PaintCell(QPainter& painter, const QRect& rect, const QColor& background,
                          const QColor& text, const QString& caption);
    static QColor RoleColour(const QPalette& palette, ColourRole role);
    // What a cell is drawn with when no painter was set: the header row, then the range.
    void PaintPlainCell(QPainter& painter, const QRect& rect, int col, int row, bool inRange);
    void PaintGridCell(QPainter& painter, const QRect& rect, int col, int row);

signals:
    // A left-button selection in the cell area ended, or the keyboard moved the current cell.
    void GridClick();
    // Any mouse button pressed over the cells (viewport coordinates).
    void GridMouseDown(const QPoint& pos);
    // A left double click in the cell area.
    void GridDblClick();
    // The current cell moved to (col, row).
    void CurrentCellChanged(int col, int row);

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    // Qt aligns the last row with the bottom edge at the end of the scroll range, which cuts the
    // top row; the grid shows whole rows from the top at every position, the last one included.
    void AlignTopRow();
    void KeepHeaderColours();
    void ShowFixedRow(bool fixed);
    void UpdateRange();
    void PlaceCurrentCell();

    DupeGridModel* model_ = nullptr;
    CellPainter painter_;
    GridRect range_;
    GridRect* boundRange_ = nullptr;
    // A left press landed on a cell: its release raises the click.
    bool leftPressInCells_ = false;
};
