#include "search/position_tests.h"

#include "sim/consumption_estimate.h"

namespace {

constexpr int kNoLeadStat = -1;

bool side_met(const BattleResultCondition& condition, const CombatantState& side,
              std::int64_t after, std::int32_t hitsReceived) {
    if (condition.unspecified != 0) {
        return true;
    }
    const std::int64_t n = condition.n;
    // The percentage of HP left is compared exactly, cross-multiplied; without a positive
    // maximum there is no percentage, and such a condition does not hold.
    switch (condition.type) {
        case kResultHpUnchanged:
            return after == side.hp;
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

std::int32_t level_up_thresholds(const Action& action, bool reMove, LevelUpThresholds& t) {
    t.leadBound = 99;
    t.leadStat = kNoLeadStat;
    if (reMove) {
        t.bound[kReMoveRateIndex] = action.growthRates[kReMoveRateIndex];
        t.leadBound = t.bound[kReMoveRateIndex];
        t.leadStat = kReMoveRateIndex;
    }
    for (int k = 0; k < kStatCount; ++k) {
        const std::int32_t wanted = action.levelUpWanted[k];
        const std::int32_t rate = action.growthRates[k];
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

}  // namespace

std::int32_t prepare_position_test(const Action& action, const GameTables& tables,
                                   PositionTest& test) {
    const bool battle = action.eventSwitches[kSwitchBattle] == 1;
    test.reMove = action.eventSwitches[kSwitchReMove] == 1;
    test.reMoveRate = test.reMove ? re_move_rate_of(tables, action.ally) : 0;
    test.window = estimate_battle_consumption(action.ally, action.enemy);
    if (action.predictSwitch == 1) {
        test.window *= 2;
    }
    if (action.eventSwitches[kSwitchLevelUp] != 1) {
        test.mode = battle        ? SearchMode::kBattle
                    : test.reMove ? SearchMode::kReMove
                                  : SearchMode::kNothing;
        return 0;
    }
    test.mode = battle ? SearchMode::kLevelUpAfterBattle : SearchMode::kLevelUp;
    return level_up_thresholds(action, test.reMove, test.thresholds);
}

bool battle_result_met(const Action& action, const SequenceRun& run) {
    const ConsumptionLog& log = run.log;
    return side_met(action.allyCondition, action.ally, run.allyHpAfterBattle,
                    log.defenderHitsLanded) &&
           side_met(action.enemyCondition, action.enemy, run.enemyHpAfterBattle,
                    log.attackerHitsLanded);
}

BattleOutcome battle_outcome(const Action& action, const SequenceRun& run) {
    const ConsumptionLog& log = run.log;
    std::int32_t count = 0;
    while (count < log.count && log.codes[count] <= kCodeCurse) {
        ++count;
    }
    return BattleOutcome{count, battle_result_met(action, run)};
}

bool battle_holds_at(const PositionTest& test, const Sequence& sequence, int p,
                     BattleOutcome battle) {
    return battle.met && (!test.reMove || sequence[p + battle.count] < test.reMoveRate);
}

bool re_move_at(const PositionTest& test, const Sequence& sequence, int p) {
    return sequence[p] < test.reMoveRate;
}

bool level_up_at(const PositionTest& test, const Sequence& sequence, int p) {
    const LevelUpThresholds& t = test.thresholds;
    if (sequence[p + t.leadStat] >= t.leadBound) {
        return false;
    }
    for (int k = 0; k < kStatCount; ++k) {
        if (sequence[p + k] >= t.bound[k]) {
            return false;
        }
    }
    return !test.reMove || sequence[p + kReMoveRateIndex] < t.bound[kReMoveRateIndex];
}

bool level_up_after_battle_at(const PositionTest& test, const Sequence& sequence, int p,
                              BattleOutcome battle) {
    const int levelUp = p + battle.count;
    return battle.met && battle.count >= 1 && battle.count <= test.window &&
           levelUp > test.window && levelUp < kSearchEnd && level_up_at(test, sequence, levelUp);
}
