#pragma once
// Work on many items on a few threads, each result handed over on the calling thread strictly in
// the items' order: what a batch prints must not depend on which thread was quicker.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <limits>
#include <thread>
#include <vector>

namespace korvel::cli {

// The threads worth starting for `count` items: one per core, at most four, none for one item.
inline unsigned workThreadsFor(std::size_t count) {
    if (count < 2) {
        return 1U; // a single hop's start does not read the processor count from /sys
    }
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>({cores, 4U, count}));
}

// Calls make(i) for every i below `count` on `threads` threads (on the calling thread alone when
// fewer than two) and use(i, result) on the calling thread in the order of i. The threads run
// at most a few runs of items ahead of `use`, so few results are held at a time.
template <typename Make, typename Use>
void forEachInOrder(std::size_t count, unsigned threads, Make make, Use use) {
    if (threads < 2) {
        for (std::size_t i = 0; i < count; ++i) {
            use(i, make(i));
        }
        return;
    }
    using Result = decltype(make(std::size_t{}));
    // Items go out in runs: a thread wakes the caller once a run, not once an item.
    const std::size_t run = std::clamp<std::size_t>(count / (threads * std::size_t{16}), 1, 32);
    const std::size_t runs = (count + run - 1) / run;
    const std::size_t window = std::size_t{4} * threads; // runs made and not yet used
    struct Slot {
        std::atomic<bool> ready{false};
        std::vector<Result> results;
    };
    std::vector<Slot> slots(window);
    std::atomic<std::size_t> nextRun{0};
    std::atomic<std::size_t> usedRuns{0};
    const auto work = [&] {
        for (std::size_t r = nextRun++; r < runs; r = nextRun++) {
            for (std::size_t used = usedRuns.load(); r >= used + window; used = usedRuns.load()) {
                usedRuns.wait(used);
            }
            Slot& slot = slots[r % window];
            for (std::size_t i = r * run; i < std::min(count, (r + 1) * run); ++i) {
                slot.results.push_back(make(i));
            }
            slot.ready.store(true, std::memory_order_release);
            slot.ready.notify_one();
        }
    };
    // Should `use` throw, the threads take no further run and none waits for its turn: they
    // end, and are joined, before the slots go.
    struct Release {
        std::atomic<std::size_t>& next;
        std::atomic<std::size_t>& used;
        ~Release() {
            next = std::numeric_limits<std::size_t>::max() / 2;
            used = std::numeric_limits<std::size_t>::max() / 2;
            used.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    const Release release{nextRun, usedRuns};
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back(work);
    }
    for (std::size_t r = 0; r < runs; ++r) {
        Slot& slot = slots[r % window];
        slot.ready.wait(false, std::memory_order_acquire);
        for (std::size_t k = 0; k < slot.results.size(); ++k) {
            use(r * run + k, std::move(slot.results[k]));
        }
        slot.results.clear();
        slot.ready.store(false, std::memory_order_relaxed);
        usedRuns.store(r + 1, std::memory_order_release);
        usedRuns.notify_all();
    }
}

} // namespace korvel::cli
