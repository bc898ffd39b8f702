#include "state/session.h"

Session default_session() {
    Session session{};
    for (LaneCursor& lane : session.lanes) {
        lane = LaneCursor{0, kFirstLanePosition};
    }
    CombatantState& ally = session.action.ally;
    ally.hp = 40;
    ally.maxHp = 60;
    ally.level = 10;
    ally.technique = 10;
    ally.luck = 10;
    ally.critRate = 10;
    ally.attackSpeed = 10;
    ally.defense = 10;
    ally.hitRate = 90;
    ally.attack = 20;
    ally.skills[kSkillContinue] = 1;

    CombatantState& enemy = session.action.enemy;
    enemy.hitRate = 40;
    enemy.hp = 40;
    enemy.maxHp = 60;
    enemy.level = 10;
    enemy.technique = 5;
    enemy.luck = 5;
    enemy.attackSpeed = 5;
    enemy.critRate = 2;
    enemy.attack = 20;
    enemy.defense = 10;

    Action& action = session.action;
    action.allyCondition = BattleResultCondition{kResultHpUnchanged, 0, 1};
    action.enemyCondition = BattleResultCondition{kResultHpUnchanged, 0, 1};
    action.levelUpWanted.fill(1);
    return session;
}

bool ally_is_set(const Session& session) {
    return session.action.ally.name[0] != '\0';
}

const Action& lane_zero_action(const Session& session) {
    return session.plan.stepCount > 0 ? session.plan.steps[0] : session.action;
}

std::int32_t re_move_rate_of(const GameTables& tables, const CombatantState& ally) {
    const int row = find_ally_by_name(tables, ally.name);
    return row < 0 ? 0 : tables.growthTable[row][kReMoveRateIndex];
}
