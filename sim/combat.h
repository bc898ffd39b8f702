#pragma once

#include "data/unit_record.h"
#include "random/random_table.h"
#include "sim/consumption_log.h"

// How the striker's critical rate is adjusted for one strike.
enum StrikeMode : int {
    kModeOpening = 0,   // at most 25
    kModeFollowUp = 1,  // followUpCritFactor times the rate, at most 100
    kModeAnswer = 2,    // at most 25, or 100 with 怒り
};

struct StrikeOutcome {
    bool connected;
    bool battleEnds;
    bool logFull;  // the strike was cut short because the log has no room for its next entry
};

// One battle of the attacker against the defender, appended to the log from its count on. Both
// hp are as before afterwards; the outcome is the log and both hpAfterBattle.
void simulate_battle(CombatantState& attacker, CombatantState& defender, ConsumptionLog& log,
                     const Sequence& sequence);

StrikeOutcome resolve_strike(CombatantState& striker, CombatantState& target, int targetPrayer,
                             StrikeMode mode, ConsumptionLog& log, const Sequence& sequence);
