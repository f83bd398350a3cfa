#pragma once

#include <QTableView>

class DupeGridModel;

// The result grid: a string grid of 90-pixel columns and 14-pixel rows whose fixed row 0 is the
// header. Drawing, range selection and the file information follow the grid's handlers.
class DupeGridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 90;
    static constexpr int kDefaultRowHeight = 14;

    explicit DupeGridView(QWidget* parent = nullptr);

    void SetGridModel(DupeGridModel* model);
    DupeGridModel* GridModel() const { return model_; }

private:
    void ShowFixedRow(bool fixed);

    DupeGridModel* model_ = nullptr;
};
