#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "sim/combat.h"
#include "worked_units.h"

namespace {

using U = CombatantState;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Battle {
    U attacker;
    U defender;
    ConsumptionLog log;
};

// Runs one battle on sequence 0 from position 1 with an empty log.
Battle fight(const U& attacker, const U& defender) {
    Battle b{attacker, defender, {}};
    b.log.position = 1;
    simulate_battle(b.attacker, b.defender, b.log, generated_table().sequences[0]);
    EXPECT_TRUE(unchanged_but_hp_after(attacker, b.attacker));
    EXPECT_TRUE(unchanged_but_hp_after(defender, b.defender));
    EXPECT_LE(b.log.count, kLogCapacity);
    return b;
}

std::string join(const std::vector<int>& values) {
    std::string text;
    for (int v : values) {
        text += (text.empty() ? "" : " ") + (v == kNoStrikeGroup ? "." : std::to_string(v));
    }
    return text;
}

// The strike groups' first entries, attacker's and defender's slots alternating, "." unused.
std::string starts_of(const Battle& b) {
    return join(std::vector<int>(b.log.strikeStarts.begin(), b.log.strikeStarts.end()));
}

// "codes | entries passed | group starts | hits landed by each, HP after of each".
std::string summary(const Battle& b) {
    return join(codes_of(b.log)) + " | " + join(passed_of(b.log)) + " | " + starts_of(b) + " | " +
           join({b.log.attackerHitsLanded, b.log.defenderHitsLanded, b.attacker.hpAfterBattle,
                 b.defender.hpAfterBattle});
}

TEST(Combat, WorkedExamples) {
    EXPECT_EQ(summary(fight(worked_attacker(), worked_defender())),
              "3 3 9 10 11 9 10 11 9 10 11 | 4 8 10 | 2 5 8 . . . . . | 2 0 40 0");
    // The defender also with 待伏 and 大盾.
    const U guarded = with_skills(worked_defender(), {kSkillVantage, kSkillGreatShield});
    EXPECT_EQ(summary(fight(worked_attacker(), guarded)),
              "3 3 9 10 11 8 9 10 11 8 9 10 | 8 9 | 5 2 9 . . . . . | 1 0 40 30");
}

// No skills and equal figures, so that one skill or figure at a time can be varied.
U plain() {
    return make_unit("", 0, {}, {10, 10, 10, 90, 0, 10, 20, 10, 40, 60});
}

TEST(Combat, StrikeOrderAndStrikeCounts) {
    // Large HP so that nobody falls and every group is reached. 待伏 strikes first only
    // together with 反撃.
    const U tough = with_figures(plain(), {{&U::hp, 1000}});
    const U counter = with_skills(tough, {kSkillCounter});
    const std::vector<std::tuple<std::string, U, U, std::string>> cases = {
        {"only the defender counters", tough, counter, "0 3 . . . . . ."},
        {"no counter: no defender strike", tough, tough, "0 . . . . . . ."},
        {"A = D + 3: no follow-up", with_speed(tough, 13), counter, "0 3 . . . . . ."},
        {"A = D + 4: follow-up", with_speed(tough, 14), counter, "0 3 6 . . . . ."},
        {"D = A + 4 with 反撃", tough, with_speed(counter, 14), "0 3 . 6 . . . ."},
        {"D = A + 4 without 反撃", tough, with_speed(tough, 14), "0 . . . . . . ."},
        {"待伏 without 反撃", tough, with_skills(tough, {kSkillVantage}), "0 . . . . . . ."},
        {"突撃 repeats", with_skills(tough, {kSkillCharge}), counter, "0 3 6 9 . . . ."},
        {"勇者 doubles", with_skills(tough, {kSkillBrave}), counter, "0 6 . . . . . ."},
    };
    for (const auto& [name, attacker, defender, starts] : cases) {
        EXPECT_EQ(starts_of(fight(attacker, defender)), starts) << name;
    }
}

TEST(Combat, GroupTestsComeBeforeTheFirstStrike) {
    // Equal speed and no 反撃: one group only, whose tests lead, then three entries a strike.
    // A passed 流星 gives five strikes and leaves 連続 untested.
    const U tough = with_figures(plain(), {{&U::hp, 1000}});
    const U meteor = with_figures(with_skills(tough, {kSkillMeteor}), {{&U::technique, 100}});
    const U fast = with_speed(with_skills(tough, {kSkillContinue}), 100);
    const std::vector<std::tuple<std::string, U, std::vector<int>, int>> cases = {
        {"連続 at speed 0", with_speed(with_skills(tough, {kSkillContinue}), 0), {9}, 1},
        {"流星 then no 連続", with_skills(meteor, {kSkillContinue}), {2, 9}, 5},
        {"連続 with 勇者", with_skills(fast, {kSkillBrave}), {3, 9}, 4},
        {"流星 with 勇者", with_skills(meteor, {kSkillBrave}), {2, 9}, 10},
        {"勇者 alone", with_skills(tough, {kSkillBrave}), {9}, 2},
    };
    for (const auto& [name, attacker, leading, strikes] : cases) {
        const std::vector<int> codes =
            codes_of(fight(attacker, with_speed(tough, attacker.attackSpeed)).log);
        ASSERT_GE(codes.size(), leading.size()) << name;
        EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + leading.size()), leading) << name;
        EXPECT_EQ(codes.size() - leading.size() + 1, 3u * strikes) << name;
    }
}

// Whether the 殺 test of one strike passes on the first value whose display is d.
bool crit_passes_on(const U& striker, StrikeMode mode, int d) {
    const Sequence& sequence = generated_table().sequences[0];
    ConsumptionLog log{};
    log.position = 1;
    while (display_value(sequence[log.position]) != d) {
        ++log.position;
    }
    U s = striker;
    U target = plain();
    resolve_strike(s, target, 0, mode, log, sequence);
    EXPECT_EQ(log.codes[0], kCodeCritical);
    return log.success[0] != 0;
}

TEST(Combat, StrikeModesAdjustTheCriticalRate) {
    // factor, critRate, 怒り, mode, the rate the 殺 test must use: the opening and the answer
    // cap at 25 (100 for an answer with 怒り), the follow-up multiplies by the factor in 64 bits
    // and caps at 100.
    const std::vector<std::tuple<std::int32_t, std::int32_t, int, StrikeMode, int>> cases = {
        {1, 40, 0, kModeOpening, 25},      {1, 7, 0, kModeOpening, 7},
        {1, 0, 1, kModeOpening, 0},        {2, 10, 0, kModeFollowUp, 20},
        {3, 40, 0, kModeFollowUp, 100},    {0, 40, 0, kModeFollowUp, 0},
        {kMax, 40, 0, kModeFollowUp, 100}, {kMax, kMin, 0, kModeFollowUp, 0},
        {1, 40, 0, kModeAnswer, 25},       {1, 0, 1, kModeAnswer, 100},
    };
    for (const auto& c : cases) {
        const auto& [factor, critRate, wrath, mode, rate] = c;
        SCOPED_TRACE(testing::PrintToString(c));
        U striker =
            with_figures(plain(), {{&U::followUpCritFactor, factor}, {&U::critRate, critRate}});
        striker.skills[kSkillWrath] = wrath;
        // A rate r passes exactly the display values below r.
        EXPECT_TRUE(rate == 0 || crit_passes_on(striker, mode, rate - 1));
        EXPECT_TRUE(rate == 100 || !crit_passes_on(striker, mode, rate));
    }
}

TEST(Combat, StrikeOutcomes) {
    // 月光 ignores defence and cannot miss; with attack 0 it deals the least damage, 1. Against
    // 大盾 its shield entry is logged but not tested.
    const U hits = with_figures(plain(), {{&U::hitRate, 100}});
    const U misses = with_figures(plain(), {{&U::hitRate, 0}});
    const U moon = with_figures(with_skills(hits, {kSkillMoonlight}),
                                {{&U::technique, 100}, {&U::attack, 0}, {&U::hitRate, 0}});
    const U sun =
        with_figures(with_skills(hits, {kSkillSunlight}), {{&U::technique, 100}, {&U::hp, 55}});
    const U sunCursed = with_figures(with_skills(sun, {kSkillCurse}), {{&U::luck, -100}});
    const U cursed = with_figures(with_skills(hits, {kSkillCurse}),
                                  {{&U::luck, -100}, {&U::hp, 5}, {&U::attack, 30}});
    const U weak = with_figures(plain(), {{&U::hp, 5}});
    const U shield = with_figures(with_skills(plain(), {kSkillGreatShield}), {{&U::level, 100}});
    // target's 祈り, codes, connected, target's and striker's HP after
    using Case = std::tuple<std::string, U, U, int, std::vector<int>, bool, int, int>;
    const std::vector<Case> cases = {
        {"an ordinary hit", hits, plain(), 0, {9, 10, 11}, true, 30, 40},
        {"a miss", misses, plain(), 0, {9, 10, 11}, false, 40, 40},
        {"月光", moon, plain(), 0, {6, 9, 10}, true, 39, 40},
        {"月光 against 大盾", moon, shield, 0, {6, 8, 9, 10}, true, 39, 40},
        {"太陽 heals up to maxHp", sun, plain(), 0, {7, 9, 10}, true, 30, 60},
        {"呪い bars 太陽", sunCursed, plain(), 0, {9, 10, 11, 12}, true, 30, 45},
        {"呪い takes the striker below 0", cursed, plain(), 0, {9, 10, 11, 12}, true, 20, -15},
        {"a blow that fells the target", hits, weak, 0, {9, 10, 11}, true, 0, 40},
        {"祈り keeps the target alive", hits, weak, 1, {9, 10, 11}, true, 5, 40},
        {"大盾 blocks: no 命 entry", hits, shield, 0, {8, 9, 10}, false, 40, 40},
    };
    for (const auto& [name, strikerBefore, targetBefore, prayer, codes, connected, targetHp,
                      strikerHp] : cases) {
        U striker = strikerBefore;
        U target = targetBefore;
        ConsumptionLog log{};
        log.position = 100;
        const StrikeOutcome outcome = resolve_strike(striker, target, prayer, kModeOpening, log,
                                                     generated_table().sequences[0]);
        EXPECT_EQ(std::make_tuple(codes_of(log), outcome.connected, target.hp, striker.hp),
                  std::make_tuple(codes, connected, targetHp, strikerHp))
            << name;
        EXPECT_FALSE(outcome.logFull) << name;
        EXPECT_EQ(outcome.battleEnds, target.hp == 0 || striker.hp <= 0) << name;
    }
}

TEST(Combat, FiguresAtTheEndsOfTheirRangesGiveDefinedOutcomes) {
    // fight() checks on every battle that the log stays in bounds and the units unchanged.
    const U a = worked_attacker();
    const U d = worked_defender();
    const U hits = with_figures(a, {{&U::hitRate, 100}});
    // hitRate 0 never connects with an ordinary strike; 連続 at speed 0 consumes no 連 entry.
    Battle b = fight(with_figures(a, {{&U::hitRate, 0}}), d);
    EXPECT_EQ(b.log.attackerHitsLanded, 0);
    EXPECT_EQ(b.defender.hpAfterBattle, 40);
    EXPECT_NE(fight(with_speed(a, 0), with_speed(d, 0)).log.codes[0], kCodeAttackerContinue);
    // A defender at 0 HP falls to the first hit: 連 連 (both groups' tests first), 殺 ？ 命.
    EXPECT_EQ(summary(fight(hits, with_figures(d, {{&U::hp, 0}}))),
              "3 3 9 10 11 | 4 | 2 . . . . . . . | 1 0 40 0");
    EXPECT_EQ(fight(hits, with_figures(d, {{&U::hp, -50}, {&U::maxHp, 0}})).defender.hpAfterBattle,
              0);
    // 太陽 with maxHp 0 caps the striker at 0.
    const U sun =
        with_figures(with_skills(a, {kSkillSunlight}), {{&U::technique, 100}, {&U::maxHp, 0}});
    EXPECT_LE(fight(sun, d).attacker.hpAfterBattle, 0);
    // A follow-up factor of 2147483647 gives a rate of 100: the follow-up's 殺 passes whatever
    // the value.
    b = fight(
        with_figures(a, {{&U::followUpCritFactor, kMax}, {&U::critRate, kMax}, {&U::hitRate, 0}}),
        d);
    ASSERT_NE(b.log.strikeStarts[2], kNoStrikeGroup);
    EXPECT_EQ(b.log.success[b.log.strikeStarts[2]], 1);
    const U wall = with_figures(d, {{&U::defense, kMin}, {&U::hp, kMax}, {&U::maxHp, kMax}});
    EXPECT_EQ(fight(with_figures(hits, {{&U::attack, kMax}}), wall).defender.hpAfterBattle, 0);
    // 呪い's recoil saturates instead of wrapping.
    const U cursed = with_figures(
        with_skills(hits, {kSkillCurse}),
        {{&U::luck, kMin}, {&U::attack, kMax}, {&U::defense, kMin}, {&U::hp, kMin + 1}});
    EXPECT_EQ(fight(cursed, d).attacker.hpAfterBattle, kMin);
    // 祈り with a luck of 2147483647 always passes.
    b = fight(a, with_figures(with_skills(d, {kSkillPrayer}), {{&U::luck, kMax}}));
    EXPECT_EQ(b.log.codes[0], kCodeDefenderPrayer);
    EXPECT_EQ(b.log.success[0], 1);
}

}  // namespace
