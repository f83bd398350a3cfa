#pragma once

#include "removal/DeleteFilesModel.h"
#include "removal/RemovalCheck.h"
#include "removal/RemovalResult.h"

#include <string>

// Removes one planned file, checked at the moment it goes. The file is first taken away from
// its path to a name of the removal's own on its own file system (no replacing rename): into
// the Trash, into the archive folder, or, to be erased or copied to another file system, a
// hidden name in its own folder. Only then is it checked, through its descriptor, against a
// copy that stays (CopyCheck), and the removal made final (unlinked, copied over) after a last
// look; a file that fails goes back to its name (or a free name beside it when its name was
// taken meanwhile). What changes through the path after the first step cannot reach the file
// that goes, and a copy that stays is looked at last right before the final step.
RemovalResult RemoveChecked(const PlannedFile& file, TRemoveMethod method,
                            const std::string& archive, CopyCheck& check, int index = 0);
