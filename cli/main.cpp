// kelvaro-find: the duplicate search without a window, for scripts and comparisons.

#include "cache/ContentCache.h"
#include "cli/Actions.h"
#include "cli/CliWindow.h"
#include "cli/Filters.h"
#include "cli/Groups.h"
#include "cli/Report.h"
#include "folders/FolderList.h"
#include "folders/FolderRules.h"
#include "folders/FolderWalk.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Memory.h"
#include "platform/Paths.h"
#include "platform/Version.h"
#include "search/SearchRun.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>
#include <mutex>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: kelvaro-find [options] FOLDER...\n"
    "       kelvaro-find --from-report FILE ACTION [options]\n"
    "Finds files with identical contents in the given folders and prints each group's\n"
    "members, one per line, with an empty line between groups. Paths are printed as the\n"
    "folders were given: a relative folder gives relative paths. With an action, acts on\n"
    "every member of each group but the one that stays, checking each file against a kept\n"
    "copy, byte for byte, at the moment it acts on it.\n"
    "\n"
    "Search:\n"
    "  -r, --recursive     also search every subfolder (hidden folders are left out)\n"
    "      --include-hidden  also search hidden files (names that begin with \".\")\n"
    "      --no-protect    allow system folders such as /usr and /etc\n"
    "      --exclude PATTERN  leave out files and folders (with their trees) whose name\n"
    "                      matches the shell pattern (* ? [...]); repeatable\n"
    "      --min-size N, --max-size N  only files of at least, at most N bytes (suffixes\n"
    "                      k, M, G for powers of 1024)\n"
    "      --engine=fast|pairwise  how files of equal size are compared: fast (the\n"
    "                      default) reads each file once, pairwise is the slow reference\n"
    "      --threads N     reader threads that list folders and read files ahead of the\n"
    "                      search, 0 to 64 (default: four, or one on a rotating disk)\n"
    "\n"
    "Content cache ($XDG_CACHE_HOME/kelvaro, ~/.cache/kelvaro by default):\n"
    "      --no-cache      neither use nor fill the cache. By default digests of what was\n"
    "                      read are kept for each file (by file system, inode, size,\n"
    "                      modification and status-change time) and used only to prove\n"
    "                      files different; identical files are still compared byte for byte\n"
    "      --trust-cache   group unchanged files whose cached SHA-256 digests of the whole\n"
    "                      file are equal without reading them; other files are read as\n"
    "                      usual. The groups then rest on digests, not bytes (--json marks\n"
    "                      such files \"trusted_digest\"); an action still compares each file\n"
    "                      with the copy that stays, byte for byte\n"
    "      --cache-clear   empty the cache (then search, when folders are given)\n"
    "      --stats         say on stderr how many files were read and how many were\n"
    "                      settled by the cache unread\n"
    "\n"
    "Output:\n"
    "  -0, --null          end each path with a NUL instead of a line break, and put an\n"
    "                      empty item (a second NUL) between groups, for xargs -0\n"
    "  -m, --summary       print only the number of groups, of redundant files (all but\n"
    "                      those that stay) and the bytes those occupy\n"
    "      --json          print a JSON array of groups, each an array of files: path,\n"
    "                      device, inode, size, mtime and ctime (seconds, with _nsec); a\n"
    "                      path that is not UTF-8 also comes as path_base64, its bytes;\n"
    "                      a report that --from-report can act on later\n"
    "\n"
    "Which copy stays:\n"
    "      --keep first|newest|oldest|shortest  the first of each group as printed (the\n"
    "                      default), the newest or oldest by modification time, or the\n"
    "                      one with the shortest path\n"
    "      --keep-in DIR   a reference folder (searched too): its files always stay, and\n"
    "                      only groups with a file in one are shown; repeatable\n"
    "      --ref-groups    also show groups that lie wholly in reference folders\n"
    "\n"
    "Actions:\n"
    "      --trash         move the others to the desktop's Trash\n"
    "      --move-to DIR   move the others into DIR\n"
    "      --delete        delete the others for good\n"
    "      --hardlink      replace the others by hard links to the copy that stays\n"
    "      --reflink       make the others share the blocks of the copy that stays\n"
    "                      (btrfs, XFS); each keeps its own inode and times\n"
    "  -n, --dry-run       print the plan (what stays, what goes, the bytes) only\n"
    "      --from-report FILE  act on the groups of a report written by --json instead of\n"
    "                      searching; a file that changed since stays\n"
    "      --log FILE      append a line of JSON for each file acted on to FILE instead of\n"
    "                      $XDG_STATE_HOME/kelvaro/actions.log (~/.local/state/...)\n"
    "\n"
    "  -h, --help          show this help\n"
    "      --version       show the version\n"
    "\n"
    "A file or folder that cannot be read is named on stderr, once, and left out.\n"
    "\n"
    "Exit status: 0 when the search ran (duplicates or not) and every action was done; 1\n"
    "when a folder was missing or refused (the others are still searched), the output could\n"
    "not be written, memory ran out, or a file stayed that an action was to act on; 2 for a\n"
    "bad option.\n";

struct Options {
    bool recursive = false;
    bool includeHidden = false;
    bool protect = true;
    bool json = false;
    bool null = false;
    bool summary = false;
    bool pairwise = false;
    bool refGroups = false;
    bool cache = true;
    bool trustCache = false;
    bool cacheClear = false;
    bool stats = false;
    int readers = kAutoReaders;
    std::vector<std::string> folders;
    std::vector<std::string> references;
    std::string report;
    bool logGiven = false;
    ScanFilter filter;
    ActionOptions act;
};

// A whole number from 0 to 64, or -1.
int ParseThreads(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(text);
    return n <= 64 ? n : -1;
}

int Bad(const std::string& why) {
    std::fprintf(stderr, "kelvaro-find: %s\n%s", why.c_str(), kUsage);
    return 2;
}

// Returns 0 to go on, 2 on a bad option, -1 after --help, -2 after --version.
int Parse(int argc, char** argv, Options& o) {
    const char* const withValue[] = {"--threads",  "--exclude",     "--min-size",
                                     "--max-size", "--keep",        "--keep-in",
                                     "--move-to",  "--from-report", "--log"};
    const auto isValueOption = [&](const std::string& a) {
        return std::any_of(std::begin(withValue), std::end(withValue),
                           [&](const char* n) { return a == n; });
    };
    // Bundled short options (-rm) are taken apart first; an option's value never is.
    std::vector<std::string> args;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (!optionsEnd && isValueOption(a) && i + 1 < argc) {
            args.push_back(a);
            args.push_back(argv[++i]);
            continue;
        }
        if (!optionsEnd && a.size() > 2 && a[0] == '-' && a[1] != '-') {
            for (std::size_t k = 1; k < a.size(); ++k)
                args.push_back(std::string("-") + a[k]);
            continue;
        }
        optionsEnd = optionsEnd || a == "--";
        args.push_back(a);
    }
    optionsEnd = false;
    const auto setAction = [&](Action action) {
        if (o.act.action != Action::None && o.act.action != action)
            return false;
        o.act.action = action;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string a = args[i];
        if (optionsEnd || a.size() < 2 || a[0] != '-') {
            o.folders.push_back(a);
            continue;
        }
        // Options that take a value, as "--name value" or "--name=value".
        std::string value;
        bool hasValue = false;
        const auto takes = [&](const char* name) {
            const std::size_t n = std::strlen(name);
            if (a == name) {
                if (i + 1 >= args.size())
                    return false;
                value = args[++i];
                hasValue = true;
                return true;
            }
            if (a.size() > n && a.compare(0, n, name) == 0 && a[n] == '=') {
                value = a.substr(n + 1);
                hasValue = true;
                return true;
            }
            return false;
        };
        const char* named = nullptr;
        for (const char* n : withValue)
            if (takes(n)) {
                named = n;
                break;
            }
        for (const char* n : withValue)
            if (!named && a == n)
                return Bad(std::string(n) + " needs a value");
        if (named && hasValue) {
            const std::string name = named;
            if (name == "--threads") {
                o.readers = ParseThreads(value);
                if (o.readers < 0)
                    return Bad("--threads takes 0 to 64, not '" + value + "'");
            } else if (name == "--exclude") {
                if (value.empty() || value.find('/') != std::string::npos)
                    return Bad("--exclude matches one name at a time, not '" + value + "'");
                o.filter.exclude.push_back(value);
            } else if (name == "--min-size" || name == "--max-size") {
                const std::int64_t n = ParseSize(value);
                if (n < 0)
                    return Bad(name + " takes a size such as 100, 10k, 5M or 2G, not '" + value +
                               "'");
                (name == "--min-size" ? o.filter.minSize : o.filter.maxSize) = n;
            } else if (name == "--keep") {
                if (value == "first")
                    o.act.keep = KeepRule::First;
                else if (value == "newest")
                    o.act.keep = KeepRule::Newest;
                else if (value == "oldest")
                    o.act.keep = KeepRule::Oldest;
                else if (value == "shortest")
                    o.act.keep = KeepRule::Shortest;
                else
                    return Bad("--keep takes first, newest, oldest or shortest, not '" + value +
                               "'");
            } else if (name == "--keep-in") {
                o.references.push_back(value);
            } else if (name == "--move-to") {
                if (!setAction(Action::MoveTo))
                    return Bad("one action at a time");
                o.act.moveTo = value;
            } else if (name == "--from-report") {
                o.report = value;
            } else if (name == "--log") {
                o.act.log = value;
                o.logGiven = true;
            }
            continue;
        }
        if (a == "--")
            optionsEnd = true;
        else if (a == "-r" || a == "--recursive")
            o.recursive = true;
        else if (a == "--include-hidden")
            o.includeHidden = true;
        else if (a == "--no-protect")
            o.protect = false;
        else if (a == "--json")
            o.json = true;
        else if (a == "-0" || a == "--null")
            o.null = true;
        else if (a == "-m" || a == "--summary")
            o.summary = true;
        else if (a == "--engine=fast")
            o.pairwise = false;
        else if (a == "--engine=pairwise")
            o.pairwise = true;
        else if (a == "--ref-groups")
            o.refGroups = true;
        else if (a == "--no-cache")
            o.cache = false;
        else if (a == "--trust-cache")
            o.trustCache = true;
        else if (a == "--cache-clear")
            o.cacheClear = true;
        else if (a == "--stats")
            o.stats = true;
        else if (a == "-n" || a == "--dry-run")
            o.act.dryRun = true;
        else if (a == "--trash" || a == "--delete" || a == "--hardlink" || a == "--reflink") {
            const Action action = a == "--trash"      ? Action::Trash
                                  : a == "--delete"   ? Action::Delete
                                  : a == "--hardlink" ? Action::HardLink
                                                      : Action::Reflink;
            if (!setAction(action))
                return Bad("one action at a time");
        } else if (a == "-h" || a == "--help")
            return -1;
        else if (a == "--version")
            return -2;
        else
            return Bad("unknown option '" + a + "'");
    }
    if (o.trustCache && !o.cache)
        return Bad("--trust-cache needs the cache: not with --no-cache");
    if (o.trustCache && o.pairwise)
        return Bad("--trust-cache goes with the fast engine only");
    if (o.json && o.null && !o.summary)
        return Bad("--json and --null do not go together");
    const bool acting = o.act.action != Action::None;
    if (acting && (o.json || o.null || o.summary))
        return Bad("an action prints what it does: --json, --null and --summary go without one");
    if (o.act.dryRun && !acting)
        return Bad("--dry-run needs an action (--trash, --move-to, --delete, --hardlink or "
                   "--reflink)");
    if (!o.report.empty()) {
        if (!acting)
            return Bad("--from-report needs an action");
        if (!o.folders.empty())
            return Bad("--from-report acts on the report's files: no folder goes with it");
    } else if (o.folders.empty() && o.references.empty() && !o.cacheClear) {
        return Bad("no folder given");
    }
    if (!o.logGiven)
        o.act.log = DefaultLogPath();
    return 0;
}

// Says why a folder given cannot be searched; empty when it can.
std::string Refusal(const std::string& given, const std::string& folder, bool protect) {
    if (!platform::PathExists(folder))
        return given + ": no such folder";
    if (!platform::IsDirectory(folder))
        return given + ": not a folder";
    if (protect && IsProtectedFolder(folder))
        return given + ": a protected system folder, not searched (--no-protect allows it)";
    return {};
}

// Writes what is left in stdout and says so when it could not.
int FlushOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kelvaro-find: the output could not be written: %s\n",
                     std::strerror(errno));
        return 1;
    }
    return 0;
}

// The search, or the report, and what comes of it; returns the exit status.
int Search(Options& options) {
    int status = 0;
    std::vector<Group> reported;
    // The search's results; its groups are made one at a time as they are printed or acted on.
    SearchState state;
    GroupSource groups;
    std::size_t trusted = 0;
    std::vector<std::string> references;
    for (const std::string& given : options.references) {
        const std::string folder = NormalizeFolderName(given);
        references.push_back(folder);
        if (options.report.empty())
            options.folders.push_back(given);
    }
    if (!options.report.empty()) {
        std::string error;
        if (!ReadReport(options.report, reported, error)) {
            std::fprintf(stderr, "kelvaro-find: %s: %s\n", options.report.c_str(), error.c_str());
            return 1;
        }
        if (!references.empty())
            for (Group& g : reported)
                for (Member& m : g)
                    m.reference = false;
        ApplyReferences(reported, references, options.refGroups);
        groups = GroupsOf(reported);
    } else {
        // No capacity: a command line may search more folders than a window lists.
        FolderList list(std::numeric_limits<int>::max());
        FolderFiles listed;
        UnreadableReport unreadable;
        CliWindow window(!options.includeHidden, isatty(STDERR_FILENO) == 1, &unreadable);
        bool stop = false;
        if (options.cache)
            cache::ContentCache::ReadAhead(cache::ContentCache::DefaultFolder());
        for (const std::string& given : options.folders) {
            const std::string folder = NormalizeFolderName(given);
            if (const std::string why = Refusal(given, folder, options.protect); !why.empty()) {
                window.ClearProgressLine();
                std::fprintf(stderr, "kelvaro-find: %s\n", why.c_str());
                status = 1;
                continue;
            }
            list.Add(folder, options.protect);
            if (options.recursive) {
                // Checked once per tree where no protected folder can lie below.
                const bool check = options.protect && TreeNeedsProtectionCheck(folder);
                WalkSubfolders(
                    folder,
                    [&](const std::string& found) {
                        if (!options.filter.ExcludesFolder(folder, found))
                            list.Queue(found, check);
                    },
                    window, stop, &listed, options.readers);
                list.InsertQueued();
            }
        }

        // The walk's listings, read ahead of it and mostly freed by now, left the heap in pieces
        // that the system would otherwise count against the search until it ends. The search
        // takes the list's folders over as they lie: a copy would be made among those pieces.
        platform::ReturnFreedMemory();
        TDirList folders = list.Paths();
        list.Clear();
        CliWindow searchWindow(!options.includeHidden, isatty(STDERR_FILENO) == 1, &unreadable);
        // The cache's one line of warning may come from a reader: it is said after the run.
        std::mutex warnMutex;
        std::string cacheWarning;
        std::shared_ptr<cache::ContentCache> contentCache;
        if (!folders.empty() && options.cache) {
            cache::ContentCache::Options co;
            co.folder = cache::ContentCache::DefaultFolder();
            co.warn = [&](const std::string& line) {
                std::lock_guard lock(warnMutex);
                cacheWarning = line;
            };
            contentCache = cache::ContentCache::Open(std::move(co));
        }
        if (!folders.empty()) {
            ComparerFactory engine;
            if (options.pairwise)
                engine = MakePairwiseComparer;
            SearchRun run(state, searchWindow, engine);
            run.UseListedFolders(&listed);
            run.UseReaders(options.readers);
            run.UseCache(contentCache, options.trustCache);
            run.UseGrid(false);
            if (options.filter.Any())
                run.UseFileFilter([&](const std::string& name, std::int64_t size) {
                    return options.filter.TakesFile(name, size);
                });
            run.FindDuplicates(std::move(folders));
            if (options.stats)
                std::fprintf(stderr,
                             "kelvaro-find: %lld files read, %lld settled by the content cache "
                             "unread\n",
                             static_cast<long long>(run.Counted().opened.load()),
                             static_cast<long long>(run.Counted().fromCache.load()));
        }
        searchWindow.ClearProgressLine();
        window.ClearProgressLine();
        if (!cacheWarning.empty())
            std::fprintf(stderr, "kelvaro-find: %s\n", cacheWarning.c_str());
        // Said again at the end, where the many lines of a large tree leave it easy to see.
        if (unreadable.Count() > 0)
            std::fprintf(stderr, "kelvaro-find: %zu %s could not be read and %s left out\n",
                         unreadable.Count(),
                         unreadable.Count() == 1 ? "file or folder" : "files or folders",
                         unreadable.Count() == 1 ? "was" : "were");
        // A truncated index: the groups may be missing some.
        if (searchWindow.ErrorShown())
            status = 1;
        groups = [source = GroupsOf(state, references, options.refGroups), &trusted](Group& group) {
            if (!source(group))
                return false;
            trusted += static_cast<std::size_t>(std::count_if(
                group.begin(), group.end(), [](const Member& m) { return m.trusted; }));
            return true;
        };
    }

    if (options.act.action != Action::None)
        status |= Act(groups, options.act, stdout);
    else if (options.summary)
        PrintSummary(groups, options.act.keep, options.json, stdout);
    else
        PrintGroups(groups,
                    options.json   ? Format::Json
                    : options.null ? Format::Null
                                   : Format::Lines,
                    stdout);
    // Said whatever the output, so that nobody takes these groups for compared bytes.
    if (trusted > 0)
        std::fprintf(stderr,
                     "kelvaro-find: %zu grouped files were not read: their cached SHA-256 digests "
                     "were trusted\n",
                     trusted);
    return status | FlushOutput();
}

} // namespace

int main(int argc, char** argv) {
    platform::UseOneHeap();
    Options options;
    if (int rc = Parse(argc, argv, options); rc != 0) {
        if (rc == -1)
            std::fputs(kUsage, stdout);
        else if (rc == -2)
            std::printf("kelvaro-find %s\n", VersionText().c_str());
        return rc < 0 ? FlushOutput() : rc;
    }
    if (options.cacheClear) {
        std::string error;
        if (!cache::ContentCache::Clear(cache::ContentCache::DefaultFolder(), error)) {
            std::fprintf(stderr, "kelvaro-find: the content cache cannot be cleared: %s\n",
                         error.c_str());
            return 1;
        }
        if (options.folders.empty() && options.references.empty() && options.report.empty())
            return 0;
    }
    try {
        return Search(options);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "kelvaro-find: %s\n", kOutOfMemory);
    } catch (const std::exception& e) {
        // A run that ran out of memory ends with the error the window would show.
        std::fprintf(stderr, "kelvaro-find: %s\n", e.what());
    }
    return 1;
}
