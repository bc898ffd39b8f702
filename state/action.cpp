#include "state/action.h"

bool same_action(Action a, Action b) {
    for (Action* action : {&a, &b}) {
        for (CombatantState* unit : {&action->ally, &action->enemy}) {
            unit->hpAfterBattle = 0;
            unit->listIndex = 0;
        }
    }
    return a == b;
}
