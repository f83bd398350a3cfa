#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <queue>
#include <string>
#include <thread>
#include <vector>

// Ask ReadersFor for the number of reader threads.
constexpr int kAutoReaders = -1;

// Reader threads suited to the disk that holds folder: several where it serves parallel
// requests, one on a rotating disk. readers, when not kAutoReaders, is the user's choice.
unsigned ReadersFor(const std::string& folder, int readers = kAutoReaders);

// Threads that run posted tasks, lowest order first, then in the order posted. They read files
// and folders ahead of the window's thread and never touch what it owns. A pool of no threads
// runs its tasks only when the owner calls RunOne.
class ReaderPool {
public:
    explicit ReaderPool(unsigned threads);
    // Drops the tasks not begun and waits for the running ones.
    ~ReaderPool();
    ReaderPool(const ReaderPool&) = delete;
    ReaderPool& operator=(const ReaderPool&) = delete;

    // As many as the system let start, at most the number asked for.
    unsigned Threads() const { return static_cast<unsigned>(threads_.size()); }
    // A task must not throw.
    void Post(std::uint64_t order, std::function<void()> task);
    // Runs the first pending task on the calling thread; false when there was none.
    bool RunOne();

private:
    struct Item {
        std::uint64_t order;
        std::uint64_t serial;
        std::function<void()> task;
        bool operator<(const Item& other) const {
            // std::priority_queue serves the largest first.
            return order != other.order ? order > other.order : serial > other.serial;
        }
    };
    bool Take(std::function<void()>& task);
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::priority_queue<Item> queue_;
    std::uint64_t serial_ = 0;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};
