#include "folders/FolderWalk.h"

#include "folders/FolderRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/RunControl.h"

#include <vector>

bool WalkSubfolders(const std::string& start, const std::function<void(const std::string&)>& add,
                    MainWindowInterface& window, const bool& stopFlag) {
    std::vector<std::string> queue{start};
    for (std::size_t index = 0; index < queue.size(); ++index) {
        const std::string folder = queue[index];
        platform::ListFolder(
            folder, platform::ListWhat::TypesOnly, [&](const platform::FolderEntry& e) {
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
    }
    // A stopped walk says "Ready." too; the caller then reports the cancellation.
    ShowStatus(window, "Ready.");
    return !stopFlag;
}
