#include "results/DupeGridView.h"

#include "results/DupeGridModel.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace {

QColor GridLineColour(const QWidget* w) {
    QStyleOptionViewItem option;
    option.initFrom(w);
    return QColor::fromRgba(
        static_cast<QRgb>(w->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, w)));
}

// Hands every cell to the view's painter: no item look, no focus frame.
class CellDelegate : public QAbstractItemDelegate {
public:
    explicit CellDelegate(DupeGridView* view) : QAbstractItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        view_->PaintGridCell(*painter, option.rect, index.column(),
                             view_->GridModel()->GridRow(index));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // What a double click on a column border fits the column to.
        const QString text = index.data().toString();
        return {option.fontMetrics.horizontalAdvance(text) + 2, DupeGridView::kDefaultRowHeight};
    }

private:
    DupeGridView* view_;
};

// The fixed row 0: its cells drawn by the view's painter, with the grid's lines, not as buttons.
// It does not select columns when pressed.
class FixedRowHeader : public QHeaderView {
public:
    explicit FixedRowHeader(DupeGridView* view) : QHeaderView(Qt::Horizontal, view), view_(view) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        const QRect cell = rect.adjusted(0, 0, -1, -1);
        view_->PaintGridCell(*painter, cell, logicalIndex, 0);
        painter->setPen(GridLineColour(view_));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    }

private:
    DupeGridView* view_;
};

} // namespace

DupeGridView::DupeGridView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new FixedRowHeader(this));
    setItemDelegate(new CellDelegate(this));
    verticalHeader()->hide();
    // Fixed section sizes keep 100,000 rows cheap: no row is ever measured.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    horizontalHeader()->setFixedHeight(kDefaultRowHeight + 1);
    horizontalHeader()->hide();
    // The menu belongs to the whole grid: asked for over the fixed row, it comes as if asked
    // for over the cells (in viewport coordinates).
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                emit customContextMenuRequested(
                    viewport()->mapFrom(this, horizontalHeader()->mapTo(this, pos)));
            });
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    KeepHeaderColours();
}

void DupeGridView::KeepHeaderColours() {
    // The strip right of the last column is drawn in the header's window colour, which the
    // step area around the grid changes when it lights up: the strip keeps the fixed row's face.
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    horizontalHeader()->setPalette(p);
}

void DupeGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        KeepHeaderColours();
}

void DupeGridView::SetGridModel(DupeGridModel* model) {
    model_ = model;
    setModel(model);
    connect(model, &DupeGridModel::FixedRowChanged, this, &DupeGridView::ShowFixedRow);
    ShowFixedRow(model->Grid().FixedRows() > 0);
    // The selection model lets rows and resets go without a signal of its own.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DupeGridView::UpdateRange);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                UpdateRange();
                if (current.isValid())
                    emit CurrentCellChanged(current.column(), model_->GridRow(current));
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &DupeGridView::UpdateRange);
    connect(model, &QAbstractItemModel::columnsRemoved, this, &DupeGridView::UpdateRange);
    connect(model, &QAbstractItemModel::modelReset, this, &DupeGridView::UpdateRange);
    connect(model, &QAbstractItemModel::rowsInserted, this, &DupeGridView::PlaceCurrentCell);
    connect(model, &QAbstractItemModel::modelReset, this, &DupeGridView::PlaceCurrentCell);
    UpdateRange();
}

void DupeGridView::PlaceCurrentCell() {
    // As a string grid does: once there are groups, the current cell is the first file of the
    // first group, and with nothing highlighted that file is the range.
    if (!currentIndex().isValid() && model_ && model_->rowCount() > 0 && model_->columnCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
}

void DupeGridView::BindRange(GridRect& range) {
    boundRange_ = &range;
    range = range_;
}

std::optional<QPoint> DupeGridView::CurrentCell() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !model_)
        return std::nullopt;
    return QPoint(current.column(), model_->GridRow(current));
}

QPoint DupeGridView::CellAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || !model_)
        return {-1, -1};
    return {index.column(), model_->GridRow(index)};
}

QRect DupeGridView::CellRect(int col, int row) const {
    return model_ ? visualRect(model_->IndexOfCell(col, row)) : QRect();
}

void DupeGridView::UpdateRange() {
    QRect box;
    for (const QItemSelectionRange& s : selectionModel()->selection())
        box |= QRect(QPoint(s.left(), s.top()), QPoint(s.right(), s.bottom()));
    const QModelIndex current = currentIndex();
    if (current.isValid())
        box |= QRect(current.column(), current.row(), 1, 1);
    GridRect range;
    if (!box.isEmpty() && model_) {
        const int fixed = model_->FixedRowCount();
        range = {box.left(), box.top() + fixed, box.right(), box.bottom() + fixed};
    }
    if (boundRange_)
        *boundRange_ = range;
    if (range != range_) {
        range_ = range;
        viewport()->update();
    }
}

void DupeGridView::ShowFixedRow(bool fixed) {
    horizontalHeader()->setVisible(fixed);
}

void DupeGridView::PaintCell(QPainter& painter, const QRect& rect, const QColor& background,
                             const QColor& text, const QString& caption) {
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, background);
    painter.setPen(text);
    // The text's top at the cell's top; a face taller than the cell moves up instead, so that
    // descenders and underscores stay whole ("a_b" must not read "a b").
    const QFontMetrics metrics = painter.fontMetrics();
    const int overflow = std::max(0, metrics.ascent() + metrics.descent() - rect.height());
    painter.drawText(rect.adjusted(0, -overflow, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    painter.restore();
}

QColor DupeGridView::RoleColour(const QPalette& palette, ColourRole role) {
    switch (role) {
    case ColourRole::ButtonFace:
        return palette.color(QPalette::Button);
    case ColourRole::Highlight:
        return palette.color(QPalette::Highlight);
    case ColourRole::Window:
        return palette.color(QPalette::Base);
    case ColourRole::WindowText:
        return palette.color(QPalette::WindowText);
    case ColourRole::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case ColourRole::Gray:
        break;
    }
    return {128, 128, 128};
}

void DupeGridView::PaintPlainCell(QPainter& painter, const QRect& rect, int col, int row,
                                  bool inRange) {
    ColourRole background = ColourRole::Window, text = ColourRole::WindowText;
    if (row == 0)
        background = ColourRole::ButtonFace;
    else if (inRange)
        background = ColourRole::Highlight, text = ColourRole::HighlightText;
    const QString caption = model_ ? QString::fromUtf8(model_->Grid().Text(col, row)) : QString();
    PaintCell(painter, rect, RoleColour(palette(), background), RoleColour(palette(), text),
              caption);
}

void DupeGridView::PaintGridCell(QPainter& painter, const QRect& rect, int col, int row) {
    if (!model_ || col >= model_->Grid().ColCount() || row >= model_->Grid().RowCount())
        return;
    // The fixed row is never part of the range.
    const bool inRange = row >= model_->Grid().FixedRows() && range_.Contains(col, row);
    if (painter_)
        painter_(painter, rect, col, row, inRange);
    else
        PaintPlainCell(painter, rect, col, row, inRange);
}

void DupeGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit GridMouseDown(pos);
    // Only the left button selects; a press beside the cells leaves the range as it is.
    leftPressInCells_ = event->button() == Qt::LeftButton && indexAt(pos).isValid();
    if (leftPressInCells_)
        QTableView::mousePressEvent(event);
    else
        event->accept();
}

void DupeGridView::mouseMoveEvent(QMouseEvent* event) {
    // A drag selects only when its press did. A move without a button needs nothing of the
    // view: no cell looks different under the pointer, and the hover would repaint two cells
    // at every move, also at every pump of a running search.
    if (event->buttons() == Qt::NoButton || !leftPressInCells_) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void DupeGridView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && leftPressInCells_;
    if (event->button() == Qt::LeftButton)
        leftPressInCells_ = false;
    QTableView::mouseReleaseEvent(event);
    if (click)
        emit GridClick();
}

void DupeGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click presses like the first; no cell is edited.
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers());
    mousePressEvent(&press);
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit GridDblClick();
}

void DupeGridView::keyPressEvent(QKeyEvent* event) {
    const QPersistentModelIndex before = currentIndex();
    const GridRect range = range_;
    QTableView::keyPressEvent(event);
    // Any key that changes the range (arrows, Shift with them, Ctrl+A, Space...) counts as a
    // click: the figures are recounted and the delete dialog lists what they count.
    if (currentIndex() != before || range_ != range)
        emit GridClick();
}

void DupeGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (dy != 0)
        AlignTopRow();
}

void DupeGridView::updateGeometries() {
    QTableView::updateGeometries();
    AlignTopRow();
}

void DupeGridView::AlignTopRow() {
    const QScrollBar* bar = verticalScrollBar();
    if (bar->maximum() <= 0 || bar->value() != bar->maximum())
        return;
    QHeaderView* rows = verticalHeader();
    const int offset = rows->sectionPosition(rows->logicalIndex(bar->value()));
    if (offset < 0 || rows->offset() == offset)
        return;
    rows->setOffset(offset);
    viewport()->update();
}
