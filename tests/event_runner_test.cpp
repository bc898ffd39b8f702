#include <gtest/gtest.h>

#include <vector>

#include "sim/consumption_estimate.h"
#include "sim/event_runner.h"
#include "log_view.h"
#include "test_tables.h"
#include "worked_units.h"

namespace {

const GrowthRates kWorkedRates = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};

struct Events {
    CombatantState attacker = worked_attacker();
    CombatantState defender = worked_defender();
    ConsumptionLog log{};
};

void run(Events& r, EventSwitches switches, int predict, const GrowthRates& rates = kWorkedRates,
         int position = 1) {
    r.log.position = position;
    run_events(r.attacker, r.defender, r.log, predict, switches,
               generated_table().sequences[r.log.seedIndex], rates);
}

TEST(EventRunner, WorkedLevelUpAndReMove) {
    Events r;
    run(r, {0, 0, 1, 1}, 0);
    EXPECT_EQ(codes_of(r.log), (std::vector<int>{13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
    EXPECT_EQ(passed_of(r.log), (std::vector<int>{0, 4, 5}));
}

TEST(EventRunner, CombinesEventsInOrder) {
    struct Case {
        const char* name;
        EventSwitches switches;
        int predict;
        GrowthRates rates;
        std::vector<int> codes;
        std::vector<int> passed;
    };
    const std::vector<int> battle = {3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11};
    std::vector<int> predicted = battle;
    predicted.insert(predicted.end(), {3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11});
    std::vector<int> all = battle;
    all.insert(all.end(), {13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
    const std::vector<Case> cases = {
        {"nothing switched on", {1, 0, 0, 0}, 0, kWorkedRates, {}, {}},
        {"re-move rate 0 consumes nothing", {0, 0, 0, 1}, 0,
         {80, 50, 10, 40, 60, 30, 5, 45, 0, 0}, {}, {}},
        {"rates of 100 or more always pass, 0 never",
         {0, 0, 1, 0}, 0, {100, 250, 0, -5, 0, 0, 0, 0, 0, 0},
         {13, 14, 15, 16, 17, 18, 19, 20, 21}, {0, 1}},
        {"battle only", {0, 1, 0, 0}, 0, kWorkedRates, battle, {4, 8, 10}},
        {"predicted battle: its own entries show no pass", {0, 1, 0, 0}, 1, kWorkedRates,
         predicted, {15, 21}},
        {"battle, level-up and re-move", {0, 1, 1, 1}, 0, kWorkedRates, all,
         {4, 8, 10, 11, 12, 20}},
    };
    for (const Case& c : cases) {
        Events r;
        run(r, c.switches, c.predict, c.rates);
        EXPECT_EQ(codes_of(r.log), c.codes) << c.name;
        EXPECT_EQ(passed_of(r.log), c.passed) << c.name;
    }
}

TEST(EventRunner, PredictedBattleComesFirst) {
    Events r;
    run(r, {0, 1, 0, 0}, 1);
    EXPECT_EQ(r.log.predictStart, 0);
    EXPECT_EQ(r.log.predictEnd, 11);
    ASSERT_GT(r.log.count, 11);
    for (int i = 0; i < r.log.predictEnd; ++i) {
        EXPECT_EQ(r.log.success[i], 0) << i;
    }
    EXPECT_EQ(r.attacker.hp, 40);
    EXPECT_EQ(r.defender.hp, 40);
    // A later run without prediction leaves the two fields alone.
    r.log.predictEnd = 77;
    run(r, {0, 1, 0, 0}, 0);
    EXPECT_EQ(r.log.predictEnd, 77);
}

TEST(EventRunner, ClearsWhatALongerRunLeft) {
    Events r;
    run(r, {0, 1, 1, 1}, 1);
    const int longCount = r.log.count;
    run(r, {0, 0, 1, 0}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.log.count, 9);
    EXPECT_LT(r.log.count, longCount);
    EXPECT_TRUE(passed_of(r.log).empty());
}

TEST(EventRunner, NeverWritesPastTheLogOrReadsPastTheSequence) {
    // 1 damage per hit against huge HP: every group runs in full and wants far more than 256
    // entries, with prediction, at the last lane position.
    Events r;
    for (CombatantState* unit : {&r.attacker, &r.defender}) {
        unit->skills = {};
        unit->skills[kSkillMeteor] = 1;
        unit->skills[kSkillBrave] = 1;
        unit->skills[kSkillCharge] = 1;
        unit->skills[kSkillMoonlight] = 1;
        unit->skills[kSkillCurse] = 1;
        unit->skills[kSkillCounter] = 1;
        unit->skills[kSkillGreatShield] = 1;
        unit->technique = 100;
        unit->attack = 0;
        unit->luck = 21;
        unit->hp = 2000000000;
        unit->maxHp = 2000000000;
    }
    r.log.seedIndex = 63;
    for (const int predict : {0, 1}) {
        run(r, {1, 1, 1, 1}, predict, kWorkedRates, kLastLanePosition);
        EXPECT_EQ(r.log.count, kLogCapacity);
        for (int i = 0; i < kLogCapacity; ++i) {
            ASSERT_TRUE(r.log.codes[i] >= 0 && r.log.codes[i] <= 12) << i;
        }
        for (std::int32_t start : r.log.strikeStarts) {
            EXPECT_TRUE(start == kNoStrikeGroup || (start >= 0 && start <= kLogCapacity)) << start;
        }
        EXPECT_EQ(r.attacker.hp, 2000000000);
        EXPECT_EQ(r.defender.hp, 2000000000);
        EXPECT_LE(r.log.attackerHitsLanded + r.log.defenderHitsLanded, kLogCapacity);
    }
    EXPECT_EQ(r.log.predictEnd, kLogCapacity);
}

TEST(ConsumptionEstimate, CountsEveryPossibleStrike) {
    struct Case {
        const char* name;
        std::vector<SkillIndex> attackerSkills;
        int attackerSpeed;
        std::vector<SkillIndex> defenderSkills;
        int estimate;
    };
    const std::vector<Case> cases = {
        {"no skills, equal speed", {}, 5, {}, 6},
        {"4 points faster", {}, 9, {}, 9},
        {"3 points faster", {}, 8, {}, 6},
        {"defender 4 points faster, without 反撃", {}, 1, {}, 9},
        {"月光 against 大盾", {kSkillMoonlight}, 5, {kSkillGreatShield}, 4 + 3},
        {"no 月光 against 大盾", {}, 5, {kSkillGreatShield}, 3 + 3},
        {"太陽 with 呪い", {kSkillSunlight, kSkillCurse}, 5, {}, 4 + 3},
        {"月光 and 太陽", {kSkillMoonlight, kSkillSunlight}, 5, {}, 4 + 3},
        {"流星 and 勇者 with 突撃", {kSkillMeteor, kSkillBrave}, 5, {kSkillCharge}, 60 + 6},
        {"流星 and 勇者 with 突撃, following up", {kSkillMeteor, kSkillBrave, kSkillCharge}, 9, {},
         120 + 6},
        {"the worked units", {kSkillContinue}, 10, {kSkillCounter}, 15},
        {"the worked units with 待伏 and 大盾", {kSkillContinue}, 10,
         {kSkillCounter, kSkillVantage, kSkillGreatShield}, 15},
    };
    for (const Case& c : cases) {
        CombatantState attacker{};
        CombatantState defender{};
        attacker.attackSpeed = c.attackerSpeed;
        defender.attackSpeed = 5;
        for (SkillIndex s : c.attackerSkills) {
            attacker.skills[s] = 1;
        }
        for (SkillIndex s : c.defenderSkills) {
            defender.skills[s] = 1;
        }
        EXPECT_EQ(estimate_battle_consumption(attacker, defender), c.estimate) << c.name;
    }
}

}  // namespace
