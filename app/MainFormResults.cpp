// The result grid and the selection of steps 3 and 4.
#include "app/MainForm.h"

void TMainForm::DupeGridDrawCell(int, int) {}          // header, marked and removed colours
void TMainForm::ShowFileInfo(int, int) {}              // the file information panel for a cell
void TMainForm::DupeGridSelectCell(int, int, bool&) {} // the current cell changes
void TMainForm::DupeGridDblClick() {}                  // opens the file with its default program
void TMainForm::DupeGridMouseDown(const QPoint&) {}    // a press starts a range selection
void TMainForm::DupeGridClick() {}                     // a click ends it
void TMainForm::SelectAllButtonClick() {}              // marks every grouped file
void TMainForm::SelectByDirButtonClick() {}            // marks the files in the highlighted folders
void TMainForm::SelectPatternButtonClick() {}          // marks the files that match the mask
void TMainForm::PatternUpDownClick(int) {}             // builds the mask from the pressed file

void TMainForm::DupeGridMouseMove(const QPoint&) {
    // The file under the mouse goes to the file information panel first.
    Step3GroupMouseMove();
}
