#include "folders/FolderWalk.h"

#include "folders/FolderRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/RunControl.h"

#include <vector>

bool WalkSubfolders(const std::string& start, const std::function<void(const std::string&)>& add,
                    MainWindowInterface& window, const bool& stopFlag, FolderFiles* files) {
    std::vector<std::string> queue{start};
    for (std::size_t index = 0; index < queue.size(); ++index) {
        const std::string folder = queue[index];
        FolderFiles::Listing listing;
        const bool complete = platform::ListFolder(
            folder, files ? platform::ListWhat::TypesAndSizes : platform::ListWhat::TypesOnly,
            [&](const platform::FolderEntry& e) {
                if (files && e.type == platform::EntryType::RegularFile) {
                    listing.names.append(e.name).push_back('\0');
                    listing.stamps.push_back(e.stamp);
                }
                if (e.type == platform::EntryType::Directory && e.name[0] != '.') {
                    std::string path = NormalizeFolderName(platform::JoinPath(folder, e.name));
                    add(path);
                    queue.push_back(std::move(path));
                    ShowStatus(window,
                               "Reading directories.. " + std::to_string(queue.size()) + " found.");
                }
                return !stopFlag;
            });
        if (stopFlag)
            break;
        if (files && complete)
            files->Add(folder, std::move(listing));
    }
    // A stopped walk says "Ready." too; the caller then reports the cancellation.
    ShowStatus(window, "Ready.");
    return !stopFlag;
}
