#include "search/locate.h"

#include <algorithm>

#include "state/outcome.h"

namespace {

// The HPs straight from the run; the log is read for a level-up or re-move only when one was seen.
bool gives(const Action& action, const SequenceRun& run, const Observations& seen) {
    if ((seen.allyHp && *seen.allyHp != run.allyHpAfterBattle) ||
        (seen.enemyHp && *seen.enemyHp != run.enemyHpAfterBattle)) {
        return false;
    }
    if (!seen.grown && !seen.reMove) {
        return true;
    }
    const ActionOutcome outcome = outcome_of(action, run);
    return (!seen.grown || *seen.grown == outcome.grown) &&
           (!seen.reMove || *seen.reMove == outcome.reMove);
}

bool shows_all(const Action& action, const Observations& seen) {
    return (!seen.allyHp || action_shows(action, Observed::kAllyHp)) &&
           (!seen.enemyHp || action_shows(action, Observed::kEnemyHp)) &&
           (!seen.grown || action_shows(action, Observed::kGrown)) &&
           (!seen.reMove || action_shows(action, Observed::kReMove));
}

}  // namespace

bool action_shows(const Action& action, Observed what) {
    const EventSwitches& on = action.eventSwitches;
    switch (what) {
        case Observed::kAllyHp:
        case Observed::kEnemyHp:
            return on[kSwitchBattle] == 1;
        case Observed::kGrown:
            return on[kSwitchLevelUp] == 1;
        case Observed::kReMove:
            return on[kSwitchReMove] == 1 && action.growthRates[kReMoveRateIndex] != 0;
    }
    return false;
}

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

std::size_t locate_positions(const Action& action, const RandomTable& table,
                             std::span<const std::int32_t> seeds, int from,
                             const Observations& seen, std::span<LocatedPosition> found) {
    if (!shows_all(action, seen)) {
        return 0;
    }
    SequenceRun run{};
    std::size_t total = 0;
    const auto look_at = [&](int position) {
        if (position < kFirstLanePosition || position > kLastLanePosition) {
            return;
        }
        for (const std::int32_t seed : seeds) {
            run_action_into(action, table, seed, position, run);
            if (!gives(action, run, seen)) {
                continue;
            }
            if (total < found.size()) {
                found[total] = {seed, position, position - from, position + run.log.count};
            }
            ++total;
        }
    };
    // Nearest first: at each distance the position before from, then the one after it, each
    // with the sequences in ascending order, so that the list comes out in its order.
    look_at(from);
    const int farthest = std::max(from - kFirstLanePosition, kLastLanePosition - from);
    for (int distance = 1; distance <= farthest; ++distance) {
        look_at(from - distance);
        look_at(from + distance);
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
