#include "cache/ContentCache.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace cache {

namespace {

constexpr int kApplicationId = 0x4B4C5643; // "KLVC"
constexpr int kSchemaVersion = 1;
// Rows staged in one transaction.
constexpr std::size_t kBatch = 4096;
// An entry's age is refreshed at most this often, so that a rescan writes little.
constexpr std::int64_t kTouchSeconds = 24 * 3600;
constexpr unsigned long kBtrfsMagic = 0x9123683E;
constexpr unsigned long kExtMagic = 0xEF53;
// The database's three and room for the readers.
constexpr std::size_t kDescriptorsWanted = 32;
// A database up to this size is read ahead whole when it is opened.
constexpr off_t kPrefetchBytes = off_t{64} << 20;
// Another run's write is waited for in steps this long, so that Stop! is soon heard.
constexpr int kWaitStepMs = 10;
// How long one read transaction serves lookups.
constexpr auto kReadingFor = std::chrono::milliseconds(100);
// Pages kept in memory: lookups jump across the whole table, which the default of 2 MiB made
// read again and again. 16 MiB holds the table of some 150,000 files; a larger collection's
// pages come from the system's cache, while its index needs the memory (a negative size is in
// KiB).
const char* const kCacheSize = "PRAGMA cache_size=-16384";
// A table too large to be read ahead is met at random and its leaves seldom twice in a run:
// the pages kept then need only hold the tree's upper levels, and the index has the memory.
const char* const kLargeCacheSize = "PRAGMA cache_size=-4096";
// A run stores rows in the order it reads files, which is random in the table's key: written
// there as they come, each row would cost a page of the log once the table outgrows the pages
// kept in memory. They are staged in a table of this connection's own, appended, and go into
// the cache in key order when the run ends, each page written once. A run killed before then
// leaves nothing behind: the staging database goes with the connection.
const char* const kStaging = R"(
CREATE TEMP TABLE staged(volume INTEGER, inode INTEGER, size INTEGER, mtime INTEGER,
                         ctime INTEGER, first BLOB, last BLOB, whole BLOB, checked INTEGER);
CREATE TEMP TABLE touched(volume INTEGER, inode INTEGER);
)";
// The log grows with the run's rows while they go in; it is cut back afterwards.
const char* const kLogLimit = "PRAGMA journal_size_limit=67108864";

const char* const kSchema = R"(
CREATE TABLE volumes(id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE);
CREATE TABLE files(volume INTEGER NOT NULL, inode INTEGER NOT NULL, size INTEGER NOT NULL,
                   mtime INTEGER NOT NULL, ctime INTEGER NOT NULL, first BLOB, last BLOB,
                   whole BLOB, used INTEGER NOT NULL, checked INTEGER NOT NULL,
                   PRIMARY KEY(volume, inode)) WITHOUT ROWID;
)";

std::string DeviceText(dev_t device) {
    return std::to_string(major(device)) + ":" + std::to_string(minor(device));
}

// The check covers the key, the stamp and every digest, in one fixed layout.
std::uint64_t CheckOf(std::int64_t volume, const platform::FileStamp& s, const Digests& d) {
    unsigned char row[5 * 8 + 3 + 16 + 16 + 32];
    const std::int64_t numbers[5] = {volume, static_cast<std::int64_t>(s.identity.inode), s.size,
                                     s.modified, s.changed};
    std::memcpy(row, numbers, sizeof numbers);
    unsigned char* p = row + sizeof numbers;
    *p++ = d.hasFirst;
    *p++ = d.hasLast;
    *p++ = d.hasWhole;
    std::memcpy(p, d.hasFirst ? d.first.data() : BlockDigest{}.data(), 16);
    std::memcpy(p + 16, d.hasLast ? d.last.data() : BlockDigest{}.data(), 16);
    std::memcpy(p + 32, d.hasWhole ? d.whole.data() : FileDigest{}.data(), 32);
    return RowCheck(row, sizeof row);
}

template <class Digest> bool Column(sqlite3_stmt* st, int col, Digest& out) {
    if (sqlite3_column_type(st, col) != SQLITE_BLOB ||
        sqlite3_column_bytes(st, col) != static_cast<int>(out.size()))
        return false;
    std::memcpy(out.data(), sqlite3_column_blob(st, col), out.size());
    return true;
}

template <class Digest> void Bind(sqlite3_stmt* st, int col, bool has, const Digest& d) {
    if (has)
        sqlite3_bind_blob(st, col, d.data(), static_cast<int>(d.size()), SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(st, col);
}

bool IsDamage(int code) {
    code &= 0xFF;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

} // namespace

std::string VolumeKey(const std::string& path, dev_t device) {
    struct statfs fs {};
    // Both derive the file system ID from the UUID; btrfs mixes in the subvolume, whose inode
    // numbers are its own.
    const bool statted = statfs(path.c_str(), &fs) == 0;
    const auto type = static_cast<unsigned long>(fs.f_type);
    if (statted && (type == kBtrfsMagic || type == kExtMagic)) {
        int id[2];
        std::memcpy(id, &fs.f_fsid, sizeof id);
        char text[40];
        std::snprintf(text, sizeof text, "%s:%08x%08x", type == kExtMagic ? "ext" : "btrfs",
                      static_cast<unsigned>(id[0]), static_cast<unsigned>(id[1]));
        return text;
    }
    // id parent major:minor root mountpoint options... - type source superoptions
    std::ifstream mounts("/proc/self/mountinfo");
    const std::string wanted = DeviceText(device);
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream in(line);
        std::string id, parent, numbers, field;
        if (!(in >> id >> parent >> numbers) || numbers != wanted)
            continue;
        while (in >> field && field != "-") {
        }
        std::string type, source;
        in >> type >> source;
        struct stat node {};
        if (source.rfind("/dev/", 0) == 0 && stat(source.c_str(), &node) == 0 &&
            S_ISBLK(node.st_mode)) {
            std::error_code ec;
            for (const auto& link : std::filesystem::directory_iterator("/dev/disk/by-uuid", ec)) {
                struct stat target {};
                if (stat(link.path().c_str(), &target) == 0 && S_ISBLK(target.st_mode) &&
                    target.st_rdev == node.st_rdev)
                    return "uuid:" + link.path().filename().string();
            }
        }
        return "mount:" + type + ":" + source + ":" + wanted;
    }
    return {};
}

std::string ContentCache::DefaultFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/kelvaro";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : "/tmp") + "/.cache/kelvaro";
}

std::string ContentCache::DatabasePath(const std::string& folder) {
    return folder + "/content.db";
}

bool ContentCache::Clear(const std::string& folder, std::string& error) {
    const std::string db = DatabasePath(folder);
    for (const std::string& p : {db, db + "-wal", db + "-shm"})
        if (::unlink(p.c_str()) != 0 && errno != ENOENT) {
            error = p + ": " + std::strerror(errno);
            return false;
        }
    return true;
}

ContentCache::ContentCache(Options options)
    : options_(std::move(options)), path_(DatabasePath(options_.folder)),
      now_(static_cast<std::int64_t>(std::time(nullptr))) {}

ContentCache::~ContentCache() {
    Close();
}

void ContentCache::Warn(const std::string& line) {
    if (!warned_ && options_.warn)
        options_.warn(line);
    warned_ = true;
}

std::shared_ptr<ContentCache> ContentCache::Open(Options options) {
    std::shared_ptr<ContentCache> c(new ContentCache(std::move(options)));
    // The database holds three descriptors (itself, its log and its index of the log) for the
    // whole run: where the search itself is short of them, it goes first.
    if (const std::size_t free = platform::FreeFileDescriptors(); free < kDescriptorsWanted) {
        c->Warn("the content cache is not used: only " + std::to_string(free) +
                " file descriptors are free; searching without it");
        return nullptr;
    }
    std::error_code ec;
    // Private: it tells which files the user has and when they changed.
    if (std::filesystem::create_directories(c->options_.folder, ec))
        std::filesystem::permissions(c->options_.folder, std::filesystem::perms::owner_all, ec);
    if (ec) {
        c->Warn("the content cache cannot be kept in " + c->options_.folder + ": " + ec.message() +
                "; searching without it");
        return nullptr;
    }
    // Not an SQLite file at all: someone else's, left alone.
    if (std::ifstream head(c->path_, std::ios::binary); head) {
        char magic[16] = {};
        head.read(magic, sizeof magic);
        if (head.gcount() > 0 && std::memcmp(magic, "SQLite format 3", 16) != 0) {
            c->Warn("the content cache " + c->path_ +
                    " is not Kelvaro's; searching without it (--cache-clear removes it)");
            return nullptr;
        }
    }
    bool rebuild = false;
    if (c->OpenDatabase(rebuild))
        return c;
    if (!rebuild)
        return nullptr;
    c->Finalize();
    std::string error;
    if (!Clear(c->options_.folder, error)) {
        c->Warn("the content cache " + c->path_ + " is damaged and cannot be removed: " + error +
                "; searching without it");
        return nullptr;
    }
    c->Warn("the content cache " + c->path_ + " was damaged or old and is made anew");
    return c->OpenDatabase(rebuild) ? std::move(c) : nullptr;
}

bool ContentCache::OpenDatabase(bool& rebuild) {
    rebuild = false;
    auto fail = [&](int code, const char* what) {
        rebuild = IsDamage(code);
        if (!rebuild)
            Warn("the content cache " + path_ + " " + what + ": " +
                 (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code)) + "; searching without it");
        Finalize();
        return false;
    };
    int rc =
        sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc, "cannot be opened");
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_handler(db_, &ContentCache::WaitForOthers, this);
    auto number = [&](const char* sql, std::int64_t& out) {
        sqlite3_stmt* st = nullptr;
        int r = sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        if (r == SQLITE_OK) {
            r = sqlite3_step(st);
            out = r == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
            r = r == SQLITE_ROW || r == SQLITE_DONE ? SQLITE_OK : r;
        }
        sqlite3_finalize(st);
        return r;
    };
    // In one transaction: another run may be making the database at this moment.
    std::int64_t app = 0, version = 0, tables = 0;
    if ((rc = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr)) != SQLITE_OK ||
        (rc = number("SELECT count(*) FROM sqlite_master", tables)) != SQLITE_OK ||
        (rc = number("PRAGMA application_id", app)) != SQLITE_OK ||
        (rc = number("PRAGMA user_version", version)) != SQLITE_OK ||
        (rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr)) != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return fail(rc, "cannot be read");
    }
    if (tables > 0 && app != kApplicationId) {
        Warn("the content cache " + path_ +
             " is not Kelvaro's; searching without it (--cache-clear removes it)");
        Finalize();
        return false;
    }
    if (tables > 0 && version > kSchemaVersion) {
        Warn("the content cache " + path_ + " was made by a newer Kelvaro; searching without it");
        Finalize();
        return false;
    }
    if (tables > 0 && version < kSchemaVersion) {
        rebuild = true;
        Finalize();
        return false;
    }
    if ((rc = sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr,
                           nullptr, nullptr)) != SQLITE_OK)
        return fail(rc, "cannot be used");
    if (tables == 0) {
        // Two runs may start on a new cache at once: the first to take the lock makes it.
        rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK &&
            (rc = number("SELECT count(*) FROM sqlite_master", tables)) == SQLITE_OK &&
            tables == 0) {
            const std::string pragmas = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                                        "; PRAGMA user_version=" + std::to_string(kSchemaVersion) +
                                        ";";
            rc = sqlite3_exec(db_, (std::string(kSchema) + pragmas).c_str(), nullptr, nullptr,
                              nullptr);
        }
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            return fail(rc, "cannot be made");
        }
    }
    struct stat file {};
    const bool large = ::stat(path_.c_str(), &file) == 0 && file.st_size > kPrefetchBytes;
    sqlite3_exec(db_, large ? kLargeCacheSize : kCacheSize, nullptr, nullptr, nullptr);
    sqlite3_exec(db_, kLogLimit, nullptr, nullptr, nullptr);
    if ((rc = sqlite3_exec(db_, kStaging, nullptr, nullptr, nullptr)) != SQLITE_OK)
        return fail(rc, "cannot be used");
    if (!Prepare())
        return fail(sqlite3_errcode(db_), "cannot be read");
    ReadAhead(options_.folder);
    return true;
}

int ContentCache::WaitForOthers(void* self, int count) {
    const auto* c = static_cast<const ContentCache*>(self);
    if (c->abandoned_ || std::int64_t{count} * kWaitStepMs >= c->options_.busyMs)
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(kWaitStepMs));
    return 1;
}

void ContentCache::ReadAhead(const std::string& folder) {
    const int fd = ::open(DatabasePath(folder).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size <= kPrefetchBytes)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
    ::close(fd);
}

bool ContentCache::Prepare() {
    return sqlite3_prepare_v2(db_,
                              "SELECT size, mtime, ctime, first, last, whole, used, checked "
                              "FROM files WHERE volume = ? AND inode = ?",
                              -1, &select_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_, "INSERT INTO temp.staged VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)", -1,
                              &insert_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_, "INSERT INTO temp.touched VALUES (?, ?)", -1, &touch_,
                              nullptr) == SQLITE_OK;
}

void ContentCache::Finalize() {
    for (sqlite3_stmt** st : {&select_, &insert_, &touch_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    std::lock_guard handle(handleMutex_);
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void ContentCache::Fail(int code, const char* what) {
    if (failed_)
        return;
    failed_ = true;
    reading_ = false;
    if (abandoned_) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return;
    }
    damaged_ = IsDamage(code);
    const bool writing = std::strstr(what, "written") != nullptr;
    Warn("the content cache " + path_ + " " + what + ": " + sqlite3_errstr(code) +
         (writing ? "; what this run read is not kept" : "; going on without it") +
         (damaged_ ? " (it is made anew next time)" : ""));
    if (db_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

ContentCache::Counts ContentCache::Counted() const {
    std::lock_guard lock(mutex_);
    return counts_;
}

std::int64_t ContentCache::VolumeOf(std::string_view path, dev_t device, bool create) {
    if (auto it = volumes_.find(device); it != volumes_.end() && (it->second >= 0 || !create))
        return it->second;
    std::int64_t id = -1;
    const std::string key = VolumeKey(std::string(path), device);
    if (!key.empty()) {
        sqlite3_stmt* st = nullptr;
        if (create) {
            // A write inside the lookups' read transaction fails at once when another run
            // wrote since it began.
            EndReading();
            sqlite3_prepare_v2(db_, "INSERT OR IGNORE INTO volumes(key) VALUES (?)", -1, &st,
                               nullptr);
            sqlite3_bind_text(st, 1, key.c_str(), -1, SQLITE_TRANSIENT);
            const int rc = sqlite3_step(st);
            sqlite3_finalize(st);
            if (rc != SQLITE_DONE) {
                Fail(rc, "cannot be written");
                return -1;
            }
        }
        sqlite3_prepare_v2(db_, "SELECT id FROM volumes WHERE key = ?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_ROW)
            id = sqlite3_column_int64(st, 0);
        else if (rc != SQLITE_DONE)
            Fail(rc, "cannot be read");
        sqlite3_finalize(st);
    }
    volumes_[device] = id;
    return id;
}

void ContentCache::Lookup(std::vector<Query>& batch) {
    std::lock_guard lock(mutex_);
    if (!db_ || failed_)
        return;
    counts_.lookedUp += static_cast<std::int64_t>(batch.size());
    // One read transaction serves the lookups of many size runs: one each cost locks and a
    // look at the database file each, a third of a warm rescan. It is held for a short while
    // only, so that another run's writes are soon seen, and ended before this run writes.
    const auto now = std::chrono::steady_clock::now();
    if (reading_ && now - readingSince_ > kReadingFor)
        EndReading();
    int rc = SQLITE_OK;
    if (!reading_) {
        rc = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
        reading_ = rc == SQLITE_OK;
        readingSince_ = now;
    }
    for (Query& q : batch) {
        if (rc != SQLITE_OK)
            break;
        const std::int64_t volume = VolumeOf(q.path, q.stamp.identity.device, false);
        if (failed_)
            return;
        if (volume < 0)
            continue;
        const auto inode = static_cast<std::int64_t>(q.stamp.identity.inode);
        sqlite3_reset(select_);
        sqlite3_bind_int64(select_, 1, volume);
        sqlite3_bind_int64(select_, 2, inode);
        rc = sqlite3_step(select_);
        if (rc == SQLITE_DONE) {
            rc = SQLITE_OK;
            continue;
        }
        if (rc != SQLITE_ROW)
            break;
        rc = SQLITE_OK;
        platform::FileStamp stored = q.stamp;
        stored.size = sqlite3_column_int64(select_, 0);
        stored.modified = sqlite3_column_int64(select_, 1);
        stored.changed = sqlite3_column_int64(select_, 2);
        // Another file now, or this one changed: the entry is no use (a new one replaces it).
        if (!(stored == q.stamp))
            continue;
        Digests d;
        d.hasFirst = Column(select_, 3, d.first);
        d.hasLast = Column(select_, 4, d.last);
        d.hasWhole = Column(select_, 5, d.whole);
        if (static_cast<std::uint64_t>(sqlite3_column_int64(select_, 7)) !=
            CheckOf(volume, stored, d))
            continue;
        q.found = d;
        ++counts_.found;
        if (sqlite3_column_int64(select_, 6) < now_ - kTouchSeconds)
            touched_.emplace_back(volume, inode);
    }
    sqlite3_reset(select_);
    if (rc != SQLITE_OK)
        Fail(rc, "cannot be read");
}

void ContentCache::EndReading() {
    if (reading_)
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    reading_ = false;
}

void ContentCache::Store(const std::string& path, const platform::FileStamp& stamp,
                         const Digests& digests) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t nowNs = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    if (nowNs - std::max(stamp.modified, stamp.changed) < options_.settledNs)
        return;
    std::unique_lock lock(mutex_);
    if (!db_ || failed_ || !digests.Any())
        return;
    const std::int64_t volume = VolumeOf(path, stamp.identity.device, true);
    if (volume < 0)
        return;
    pending_.push_back({volume, stamp, digests});
    if (pending_.size() >= kBatch)
        Flush(lock);
}

void ContentCache::Flush(std::unique_lock<std::mutex>&) {
    if (!db_ || failed_ || (pending_.empty() && touched_.empty()))
        return;
    EndReading();
    // Only the staging tables are written: another run's writes are not waited for.
    int rc = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
    for (const Pending& p : pending_) {
        if (rc != SQLITE_OK)
            break;
        sqlite3_reset(insert_);
        sqlite3_bind_int64(insert_, 1, p.volume);
        sqlite3_bind_int64(insert_, 2, static_cast<std::int64_t>(p.stamp.identity.inode));
        sqlite3_bind_int64(insert_, 3, p.stamp.size);
        sqlite3_bind_int64(insert_, 4, p.stamp.modified);
        sqlite3_bind_int64(insert_, 5, p.stamp.changed);
        Bind(insert_, 6, p.digests.hasFirst, p.digests.first);
        Bind(insert_, 7, p.digests.hasLast, p.digests.last);
        Bind(insert_, 8, p.digests.hasWhole, p.digests.whole);
        sqlite3_bind_int64(insert_, 9,
                           static_cast<std::int64_t>(CheckOf(p.volume, p.stamp, p.digests)));
        rc = sqlite3_step(insert_);
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    for (const auto& [volume, inode] : touched_) {
        if (rc != SQLITE_OK)
            break;
        sqlite3_reset(touch_);
        sqlite3_bind_int64(touch_, 1, volume);
        sqlite3_bind_int64(touch_, 2, inode);
        rc = sqlite3_step(touch_);
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    sqlite3_reset(insert_);
    sqlite3_reset(touch_);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        Fail(rc, "cannot be written");
    else {
        staged_ += static_cast<std::int64_t>(pending_.size());
        touchedAny_ = touchedAny_ || !touched_.empty();
    }
    pending_.clear();
    touched_.clear();
}

void ContentCache::Merge() {
    if (!db_ || failed_ || (staged_ == 0 && !touchedAny_))
        return;
    sqlite3_stmt* merge = nullptr;
    sqlite3_stmt* touch = nullptr;
    // In key order, so that each page of the table is written once; of two rows for one file
    // the later one stays.
    int rc = sqlite3_prepare_v2(
        db_,
        "INSERT OR REPLACE INTO files SELECT volume, inode, size, mtime, ctime, first, last, "
        "whole, ?1, checked FROM temp.staged ORDER BY volume, inode, rowid",
        -1, &merge, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db_,
                                "UPDATE files SET used = ?1 WHERE (volume, inode) IN "
                                "(SELECT volume, inode FROM temp.touched)",
                                -1, &touch, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (sqlite3_stmt* st : {merge, touch}) {
        if (rc != SQLITE_OK)
            break;
        sqlite3_bind_int64(st, 1, now_);
        rc = sqlite3_step(st);
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    sqlite3_finalize(merge);
    sqlite3_finalize(touch);
    // An interrupt between two statements stops neither.
    if (rc == SQLITE_OK && abandoned_)
        rc = SQLITE_INTERRUPT;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        Fail(rc, "cannot be written");
    else
        counts_.stored = staged_;
}

void ContentCache::Trim() {
    if (!db_ || failed_ || counts_.stored == 0)
        return;
    sqlite3_stmt* st = nullptr;
    std::int64_t rows = 0;
    if (sqlite3_prepare_v2(db_, "SELECT count(*) FROM files", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        rows = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    if (rows <= options_.maxEntries)
        return;
    // Down to nine tenths of the limit, so that the next runs do not trim again at once.
    const std::int64_t drop = rows - options_.maxEntries * 9 / 10;
    st = nullptr;
    int rc = sqlite3_prepare_v2(db_,
                                "DELETE FROM files WHERE (volume, inode) IN (SELECT volume, "
                                "inode FROM files ORDER BY used LIMIT ?)",
                                -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_int64(st, 1, drop);
        rc = sqlite3_step(st);
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_OK)
        Fail(rc, "cannot be trimmed");
}

void ContentCache::Close() {
    std::unique_lock lock(mutex_);
    if (!db_)
        return;
    if (!abandoned_) {
        Flush(lock);
        EndReading();
        Merge();
        Trim();
    }
    Finalize();
    if (damaged_) {
        std::string error;
        Clear(options_.folder, error);
    }
}

void ContentCache::Abandon() {
    abandoned_ = true;
    Close();
}

void ContentCache::Interrupt() {
    abandoned_ = true;
    std::lock_guard handle(handleMutex_);
    if (db_)
        sqlite3_interrupt(db_);
}

} // namespace cache
