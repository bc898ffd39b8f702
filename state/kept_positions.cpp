#include "state/kept_positions.h"

#include "state/position_set.h"
#include "state/split_work.h"

namespace {

// Places a thread takes at the least: fewer are not worth a thread's start.
constexpr std::size_t kLeastPlacesPerThread = 1024;

// Where a place that gave something else stands: nowhere.
constexpr std::int32_t kDropped = 0;

}  // namespace

std::vector<LaneCursor> distinct_places(const std::vector<LaneCursor>& kept) {
    PositionSet places;
    for (const LaneCursor& place : kept) {
        places.add(place);
    }
    return places.places();
}

NarrowedPlaces narrow_kept(const std::vector<LaneCursor>& kept, const Action& action,
                           const RandomTable& table, const Observations& seen) {
    const std::vector<LaneCursor> tried = distinct_places(kept);
    std::vector<std::int32_t> next(tried.size(), kDropped);
    split_work(tried.size(), kLeastPlacesPerThread, [&](std::size_t begin, std::size_t end) {
        ActionRunner runner(action, table);
        SequenceRun run{};
        for (std::size_t i = begin; i < end; ++i) {
            runner.run(tried[i].seedIndex, tried[i].position, run);
            if (run_gives(action, run, seen)) {
                next[i] = tried[i].position + run.log.count;
            }
        }
    });
    PositionSet left;
    for (std::size_t i = 0; i < tried.size(); ++i) {
        // A place past 4973 is none of the set's.
        left.add({tried[i].seedIndex, next[i]});
    }
    return {left.places(), tried.size()};
}
