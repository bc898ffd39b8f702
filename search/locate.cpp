#include "search/locate.h"

#include <algorithm>
#include <vector>

#include "state/split_work.h"

namespace {

// Positions a thread takes at the least: fewer are not worth a thread's start.
constexpr std::size_t kLeastPositionsPerThread = 256;

}  // namespace

LocateSequences locate_sequences(const RandomTable& table, const char* markText, int laneSeed) {
    LocateSequences sequences{};
    MarkArray marks;
    sequences.count =
        match_seeds(table, marks, parse_mark_pattern(markText, marks), sequences.seeds);
    sequences.byMarks = sequences.count > 0;
    if (!sequences.byMarks) {
        sequences.count = 1;
        sequences.seeds[0] = laneSeed;
    }
    return sequences;
}

PositionSet every_position_of(std::span<const std::int32_t> seeds) {
    PositionSet where;
    for (const std::int32_t seed : seeds) {
        where.add_sequence(seed);
    }
    return where;
}

std::size_t locate_positions(const Action& action, const RandomTable& table,
                             const PositionSet& where, int from, const Observations& seen,
                             std::span<LocatedPosition> found) {
    if (!action_shows_all(action, seen)) {
        return 0;
    }
    // What each place gave: 0 where it did not give what was seen, else 1 + the values it used.
    // By position, then sequence, so that the walk nearest first below reads it in order; the
    // threads take ranges of positions, each writing its own.
    std::vector<std::uint16_t> used(static_cast<std::size_t>(kLastLanePosition + 1) * kSeedCount);
    const std::vector<std::int32_t> seeds = where.sequences();
    split_work(kLastLanePosition, kLeastPositionsPerThread,
               [&](std::size_t begin, std::size_t end) {
                   ActionRunner runner(action, table);
                   SequenceRun run{};
                   for (const std::int32_t seed : seeds) {
                       where.for_each_position(
                           seed, static_cast<int>(begin) + kFirstLanePosition,
                           static_cast<int>(end) + kFirstLanePosition - 1, [&](int position) {
                               runner.run(seed, position, run);
                               if (run_gives(action, run, seen)) {
                                   used[static_cast<std::size_t>(position) * kSeedCount +
                                        static_cast<std::size_t>(seed)] =
                                       static_cast<std::uint16_t>(1 + run.log.count);
                               }
                           });
                   }
               });
    std::size_t total = 0;
    const auto take = [&](int position) {
        if (position < kFirstLanePosition || position > kLastLanePosition) {
            return;
        }
        const std::uint16_t* row = &used[static_cast<std::size_t>(position) * kSeedCount];
        for (int seed = 0; seed < kSeedCount; ++seed) {
            if (row[seed] == 0) {
                continue;
            }
            if (total < found.size()) {
                found[total] = {seed, position, position - from, position + row[seed] - 1};
            }
            ++total;
        }
    };
    // Nearest first: at each distance the position before from, then the one after it, each
    // with the sequences in ascending order, so that the list comes out in its order.
    take(from);
    const int farthest = std::max(from - kFirstLanePosition, kLastLanePosition - from);
    for (int distance = 1; distance <= farthest; ++distance) {
        take(from - distance);
        take(from + distance);
    }
    return total;
}

std::string offset_words(std::int32_t offset) {
    if (offset == 0) {
        return "±0";
    }
    std::string words = std::to_string(offset);
    return offset > 0 ? words.insert(0, 1, '+') : words;
}
