#include "cli/Actions.h"

#include "cli/JsonText.h"
#include "platform/Paths.h"
#include "removal/CheckedLink.h"
#include "removal/CheckedRemoval.h"
#include "removal/FileNames.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

// An action's words: in the plan, once done, and in the log.
struct Words {
    const char* plan;
    const char* done;
    const char* log;
};

Words WordsOf(Action a) {
    switch (a) {
    case Action::Trash:
        return {"trash", "trashed", "trash"};
    case Action::MoveTo:
        return {"move", "moved", "move"};
    case Action::Delete:
        return {"delete", "deleted", "delete"};
    case Action::HardLink:
        return {"link", "linked", "hardlink"};
    case Action::Reflink:
        return {"reflink", "reflinked", "reflink"};
    case Action::None:
        break;
    }
    return {"", "", ""};
}

// The plan's lines: the verb in a column of its own, then the path.
void Line(std::FILE* out, const char* verb, const std::string& path) {
    std::fprintf(out, "%-10s%s\n", verb, path.c_str());
}

std::string Now() {
    char text[32];
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

class ActionLog {
public:
    bool Open(const std::string& path, std::string& error) {
        const std::string folder = platform::ParentFolder(path);
        if (!folder.empty() && !platform::PathExists(folder) && !MakeFolders(folder, 0700)) {
            error = std::strerror(errno);
            return false;
        }
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0)
            error = std::strerror(errno);
        return fd_ >= 0;
    }
    ~ActionLog() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    // One whole line in one write, so that two runs that log at once do not mix their lines.
    bool Append(const char* action, const Member& file, const std::string& kept,
                const std::string& target) {
        std::string line = "{\"time\": \"" + Now() + "\", \"action\": \"" + action + "\", " +
                           JsonPathField("path", file.path) + ", " + JsonPathField("kept", kept) +
                           ", \"size\": " + std::to_string(file.stamp.size);
        if (!target.empty())
            line += ", " + JsonPathField("target", target);
        line += "}\n";
        return ::write(fd_, line.data(), line.size()) == ssize_t(line.size());
    }

private:
    int fd_ = -1;
};

bool Unchanged(const Member& m) {
    platform::FileStamp now;
    return platform::StampOf(m.path, now) && now == m.stamp;
}

} // namespace

std::string DefaultLogPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state && state[0] == '/')
        base = state;
    else if (const char* home = std::getenv("HOME"); home && home[0])
        base = platform::JoinPath(home, ".local/state");
    else
        return {};
    return platform::JoinPath(platform::JoinPath(base, "kelvaro"), "actions.log");
}

int Act(const GroupSource& groups, const ActionOptions& options, std::FILE* out) {
    ActionLog log;
    if (!options.dryRun) {
        std::string error;
        if (options.log.empty() || !log.Open(options.log, error)) {
            std::fprintf(
                stderr, "kelvaro-find: the log %s cannot be written (%s); nothing was done\n",
                options.log.c_str(), options.log.empty() ? "no home folder" : error.c_str());
            return 1;
        }
    }
    int status = 0;
    std::int64_t doneFiles = 0, doneBytes = 0, stayed = 0;
    const auto stay = [&](const Member& m, const std::string& why) {
        std::fprintf(stderr, "kelvaro-find: %s stays: %s\n", m.path.c_str(), why.c_str());
        ++stayed;
        status = 1;
    };
    CopyCheck check;
    const TRemoveMethod method = options.action == Action::Trash    ? rmRecycle
                                 : options.action == Action::MoveTo ? rmMove
                                                                    : rmErase;
    const bool link = options.action == Action::HardLink || options.action == Action::Reflink;
    const Words words = WordsOf(options.action);
    Group group;
    std::size_t g = 0;
    for (; groups(group); ++g) {
        const std::vector<std::size_t> keptIndexes = KeptMembers(group, options.keep);
        std::vector<bool> keeps(group.size(), false);
        PlannedFile planned;
        bool keptChanged = false;
        for (std::size_t k : keptIndexes) {
            keeps[k] = true;
            planned.kept.push_back({group[k].path, group[k].stamp});
            keptChanged = keptChanged || !Unchanged(group[k]);
        }
        if (g > 0)
            std::fputc('\n', out);
        for (std::size_t k : keptIndexes)
            Line(out, "keep", group[k].path);
        for (std::size_t i = 0; i < group.size(); ++i) {
            const Member& m = group[i];
            if (keeps[i])
                continue;
            // The plan already leaves what changed since the search or the report.
            if (keptChanged) {
                stay(m, "its kept copy changed since the search");
                continue;
            }
            if (!Unchanged(m)) {
                stay(m, "it changed since the search");
                continue;
            }
            if (options.dryRun) {
                Line(out, words.plan, m.path);
                ++doneFiles;
                doneBytes += m.stamp.size;
                continue;
            }
            planned.file = {m.path, m.stamp};
            const RemovalResult r =
                link ? LinkChecked(planned,
                                   options.action == Action::HardLink ? LinkMethod::HardLink
                                                                      : LinkMethod::Reflink,
                                   check)
                     : RemoveChecked(planned, method, options.moveTo, check);
            if (r.status == RemovalStatus::Gone) {
                stay(m, "it is gone");
                continue;
            }
            if (r.status != RemovalStatus::Removed) {
                stay(m, StayedReason(r));
                continue;
            }
            Line(out, words.done, m.path);
            ++doneFiles;
            doneBytes += m.stamp.size;
            const std::string kept = link ? r.target : check.KeptPath();
            if (!log.Append(words.log, m, kept, link ? std::string() : r.target)) {
                std::fprintf(stderr, "kelvaro-find: the log %s cannot be written (%s); stopped\n",
                             options.log.c_str(), std::strerror(errno));
                return 1;
            }
        }
    }
    if (g > 0)
        std::fputc('\n', out);
    std::fprintf(out, "%s %lld files, %lld bytes%s\n",
                 options.dryRun ? "Would act on" : "Done:", static_cast<long long>(doneFiles),
                 static_cast<long long>(doneBytes),
                 stayed ? (", " + std::to_string(stayed) + " stayed").c_str() : "");
    return status;
}
