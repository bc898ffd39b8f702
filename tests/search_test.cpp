#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "search/position_search.h"
#include "test_tables.h"
#include "worked_units.h"

namespace {

const GrowthRates kWorkedRates = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};

// The state after start-up and the status dialog, with the worked units and rates.
AppState& worked_state() {
    static AppState* state = new AppState{};
    AppState& s = *state;
    s.randomTable = generated_table();
    set_lane_defaults(s);
    set_unit_defaults(s);
    set_condition_defaults(s);
    s.allyUnitCount = 1;
    std::strcpy(s.allyUnits[0].name, "アルト");
    s.growthTable[0] = kWorkedRates;
    s.ally = worked_attacker();
    s.enemy = worked_defender();
    s.growthRates = kWorkedRates;
    return s;
}

struct SearchCase {
    std::string name;
    EventSwitches switches;
    int predict;
    BattleResultCondition enemyCondition;
    LevelUpWanted wanted;
    std::int32_t result;
    std::vector<int> first;  // the first results, in the order found
};

const BattleResultCondition kEnemyFalls = {kResultHpAtMost, 0, 0};
const BattleResultCondition kNoCondition = {kResultHpUnchanged, 0, 1};
const LevelUpWanted kHpStrSpdLuck = {1, 1, 0, 0, 1, 0, 0, 1, 0};

std::vector<int> search(const SearchCase& c, AppState& s) {
    s.eventSwitches = c.switches;
    s.predictSwitch = c.predict;
    s.enemyCondition = c.enemyCondition;
    s.levelUpWanted = c.wanted;
    const std::int32_t result = search_positions(s, 0, 1);
    EXPECT_EQ(result, c.result) << c.name;
    const int shown = std::max(0, std::min<int>(result, static_cast<int>(c.first.size())));
    return std::vector<int>(s.searchResults.begin(), s.searchResults.begin() + shown);
}

TEST(Search, WorkedExamples) {
    const std::vector<SearchCase> cases = {
        {"battle, the enemy falls", {0, 1, 0, 0}, 0, kEnemyFalls, kHpStrSpdLuck, 11,
         {1, 5, 6, 16, 19, 36, 38, 39, 44, 57, 60}},
        {"battle with prediction", {0, 1, 0, 0}, 1, kEnemyFalls, kHpStrSpdLuck, 11,
         {5, 25, 27, 28, 33, 46, 49, 52, 55, 58, 62}},
        {"re-move", {0, 0, 0, 1}, 0, kEnemyFalls, kHpStrSpdLuck, 11,
         {1, 6, 9, 13, 14, 20, 21, 24, 31, 39, 41}},
        {"level-up", {0, 0, 1, 0}, 0, kEnemyFalls, kHpStrSpdLuck, 393, {2, 4, 30, 37, 43, 74}},
        {"level-up after a battle", {0, 1, 1, 0}, 0, kEnemyFalls, kHpStrSpdLuck, 98,
         {19, 63, 83, 89, 111, 118}},
        {"level-up after any battle", {0, 1, 1, 0}, 0, kNoCondition, kHpStrSpdLuck, 397, {}},
        {"battle with no condition gives the first 11", {0, 1, 0, 0}, 0, kNoCondition,
         kHpStrSpdLuck, 11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"only 移動", {1, 0, 0, 0}, 0, kEnemyFalls, kHpStrSpdLuck, 0, {}},
        {"all marks 0", {0, 0, 1, 0}, 0, kEnemyFalls, {0, 0, 0, 0, 0, 0, 0, 0, 0}, -2, {}},
        {"+1 on a rate of 0", {0, 0, 1, 0}, 0, kEnemyFalls, {0, 0, 0, 0, 0, 0, 0, 0, 1}, -1, {}},
        {"+2 on a rate below 100", {0, 0, 1, 0}, 0, kEnemyFalls, {0, 0, 0, 0, 2, 0, 0, 0, 0},
         -1, {}},
    };
    for (const SearchCase& c : cases) {
        AppState& s = worked_state();
        EXPECT_EQ(search(c, s), c.first) << c.name;
        EXPECT_EQ(s.ally.hp, 40) << c.name;
        EXPECT_EQ(s.enemy.hp, 40) << c.name;
    }
}

TEST(Search, LevelUpAfterAnyBattleIsNotAscending) {
    AppState& s = worked_state();
    const std::vector<int> found =
        search({"", {0, 1, 1, 0}, 0, kNoCondition, kHpStrSpdLuck, 397, {}}, s);
    const std::vector<int> all(s.searchResults.begin(), s.searchResults.begin() + 397);
    EXPECT_FALSE(std::is_sorted(all.begin(), all.end()));
    for (int p : all) {
        EXPECT_TRUE(p >= 1 && p < kSearchEnd) << p;
    }
}

TEST(Search, LevelUpThresholds) {
    struct Case {
        std::string name;
        GrowthRates rates;
        LevelUpWanted wanted;
        bool reMove;
        std::int32_t result;
    };
    const std::vector<Case> cases = {
        {"+1 on 99 without re-move: no stat below 99", {99, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 0, 0, 0, 0, 0, 0}, false, -2},
        {"+1 on 99 with re-move 30", {99, 0, 0, 0, 0, 0, 0, 0, 0, 30},
         {1, 0, 0, 0, 0, 0, 0, 0, 0}, true, 0},
        {"+1 on 130 holds everywhere, so no lead", {130, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 0, 0, 0, 0, 0, 0}, false, -2},
    };
    for (const Case& c : cases) {
        AppState& s = worked_state();
        s.growthRates = c.rates;
        s.levelUpWanted = c.wanted;
        s.eventSwitches = {0, 0, 1, c.reMove ? 1 : 0};
        const std::int32_t result = search_positions(s, 0, 1);
        if (c.result < 0) {
            EXPECT_EQ(result, c.result) << c.name;
        } else {
            EXPECT_GT(result, 0) << c.name;
        }
    }
    // "+2" on a rate of 130: the stored value must be below 30.
    AppState& s = worked_state();
    s.growthRates = {130, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    s.levelUpWanted = {2, 0, 0, 0, 0, 0, 0, 0, 0};
    s.eventSwitches = {0, 0, 1, 0};
    const std::int32_t count = search_positions(s, 5, 1);
    int expected = 0;
    for (int p = 1; p < kSearchEnd; ++p) {
        expected += random_value(s.randomTable, 5, p) < 30 ? 1 : 0;
    }
    EXPECT_EQ(count, expected);
    for (int i = 0; i < count; ++i) {
        EXPECT_LT(random_value(s.randomTable, 5, s.searchResults[i]), 30);
    }
    EXPECT_EQ(search_positions(s, 5, kSearchEnd), 0);
}

TEST(Search, BattleResultConditions) {
    struct Case {
        std::string name;
        BattleResultCondition condition;
        std::int32_t hpBefore;
        std::int32_t hpAfter;
        std::int32_t maxHp;
        std::int32_t hitsReceived;
        bool met;
    };
    const std::vector<Case> cases = {
        {"unspecified", {kResultHpAtLeast, 1000, 1}, 40, 0, 60, 0, true},
        {"type outside 0..6", {7, 0, 0}, 40, 0, 60, 0, true},
        {"HP unchanged", {kResultHpUnchanged, 0, 0}, 40, 40, 60, 0, true},
        {"HP changed", {kResultHpUnchanged, 0, 0}, 40, 39, 60, 0, false},
        {"HP at least", {kResultHpAtLeast, 30, 0}, 40, 30, 60, 0, true},
        {"HP at most, negative HP", {kResultHpAtMost, 0, 0}, 40, -5, 60, 0, true},
        {"34% of 3 with 1 left", {kResultPercentAtLeast, 34, 0}, 3, 1, 3, 0, false},
        {"33% of 3 with 1 left", {kResultPercentAtLeast, 33, 0}, 3, 1, 3, 0, true},
        {"at most 34%", {kResultPercentAtMost, 34, 0}, 3, 1, 3, 0, true},
        {"at most 33%", {kResultPercentAtMost, 33, 0}, 3, 1, 3, 0, false},
        {"percentage with maxHp 0", {kResultPercentAtMost, 100, 0}, 3, 0, 0, 0, false},
        {"percentage with negative maxHp", {kResultPercentAtLeast, -100, 0}, 3, 1, -5, 0, false},
        {"64-bit products", {kResultPercentAtLeast, 2147483647, 0}, 1, 2147483647, 2147483647,
         0, false},
        {"hits at least", {kResultHitsAtLeast, 2, 0}, 40, 40, 60, 2, true},
        {"hits at most", {kResultHitsAtMost, 1, 0}, 40, 40, 60, 2, false},
    };
    for (const Case& c : cases) {
        for (const bool onAlly : {true, false}) {
            AppState& s = worked_state();
            ConsumptionLog log{};
            CombatantState& side = onAlly ? s.ally : s.enemy;
            (onAlly ? s.allyCondition : s.enemyCondition) = c.condition;
            side.hp = c.hpBefore;
            side.hpAfterBattle = c.hpAfter;
            side.maxHp = c.maxHp;
            // The ally receives the enemy's hits, and the other way round.
            (onAlly ? log.defenderHitsLanded : log.attackerHitsLanded) = c.hitsReceived;
            EXPECT_EQ(battle_result_met(s, log), c.met) << c.name << (onAlly ? " (ally)" : "");
        }
    }
}

TEST(Search, ReMoveNeedsTheAllysGrowthRow) {
    AppState& s = worked_state();
    std::strcpy(s.ally.name, "ナナシ");
    s.eventSwitches = {0, 0, 0, 1};
    EXPECT_EQ(search_positions(s, 0, 1), 0);
    s.eventSwitches = {0, 1, 0, 1};
    EXPECT_EQ(search_positions(s, 0, 1), 0);
}

}  // namespace
