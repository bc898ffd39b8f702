#include <cstdint>

#include "sim/combat.h"
#include "worked_units.h"

namespace {

using U = CombatantState;

struct Battle {
    U attacker, defender;
    ConsumptionLog log;
};

// One battle on sequence 0 from position 1, or another; the units keep all but hpAfterBattle.
Battle fight(const U& attacker, const U& defender, int position = 1) {
    Battle b{attacker, defender, {}};
    b.log.position = position;
    simulate_battle(b.attacker, b.defender, b.log, generated_table().sequences[0]);
    EXPECT_TRUE(unchanged_but_hp_after(attacker, b.attacker));
    EXPECT_TRUE(unchanged_but_hp_after(defender, b.defender));
    return b;
}

std::string join(const std::vector<int>& values) {
    std::string text;
    for (int v : values) {
        text += text.empty() ? "" : " ";
        text += v == kNoStrikeGroup ? "." : std::to_string(v);
    }
    return text;
}

// "codes | entries passed | strike groups' first entries, attacker's and defender's slots
// alternating, "." unused | hits landed by each, HP after of each".
std::string summary(const Battle& b) {
    const std::vector<int> starts(b.log.strikeStarts.begin(), b.log.strikeStarts.end());
    return join(codes_of(b.log)) + " | " + join(passed_of(b.log)) + " | " + join(starts) + " | " +
           join({b.log.attackerHitsLanded, b.log.defenderHitsLanded, b.attacker.hpAfterBattle,
                 b.defender.hpAfterBattle});
}

constexpr std::int32_t U::*kHp = &U::hp, U::*kLuck = &U::luck, U::*kSpeed = &U::attackSpeed,
                       U::*kCrit = &U::critRate, U::*kAttack = &U::attack,
                       U::*kTech = &U::technique, U::*kHit = &U::hitRate;

TEST(Combat, BattlesAndTheirStrikes) {
    const U a = worked_attacker();
    const U d = worked_defender();
    const U plain = make_unit("", 0, {}, {10, 10, 10, 90, 0, 10, 20, 10, 40, 60});
    const U hits = with(a, {}, {{kHit, 100}});
    // Slow exchanges of 1-damage strikes, where only each strike type's critical rate tells.
    const U slow = with(plain, {}, {{kAttack, 1}, {kHp, 200}, {&U::maxHp, 200}});
    const U counter = with(slow, {kSkillCounter});
    const U fastCrit = with(slow, {}, {{&U::followUpCritFactor, 3}, {kSpeed, 14}});
    const U sun = with(a, {kSkillSunlight}, {{kTech, 100}, {kHp, 30}, {kSpeed, 5}});
    const U noCounter = make_unit("", 1, {}, {10, 5, 5, 40, 2, 5, 20, 10, 40, 60});
    const U strong = with(d, {}, {{kHit, 100}, {kAttack, 50}});
    const U hard = with(a, {}, {{kHit, 100}, {kAttack, 60}});
    // clang-format off
    const std::vector<std::tuple<std::string, U, U, std::string>> cases = {
        {"worked example 1", a, d, "3 3 9 10 11 9 10 11 9 10 11 | 4 8 10 | 2 5 8 . . . . . | 2 0 40 0"},
        {"worked example 2", a, with(d, {kSkillVantage, kSkillGreatShield}),
         "3 3 9 10 11 8 9 10 11 8 9 10 | 8 9 | 5 2 9 . . . . . | 1 0 40 30"},
        // The defender's answer takes the factor (3 x 16), its follow-up 怒り (100).
        {"defender's strike modes", with(slow, {}, {{&U::followUpCritFactor, 3}, {kCrit, 16}}),
         with(fastCrit, {kSkillCounter, kSkillWrath}, {{kCrit, 16}}),
         "9 10 11 9 10 11 9 10 11 | 0 2 3 5 6 8 | 0 3 . 6 . . . . | 1 2 198 199"},
        // The attacker's follow-up takes the factor: 89 passes against 3 x 30, not against 25.
        {"attacker's follow-up", with(fastCrit, {}, {{kCrit, 30}}), counter,
         "9 10 11 9 10 11 9 10 11 | 0 2 5 6 8 | 0 3 6 . . . . . | 2 1 199 198"},
        // After a 待伏 opening the attacker answers with 怒り: 100.
        {"attacker's answer with 怒り", with(fastCrit, {kSkillWrath}, {{&U::followUpCritFactor, 2},
         {kCrit, 1}}), with(counter, {kSkillVantage}),
         "9 10 11 9 10 11 9 10 11 | 2 3 5 8 | 3 0 6 . . . . . | 2 1 199 198"},
        // Without 反撃 the defender never strikes, however fast, and 待伏 alone opens nothing.
        {"a faster defender without 反撃", plain, with(noCounter, {}, {{kSpeed, 20}}),
         "9 10 11 | 2 | 0 . . . . . . . | 1 0 40 30"},
        {"a faster defender with 反撃", plain, with(d, {}, {{kSpeed, 20}}),
         "9 10 11 9 10 11 9 10 11 | 2 5 8 | 0 3 . 6 . . . . | 1 2 20 30"},
        {"待伏 without 反撃", plain, with(noCounter, {kSkillVantage}, {{kSpeed, 10}}),
         "9 10 11 | 2 | 0 . . . . . . . | 1 0 40 30"},
        // A 待伏 opening's critical rate stops at 25 like the attacker's opening, 怒り or not.
        {"a 待伏 opening with 怒り", plain, with(d, {kSkillVantage, kSkillWrath}, {{kSpeed, 10}}),
         "9 10 11 9 10 11 | 5 | 3 0 . . . . . . | 1 0 40 30"},
        // 祈り's rate is 3 x luck: 12, the first value, passes against 15 and fails against 12.
        {"祈り keeps the attacker alive", with(a, {kSkillPrayer}, {{kLuck, 5}, {kHp, 10}}), strong,
         "0 3 3 9 10 11 9 10 11 9 10 11 | 0 5 8 11 | 3 6 9 . . . . . | 2 1 10 20"},
        {"祈り failed: the attacker falls", with(a, {kSkillPrayer}, {{kLuck, 4}, {kHp, 10}}), strong,
         "0 3 3 9 10 11 9 10 11 | 5 8 | 3 6 . . . . . . | 1 1 0 30"},
        {"祈り keeps the defender alive", hard, with(d, {kSkillPrayer}, {{kLuck, 5}, {kHp, 5}}),
         "1 3 3 9 10 11 9 10 11 9 10 11 | 0 5 8 11 | 3 6 9 . . . . . | 2 1 30 5"},
        {"祈り failed: the defender falls", hard, with(d, {kSkillPrayer}, {{kLuck, 4}, {kHp, 5}}),
         "1 3 3 9 10 11 | 5 | 3 . . . . . . . | 1 0 40 0"},
        // A group whose 流星 passed tests no 連続; the next group's 流星 fails, and 連続 is tested.
        {"流星 then 連続", with(a, {kSkillMeteor}, {{kTech, 13}}), d,
         "2 2 3 9 10 11 9 10 11 9 10 11 9 10 11 | 0 5 8 11 14 | 3 . . . . . . . | 4 0 40 0"},
        {"突撃 on the defender", a, with(d, {kSkillCharge}, {{kHp, 200}}),
         "3 3 3 3 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 | 6 9 12 15 21 | "
         "4 7 10 16 13 . 19 . | 4 1 30 160"},
        {"the defender's 流星", a, with(d, {kSkillMeteor}, {{kTech, 100}, {kHp, 200}}),
         "3 4 3 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 | 1 5 8 20 23 | "
         "3 6 21 . . . . . | 2 2 20 180"},
        {"the defender's 連続", a, with(d, {kSkillContinue}, {{kSpeed, 100}}),
         "3 5 5 9 10 11 9 10 11 9 10 11 9 10 11 9 10 11 | 1 2 5 8 | 3 6 . 12 . . . . | 1 1 30 30"},
        // 太陽 heals what the killing blow took (7), and nothing where 祈り kept the target.
        {"太陽 on a killing blow", sun, with(d, {}, {{kHp, 7}}), "3 7 9 10 | 1 | 1 . . . . . . . | 1 0 37 0"},
        {"太陽 against 祈り", sun, with(d, {kSkillPrayer}, {{kHp, 7}, {kLuck, 40}}),
         "1 3 7 9 10 9 10 11 | 0 2 | 2 5 . . . . . . | 1 0 30 7"},
        // Figures at the ends of their ranges: no overflow, and defined outcomes.
        {"連続 at speed 0 is not tested", with(a, {}, {{kSpeed, 0}}), with(d, {}, {{kSpeed, 0}}),
         "9 10 11 9 10 11 | 2 5 | 0 3 . . . . . . | 1 1 30 30"},
        {"huge attack against huge HP", with(hits, {}, {{kAttack, INT32_MAX}}),
         with(d, {}, {{&U::defense, INT32_MIN}, {kHp, INT32_MAX}, {&U::maxHp, INT32_MAX}}),
         "3 3 9 10 11 | 4 | 2 . . . . . . . | 1 0 40 0"},
        {"呪い's recoil saturates", with(hits, {kSkillCurse}, {{kLuck, INT32_MIN}, {kAttack, INT32_MAX},
         {&U::defense, INT32_MIN}, {kHp, INT32_MIN + 1}}), d,
         "3 3 9 10 11 12 | 4 5 | 2 . . . . . . . | 1 0 -2147483648 0"},
        {"祈り with a huge luck", a, with(d, {kSkillPrayer}, {{kLuck, INT32_MAX}}),
         "1 3 3 9 10 11 9 10 11 9 10 11 | 0 5 8 11 | 3 6 9 . . . . . | 2 1 30 20"}};
    // clang-format on
    for (const auto& [name, attacker, defender, expected] : cases) {
        EXPECT_EQ(summary(fight(attacker, defender)), expected) << name;
    }
    // From position 41 the opening's critical test meets 25 and fails: a rate of 30 stops at 25.
    EXPECT_EQ(summary(fight(with(plain, {}, {{kCrit, 30}}), noCounter, 41)),
              "9 10 11 9 10 11 | 2 5 | 0 . 3 . . . . . | 2 0 40 20");
    // 月光 ignores defence and cannot miss: attack 5 against defence 10 deals 5. Against 大盾 its
    // shield entry is logged but not tested.
    const U sure = with(plain, {}, {{kHit, 100}});
    const U moon = with(sure, {kSkillMoonlight}, {{kTech, 100}, {kAttack, 5}, {kHit, 0}});
    const U healer = with(sure, {kSkillSunlight}, {{kTech, 100}, {kHp, 55}});
    const U sunCursed = with(healer, {kSkillCurse}, {{kLuck, -100}});
    const U cursed = with(sure, {kSkillCurse}, {{kLuck, -100}, {kHp, 5}, {kAttack, 30}});
    // The block test reads the value before its entry, 73: a level of 74 blocks, 73 does not.
    const U shield = with(plain, {kSkillGreatShield}, {{&U::level, 74}});
    const U shieldAtBound = with(shield, {}, {{&U::level, 73}});
    // codes, connected, target's and striker's HP after
    using Strike = std::tuple<std::string, U, U, std::vector<int>, bool, int, int>;
    const std::vector<Strike> strikes = {
        {"月光 against 大盾", moon, shield, {6, 8, 9, 10}, true, 35, 40},
        {"太陽 heals up to maxHp", healer, plain, {7, 9, 10}, true, 30, 60},
        {"呪い bars 太陽", sunCursed, plain, {9, 10, 11, 12}, true, 30, 45},
        {"呪い takes the striker below 0", cursed, plain, {9, 10, 11, 12}, true, 20, -15},
        {"大盾 blocks: no 命 entry", sure, shield, {8, 9, 10}, false, 40, 40},
        {"大盾 at the value itself: no block", sure, shieldAtBound, {8, 9, 10, 11}, true, 30, 40}};
    for (const auto& [name, strikerBefore, targetBefore, codes, connected, targetHp, strikerHp] :
         strikes) {
        auto [striker, target] = std::pair(strikerBefore, targetBefore);
        ConsumptionLog log{};
        log.position = 100;
        const StrikeOutcome outcome =
            resolve_strike(striker, target, 0, kModeOpening, log, generated_table().sequences[0]);
        EXPECT_EQ(std::make_tuple(codes_of(log), outcome.connected, target.hp, striker.hp),
                  std::make_tuple(codes, connected, targetHp, strikerHp))
            << name;
        EXPECT_EQ(outcome.battleEnds, target.hp == 0 || striker.hp <= 0) << name;
    }
}

}  // namespace
