#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <queue>
#include <string>
#include <vector>

// Ask ReadersFor for the number of reader threads.
constexpr int kAutoReaders = -1;

// Reader threads suited to the disk that holds folder: several where it serves parallel
// requests, one on a rotating disk. readers, when not kAutoReaders, is the user's choice.
unsigned ReadersFor(const std::string& folder, int readers = kAutoReaders);

// The tasks of a pool, lowest order first, then in the order posted. The pool's threads share
// it with the tasks that post more work, so that a reader the pool no longer waits for never
// touches anything freed.
class ReaderQueue {
public:
    // A task must not throw. Once the queue is closed, tasks posted are dropped.
    void Post(std::uint64_t order, std::function<void()> task);
    // Runs the first pending task on the calling thread; false when there was none.
    bool RunOne();

private:
    friend class ReaderPool;
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
    // A reader thread's start: queue is a new std::shared_ptr<ReaderQueue> it takes over.
    static void* Start(void* queue);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable ended_;
    std::priority_queue<Item> queue_;
    std::uint64_t serial_ = 0;
    bool closing_ = false;
    unsigned threads_ = 0; // still running
};

// Threads that run posted tasks. They read files and folders ahead of the window's thread and
// never touch what it owns: what they work on, they own with their tasks. A pool of no threads
// runs its tasks only when the owner calls RunOne.
class ReaderPool {
public:
    explicit ReaderPool(unsigned threads);
    // Drops the tasks not begun and gives the running ones a moment to end. One that still runs
    // then (a read that a hung mount or a dying disk does not answer) is left to end on its
    // own: nothing waits for it.
    ~ReaderPool();
    ReaderPool(const ReaderPool&) = delete;
    ReaderPool& operator=(const ReaderPool&) = delete;

    // As many as the system let start, at most the number asked for.
    unsigned Threads() const { return threads_; }
    void Post(std::uint64_t order, std::function<void()> task) {
        queue_->Post(order, std::move(task));
    }
    bool RunOne() { return queue_->RunOne(); }
    const std::shared_ptr<ReaderQueue>& Queue() const { return queue_; }

private:
    std::shared_ptr<ReaderQueue> queue_ = std::make_shared<ReaderQueue>();
    unsigned threads_ = 0;
};
