#include "search/position_search.h"

#include <algorithm>
#include <memory>

#include "state/action_runs.h"

namespace {

EventSwitches battle_only() {
    EventSwitches switches{};
    switches[kSwitchBattle] = 1;
    return switches;
}

// The action's battle alone, with its predicted battle when switched on.
Action battle_of(const Action& action) {
    Action battle = action;
    battle.eventSwitches = battle_only();
    return battle;
}

// Simulates the battle from position on into run, which the whole search reuses.
BattleOutcome simulate_at(const Action& battle, const RandomTable& table, SequenceRun& run,
                          int seedIndex, int position) {
    run_action_into(battle, table, seedIndex, position, run);
    return battle_outcome(battle, run);
}

void search_battles(const Action& action, const RandomTable& table, const PositionTest& test,
                    int seedIndex, int startPosition, int limit, SearchFound& found) {
    const Sequence& sequence = table.sequences[seedIndex];
    const Action battle = battle_of(action);
    SequenceRun run{};
    for (int p = startPosition; p < kSearchEnd && found.result < limit; ++p) {
        if (battle_holds_at(test, sequence, p, simulate_at(battle, table, run, seedIndex, p))) {
            found.positions[found.result++] = p;
        }
    }
}

void search_re_moves(const RandomTable& table, const PositionTest& test, int seedIndex,
                     int startPosition, int limit, SearchFound& found) {
    const Sequence& sequence = table.sequences[seedIndex];
    for (int p = startPosition; p < kSearchEnd && found.result < limit; ++p) {
        if (re_move_at(test, sequence, p)) {
            found.positions[found.result++] = p;
        }
    }
}

// The battles from each start position, kept for the rest of a search so that no start
// position is simulated twice.
struct BattleMemo {
    BattleOutcome outcome[kSearchEnd];
    bool simulated[kSearchEnd];
};

// For each level-up position in turn, the start positions whose battle ends right there.
void search_battles_before_level_ups(const Action& action, const RandomTable& table,
                                     const PositionTest& test, int seedIndex,
                                     const std::int32_t* candidates, std::int32_t candidateCount,
                                     SearchFound& found) {
    const Sequence& sequence = table.sequences[seedIndex];
    const Action battle = battle_of(action);
    // Over 50 KB: on the heap, once for the whole search.
    const auto memo = std::make_unique<BattleMemo>();
    SequenceRun run{};
    for (std::int32_t i = 0; i < candidateCount; ++i) {
        const std::int32_t c = candidates[i];
        if (c <= test.window) {
            continue;
        }
        for (std::int32_t w = test.window; w >= 1; --w) {
            const int s = c - w;
            if (!memo->simulated[s]) {
                memo->outcome[s] = simulate_at(battle, table, run, seedIndex, s);
                memo->simulated[s] = true;
            }
            if (memo->outcome[s].count == w &&
                level_up_after_battle_at(test, sequence, s, memo->outcome[s])) {
                found.positions[found.result++] = s;
            }
        }
    }
}

}  // namespace

SearchFound search_positions(const Action& action, const Tables& tables, int seedIndex,
                             int startPosition, int limit) {
    SearchFound found{};
    PositionTest test;
    const std::int32_t failure = prepare_position_test(action, tables, test);
    if (failure != 0) {
        found.result = failure;
        return found;
    }
    const RandomTable& table = tables.randomTable;
    const int start = std::max(startPosition, kFirstLanePosition);
    found.positions.resize(kSearchEnd);
    switch (test.mode) {
        case SearchMode::kNothing:
            break;
        case SearchMode::kReMove:
            search_re_moves(table, test, seedIndex, start, limit, found);
            break;
        case SearchMode::kBattle:
            search_battles(action, table, test, seedIndex, start, limit, found);
            break;
        case SearchMode::kLevelUp:
        case SearchMode::kLevelUpAfterBattle: {
            const Sequence& sequence = table.sequences[seedIndex];
            std::vector<std::int32_t> candidates;
            for (int p = start; p < kSearchEnd; ++p) {
                if (level_up_at(test, sequence, p)) {
                    candidates.push_back(p);
                }
            }
            if (test.mode == SearchMode::kLevelUp) {
                std::copy(candidates.begin(), candidates.end(), found.positions.begin());
                found.result = static_cast<std::int32_t>(candidates.size());
            } else {
                search_battles_before_level_ups(action, table, test, seedIndex, candidates.data(),
                                                static_cast<std::int32_t>(candidates.size()),
                                                found);
            }
            break;
        }
    }
    found.positions.resize(static_cast<std::size_t>(found.result));
    return found;
}
