#include "app/QtThreads.h"

#include "platform/ReaderDescriptors.h"

#include <QAccessible>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <cstddef>
#include <memory>

namespace {
constexpr int kMaxThreads = 4;
constexpr uint kStack = 1u << 20;
} // namespace

void KeepQtThreadsReady() {
    // Qt's accessibility starts a thread of its own the first time it is asked, and waits for
    // good when it cannot: it goes first.
    QAccessible::isActive();
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    // A few are enough for the window's images; one per core of a large machine would hold
    // much address space for nothing.
    const int threads = std::min(pool->maxThreadCount(), kMaxThreads);
    pool->setMaxThreadCount(threads);
    // Its tasks keep little on the stack; the default of 8 MiB each is address space that Qt's
    // other threads need under a limit.
    pool->setStackSize(kStack);
    platform::readerDescriptors::SetReserve(16 + static_cast<std::size_t>(threads));
    // Each task holds its thread until all have started, so that each gets one of its own.
    // Shared with the tasks: one that never starts must not outlive what it would touch.
    auto started = std::make_shared<QSemaphore>();
    auto go = std::make_shared<QSemaphore>();
    for (int i = 0; i < threads; ++i)
        pool->start([started, go] {
            started->release();
            go->acquire();
        });
    started->tryAcquire(threads, 2000);
    go->release(threads);
}
