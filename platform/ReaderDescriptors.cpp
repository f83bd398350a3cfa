#include "platform/ReaderDescriptors.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform::readerDescriptors {

namespace {

constexpr int kWaitMilliseconds = 10;
// Descriptors that something else took may come back soon; two seconds of waiting for them.
constexpr int kAloneTries = 200;

struct Gate {
    std::mutex mutex;
    std::condition_variable given;
    std::size_t reserve = 2; // the command line's: its output is open already
    std::size_t share = 1;
    std::size_t held = 0;
    std::size_t gives = 0;
};

Gate& TheGate() {
    static Gate* gate = new Gate; // never freed: a reader left running may still give one back
    return *gate;
}

} // namespace

void SetReserve(std::size_t descriptors) {
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    g.reserve = descriptors;
}

void Plan() {
    const std::size_t free = FreeFileDescriptors();
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    // What readers still hold (one a hung read keeps) is not free, and stays theirs.
    g.share = g.held + std::max<std::size_t>(free > g.reserve ? free - g.reserve : 0, 1);
}

bool TryTake() {
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    if (g.held >= g.share)
        return false;
    ++g.held;
    return true;
}

void Give() {
    Gate& g = TheGate();
    {
        std::lock_guard lock(g.mutex);
        --g.held;
        ++g.gives;
    }
    g.given.notify_all();
}

bool Shortage() {
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    g.share = std::max<std::size_t>(g.held - 1, 1);
    return g.held > 1;
}

void WaitForGive(int milliseconds) {
    Gate& g = TheGate();
    std::unique_lock lock(g.mutex);
    const std::size_t seen = g.gives;
    g.given.wait_for(lock, std::chrono::milliseconds(milliseconds),
                     [&] { return g.gives != seen && g.held < g.share; });
}

int OpenAsReader(const std::function<int()>& open, const std::function<bool()>& stop,
                 const std::function<bool()>& release) {
    for (int alone = 0;;) {
        if (stop && stop())
            return ECANCELED;
        if (!TryTake()) {
            if (!(release && release()))
                WaitForGive(kWaitMilliseconds);
            continue;
        }
        const int error = open();
        if (error == 0)
            return 0;
        if (!OutOfDescriptors(error)) {
            Give();
            return error;
        }
        // Out of descriptors says nothing about the file: fewer readers go on, the others wait
        // for a descriptor to come back.
        const bool others = Shortage();
        Give();
        if (release && release())
            continue;
        if (!others && ++alone > kAloneTries)
            return error;
        WaitForGive(kWaitMilliseconds);
    }
}

std::size_t Share() {
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    return g.share;
}

std::size_t Held() {
    Gate& g = TheGate();
    std::lock_guard lock(g.mutex);
    return g.held;
}

} // namespace platform::readerDescriptors
