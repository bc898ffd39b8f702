#pragma once

#include <cstddef>
#include <functional>

// Runs work(begin, end) over the items [0, count) in contiguous parts, one for each of the
// machine's cores (a part on the caller's thread, the others on threads of their own), when each
// part has at least leastPerPart items; otherwise in one part on the caller's thread. The parts
// must not write to the same place. Returns when all are done.
void split_work(std::size_t count, std::size_t leastPerPart,
                const std::function<void(std::size_t begin, std::size_t end)>& work);
