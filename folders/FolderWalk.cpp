#include "folders/FolderWalk.h"

#include "folders/FolderRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/FolderReader.h"
#include "search/RunControl.h"

#include <cerrno>
#include <cstdint>
#include <new>
#include <vector>

namespace {

// The path under which the walk lists a subfolder, or "" for one it leaves out.
std::string SubfolderPath(const std::string& folder, const std::string& name) {
    return name[0] == '.' ? std::string() : NormalizeFolderName(platform::JoinPath(folder, name));
}

// A tree's last level holds no subfolder, so its folders write no status line; the walk still
// lets input in this often (the last level of 40,000 folders takes a second to read), also
// while it waits for the readers.
constexpr std::int64_t kQuietPumpMs = 20;
// Entries of one folder between two looks at the clock.
constexpr int kEntriesPerLook = 256;

} // namespace

bool WalkSubfolders(const std::string& start, const std::function<void(const std::string&)>& add,
                    MainWindowInterface& window, const bool& stopFlag, FolderFiles* files,
                    int readers) {
    FolderReader reader(ReadersFor(start, readers),
                        files ? platform::ListWhat::TypesAndSizes : platform::ListWhat::TypesOnly,
                        SubfolderPath);
    reader.Prefetch(start);
    std::vector<std::string> queue{start};
    IntervalPump pumpWhenQuiet(window, kQuietPumpMs);
    const bool skipHidden = window.SkipHiddenFiles();
    for (std::size_t index = 0; index < queue.size(); ++index) {
        const std::string folder = queue[index];
        FolderFiles::Listing listing;
        int error = 0;
        int entries = 0;
        const bool complete = reader.List(
            folder,
            [&](const platform::FolderEntry& e) {
                if (files && e.type == platform::EntryType::RegularFile) {
                    listing.names.append(e.name).push_back('\0');
                    listing.stamps.push_back(e.stamp);
                }
                if (e.type == platform::EntryType::Unreadable && !(skipHidden && e.name[0] == '.'))
                    window.ReportUnreadable(platform::JoinPath(folder, e.name), e.error);
                std::string path;
                if (e.type == platform::EntryType::Directory)
                    path = SubfolderPath(folder, e.name);
                if (!path.empty()) {
                    add(path);
                    queue.push_back(std::move(path));
                    ShowStatus(window,
                               "Reading directories.. " + std::to_string(queue.size()) + " found.");
                    pumpWhenQuiet.Restart();
                } else if (++entries % kEntriesPerLook == 0) {
                    pumpWhenQuiet();
                }
                return !stopFlag;
            },
            [&] {
                pumpWhenQuiet();
                return !stopFlag;
            },
            &error);
        // A folder left out for lack of memory would hide its whole tree without a word.
        if (!complete && error == ENOMEM)
            throw std::bad_alloc();
        // One that vanished since it was found is no longer there to read.
        if (!complete && !stopFlag && error != ENOENT && error != ENOTDIR)
            window.ReportUnreadable(folder, error);
        pumpWhenQuiet();
        if (stopFlag)
            break;
        if (files && complete)
            files->Add(folder, std::move(listing));
    }
    // A stopped walk says "Ready." too; the caller then reports the cancellation.
    ShowStatus(window, "Ready.");
    return !stopFlag;
}
