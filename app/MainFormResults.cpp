// The result grid and the selection of steps 3 and 4.
#include "app/MainForm.h"

#include "app/UpDown.h"
#include "results/CellColours.h"
#include "results/DupeGridView.h"
#include "results/FileInfo.h"
#include "results/GridCells.h"
#include "results/Selection.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

void TMainForm::ConnectGrid() {
    DupeGrid->BindRange(State.HighlightedRange);
    DupeGrid->SetCellPainter(
        [this](QPainter& painter, const QRect& rect, int col, int row, bool gridSelected) {
            DupeGridDrawCell(painter, rect, col, row, gridSelected);
        });
    connect(DupeGrid, &DupeGridView::GridClick, this,
            [this] { Guarded([this] { DupeGridClick(); }); });
    connect(DupeGrid, &DupeGridView::GridDblClick, this,
            [this] { Guarded([this] { DupeGridDblClick(); }); });
    connect(DupeGrid, &DupeGridView::GridMouseDown, this,
            [this](const QPoint& pos) { Guarded([&] { DupeGridMouseDown(pos); }); });
    connect(DupeGrid, &DupeGridView::CurrentCellChanged, this, [this](int col, int row) {
        Guarded([&] {
            bool canSelect = true;
            DupeGridSelectCell(col, row, canSelect);
        });
    });
}

void TMainForm::DupeGridDrawCell(QPainter& painter, const QRect& rect, int col, int row,
                                 bool gridSelected) {
    const CellColours colours = DupeGridCellColours(State, col, row, gridSelected);
    const QPalette& palette = DupeGrid->palette();
    DupeGridView::PaintCell(painter, rect, DupeGridView::RoleColour(palette, colours.Background),
                            DupeGridView::RoleColour(palette, colours.Text),
                            QString::fromUtf8(State.DupeGrid.Text(col, row)));
}

void TMainForm::WriteFileInfo(const FileInfoTexts& texts) {
    // Through the frames of a running operation: the pointer moving over the grid must not
    // make every pump draw.
    display_.SetText(NameLabel, texts.Name);
    display_.SetText(SizeLabel, texts.Size);
    display_.SetText(DirLabel, texts.Dir);
    display_.SetText(DateLabel, texts.Date);
    display_.SetText(StatusLabel, texts.Status);
}

void TMainForm::ShowFileInfo(const std::string& path) {
    WriteFileInfo(::ShowFileInfo(path));
}

void TMainForm::DupeGridSelectCell(int col, int row, bool& canSelect) {
    canSelect = true;
    if (const auto info = CellFileInfo(State, col, row))
        WriteFileInfo(*info);
}

void TMainForm::DupeGridMouseMove(const QPoint& pos) {
    const QPoint cell = DupeGrid->CellAt(pos);
    if (const auto info = CellFileInfo(State, cell.x(), cell.y()))
        WriteFileInfo(*info);
    Step3GroupMouseMove();
}

void TMainForm::DupeGridDblClick() {
    // The current cell, not the one under the pointer: "Open" of the menu comes here too, and
    // the right button does not move the current cell.
    const auto current = DupeGrid->CurrentCell();
    if (!current)
        return;
    const std::string path = DupeGridOpenPath(State, current->x(), current->y());
    if (!path.empty())
        Dialogs().OpenWithShell(path); // a shell that cannot open it is not reported
}

void TMainForm::DupeGridMouseDown(const QPoint& pos) {
    const QPoint cell = DupeGrid->CellAt(pos);
    if (!Pattern.DupeGridMouseDown(State.DupeGrid, cell.x(), cell.y()))
        return;
    PatternUpDown->SetPosition(Pattern.Position());
    SetPattern();
}

void TMainForm::SetPattern() {
    patternBytes_ = Pattern.SetPattern();
    PatternEdit->setText(QString::fromUtf8(patternBytes_));
}

void TMainForm::PatternUpDownClick(bool up) {
    const auto mask =
        Pattern.PatternUpDownClick(up ? PatternState::Arrow::Right : PatternState::Arrow::Left);
    // The control steps past the mask's maximum on its own; it follows the mask's position.
    PatternUpDown->SetPosition(Pattern.Position());
    if (!mask)
        return;
    SetPattern();
    SelectPatternButtonClick();
}

void TMainForm::DupeGridClick() {
    const GridClickResult result = ::DupeGridClick(State);
    if (result.repaint)
        DupeGrid->viewport()->update();
    ShowSelectionFigures(result.figures);
}

void TMainForm::SelectAllButtonClick() {
    ShowSelectionFigures(SelectAll(State, LeaveOneCheck->isChecked()));
    DupeGrid->viewport()->update();
}

void TMainForm::SelectByDirButtonClick() {
    std::vector<std::string> folders;
    for (const QModelIndex& index : DirListBox->selectionModel()->selectedRows())
        folders.emplace_back(folders_.At(index.row()));
    ShowSelectionFigures(SelectByFolder(State, folders, LeaveOneCheck->isChecked(), Dialogs()));
    DupeGrid->viewport()->update();
}

void TMainForm::SelectPatternButtonClick() {
    // The mask as built keeps the exact bytes of its name; a mask the user typed is UTF-8.
    const QString text = PatternEdit->text();
    const std::string mask =
        text == QString::fromUtf8(patternBytes_) ? patternBytes_ : text.toStdString();
    ShowSelectionFigures(SelectPattern(State, mask, LeaveOneCheck->isChecked()));
    DupeGrid->viewport()->update();
}

void TMainForm::UpdateSelectionInfo() {
    ShowSelectionFigures(::UpdateSelectionInfo(State));
}

void TMainForm::ShowSelectionFigures(const SelectionFigures& figures) {
    FilesSelLabel->setText(QString::fromUtf8(figures.FilesSelected));
    KbSelLabel->setText(QString::fromUtf8(figures.KbSelected));
    FilesDelLabel->setText(QString::fromUtf8(figures.FilesDeleted));
    KbDelLabel->setText(QString::fromUtf8(figures.KbCleared));
}
