#include "search/ReaderPool.h"

#include "platform/Storage.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <pthread.h>
#include <utility>

namespace {

// Reading 50,000 small files from a cold virtual disk took 3.4 s with four readers, 4.0 s with
// sixteen and 7.1 s with one.
constexpr unsigned kParallelReaders = 4;
constexpr unsigned kMaxReaders = 64;
// A reader's stack: its tasks keep little on it. The default of 8 MiB each would take address
// space that, under a limit, the window needs for threads of its own.
constexpr std::size_t kReaderStack = 1u << 20;
// How long closing waits for the running tasks: they look for a stop between two files.
constexpr auto kGrace = std::chrono::milliseconds(250);

} // namespace

unsigned ReadersFor(const std::string& folder, int readers) {
    if (readers != kAutoReaders)
        return std::min(static_cast<unsigned>(std::max(readers, 0)), kMaxReaders);
    return platform::DiskKindOf(folder) == platform::DiskKind::Rotating ? 1 : kParallelReaders;
}

ReaderPool::ReaderPool(unsigned threads) {
    pthread_attr_t attr;
    if (threads == 0 || pthread_attr_init(&attr) != 0)
        return;
    pthread_attr_setstacksize(&attr, kReaderStack);
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
    for (unsigned i = 0; i < threads; ++i) {
        // Fewer threads (the system refused more, or memory ran out) only make the reading
        // slower; none at all leaves it to RunOne.
        auto* handed = new (std::nothrow) std::shared_ptr<ReaderQueue>(queue_);
        if (!handed)
            break;
        {
            std::lock_guard lock(queue_->mutex_);
            ++queue_->threads_;
        }
        pthread_t thread;
        if (pthread_create(&thread, &attr, &ReaderQueue::Start, handed) != 0) {
            delete handed;
            std::lock_guard lock(queue_->mutex_);
            --queue_->threads_;
            break;
        }
        ++threads_;
    }
    pthread_attr_destroy(&attr);
}

ReaderPool::~ReaderPool() {
    ReaderQueue& q = *queue_;
    std::priority_queue<ReaderQueue::Item> dropped;
    {
        std::lock_guard lock(q.mutex_);
        q.closing_ = true;
        dropped.swap(q.queue_);
    }
    q.wake_.notify_all();
    // Outside the lock: what the tasks hold may post again, which is then dropped.
    dropped = {};
    std::unique_lock lock(q.mutex_);
    q.ended_.wait_for(lock, kGrace, [&q] { return q.threads_ == 0; });
}

void* ReaderQueue::Start(void* queue) {
    std::shared_ptr<ReaderQueue> held;
    {
        auto* handed = static_cast<std::shared_ptr<ReaderQueue>*>(queue);
        held = std::move(*handed);
        delete handed;
    }
    held->Work();
    return nullptr;
}

void ReaderQueue::Post(std::uint64_t order, std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            return;
        queue_.push({order, serial_++, std::move(task)});
    }
    wake_.notify_one();
}

bool ReaderQueue::Take(std::function<void()>& task) {
    if (queue_.empty())
        return false;
    // The queue hands out const references only; its tasks are moved out before the pop.
    task = std::move(const_cast<Item&>(queue_.top()).task);
    queue_.pop();
    return true;
}

bool ReaderQueue::RunOne() {
    std::function<void()> task;
    {
        std::lock_guard lock(mutex_);
        if (!Take(task))
            return false;
    }
    task();
    return true;
}

void ReaderQueue::Work() {
    for (;;) {
        {
            std::function<void()> task;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
                if (closing_ || !Take(task)) {
                    if (--threads_ == 0)
                        ended_.notify_all();
                    return;
                }
            }
            task();
        } // what the task held is let go before the next one is taken
    }
}
