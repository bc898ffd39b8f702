#include "state/action.h"

#include <cstring>

bool same_unit(CombatantState a, CombatantState b) {
    if (std::strncmp(a.name, b.name, sizeof a.name) != 0) {
        return false;
    }
    std::memcpy(a.name, b.name, sizeof a.name);
    a.listIndex = b.listIndex;
    a.hpAfterBattle = b.hpAfterBattle;
    return a == b;
}

bool same_action(Action a, Action b) {
    if (!same_unit(a.ally, b.ally) || !same_unit(a.enemy, b.enemy)) {
        return false;
    }
    a.ally = b.ally;
    a.enemy = b.enemy;
    return a == b;
}
