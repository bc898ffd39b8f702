#include "state/observations.h"

#include "data/names.h"

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

bool action_shows_all(const Action& action, const Observations& seen) {
    return (!seen.allyHp || action_shows(action, Observed::kAllyHp)) &&
           (!seen.enemyHp || action_shows(action, Observed::kEnemyHp)) &&
           (!seen.grown || action_shows(action, Observed::kGrown)) &&
           (!seen.reMove || action_shows(action, Observed::kReMove));
}

// The HPs straight from the run; the log is read for a level-up or re-move only when one was seen.
bool run_gives(const Action& action, const SequenceRun& run, const Observations& seen) {
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

Observations seen_as(const Action& action, const ActionOutcome& outcome) {
    Observations seen;
    if (action_shows(action, Observed::kAllyHp)) {
        seen.allyHp = outcome.allyHp;
        seen.enemyHp = outcome.enemyHp;
    }
    if (action_shows(action, Observed::kGrown)) {
        seen.grown = outcome.grown;
    }
    if (action_shows(action, Observed::kReMove)) {
        seen.reMove = outcome.reMove;
    }
    return seen;
}
