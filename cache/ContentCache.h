#pragma once

#include "cache/Digests.h"
#include "platform/FileSystem.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace cache {

// The digests of files read before, kept in an SQLite database, by the identity of the file
// system (one that survives a reboot) and inode. An entry counts only for a file whose size,
// modification time and status-change time are still exactly those it was stored with; a write
// in place moves the status-change time even when the writer puts the modification time back.
// Any fault of the database (damaged, foreign, locked, read-only, full) leaves the search to read
// the files as if there were no cache, after one line of warning.
class ContentCache {
public:
    struct Options {
        std::string folder; // the database lives in folder/content.db
        // Entries kept; the least recently used go first when a run ends above it.
        std::int64_t maxEntries = 2000000;
        // A file changed this recently may change again within one tick of the file system's
        // clock and keep its stamp: what was read of it is not kept.
        std::int64_t settledNs = 2000000000;
        // How long a write waits for another run's before this run gives its own up.
        int busyMs = 5000;
        // One line, at most once a run.
        std::function<void(const std::string&)> warn;
    };
    struct Query {
        // A path of the file, to tell its file system when it is new; the caller keeps it.
        std::string_view path;
        platform::FileStamp stamp;
        Digests found; // filled in when a valid entry exists
    };
    // Counters of one run, for --stats and the benchmark.
    struct Counts {
        std::int64_t lookedUp = 0, found = 0, stored = 0;
    };

    // $XDG_CACHE_HOME/kelvaro, by default ~/.cache/kelvaro.
    static std::string DefaultFolder();
    static std::string DatabasePath(const std::string& folder);
    // Lookups jump across the whole database: from a cold disk, each would wait for a page of
    // its own. This has a database of moderate size read in the background, while the folders
    // are listed; Open does it too. Nothing happens when there is none.
    static void ReadAhead(const std::string& folder);
    // Null when the cache cannot be used; options.warn has said why.
    static std::shared_ptr<ContentCache> Open(Options options);
    // Removes the database whatever it holds. False with error when something stays.
    static bool Clear(const std::string& folder, std::string& error);

    ~ContentCache();
    ContentCache(const ContentCache&) = delete;
    ContentCache& operator=(const ContentCache&) = delete;

    // Fills in the valid entries of a batch of files in one transaction. Thread-safe.
    void Lookup(std::vector<Query>& batch);
    // Keeps what was read of a file as it was when opened; written in batches. Thread-safe.
    void Store(const std::string& path, const platform::FileStamp& stamp, const Digests& digests);
    // Puts what the run stored into the database, in one transaction, and drops the oldest
    // entries above the limit. Millions of files take seconds.
    void Close();
    // Closes without keeping what the run stored.
    void Abandon();
    // From another thread: a Close under way, or to come, keeps nothing and says nothing.
    void Interrupt();
    Counts Counted() const;

private:
    struct Pending {
        std::int64_t volume;
        platform::FileStamp stamp;
        Digests digests;
    };

    explicit ContentCache(Options options);
    bool OpenDatabase(bool& rebuild);
    bool Prepare();
    void Finalize();
    // The database's number for the file system of a file; -1 when it cannot be told.
    std::int64_t VolumeOf(std::string_view path, dev_t device, bool create);
    // SQLite's busy handler: waits up to busyMs unless the run was abandoned.
    static int WaitForOthers(void* self, int count);
    // Stages what is waiting.
    void Flush(std::unique_lock<std::mutex>& lock);
    // Puts the staged rows into the cache, in one transaction.
    void Merge();
    // Ends the read transaction that lookups keep open between writes.
    void EndReading();
    void Trim();
    // Stops using the database for the rest of the run after an error; one warning.
    void Fail(int code, const char* what);
    void Warn(const std::string& line);

    Options options_;
    std::string path_;
    mutable std::mutex mutex_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* select_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    sqlite3_stmt* touch_ = nullptr;
    bool failed_ = false;
    bool reading_ = false; // a read transaction is open
    std::chrono::steady_clock::time_point readingSince_;
    bool damaged_ = false; // found damaged during the run: made anew when it closes
    bool warned_ = false;
    std::int64_t now_ = 0; // seconds, for the age of entries
    std::map<dev_t, std::int64_t> volumes_;
    std::vector<Pending> pending_;
    std::vector<std::pair<std::int64_t, std::int64_t>> touched_; // volume, inode
    Counts counts_;
    std::int64_t staged_ = 0;
    bool touchedAny_ = false;
    std::atomic<bool> abandoned_{false};
    std::mutex handleMutex_; // db_ lives while Interrupt holds it
};

// A name for the file system that holds path (whose device is device), that stays the same
// across reboots: for ext2/3/4 and btrfs the file system ID that statfs derives from the UUID
// (and, for btrfs, the subvolume, whose inode numbers are its own); otherwise "uuid:" and the
// UUID of its block device; otherwise the mount's type, source and device numbers. Empty when
// nothing can be told.
std::string VolumeKey(const std::string& path, dev_t device);

} // namespace cache
