#pragma once

#include <array>
#include <cstdint>

#include "data/unit_record.h"
#include "sim/event_runner.h"
#include "sim/growth_rates.h"

// The battle outcome a search wants for one side.
enum BattleResultType : std::int32_t {
    kResultHpUnchanged = 0,     // HP:現在の値
    kResultHpAtLeast = 1,       // HP:残りn以上
    kResultHpAtMost = 2,        // HP:残りn以下
    kResultPercentAtLeast = 3,  // HP:残りn%以上
    kResultPercentAtMost = 4,   // HP:残りn%以下
    kResultHitsAtLeast = 5,     // 攻撃をn回以上受ける
    kResultHitsAtMost = 6,      // 攻撃をn回以下受ける
};

struct BattleResultCondition {
    std::int32_t type;
    std::int32_t n;
    std::uint8_t unspecified;  // 1: "指定しない", no condition on this side

    bool operator==(const BattleResultCondition&) const = default;
};

// Per stat: 0 no wish, 1 must grow ("+1"), 2 must grow by two ("+2").
using LevelUpWanted = std::array<std::int32_t, kStatCount>;

// What describes one action, a battle, a level-up or a re-move, with what a search wants of
// it: the state record holds the current one, and each step of a turn plan one of its own.
struct Action {
    CombatantState ally;
    CombatantState enemy;
    EventSwitches eventSwitches;
    std::int32_t predictSwitch;
    BattleResultCondition allyCondition;
    BattleResultCondition enemyCondition;
    LevelUpWanted levelUpWanted;
    BookFlags booksHeld;
    GrowthRates growthRates;

    bool operator==(const Action&) const = default;
};

// An action does something only with 戦闘, レベルアップ or 再行動 on; 移動 alone uses no value.
inline bool action_acts(const Action& action) {
    const EventSwitches& on = action.eventSwitches;
    return on[kSwitchBattle] == 1 || on[kSwitchLevelUp] == 1 || on[kSwitchReMove] == 1;
}
