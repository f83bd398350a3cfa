#pragma once

#include "cache/Digests.h"
#include "platform/FileSystem.h"
#include "platform/FolderHandles.h"
#include "search/ComparerContext.h"
#include "search/ReaderPool.h"
#include "search/TFile.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// One size run of the index as the reader threads see it: names and stamps copied on the
// window's thread, never an entry of the index itself, which a removal may change meanwhile.
// A size run of small files can hold a tenth of a large tree: an entry keeps its folder's
// number in the run's shared folder list and its name, and paths are made as they are needed.
struct SizeRunJob {
    struct Entry {
        std::int32_t folder = -1; // in folders
        std::uint32_t name = 0;   // where its name starts in names
        platform::FileStamp seen;
        std::int32_t file = -1; // in files; -1: left out (removed or grouped when planned)
    };
    // The whole-file digest of a file as it is read on in order.
    struct Streaming {
        cache::WholeDigest digest;
        std::int64_t streamed = 0; // bytes so far, from the start
        cache::FileDigest tail{};  // SHA-256 of the tail region
        bool hasTail = false;
    };
    // One file, however many entries reach it: hard links and a folder listed twice are read
    // once.
    struct File {
        File() = default;
        File(File&&) = default;
        File& operator=(File&&) = default;
        // A file still open when its job goes gives its descriptor back to the readers.
        ~File();

        std::int32_t entry = 0;                  // the entry whose path opens it
        std::int32_t entries = 0;                // how many entries reach it
        std::unique_ptr<platform::InputFile> in; // only while open
        bool IsOpen() const { return in && in->IsOpen(); }
        // The last opening found the file the scan saw, unchanged (or it was settled unread).
        bool asSeen = false;
        bool failed = false;
        int error = 0;         // why it failed, when it could not be read (not when it changed)
        bool unstable = false; // its identity or times change at every look
        bool read = false;     // its first region has been read (or failed)
        bool idle = false;     // open between two passes: may be closed when descriptors run out

        // With a content cache: what an entry valid for the scan's stamp holds, and what this
        // run read. The whole-file digest is streamed as a class is read on in order.
        std::unique_ptr<cache::Digests> known; // only when the cache knew something
        cache::Digests fresh;
        const cache::Digests& Known() const {
            static const cache::Digests none;
            return known ? *known : none;
        }
        // Only while its whole-file digest is being made: most files never get that far.
        std::unique_ptr<Streaming> stream;
        bool broken = false;           // read out of order: no whole-file digest this run
        bool counted = false;          // opened at least once
        bool settled = false;          // decided by its cached digests without being read
        std::int32_t trustedWith = -1; // the file whose class it joins, by equal digests
    };

    // Set on the window's thread before the job starts.
    std::int64_t first = 0; // position of the run in the index
    std::int64_t size = 0;
    std::uint64_t order = 0; // earlier runs are read first
    TDirList folders;
    std::string names; // the entries' names, each followed by a NUL
    std::vector<Entry> entries;
    std::vector<File> files;

    // Entries whose file has been read once, or that were left out: for the progress display.
    // Most files of equal size are told apart by their first block.
    std::atomic<std::int64_t> checked{0};
    // Set once classOf is complete.
    std::atomic<bool> done{false};
    // Set by the thread that waits for done.
    std::atomic<bool> awaited{false};
    // The class of each entry; -1 for none. Entries of one class are byte-identical and come
    // from at least two different files.
    std::vector<std::int32_t> classOf;

    // Reader side.
    std::atomic<int> passes{0};
    std::mutex mutex;
    std::vector<std::vector<std::int32_t>> classes; // files found identical

    // An entry of the run, as the scan saw it.
    Entry& Add(std::int32_t folder, std::string_view name, const platform::FileStamp& seen);
    std::string PathOf(const Entry& entry) const;
};

// Refines size runs into classes of byte-identical files on a pool of readers. Each candidate
// byte is read once, in page-aligned reads, and classes are split by exact comparison of
// successive blocks: the first, then the last (files that share a header mostly differ at the
// end), then the rest. A class too large for the buffers is first sifted by a hash of both
// ends, which only ever proves files different. Its tasks own what they work on, this included,
// so that a read that never returns keeps a reader, never its owner, waiting.
class SizeRunReader : public std::enable_shared_from_this<SizeRunReader> {
public:
    // The content cache, when there is one, and whether its whole-file digests are trusted.
    struct CacheUse {
        std::shared_ptr<cache::ContentCache> cache;
        bool trust = false;
        std::shared_ptr<ReadCounts> counts;
    };
    struct Limits {
        // Files held open between two blocks; the rest are reopened.
        std::size_t maxOpen = 128;
        // Bytes of block buffers for one class at a time.
        std::size_t bufferBudget = 32u << 20;
    };

    // Made with std::make_shared only.
    SizeRunReader(ReaderPool& pool, Limits limits);
    SizeRunReader(ReaderPool& pool, Limits limits, CacheUse cache);
    ~SizeRunReader();

    void Start(const std::shared_ptr<SizeRunJob>& job);
    // Readers drop their work at the next file; jobs started stay unfinished. Files held open
    // between passes are let go.
    void Cancel();
    // A reader ran out of memory: the jobs it worked on never finish.
    bool OutOfMemory() const { return outOfMemory_.load(); }
    // Waits until a reader reports progress or the time is up.
    void WaitForProgress(int milliseconds);

private:
    struct Pass;
    struct Buffer;
    class Buffers;

    void Post(const std::shared_ptr<Pass>& pass);
    void Begin(const std::shared_ptr<Pass>& pass);
    // Looks the job's files up in the cache, settles what their digests decide and starts
    // reading the rest, apart wherever digests prove files different.
    void Prepare(const std::shared_ptr<SizeRunJob>& job, std::vector<std::int32_t> all);
    void Settle(SizeRunJob& job, SizeRunJob::File& file);
    // Reads the first region of a file that has no digest of it, to set it apart by one.
    void ReadFirst(SizeRunJob& job, SizeRunJob::File& file);
    // Keeps the file open for the next pass, or marks it failed; counts it read once.
    void AfterFirstRead(SizeRunJob& job, SizeRunJob::File& file, bool ok);
    // The digests of a region just read, and the whole-file stream of a class read on.
    void NoteBlock(SizeRunJob& job, SizeRunJob::File& file, const unsigned char* data,
                   std::int64_t offset, std::size_t len);
    void Stream(SizeRunJob& job, SizeRunJob::File& file, const unsigned char* data,
                std::int64_t offset, std::size_t len);
    void StoreDigests(SizeRunJob& job);
    void RunChunk(const std::shared_ptr<Pass>& pass, std::size_t chunk);
    void Split(Pass& pass);
    void SplitSifted(Pass& pass, std::vector<std::shared_ptr<Pass>>& next);
    void SplitRead(Pass& pass, std::vector<std::shared_ptr<Pass>>& next);
    // Settles a class that is complete or alone, or makes the pass that reads it on.
    void Place(const std::shared_ptr<SizeRunJob>& job, std::vector<std::int32_t> members,
               std::int64_t prefix, std::int64_t suffix, bool sifted,
               std::vector<std::shared_ptr<Pass>>& next);
    void EndPass(SizeRunJob& job);
    void Finish(SizeRunJob& job);
    // Which of the candidate entries' paths still lead to the file they had when scanned.
    static std::vector<bool> StillThere(const SizeRunJob& job,
                                        std::vector<std::int32_t> candidates);
    bool ReadRegion(SizeRunJob& job, SizeRunJob::File& file, unsigned char* slot,
                    std::int64_t offset, std::size_t len);
    bool Open(SizeRunJob& job, SizeRunJob::File& file);
    void Acquire(SizeRunJob::File& file);
    void Park(SizeRunJob::File& file);
    void Close(SizeRunJob::File& file);
    void Release(SizeRunJob::File& file);
    bool CloseIdleFiles();
    template <class Work> void Guard(Work work);
    void Notify();

    std::shared_ptr<ReaderQueue> queue_;
    unsigned threads_;
    Limits limits_;
    CacheUse cache_;
    std::shared_ptr<Buffers> buffers_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> outOfMemory_{false};

    std::mutex filesMutex_;
    std::unordered_set<SizeRunJob::File*> idle_;
    std::atomic<std::size_t> open_{0};
    // Files are opened by their name in their folder: readers open many in few folders.
    std::unique_ptr<platform::FolderHandles> folders_;

    std::mutex progressMutex_;
    std::condition_variable progress_;
    std::uint64_t progressCount_ = 0;
    std::uint64_t progressSeen_ = 0;
};
