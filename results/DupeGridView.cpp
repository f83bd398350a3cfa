#include "results/DupeGridView.h"

#include "results/DupeGridModel.h"

#include <QHeaderView>

DupeGridView::DupeGridView(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    // Fixed section sizes keep 100,000 rows cheap: no row is ever measured.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(kDefaultRowHeight + 1);
    horizontalHeader()->hide();
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void DupeGridView::SetGridModel(DupeGridModel* model) {
    model_ = model;
    setModel(model);
    connect(model, &DupeGridModel::FixedRowChanged, this, &DupeGridView::ShowFixedRow);
    ShowFixedRow(model->Grid().FixedRows() > 0);
}

void DupeGridView::ShowFixedRow(bool fixed) {
    horizontalHeader()->setVisible(fixed);
}
