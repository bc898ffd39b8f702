#pragma once

#include <array>
#include <cstdint>

#include "data/game_tables.h"
#include "random/mark_advice.h"
#include "random/marks.h"
#include "random/near_match.h"
#include "random/random_table.h"
#include "sim/consumption_log.h"
#include "sim/event_runner.h"
#include "sim/growth_rates.h"

constexpr int kLaneCount = 2;
constexpr int kSearchResultCapacity = 5005;

using Lane = ConsumptionLog;

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
};

// Per stat: 0 no wish, 1 must grow ("+1"), 2 must grow by two ("+2").
using LevelUpWanted = std::array<std::int32_t, kStatCount>;

// Everything the program knows, in one record that lives for the whole run. The unit and
// growth tables come first (GameTables), as the start-up files fill them.
struct AppState : GameTables {
    RandomTable randomTable;
    std::array<Lane, kLaneCount> lanes;
    CombatantState ally;
    CombatantState enemy;
    EventSwitches eventSwitches;
    std::int32_t predictSwitch;
    BattleResultCondition allyCondition;
    BattleResultCondition enemyCondition;
    BookFlags booksHeld;
    LevelUpWanted levelUpWanted;
    GrowthRates growthRates;
    MarkTextBuffer markText;
    MarkTextBuffer lastMarkText;
    MarkArray marks;
    std::int32_t markCount;
    CandidateList candidates;
    std::int32_t candidateCount;
    // What the window says under the candidates: the sequences within a slip or two of marks
    // that match none (at most six), or, when several match, what the next mark tells apart.
    NearMatchList nearMatches;
    std::int32_t nearCount;
    bool adviceShown;
    NextMarkAdvice markAdvice;
    std::array<std::int32_t, kSearchResultCapacity> searchResults;
    std::int32_t searchResultCount;
    // Both units' HP after lane 0's last battle. The battle panels show these: the units'
    // hpAfterBattle belong to whichever lane or search simulated last.
    std::int32_t laneZeroAllyHpAfter;
    std::int32_t laneZeroEnemyHpAfter;
};

// The start-up defaults, in the three steps of the window's creation that set them: the lanes'
// cursors, the two units' figures, then the identification, switches and conditions.
void set_lane_defaults(AppState& state);
void set_unit_defaults(AppState& state);
void set_condition_defaults(AppState& state);
// All three at once, for a state whose files are read, or not needed, beforehand.
void set_start_up_defaults(AppState& state);

// An ally is set once the status dialog has given it a name.
bool ally_is_set(const AppState& state);

// The re-move rate of the ally's growth row, found by name; 0 for an ally without a row.
std::int32_t ally_re_move_rate(const AppState& state);

// Runs the state's switched-on events with its units and rates into log, from the log's
// cursor, whatever the ally's name.
void run_state_events(AppState& state, ConsumptionLog& log);

// Re-runs the events of one lane from its cursor, when an ally is set; a run of lane 0 keeps
// its battle's HP for the panels.
void rerun_lane(AppState& state, int lane);
void rerun_both_lanes(AppState& state);
