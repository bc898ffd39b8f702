#pragma once

#include <cstdint>

#include "state/action_runs.h"
#include "state/session.h"

constexpr int kSearchEnd = 4005;             // positions scanned stop before this one
constexpr std::int32_t kSearchBadWish = -1;  // a wanted stat that cannot grow as wished
constexpr std::int32_t kSearchNoWish = -2;   // level-up wanted, but no stat narrows the scan

// What a position must give, chosen by the switches: レベルアップ first, then 戦闘, then 再行動.
enum class SearchMode { kNothing, kReMove, kBattle, kLevelUp, kLevelUpAfterBattle };

// The stored value of each stat (and of the re-move after them) must be below its bound; the
// lead stat, the one with the lowest bound, is looked at first.
struct LevelUpThresholds {
    std::int32_t bound[kStatCount + 1];
    int leadStat;
    std::int32_t leadBound;
};

// What the state's switches, conditions and rates ask of a position, worked out once.
struct PositionTest {
    SearchMode mode;
    bool reMove;              // 再行動 on: after the battle, or with the level-up
    std::int32_t reMoveRate;  // of the ally's growth row, for a re-move without a level-up
    LevelUpThresholds thresholds;
    std::int32_t window;  // the most values a battle right before a level-up may use
};

// Fills test from the action, the ally's re-move rate from its growth row; returns 0, or -1/-2
// when the level-up wishes cannot be searched.
std::int32_t prepare_position_test(const Action& action, const GameTables& tables,
                                   PositionTest& test);

// What the battle from one position gave: the values it used (with its predicted battle) and
// whether both sides' conditions held.
struct BattleOutcome {
    std::int32_t count;
    bool met;
};

// Whether the battle run meets both sides' battle-result conditions.
bool battle_result_met(const Action& action, const SequenceRun& run);

// Read right after a run whose log begins with the battle: its entries are the leading ones
// with battle codes, whatever the level-up and re-move added after them.
BattleOutcome battle_outcome(const Action& action, const SequenceRun& run);

// The tests of one position p (below kSearchEnd) of sequence; the battle ones take the outcome
// of the battle from p.
bool battle_holds_at(const PositionTest& test, const Sequence& sequence, int p,
                     BattleOutcome battle);
bool re_move_at(const PositionTest& test, const Sequence& sequence, int p);
bool level_up_at(const PositionTest& test, const Sequence& sequence, int p);
// The battle from p met its conditions and ends, within the window, on a level-up position.
bool level_up_after_battle_at(const PositionTest& test, const Sequence& sequence, int p,
                              BattleOutcome battle);
