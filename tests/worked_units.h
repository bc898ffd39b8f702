#pragma once

// What the engine and window-logic tests share.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "state/session.h"
#include "state/tables.h"

// The generated sequences and no unit file, built once for the whole test binary.
inline const Tables& generated_tables() {
    static Tables tables;
    [[maybe_unused]] static const bool generated =
        (generate_random_tables(tables.randomTable), true);
    return tables;
}
inline const RandomTable& generated_table() {
    return generated_tables().randomTable;
}

// count times text, with between between them.
inline std::string repeated(int count, const std::string& text, const char* between = "") {
    std::string all;
    for (int i = 0; i < count; ++i) {
        all += (i == 0 ? "" : between) + text;
    }
    return all;
}

inline CombatantState with_skills(CombatantState unit, const std::vector<SkillIndex>& skills) {
    for (SkillIndex s : skills) {
        unit.skills[s] = 1;
    }
    return unit;
}

// A copy of unit with skills added and figures replaced: with(u, {}, {{&CombatantState::hp, 5}}).
inline CombatantState with(
    CombatantState unit, const std::vector<SkillIndex>& skills,
    std::initializer_list<std::pair<std::int32_t CombatantState::*, std::int32_t>> figures = {}) {
    for (const auto& [field, value] : figures) {
        unit.*field = value;
    }
    return with_skills(unit, skills);
}

// figures: level, technique, luck, hitRate, critRate, attackSpeed, attack, defense, hp, maxHp.
inline CombatantState make_unit(const char* name, int factor, const std::vector<SkillIndex>& skills,
                                const std::array<std::int32_t, 10>& f) {
    CombatantState u{};
    std::strcpy(u.name, name);
    u.followUpCritFactor = factor;
    std::tie(u.level, u.technique, u.luck, u.hitRate, u.critRate, u.attackSpeed, u.attack,
             u.defense, u.hp, u.maxHp) = std::tuple_cat(f);
    return with_skills(u, skills);
}

// The worked examples' attacker (連続, 5 points faster), defender (反撃) and the ally's rates.
inline CombatantState worked_attacker() {
    return make_unit("アルト", 2, {kSkillContinue}, {10, 10, 10, 90, 10, 10, 20, 10, 40, 60});
}
inline CombatantState worked_defender() {
    return make_unit("山賊ガロ", 1, {kSkillCounter}, {10, 5, 5, 40, 2, 5, 20, 10, 40, 60});
}
inline const GrowthRecord kWorkedRates = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};

inline bool unchanged_but_hp_after(CombatantState before, const CombatantState& after) {
    before.hpAfterBattle = after.hpAfterBattle;
    return std::memcmp(&before, &after, sizeof before) == 0;
}

inline std::vector<int> codes_of(const ConsumptionLog& log) {
    return std::vector<int>(log.codes.begin(), log.codes.begin() + log.count);
}

// Every entry marked passed, over the whole log: a pass left past count is a fault too, and so
// is a mark other than 1 (it is listed negated).
inline std::vector<int> passed_of(const ConsumptionLog& log) {
    std::vector<int> passed;
    for (int i = 0; i < kLogCapacity; ++i) {
        if (log.success[i] != 0) {
            passed.push_back(log.success[i] == 1 ? i : -i - 1);
        }
    }
    return passed;
}

// The sequences and a unit file of アルト alone, with the worked rates.
inline const Tables& worked_tables() {
    static Tables tables;
    [[maybe_unused]] static const bool filled = [] {
        generate_random_tables(tables.randomTable);
        tables.allyUnitCount = 1;
        std::strcpy(tables.allyUnits[0].name, "アルト");
        tables.growthTable[0] = kWorkedRates;
        return true;
    }();
    return tables;
}

// The session once the status dialog has set the worked units and their rates.
inline Session worked_session() {
    Session session = default_session();
    session.action.ally = worked_attacker();
    session.action.enemy = worked_defender();
    session.action.growthRates = kWorkedRates;
    return session;
}
