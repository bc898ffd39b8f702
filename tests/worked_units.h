#pragma once

#include <cstring>

#include "data/unit_record.h"

// The two units of the battle log's worked examples: an attacker with 連続 that is 5 points
// faster, and a defender with 反撃.
inline CombatantState worked_attacker() {
    CombatantState unit{};
    std::strcpy(unit.name, "アルト");
    unit.followUpCritFactor = 2;
    unit.skills[kSkillContinue] = 1;
    unit.level = 10;
    unit.technique = 10;
    unit.luck = 10;
    unit.hitRate = 90;
    unit.critRate = 10;
    unit.attackSpeed = 10;
    unit.attack = 20;
    unit.defense = 10;
    unit.hp = 40;
    unit.maxHp = 60;
    return unit;
}

inline CombatantState worked_defender() {
    CombatantState unit{};
    std::strcpy(unit.name, "山賊ガロ");
    unit.followUpCritFactor = 1;
    unit.skills[kSkillCounter] = 1;
    unit.level = 10;
    unit.technique = 5;
    unit.luck = 5;
    unit.hitRate = 40;
    unit.critRate = 2;
    unit.attackSpeed = 5;
    unit.attack = 20;
    unit.defense = 10;
    unit.hp = 40;
    unit.maxHp = 60;
    return unit;
}
