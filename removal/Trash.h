#pragma once

#include <fcntl.h>
#include <string>

// A file taken into a Trash: where it is now and its record.
struct TrashSlot {
    std::string file;
    std::string info;
};

// Moves path into the freedesktop.org Trash of the mount it really lives on, restorable from
// any file manager: the home Trash under the data home when the file is on the data home's
// mount, else the Trash at the top of its own mount ($top/.Trash/$uid when the administrator
// made $top/.Trash, else $top/.Trash-$uid). The record is written first, exclusively (it
// reserves the name, so that two files of one name never meet in the Trash) and marked as
// Kelvaro's; then the file is renamed in. A name too long to carry ".trashinfo" is shortened
// (the record keeps the whole path), and every search for a free name is bounded. 0 with slot
// set; else error says what to tell the user, the file is where it was and no record is left,
// and the result is an errno value for the file, or one negated when no Trash can be used.
// fromDir and fromName, when given, name the file as the caller holds it (its folder's
// descriptor), so that a folder renamed meanwhile cannot put another file in its place.
int MoveToTrash(const std::string& path, TrashSlot& slot, std::string& error,
                int fromDir = AT_FDCWD, const std::string& fromName = {});

// A path as a .trashinfo records it: every byte but the unreserved characters and "/" escaped
// as %XX, so that a name that is no valid text keeps its bytes and a line break stays in its
// line.
std::string TrashInfoPath(const std::string& path);
std::string DecodeTrashInfoPath(const std::string& recorded);

// Removes the records Kelvaro wrote in the Trash at trash whose file never arrived (the program
// was killed between the record and the move): only where the file is still at its old path
// and the process that wrote the record is gone. top is what relative recorded paths are
// relative to. Run by MoveToTrash once per Trash and process.
void DropStaleRecords(const std::string& trash, const std::string& top);
