#include "sim/consumption_estimate.h"

namespace {

std::int32_t strikes_of(const CombatantState& striker, std::int32_t base) {
    std::int32_t strikes = base;
    if (has_skill(striker, kSkillMeteor)) {
        strikes *= 5;
    } else if (has_skill(striker, kSkillContinue)) {
        strikes *= 2;
    }
    if (has_skill(striker, kSkillBrave)) {
        strikes *= 2;
    }
    return strikes;
}

std::int32_t entries_per_strike(const CombatantState& striker, const CombatantState& target) {
    const std::int32_t moonlight = has_skill(striker, kSkillMoonlight) ? 1 : 0;
    const std::int32_t curse = has_skill(striker, kSkillCurse) ? 1 : 0;
    const std::int32_t sunlight = has_skill(striker, kSkillSunlight) && curse == 0 ? 1 : 0;
    if (moonlight + sunlight >= 1) {
        const std::int32_t shield = has_skill(target, kSkillGreatShield) ? 1 : 0;
        return moonlight + sunlight + shield + 2 + curse;
    }
    return 3 + curse;
}

}  // namespace

std::int32_t estimate_battle_consumption(const CombatantState& attacker,
                                         const CombatantState& defender) {
    const std::int64_t a = attacker.attackSpeed;
    const std::int64_t d = defender.attackSpeed;
    std::int32_t attackerBase = 1;
    std::int32_t defenderBase = 1;
    if (a >= d + 4) {
        attackerBase = 2;
    } else if (d >= a + 4) {
        defenderBase = 2;
    }
    if (has_skill(attacker, kSkillCharge) || has_skill(defender, kSkillCharge)) {
        attackerBase *= 2;
        defenderBase *= 2;
    }
    return strikes_of(attacker, attackerBase) * entries_per_strike(attacker, defender) +
           strikes_of(defender, defenderBase) * entries_per_strike(defender, attacker);
}
