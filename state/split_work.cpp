#include "state/split_work.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// More threads than this gain nothing over a search of a few milliseconds.
constexpr std::size_t kMostParts = 8;

}  // namespace

void split_work(std::size_t count, std::size_t leastPerPart,
                const std::function<void(std::size_t begin, std::size_t end)>& work) {
    const std::size_t cores = std::max<std::size_t>(std::thread::hardware_concurrency(), 1);
    const std::size_t parts = std::clamp<std::size_t>(
        count / std::max<std::size_t>(leastPerPart, 1), 1, std::min(cores, kMostParts));
    std::vector<std::thread> threads;
    threads.reserve(parts - 1);
    for (std::size_t part = 1; part < parts; ++part) {
        const std::size_t begin = count * part / parts;
        const std::size_t end = count * (part + 1) / parts;
        try {
            threads.emplace_back(work, begin, end);
        } catch (const std::system_error&) {
            // No thread to be had: the part runs here, only later.
            work(begin, end);
        }
    }
    work(0, count / parts);
    for (std::thread& thread : threads) {
        thread.join();
    }
}
