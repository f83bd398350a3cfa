// kelvaro-find: the duplicate search without a window, for scripts and comparisons.

#include "cli/CliWindow.h"
#include "cli/JsonText.h"
#include "cli/SearchFolders.h"
#include "folders/FolderRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Version.h"
#include "search/SearchRun.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: kelvaro-find [options] FOLDER...\n"
    "Finds files with identical contents in the given folders and prints each group's\n"
    "members, one per line, with an empty line between groups. Paths are printed as the\n"
    "folders were given: a relative folder gives relative paths.\n"
    "\n"
    "  -r, --recursive     also search every subfolder (hidden folders are left out)\n"
    "      --include-hidden  also search hidden files (names that begin with \".\")\n"
    "      --no-protect    allow system folders such as /usr and /etc\n"
    "  -0, --null          end each path with a NUL instead of a line break, and put an\n"
    "                      empty item (a second NUL) between groups, for xargs -0\n"
    "  -m, --summary       print only the number of groups, of redundant files (all but\n"
    "                      one of each group) and the bytes those occupy\n"
    "      --json          print a JSON array of groups, each an array of paths; bytes that\n"
    "                      are not UTF-8 appear as \\udcXX escapes (with --summary, an\n"
    "                      object of the three numbers)\n"
    "      --engine=fast|pairwise  how files of equal size are compared: fast (the\n"
    "                      default) reads each file once, pairwise is the slow reference\n"
    "      --threads N     reader threads that list folders and read files ahead of the\n"
    "                      search, 0 to 64 (default: four, or one on a rotating disk)\n"
    "  -h, --help          show this help\n"
    "      --version       show the version\n"
    "\n"
    "A file or folder that cannot be read is named on stderr, once, and left out.\n"
    "\n"
    "Exit status: 0 when the search ran (duplicates or not), 1 when a folder was missing\n"
    "or refused (the others are still searched) or memory ran out, 2 for a bad option.\n";

struct Options {
    bool recursive = false;
    bool includeHidden = false;
    bool protect = true;
    bool json = false;
    bool null = false;
    bool summary = false;
    bool pairwise = false;
    int readers = kAutoReaders;
    std::vector<std::string> folders;
};

// A whole number from 0 to 64, or -1.
int ParseThreads(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(text);
    return n <= 64 ? n : -1;
}

// Returns 0 to go on, 2 on a bad option, -1 after --help, -2 after --version.
int Parse(int argc, char** argv, Options& o) {
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (!optionsEnd && a.size() > 1 && a[0] == '-') {
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
            else if (a == "--threads" || a.rfind("--threads=", 0) == 0) {
                const bool joined = a.size() > 9;
                if (!joined && i + 1 >= argc) {
                    std::fprintf(stderr, "kelvaro-find: --threads needs a number\n%s", kUsage);
                    return 2;
                }
                const std::string value = joined ? a.substr(10) : std::string(argv[++i]);
                o.readers = ParseThreads(value);
                if (o.readers < 0) {
                    std::fprintf(stderr, "kelvaro-find: --threads takes 0 to 64, not '%s'\n%s",
                                 value.c_str(), kUsage);
                    return 2;
                }
            } else if (a == "-h" || a == "--help")
                return -1;
            else if (a == "--version")
                return -2;
            else {
                std::fprintf(stderr, "kelvaro-find: unknown option '%s'\n%s", a.c_str(), kUsage);
                return 2;
            }
        } else {
            o.folders.push_back(a);
        }
    }
    if (o.json && o.null && !o.summary) {
        std::fprintf(stderr, "kelvaro-find: --json and --null do not go together\n%s", kUsage);
        return 2;
    }
    if (o.folders.empty()) {
        std::fprintf(stderr, "kelvaro-find: no folder given\n%s", kUsage);
        return 2;
    }
    return 0;
}

enum class Format { Lines, Null, Json };

// Each group's paths in grid order: one per line and an empty line between groups, or each
// ended by a NUL and an empty item between groups, or a JSON array of arrays.
void PrintGroups(const SearchState& state, Format format) {
    const ResultGrid& grid = state.DupeGrid;
    const char end = format == Format::Null ? '\0' : '\n';
    std::string out;
    if (format == Format::Json)
        out += "[";
    bool firstGroup = true;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        bool firstMember = true;
        for (int col = 0; col < grid.ColCount(); ++col) {
            const TFile* f = grid.Object(col, row);
            if (!f)
                continue;
            const std::string path =
                platform::JoinPath(state.DirList[static_cast<std::size_t>(f->DirIndex)], f->Name);
            if (firstMember) {
                if (format == Format::Json)
                    out += firstGroup ? "\n  [" : ",\n  [";
                else if (!firstGroup)
                    out += end;
                firstGroup = false;
            } else if (format == Format::Json) {
                out += ", ";
            }
            firstMember = false;
            if (format == Format::Json) {
                out += JsonString(path);
            } else {
                out += path;
                out += end;
            }
        }
        if (format == Format::Json && !firstMember)
            out += "]";
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    if (format == Format::Json)
        out += firstGroup ? "]\n" : "\n]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

std::string Counted(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The groups, the files beyond the first of each, and the bytes those take.
void PrintSummary(const SearchState& state, bool json) {
    const ResultGrid& grid = state.DupeGrid;
    std::int64_t groups = 0, files = 0, bytes = 0;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        const int members = grid.MembersInRow(row);
        if (members < 2)
            continue;
        const TFile* first = nullptr;
        for (int col = 0; !first && col < grid.ColCount(); ++col)
            first = grid.Object(col, row);
        ++groups;
        files += members - 1;
        bytes += (members - 1) * first->Size;
    }
    const std::string line = json ? "{\"groups\": " + std::to_string(groups) +
                                        ", \"redundantFiles\": " + std::to_string(files) +
                                        ", \"redundantBytes\": " + std::to_string(bytes) + "}"
                                  : Counted(groups, "group", "groups") + ", " +
                                        Counted(files, "redundant file", "redundant files") + ", " +
                                        Counted(bytes, "byte", "bytes");
    std::printf("%s\n", line.c_str());
}

// The search and its output; returns the exit status.
int Search(const Options& options) {
    int status = 0;
    SearchFolders list(options.protect);
    FolderFiles listed;
    UnreadableReport unreadable;
    CliWindow window({}, !options.includeHidden, isatty(STDERR_FILENO) == 1, &unreadable);
    bool stop = false;
    for (const std::string& given : options.folders) {
        const std::string folder = NormalizeFolderName(given);
        if (!platform::IsDirectory(folder)) {
            window.ClearProgressLine();
            std::fprintf(stderr, "kelvaro-find: %s: no such folder\n", given.c_str());
            status = 1;
            continue;
        }
        if (options.protect && IsProtectedFolder(folder)) {
            window.ClearProgressLine();
            std::fprintf(stderr,
                         "kelvaro-find: %s: a protected system folder, not searched "
                         "(--no-protect allows it)\n",
                         given.c_str());
            status = 1;
            continue;
        }
        list.Add(folder);
        if (options.recursive)
            list.AddTree(folder, window, stop, &listed, options.readers);
    }

    std::vector<std::string> folders = list.Sorted();
    const bool any = !folders.empty();
    CliWindow searchWindow(std::move(folders), !options.includeHidden, isatty(STDERR_FILENO) == 1,
                           &unreadable);
    SearchState state;
    if (any) {
        ComparerFactory engine;
        if (options.pairwise)
            engine = MakePairwiseComparer;
        SearchRun run(state, searchWindow, engine);
        run.UseListedFolders(&listed);
        run.UseReaders(options.readers);
        run.FindDuplicates();
    }
    searchWindow.ClearProgressLine();
    window.ClearProgressLine();
    // Said again at the end, where the many lines of a large tree leave it easy to see.
    if (unreadable.Count() > 0)
        std::fprintf(stderr, "kelvaro-find: %zu %s could not be read and %s left out\n",
                     unreadable.Count(),
                     unreadable.Count() == 1 ? "file or folder" : "files or folders",
                     unreadable.Count() == 1 ? "was" : "were");
    if (options.summary)
        PrintSummary(state, options.json);
    else
        PrintGroups(state, options.json   ? Format::Json
                           : options.null ? Format::Null
                                          : Format::Lines);
    // A truncated index: the groups printed may be missing some.
    if (searchWindow.ErrorShown())
        status = 1;
    return status;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (int rc = Parse(argc, argv, options); rc != 0) {
        if (rc == -1)
            std::fputs(kUsage, stdout);
        else if (rc == -2)
            std::printf("kelvaro-find %s\n", VersionText().c_str());
        return rc < 0 ? 0 : rc;
    }
    try {
        return Search(options);
    } catch (const std::bad_alloc&) {
        std::fputs("kelvaro-find: out of memory\n", stderr);
    } catch (const std::exception& e) {
        // A run that ran out of memory ends with the error the window would show.
        std::fprintf(stderr, "kelvaro-find: %s\n", e.what());
    }
    return 1;
}
