#include "sim/combat.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int kMaxStrikeGroups = 6;

// Strike types: 0 to 2 are the attacker's, 3 to 5 the defender's (whose mode is the type - 3).
enum StrikeType : int {
    kAttackerOpening = 0,
    kAttackerFollowUp = 1,
    kAttackerAfterVantage = 2,
    kDefenderVantage = 3,
    kDefenderAnswer = 4,
    kDefenderFollowUp = 5,
};

struct StrikeGroup {
    StrikeType type;
    int strikes;
};

bool is_attacker_type(StrikeType type) {
    return type <= kAttackerAfterVantage;
}

std::int32_t saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Tests the value of the next entry against rate (its display value must be below it) and logs
// code there. The caller has made sure the log has room.
bool test_entry(ConsumptionLog& log, const Sequence& sequence, std::int64_t rate,
                ConsumptionCode code) {
    const bool passed = display_value(sequence[log.position + log.count]) < rate;
    if (passed) {
        log.success[log.count] = 1;
    }
    log.codes[log.count++] = code;
    return passed;
}

void log_entry(ConsumptionLog& log, ConsumptionCode code) {
    log.codes[log.count++] = code;
}

std::int64_t adjusted_crit_rate(const CombatantState& striker, StrikeMode mode) {
    const std::int64_t rate = striker.critRate;
    switch (mode) {
        case kModeFollowUp:
            return std::min<std::int64_t>(striker.followUpCritFactor * rate, 100);
        case kModeAnswer:
            return has_skill(striker, kSkillWrath) ? 100 : std::min<std::int64_t>(rate, 25);
        case kModeOpening:
        default:
            return std::min<std::int64_t>(rate, 25);
    }
}

int build_strike_order(const CombatantState& attacker, const CombatantState& defender,
                       StrikeGroup (&groups)[kMaxStrikeGroups]) {
    const std::int64_t a = attacker.attackSpeed;
    const std::int64_t d = defender.attackSpeed;
    const bool attackerFollowsUp = a >= d + 4;
    const bool defenderFollowsUp = d >= a + 4;
    const bool counters = has_skill(defender, kSkillCounter);
    StrikeType exchange[3];
    int length = 0;
    if (has_skill(defender, kSkillVantage) && counters) {
        exchange[length++] = kDefenderVantage;
        exchange[length++] = kAttackerAfterVantage;
        if (attackerFollowsUp) {
            exchange[length++] = kAttackerFollowUp;
        } else if (defenderFollowsUp) {
            exchange[length++] = kDefenderFollowUp;
        }
    } else {
        exchange[length++] = kAttackerOpening;
        if (counters) {
            exchange[length++] = kDefenderAnswer;
        }
        if (attackerFollowsUp) {
            exchange[length++] = kAttackerFollowUp;
        } else if (defenderFollowsUp && counters) {
            exchange[length++] = kDefenderFollowUp;
        }
    }
    const int repeats =
        has_skill(attacker, kSkillCharge) || has_skill(defender, kSkillCharge) ? 2 : 1;
    int count = 0;
    for (int r = 0; r < repeats; ++r) {
        for (int i = 0; i < length; ++i) {
            groups[count++].type = exchange[i];
        }
    }
    return count;
}

// Makes every group's 流星 and 連続 tests before the first strike. False when the log filled.
bool count_strikes(const CombatantState& attacker, const CombatantState& defender,
                   ConsumptionLog& log, const Sequence& sequence, StrikeGroup* groups,
                   int groupCount) {
    for (int g = 0; g < groupCount; ++g) {
        const bool attackerStrikes = is_attacker_type(groups[g].type);
        const CombatantState& striker = attackerStrikes ? attacker : defender;
        int strikes = 1;
        if (has_skill(striker, kSkillMeteor)) {
            if (log_is_full(log)) {
                return false;
            }
            if (test_entry(log, sequence, striker.technique,
                           attackerStrikes ? kCodeAttackerMeteor : kCodeDefenderMeteor)) {
                strikes = 5;
            }
        }
        if (has_skill(striker, kSkillContinue) && strikes == 1 && striker.attackSpeed > 0) {
            if (log_is_full(log)) {
                return false;
            }
            if (test_entry(log, sequence, striker.attackSpeed,
                           attackerStrikes ? kCodeAttackerContinue : kCodeDefenderContinue)) {
                strikes = 2;
            }
        }
        if (has_skill(striker, kSkillBrave)) {
            strikes *= 2;
        }
        groups[g].strikes = strikes;
    }
    return true;
}

// The battle up to its end, or up to the entry that no longer fits the log.
[[gnu::flatten]] void fight(CombatantState& attacker, CombatantState& defender, ConsumptionLog& log,
                            const Sequence& sequence) {
    int attackerPrayer = 0;
    int defenderPrayer = 0;
    if (has_skill(attacker, kSkillPrayer)) {
        if (log_is_full(log)) {
            return;
        }
        attackerPrayer =
            test_entry(log, sequence, std::int64_t{3} * attacker.luck, kCodeAttackerPrayer);
    }
    if (has_skill(defender, kSkillPrayer)) {
        if (log_is_full(log)) {
            return;
        }
        defenderPrayer =
            test_entry(log, sequence, std::int64_t{3} * defender.luck, kCodeDefenderPrayer);
    }
    StrikeGroup groups[kMaxStrikeGroups];
    const int groupCount = build_strike_order(attacker, defender, groups);
    if (!count_strikes(attacker, defender, log, sequence, groups, groupCount)) {
        return;
    }
    log.strikeStarts.fill(kNoStrikeGroup);
    log.attackerHitsLanded = 0;
    log.defenderHitsLanded = 0;
    int nextSlot[2] = {0, 1};
    for (int g = 0; g < groupCount; ++g) {
        const bool attackerStrikes = is_attacker_type(groups[g].type);
        int& slot = nextSlot[attackerStrikes ? 0 : 1];
        log.strikeStarts[slot] = log.count;
        slot += 2;
        for (int s = 0; s < groups[g].strikes; ++s) {
            const StrikeOutcome outcome =
                attackerStrikes
                    ? resolve_strike(attacker, defender, defenderPrayer,
                                     static_cast<StrikeMode>(groups[g].type), log, sequence)
                    : resolve_strike(defender, attacker, attackerPrayer,
                                     static_cast<StrikeMode>(groups[g].type - kDefenderVantage),
                                     log, sequence);
            if (outcome.logFull) {
                return;
            }
            if (outcome.connected) {
                ++(attackerStrikes ? log.attackerHitsLanded : log.defenderHitsLanded);
            }
            if (outcome.battleEnds) {
                return;
            }
        }
    }
}

}  // namespace

StrikeOutcome resolve_strike(CombatantState& striker, CombatantState& target, int targetPrayer,
                             StrikeMode mode, ConsumptionLog& log, const Sequence& sequence) {
    constexpr StrikeOutcome kCutShort{false, false, true};
    constexpr StrikeOutcome kNoConnection{false, false, false};
    // The adjusted rate lives only in this strike; the record's critRate is never changed.
    const std::int64_t critRate = adjusted_crit_rate(striker, mode);
    bool moonlight = false;
    bool sunlight = false;
    if (has_skill(striker, kSkillMoonlight)) {
        if (log_is_full(log)) {
            return kCutShort;
        }
        moonlight = test_entry(log, sequence, striker.technique, kCodeMoonlight);
    }
    if (has_skill(striker, kSkillSunlight) && !has_skill(striker, kSkillCurse)) {
        if (log_is_full(log)) {
            return kCutShort;
        }
        sunlight = test_entry(log, sequence, striker.technique, kCodeSunlight);
    }
    const bool skillStrike = moonlight || sunlight;
    bool blocked = false;
    if (has_skill(target, kSkillGreatShield)) {
        if (log_is_full(log)) {
            return kCutShort;
        }
        // An ordinary strike's block test reads the value one entry before its own.
        if (!skillStrike && display_value(sequence[log.position + log.count - 1]) < target.level) {
            blocked = true;
            log.success[log.count] = 1;
        }
        log_entry(log, kCodeGreatShield);
    }
    if (log_is_full(log)) {
        return kCutShort;
    }
    const bool critical = test_entry(log, sequence, critRate, kCodeCritical);
    if (log_is_full(log)) {
        return kCutShort;
    }
    log_entry(log, kCodeUntested);
    if (!skillStrike) {
        if (blocked) {
            return kNoConnection;
        }
        if (log_is_full(log)) {
            return kCutShort;
        }
        if (!test_entry(log, sequence, striker.hitRate, kCodeHit)) {
            return kNoConnection;
        }
    }
    bool curse = false;
    if (has_skill(striker, kSkillCurse)) {
        if (log_is_full(log)) {
            return kCutShort;
        }
        curse = test_entry(log, sequence, std::int64_t{21} - striker.luck, kCodeCurse);
    }

    const std::int64_t power = std::int64_t{striker.attack} * (critical ? 2 : 1);
    const std::int64_t guard = moonlight ? 0 : target.defense;
    const std::int64_t damage = std::max<std::int64_t>(power - guard, 1);
    std::int64_t dealt = 0;
    bool battleEnds = false;
    if (damage < target.hp) {
        target.hp = static_cast<std::int32_t>(target.hp - damage);
        dealt = damage;
    } else if (targetPrayer != 1) {
        dealt = target.hp;
        target.hp = 0;
        battleEnds = true;
    }
    if (sunlight) {
        striker.hp =
            saturate(std::min<std::int64_t>(std::int64_t{striker.hp} + dealt, striker.maxHp));
    } else if (curse) {
        const std::int64_t recoil =
            std::max<std::int64_t>(std::int64_t{striker.attack} - striker.defense, 1);
        striker.hp = saturate(std::int64_t{striker.hp} - recoil);
        if (striker.hp <= 0) {
            battleEnds = true;
        }
    }
    return StrikeOutcome{true, battleEnds, false};
}

void simulate_battle(CombatantState& attacker, CombatantState& defender, ConsumptionLog& log,
                     const Sequence& sequence) {
    const std::int32_t attackerHp = attacker.hp;
    const std::int32_t defenderHp = defender.hp;
    // In quarters: one clear of all 256 bytes compiles to a string instruction whose start-up
    // costs as much as a short battle's strikes, and a search runs thousands of battles.
    for (int quarter = 0; quarter < kLogCapacity; quarter += kLogCapacity / 4) {
        std::memset(&log.success[quarter], 0, kLogCapacity / 4);
    }
    fight(attacker, defender, log, sequence);
    attacker.hpAfterBattle = attacker.hp;
    defender.hpAfterBattle = defender.hp;
    attacker.hp = attackerHp;
    defender.hp = defenderHp;
}
