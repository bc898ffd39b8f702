#include "search/position_search.h"

#include <algorithm>

#include "sim/consumption_estimate.h"

namespace {

constexpr int kThresholdCount = 10;
constexpr int kNoLeadStat = -1;

bool side_met(const BattleResultCondition& condition, const CombatantState& side,
              std::int32_t hitsReceived) {
    if (condition.unspecified != 0) {
        return true;
    }
    const std::int64_t after = side.hpAfterBattle;
    const std::int64_t n = condition.n;
    // The percentage of HP left is compared exactly, cross-multiplied; without a positive
    // maximum there is no percentage, and such a condition does not hold.
    switch (condition.type) {
        case kResultHpUnchanged:
            return side.hpAfterBattle == side.hp;
        case kResultHpAtLeast:
            return after >= n;
        case kResultHpAtMost:
            return after <= n;
        case kResultPercentAtLeast:
            return side.maxHp > 0 && n * side.maxHp <= 100 * after;
        case kResultPercentAtMost:
            return side.maxHp > 0 && n * side.maxHp >= 100 * after;
        case kResultHitsAtLeast:
            return hitsReceived >= n;
        case kResultHitsAtMost:
            return hitsReceived <= n;
        default:
            return true;
    }
}

EventSwitches battle_only() {
    EventSwitches switches{};
    switches[kSwitchBattle] = 1;
    return switches;
}

// Simulates the battle (with its predicted battle when switched on) from position on.
void simulate_at(AppState& state, ConsumptionLog& log, int seedIndex, int position) {
    log.seedIndex = seedIndex;
    log.position = position;
    run_events(state.ally, state.enemy, log, state.predictSwitch, battle_only(),
               state.randomTable.sequences[seedIndex], state.growthRates);
}

std::int32_t search_battles(AppState& state, int seedIndex, int startPosition, bool reMove) {
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    const std::int32_t reMoveRate = reMove ? ally_re_move_rate(state) : 0;
    ConsumptionLog log{};
    std::int32_t found = 0;
    for (int p = startPosition; p < kSearchEnd && found < kShortSearchLimit; ++p) {
        simulate_at(state, log, seedIndex, p);
        if (battle_result_met(state, log) && (!reMove || sequence[p + log.count] < reMoveRate)) {
            state.searchResults[found++] = p;
        }
    }
    return found;
}

std::int32_t search_re_moves(AppState& state, int seedIndex, int startPosition) {
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    const std::int32_t reMoveRate = ally_re_move_rate(state);
    std::int32_t found = 0;
    for (int p = startPosition; p < kSearchEnd && found < kShortSearchLimit; ++p) {
        if (sequence[p] < reMoveRate) {
            state.searchResults[found++] = p;
        }
    }
    return found;
}

struct LevelUpThresholds {
    std::int32_t bound[kThresholdCount];
    int leadStat;
    std::int32_t leadBound;
};

// The stored value of each stat (and of the re-move after them) must be below its bound.
std::int32_t level_up_thresholds(const AppState& state, bool reMove, LevelUpThresholds& t) {
    t.leadBound = 99;
    t.leadStat = kNoLeadStat;
    if (reMove) {
        t.bound[kReMoveRateIndex] = state.growthRates[kReMoveRateIndex];
        t.leadBound = t.bound[kReMoveRateIndex];
        t.leadStat = kReMoveRateIndex;
    }
    for (int k = 0; k < kStatCount; ++k) {
        const std::int32_t wanted = state.levelUpWanted[k];
        const std::int32_t rate = state.growthRates[k];
        if (wanted >= 1 && rate == 0) {
            return kSearchBadWish;
        }
        if (rate >= 100) {
            t.bound[k] = wanted == 2 ? rate - 100 : 100;
        } else if (wanted == 2) {
            return kSearchBadWish;
        } else {
            t.bound[k] = wanted == 1 ? rate : 100;
        }
        if (t.bound[k] < t.leadBound) {
            t.leadBound = t.bound[k];
            t.leadStat = k;
        }
    }
    return t.leadStat == kNoLeadStat ? kSearchNoWish : 0;
}

bool level_up_at(const Sequence& sequence, int p, const LevelUpThresholds& t, bool reMove) {
    if (sequence[p + t.leadStat] >= t.leadBound) {
        return false;
    }
    for (int k = 0; k < kStatCount; ++k) {
        if (sequence[p + k] >= t.bound[k]) {
            return false;
        }
    }
    return !reMove || sequence[p + kReMoveRateIndex] < t.bound[kReMoveRateIndex];
}

// What the battle from one start position gave, kept for the rest of a search so that no
// start position is simulated twice.
struct BattleMemo {
    std::int16_t count[kSearchEnd];
    std::uint8_t state[kSearchEnd];  // 0 not simulated, 1 conditions failed, 2 conditions met
};

std::int32_t search_battles_before_level_ups(AppState& state, int seedIndex,
                                             const std::int32_t* candidates,
                                             std::int32_t candidateCount) {
    std::int32_t window = estimate_battle_consumption(state.ally, state.enemy);
    if (state.predictSwitch == 1) {
        window *= 2;
    }
    BattleMemo memo{};
    ConsumptionLog log{};
    std::int32_t found = 0;
    for (std::int32_t i = 0; i < candidateCount; ++i) {
        const std::int32_t c = candidates[i];
        if (c <= window) {
            continue;
        }
        for (std::int32_t w = window; w >= 1; --w) {
            const int s = c - w;
            if (memo.state[s] == 0) {
                simulate_at(state, log, seedIndex, s);
                memo.count[s] = static_cast<std::int16_t>(log.count);
                memo.state[s] = battle_result_met(state, log) ? 2 : 1;
            }
            if (memo.count[s] == w && memo.state[s] == 2) {
                state.searchResults[found++] = s;
            }
        }
    }
    return found;
}

}  // namespace

bool battle_result_met(const AppState& state, const ConsumptionLog& log) {
    return side_met(state.allyCondition, state.ally, log.defenderHitsLanded) &&
           side_met(state.enemyCondition, state.enemy, log.attackerHitsLanded);
}

std::int32_t search_positions(AppState& state, int seedIndex, int startPosition) {
    const bool battle = state.eventSwitches[kSwitchBattle] == 1;
    const bool levelUp = state.eventSwitches[kSwitchLevelUp] == 1;
    const bool reMove = state.eventSwitches[kSwitchReMove] == 1;
    const int start = std::max(startPosition, kFirstLanePosition);
    if (!levelUp) {
        if (battle) {
            return search_battles(state, seedIndex, start, reMove);
        }
        return reMove ? search_re_moves(state, seedIndex, start) : 0;
    }
    LevelUpThresholds thresholds;
    const std::int32_t failure = level_up_thresholds(state, reMove, thresholds);
    if (failure != 0) {
        return failure;
    }
    const Sequence& sequence = state.randomTable.sequences[seedIndex];
    std::int32_t candidates[kSearchEnd];
    std::int32_t candidateCount = 0;
    for (int p = start; p < kSearchEnd; ++p) {
        if (level_up_at(sequence, p, thresholds, reMove)) {
            candidates[candidateCount++] = p;
        }
    }
    if (!battle) {
        std::copy_n(candidates, candidateCount, state.searchResults.begin());
        return candidateCount;
    }
    return search_battles_before_level_ups(state, seedIndex, candidates, candidateCount);
}
