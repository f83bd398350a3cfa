// kelvaro-find: the duplicate search without a window, for scripts and comparisons.

#include "cli/CliWindow.h"
#include "cli/JsonText.h"
#include "cli/SearchFolders.h"
#include "folders/FolderRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/SearchRun.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: kelvaro-find [options] FOLDER...\n"
    "Finds files with identical contents in the given folders and prints each group's\n"
    "members as full paths, one per line, with an empty line between groups.\n"
    "\n"
    "  -r, --recursive     also search every subfolder (hidden folders are left out)\n"
    "      --include-hidden  also search hidden files (names that begin with \".\")\n"
    "      --no-protect    allow system folders such as /usr and /etc\n"
    "      --json          print a JSON array of groups, each an array of paths; bytes that\n"
    "                      are not UTF-8 appear as \\udcXX escapes\n"
    "      --engine=fast|pairwise  how files of equal size are compared: fast (the\n"
    "                      default) reads each file once, pairwise is the slow reference\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 when the search ran (duplicates or not), 1 when a folder was missing\n"
    "or refused (the others are still searched), 2 for a bad option.\n";

struct Options {
    bool recursive = false;
    bool includeHidden = false;
    bool protect = true;
    bool json = false;
    bool pairwise = false;
    std::vector<std::string> folders;
};

// Returns 0 to go on, 2 on a bad option, -1 after --help.
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
            else if (a == "--engine=fast")
                o.pairwise = false;
            else if (a == "--engine=pairwise")
                o.pairwise = true;
            else if (a == "-h" || a == "--help")
                return -1;
            else {
                std::fprintf(stderr, "kelvaro-find: unknown option '%s'\n%s", a.c_str(), kUsage);
                return 2;
            }
        } else {
            o.folders.push_back(a);
        }
    }
    if (o.folders.empty()) {
        std::fprintf(stderr, "kelvaro-find: no folder given\n%s", kUsage);
        return 2;
    }
    return 0;
}

void Print(const SearchState& state, bool json) {
    const ResultGrid& grid = state.DupeGrid;
    std::string out;
    if (json)
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
                if (json)
                    out += firstGroup ? "\n  [" : ",\n  [";
                else if (!firstGroup)
                    out += "\n";
                firstGroup = false;
            } else if (json) {
                out += ", ";
            }
            firstMember = false;
            if (json) {
                out += JsonString(path);
            } else {
                out += path;
                out += '\n';
            }
        }
        if (json && !firstMember)
            out += "]";
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    if (json)
        out += firstGroup ? "]\n" : "\n]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (int rc = Parse(argc, argv, options); rc != 0) {
        if (rc < 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        return rc;
    }

    int status = 0;
    SearchFolders list(options.protect);
    FolderFiles listed;
    CliWindow window({}, !options.includeHidden, isatty(STDERR_FILENO) == 1);
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
            list.AddTree(folder, window, stop, &listed);
    }

    std::vector<std::string> folders = list.Sorted();
    const bool any = !folders.empty();
    CliWindow searchWindow(std::move(folders), !options.includeHidden, isatty(STDERR_FILENO) == 1);
    SearchState state;
    if (any) {
        ComparerFactory engine;
        if (options.pairwise)
            engine = MakePairwiseComparer;
        SearchRun run(state, searchWindow, engine);
        run.UseListedFolders(&listed);
        run.FindDuplicates();
    }
    searchWindow.ClearProgressLine();
    window.ClearProgressLine();
    Print(state, options.json);
    return status;
}
