#include "search/position_search.h"

#include <algorithm>

namespace {

EventSwitches battle_only() {
    EventSwitches switches{};
    switches[kSwitchBattle] = 1;
    return switches;
}

// Simulates the battle (with its predicted battle when switched on) from position on.
BattleOutcome simulate_at(AppState& state, ConsumptionLog& log, int seedIndex, int position) {
    log.seedIndex = seedIndex;
    log.position = position;
    run_events(state.ally, state.enemy, log, state.predictSwitch, battle_only(),
               state.randomTable.sequences[seedIndex], state.growthRates);
    return battle_outcome(state, log);
}

std::int32_t search_battles(AppState& state, const PositionTest& test, int seedIndex,
                            int startPosition, int limit) {
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    ConsumptionLog log{};
    std::int32_t found = 0;
    for (int p = startPosition; p < kSearchEnd && found < limit; ++p) {
        if (battle_holds_at(test, sequence, p, simulate_at(state, log, seedIndex, p))) {
            state.searchResults[found++] = p;
        }
    }
    return found;
}

std::int32_t search_re_moves(AppState& state, const PositionTest& test, int seedIndex,
                             int startPosition, int limit) {
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    std::int32_t found = 0;
    for (int p = startPosition; p < kSearchEnd && found < limit; ++p) {
        if (re_move_at(test, sequence, p)) {
            state.searchResults[found++] = p;
        }
    }
    return found;
}

// The battles from each start position, kept for the rest of a search so that no start
// position is simulated twice.
struct BattleMemo {
    BattleOutcome outcome[kSearchEnd];
    bool simulated[kSearchEnd];
};

// For each level-up position in turn, the start positions whose battle ends right there.
std::int32_t search_battles_before_level_ups(AppState& state, const PositionTest& test,
                                             int seedIndex, const std::int32_t* candidates,
                                             std::int32_t candidateCount) {
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    BattleMemo memo{};
    ConsumptionLog log{};
    std::int32_t found = 0;
    for (std::int32_t i = 0; i < candidateCount; ++i) {
        const std::int32_t c = candidates[i];
        if (c <= test.window) {
            continue;
        }
        for (std::int32_t w = test.window; w >= 1; --w) {
            const int s = c - w;
            if (!memo.simulated[s]) {
                memo.outcome[s] = simulate_at(state, log, seedIndex, s);
                memo.simulated[s] = true;
            }
            if (memo.outcome[s].count == w &&
                level_up_after_battle_at(test, sequence, s, memo.outcome[s])) {
                state.searchResults[found++] = s;
            }
        }
    }
    return found;
}

}  // namespace

std::int32_t search_positions(AppState& state, int seedIndex, int startPosition, int limit) {
    PositionTest test;
    const std::int32_t failure = prepare_position_test(state, test);
    if (failure != 0) {
        return failure;
    }
    const int start = std::max(startPosition, kFirstLanePosition);
    switch (test.mode) {
        case SearchMode::kNothing:
            return 0;
        case SearchMode::kReMove:
            return search_re_moves(state, test, seedIndex, start, limit);
        case SearchMode::kBattle:
            return search_battles(state, test, seedIndex, start, limit);
        case SearchMode::kLevelUp:
        case SearchMode::kLevelUpAfterBattle:
            break;
    }
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    std::int32_t candidates[kSearchEnd];
    std::int32_t candidateCount = 0;
    for (int p = start; p < kSearchEnd; ++p) {
        if (level_up_at(test, sequence, p)) {
            candidates[candidateCount++] = p;
        }
    }
    if (test.mode == SearchMode::kLevelUp) {
        std::copy_n(candidates, candidateCount, state.searchResults.begin());
        return candidateCount;
    }
    return search_battles_before_level_ups(state, test, seedIndex, candidates, candidateCount);
}
