#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "sim/combat.h"
#include "log_view.h"
#include "test_tables.h"
#include "worked_units.h"

namespace {

struct Battle {
    CombatantState attacker;
    CombatantState defender;
    ConsumptionLog log;
};

// Runs one battle on sequence seed from position with an empty log.
Battle fight(CombatantState attacker, CombatantState defender, int seed = 0, int position = 1) {
    Battle battle{attacker, defender, {}};
    battle.log.seedIndex = seed;
    battle.log.position = position;
    simulate_battle(battle.attacker, battle.defender, battle.log,
                    generated_table().sequences[seed]);
    return battle;
}

std::vector<int> starts_of(const ConsumptionLog& log) {
    return std::vector<int>(log.strikeStarts.begin(), log.strikeStarts.end());
}

TEST(Combat, WorkedExampleOne) {
    const Battle b = fight(worked_attacker(), worked_defender());
    EXPECT_EQ(codes_of(b.log), (std::vector<int>{3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11}));
    EXPECT_EQ(passed_of(b.log), (std::vector<int>{4, 8, 10}));
    EXPECT_EQ(starts_of(b.log), (std::vector<int>{2, 5, 8, 255, 255, 255, 255, 255}));
    EXPECT_EQ(b.log.attackerHitsLanded, 2);
    EXPECT_EQ(b.log.defenderHitsLanded, 0);
    EXPECT_EQ(b.attacker.hpAfterBattle, 40);
    EXPECT_EQ(b.defender.hpAfterBattle, 0);
    EXPECT_EQ(b.attacker.hp, 40);
    EXPECT_EQ(b.defender.hp, 40);
    EXPECT_EQ(b.attacker.critRate, 10);
    EXPECT_EQ(b.defender.critRate, 2);
}

TEST(Combat, WorkedExampleTwoWithVantageAndGreatShield) {
    CombatantState defender = worked_defender();
    defender.skills[kSkillVantage] = 1;
    defender.skills[kSkillGreatShield] = 1;
    const Battle b = fight(worked_attacker(), defender);
    EXPECT_EQ(codes_of(b.log), (std::vector<int>{3, 3, 9, 10, 11, 8, 9, 10, 11, 8, 9, 10}));
    EXPECT_EQ(passed_of(b.log), (std::vector<int>{8, 9}));
    EXPECT_EQ(starts_of(b.log), (std::vector<int>{5, 2, 9, 255, 255, 255, 255, 255}));
    EXPECT_EQ(b.log.attackerHitsLanded, 1);
    EXPECT_EQ(b.log.defenderHitsLanded, 0);
    EXPECT_EQ(b.attacker.hpAfterBattle, 40);
    EXPECT_EQ(b.defender.hpAfterBattle, 30);
    EXPECT_EQ(b.defender.hp, 40);
}

// A plain unit: no skills, equal figures, so that one skill or figure at a time can be varied.
CombatantState plain(int attackSpeed = 10) {
    CombatantState unit{};
    unit.level = 10;
    unit.technique = 10;
    unit.luck = 10;
    unit.hitRate = 90;
    unit.critRate = 0;
    unit.attackSpeed = attackSpeed;
    unit.attack = 20;
    unit.defense = 10;
    unit.hp = 40;
    unit.maxHp = 60;
    return unit;
}

CombatantState with(CombatantState unit, std::initializer_list<SkillIndex> skills) {
    for (SkillIndex s : skills) {
        unit.skills[s] = 1;
    }
    return unit;
}

TEST(Combat, StrikeOrderAndStrikeCounts) {
    struct Case {
        std::string name;
        CombatantState attacker;
        CombatantState defender;
        std::vector<int> starts;
    };
    // Large HP so that nobody falls and every group is reached.
    CombatantState tough = plain();
    tough.hp = 1000;
    CombatantState toughCounter = with(tough, {kSkillCounter});
    const std::vector<Case> cases = {
        {"only the defender counters, equal speed", tough, toughCounter,
         {0, 3, 255, 255, 255, 255, 255, 255}},
        {"no counter: the defender never strikes", tough, tough,
         {0, 255, 255, 255, 255, 255, 255, 255}},
        {"A = D + 3: no follow-up", plain(13), toughCounter, {0, 3, 255, 255, 255, 255, 255, 255}},
        {"A = D + 4: the attacker follows up", [&] { auto u = tough; u.attackSpeed = 14; return u; }(),
         toughCounter, {0, 3, 6, 255, 255, 255, 255, 255}},
        {"D = A + 4 with counter: the defender follows up", tough,
         [&] { auto u = toughCounter; u.attackSpeed = 14; return u; }(),
         {0, 3, 255, 6, 255, 255, 255, 255}},
        {"D = A + 4 without counter: nothing", tough,
         [&] { auto u = tough; u.attackSpeed = 14; return u; }(),
         {0, 255, 255, 255, 255, 255, 255, 255}},
        {"待伏 without 反撃 does not strike first", tough, with(tough, {kSkillVantage}),
         {0, 255, 255, 255, 255, 255, 255, 255}},
        {"突撃 repeats the exchange", with(tough, {kSkillCharge}), toughCounter,
         {0, 3, 6, 9, 255, 255, 255, 255}},
        {"勇者 doubles a group", with(tough, {kSkillBrave}), toughCounter,
         {0, 6, 255, 255, 255, 255, 255, 255}},
    };
    for (const Case& c : cases) {
        const Battle b = fight(c.attacker, c.defender);
        EXPECT_EQ(starts_of(b.log), c.starts) << c.name;
    }
}

TEST(Combat, GroupTestsComeBeforeTheFirstStrike) {
    CombatantState tough = plain();
    tough.hp = 1000;
    struct Case {
        std::string name;
        CombatantState attacker;
        std::vector<int> leadingCodes;
        int strikes;  // strikes of the attacker's only group
    };
    CombatantState noSpeed = with(tough, {kSkillContinue});
    noSpeed.attackSpeed = 0;
    CombatantState sureMeteor = with(tough, {kSkillMeteor, kSkillContinue});
    sureMeteor.technique = 100;
    CombatantState sureContinue = with(tough, {kSkillContinue, kSkillBrave});
    sureContinue.attackSpeed = 100;
    CombatantState sureMeteorBrave = with(tough, {kSkillMeteor, kSkillBrave});
    sureMeteorBrave.technique = 100;
    const std::vector<Case> cases = {
        {"連続 with speed 0 consumes nothing", noSpeed, {9}, 1},
        {"連続 is not tested after a passed 流星", sureMeteor, {2, 9}, 5},
        {"連続 with 勇者", sureContinue, {3, 9}, 4},
        {"流星 with 勇者", sureMeteorBrave, {2, 9}, 10},
        {"勇者 alone", with(tough, {kSkillBrave}), {9}, 2},
    };
    for (const Case& c : cases) {
        CombatantState defender = tough;
        defender.attackSpeed = c.attacker.attackSpeed;  // no follow-up: one group only
        const Battle b = fight(c.attacker, defender);
        const std::vector<int> codes = codes_of(b.log);
        ASSERT_GE(codes.size(), c.leadingCodes.size()) << c.name;
        EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + c.leadingCodes.size()),
                  c.leadingCodes)
            << c.name;
        EXPECT_EQ(static_cast<int>(codes.size()) - static_cast<int>(c.leadingCodes.size()) + 1,
                  3 * c.strikes)
            << c.name;
    }
}

// The critical rate of one strike, read back from whether its 殺 test passed across all 100
// display values: exactly the values below the rate pass.
int measured_crit_rate(const CombatantState& striker, StrikeMode mode) {
    int passes = 0;
    const Sequence& sequence = generated_table().sequences[0];
    for (int position = 1; position <= 4000; ++position) {
        CombatantState s = striker;
        CombatantState target = plain();
        ConsumptionLog log{};
        log.position = position;
        resolve_strike(s, target, 0, mode, log, sequence);
        EXPECT_EQ(s.critRate, striker.critRate);
        if (log.success[0] != 0) {
            ++passes;
        }
    }
    return passes;
}

TEST(Combat, StrikeModesAdjustTheCriticalRate) {
    struct Case {
        std::string name;
        std::int32_t factor;
        std::int32_t critRate;
        bool wrath;
        StrikeMode mode;
        int rate;
    };
    const std::vector<Case> cases = {
        {"mode 0 caps at 25", 1, 40, false, kModeOpening, 25},
        {"mode 1 multiplies, cap 100", 3, 40, false, kModeFollowUp, 100},
        {"mode 1 with factor 0", 0, 40, false, kModeFollowUp, 0},
        {"mode 1 with factor 2", 2, 10, false, kModeFollowUp, 20},
        {"mode 1 with a huge factor", 2147483647, 40, false, kModeFollowUp, 100},
        {"mode 1 with a huge negative product", 2147483647, -2147483647 - 1, false,
         kModeFollowUp, 0},
        {"mode 2 caps at 25", 1, 40, false, kModeAnswer, 25},
        {"mode 2 with 怒り", 1, 0, true, kModeAnswer, 100},
        {"mode 0 with 怒り", 1, 0, true, kModeOpening, 0},
    };
    // Measured over 4000 values, a rate r shows as about r percent passes.
    for (const Case& c : cases) {
        CombatantState striker = plain();
        striker.followUpCritFactor = c.factor;
        striker.critRate = c.critRate;
        striker.skills[kSkillWrath] = c.wrath ? 1 : 0;
        const int passes = measured_crit_rate(striker, c.mode);
        EXPECT_NEAR(passes / 40.0, c.rate, 3.0) << c.name;
        if (c.rate == 0 || c.rate == 100) {
            EXPECT_EQ(passes, c.rate * 40) << c.name;
        }
    }
}

TEST(Combat, StrikeOutcomes) {
    struct Case {
        std::string name;
        CombatantState striker;
        CombatantState target;
        int targetPrayer;
        std::vector<int> codes;
        bool connected;
        std::int32_t targetHp;
        std::int32_t strikerHp;
    };
    CombatantState sureHit = plain();
    sureHit.hitRate = 100;
    CombatantState neverHit = plain();
    neverHit.hitRate = 0;
    CombatantState moon = with(sureHit, {kSkillMoonlight});
    moon.technique = 100;
    moon.attack = 0;
    moon.hitRate = 0;
    CombatantState sun = with(sureHit, {kSkillSunlight});
    sun.technique = 100;
    sun.hp = 55;
    CombatantState sunCursed = with(sun, {kSkillCurse});
    sunCursed.luck = -100;
    CombatantState cursed = with(sureHit, {kSkillCurse});
    cursed.luck = -100;
    cursed.hp = 5;
    cursed.attack = 30;
    CombatantState weak = plain();
    weak.hp = 5;
    CombatantState shield = with(plain(), {kSkillGreatShield});
    shield.level = 100;
    const std::vector<Case> cases = {
        {"an ordinary hit", sureHit, plain(), 0, {9, 10, 11}, true, 30, 40},
        {"a miss", neverHit, plain(), 0, {9, 10, 11}, false, 40, 40},
        {"月光 ignores defence, cannot miss, at least 1 damage", moon, plain(), 0,
         {6, 9, 10}, true, 39, 40},
        {"月光 against 大盾: the shield entry is not tested", moon, shield, 0, {6, 8, 9, 10},
         true, 39, 40},
        {"太陽 heals up to maxHp", sun, plain(), 0, {7, 9, 10}, true, 30, 60},
        {"呪い bars 太陽", sunCursed, plain(), 0, {9, 10, 11, 12}, true, 30, 45},
        {"呪い can take the striker below 0", cursed, plain(), 0, {9, 10, 11, 12}, true, 20, -15},
        {"a blow that fells the target", sureHit, weak, 0, {9, 10, 11}, true, 0, 40},
        {"祈り keeps the target alive", sureHit, weak, 1, {9, 10, 11}, true, 5, 40},
        {"大盾 blocks: no 命 entry", sureHit, shield, 0, {8, 9, 10}, false, 40, 40},
    };
    for (const Case& c : cases) {
        CombatantState striker = c.striker;
        CombatantState target = c.target;
        ConsumptionLog log{};
        log.position = 100;
        const StrikeOutcome outcome = resolve_strike(striker, target, c.targetPrayer,
                                                     kModeOpening, log,
                                                     generated_table().sequences[0]);
        EXPECT_EQ(codes_of(log), c.codes) << c.name;
        EXPECT_EQ(outcome.connected, c.connected) << c.name;
        EXPECT_FALSE(outcome.logFull) << c.name;
        EXPECT_EQ(target.hp, c.targetHp) << c.name;
        EXPECT_EQ(striker.hp, c.strikerHp) << c.name;
        EXPECT_EQ(outcome.battleEnds, target.hp == 0 || striker.hp <= 0) << c.name;
    }
}

}  // namespace

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

TEST(Combat, FiguresAtTheEndsOfTheirRangesGiveDefinedOutcomes) {
    struct Case {
        std::string name;
        std::function<void(CombatantState&, CombatantState&)> setup;
        std::function<void(const Battle&)> check;
    };
    const std::vector<Case> cases = {
        {"hitRate 0 never connects with an ordinary strike",
         [](CombatantState& a, CombatantState&) { a.hitRate = 0; },
         [](const Battle& b) {
             EXPECT_EQ(b.log.attackerHitsLanded, 0);
             EXPECT_EQ(b.defender.hpAfterBattle, 40);
         }},
        {"attackSpeed 0 with 連続 consumes no 連 entry",
         [](CombatantState& a, CombatantState& d) {
             a.attackSpeed = 0;
             d.attackSpeed = 0;
         },
         [](const Battle& b) { EXPECT_NE(b.log.codes[0], kCodeAttackerContinue); }},
        {"a defender at 0 HP falls to the first hit",
         [](CombatantState& a, CombatantState& d) {
             a.hitRate = 100;
             d.hp = 0;
         },
         [](const Battle& b) {
             EXPECT_EQ(b.log.count, 5);  // 連 連 (both groups first), 殺 ？ 命
             EXPECT_EQ(b.defender.hpAfterBattle, 0);
             EXPECT_EQ(b.defender.hp, 0);
         }},
        {"negative HP is taken as it is",
         [](CombatantState& a, CombatantState& d) {
             a.hitRate = 100;
             d.hp = -50;
             d.maxHp = 0;
         },
         [](const Battle& b) {
             EXPECT_EQ(b.defender.hpAfterBattle, 0);
             EXPECT_EQ(b.defender.hp, -50);
         }},
        {"太陽 with maxHp 0 caps the striker at 0",
         [](CombatantState& a, CombatantState&) {
             a.skills[kSkillSunlight] = 1;
             a.technique = 100;
             a.maxHp = 0;
         },
         [](const Battle& b) { EXPECT_LE(b.attacker.hpAfterBattle, 0); }},
        {"a follow-up factor of 2147483647 gives a critical rate of 100",
         [](CombatantState& a, CombatantState&) {
             a.followUpCritFactor = kInt32Max;
             a.critRate = kInt32Max;
             a.hitRate = 0;
         },
         [](const Battle& b) {
             // The follow-up group's 殺 entry passes whatever the value.
             ASSERT_NE(b.log.strikeStarts[2], kNoStrikeGroup);
             EXPECT_EQ(b.log.success[b.log.strikeStarts[2]], 1);
         }},
        {"32-bit extremes of attack and defence",
         [](CombatantState& a, CombatantState& d) {
             a.attack = kInt32Max;
             d.defense = kInt32Min;
             a.hitRate = 100;
             d.hp = kInt32Max;
             d.maxHp = kInt32Max;
         },
         [](const Battle& b) {
             EXPECT_EQ(b.defender.hpAfterBattle, 0);
             EXPECT_EQ(b.defender.hp, kInt32Max);
         }},
        {"呪い recoil saturates instead of wrapping",
         [](CombatantState& a, CombatantState&) {
             a.skills[kSkillCurse] = 1;
             a.luck = kInt32Min;
             a.attack = kInt32Max;
             a.defense = kInt32Min;
             a.hitRate = 100;
             a.hp = kInt32Min + 1;
         },
         [](const Battle& b) { EXPECT_EQ(b.attacker.hpAfterBattle, kInt32Min); }},
        {"祈り with a luck of 2147483647 always passes",
         [](CombatantState&, CombatantState& d) {
             d.skills[kSkillPrayer] = 1;
             d.luck = kInt32Max;
         },
         [](const Battle& b) {
             EXPECT_EQ(b.log.codes[0], kCodeDefenderPrayer);
             EXPECT_EQ(b.log.success[0], 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CombatantState attacker = worked_attacker();
        CombatantState defender = worked_defender();
        c.setup(attacker, defender);
        const CombatantState attackerBefore = attacker;
        const CombatantState defenderBefore = defender;
        Battle b = fight(attacker, defender);
        c.check(b);
        EXPECT_LE(b.log.count, kLogCapacity);
        EXPECT_EQ(b.attacker.hp, attackerBefore.hp);
        EXPECT_EQ(b.defender.hp, defenderBefore.hp);
        EXPECT_EQ(b.attacker.critRate, attackerBefore.critRate);
        EXPECT_EQ(b.defender.critRate, defenderBefore.critRate);
    }
}

}  // namespace
