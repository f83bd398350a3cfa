#pragma once

#include <cstdint>
#include <string>

class QLocale;

// The five value texts of the File Info panel. The panel keeps no state: a writer replaces all.
struct FileInfoTexts {
    std::string Name;
    std::string Size;
    std::string Dir;
    std::string Date;
    std::string Status;
    bool operator==(const FileInfoTexts&) const = default;
};

// The panel's texts for one path, looked up afresh (the entry itself, a link is not followed).
// Dates follow the user's locale; the overload takes the locale to use.
FileInfoTexts ShowFileInfo(const std::string& path);
FileInfoTexts ShowFileInfo(const std::string& path, const QLocale& locale);

// What the folder list shows for a folder: the folder, "N/A" everywhere else.
FileInfoTexts FolderInfoTexts(const std::string& folder);

// A last-write time (seconds since the epoch) as the panel writes it: local time at two-second
// precision, the short date, a blank and the long time; midnight gives the date alone.
std::string FormatFileTime(std::int64_t secondsSinceEpoch, const QLocale& locale);
