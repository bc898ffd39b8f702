#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/dialog_forms.h"
#include "ui_state.h"

namespace {

StatusForm form_for(const char* allyName, int allySelection, int enemySelection) {
    StatusForm form{};
    std::strcpy(form.allyName, allyName);
    form.allySelection = allySelection;
    form.enemySelection = enemySelection;
    for (auto& figure : form.allyFigures) {
        std::strcpy(figure, "10");
    }
    for (auto& figure : form.enemyFigures) {
        std::strcpy(figure, "7");
    }
    form.allySkills[kSkillContinue] = true;
    form.enemySkills[kSkillCounter] = true;
    return form;
}

TEST(DialogForms, FigureBoxesReadThreeCharactersAndKnowTheirLists) {
    const std::pair<const char*, int> texts[] = {{"12a", 12}, {"abc", 0}, {"-5", -5},
                                                 {"9999", 999}, {"", 0},  {" 7", 7},
                                                 {"１２", 0},  {"+8x", 8}};
    for (const auto& [text, value] : texts) {
        EXPECT_EQ(read_figure(text), value) << text;
    }
    struct Position {
        int box;
        int value;
        int position;
    };
    for (const Position p : {Position{0, 0, -1}, Position{0, 1, 0}, Position{0, 20, 19},
                             Position{0, 21, -1}, Position{3, 100, 100}, Position{2, 35, -1},
                             Position{9, 80, 79}, Position{1, -1, -1}}) {
        EXPECT_EQ(figure_list_position(kFigureBoxes[p.box], p.value), p.position)
            << p.box << "/" << p.value;
    }
}

TEST(DialogForms, StatusOkStoresBothUnitsAndTheGrowthRow) {
    AppState& state = started_state();
    state.allyUnitCount = 3;
    std::strcpy(state.allyUnits[0].name, "A");
    std::strcpy(state.allyUnits[1].name, "B");
    std::strcpy(state.allyUnits[2].name, "B");
    state.allyUnits[1].followUpCritFactor = 4;
    state.growthTable[1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    state.enemyUnitCount = 1;
    std::strcpy(state.enemyUnits[0].name, "E");
    state.enemyUnits[0].followUpCritFactor = 9;
    state.eventSwitches = {0, 1, 0, 0};

    // The second "B" in the sorted list: the first row named B supplies everything.
    apply_status_form(state, form_for("B", 2, 0));
    EXPECT_STREQ(state.ally.name, "B");
    EXPECT_EQ(state.ally.followUpCritFactor, 4);
    EXPECT_EQ(state.ally.listIndex, 2);
    EXPECT_EQ(state.ally.skills[kSkillContinue], 1);
    EXPECT_EQ(state.ally.maxHp, 10);
    EXPECT_STREQ(state.enemy.name, "E");
    EXPECT_EQ(state.enemy.followUpCritFactor, 9);
    EXPECT_EQ(state.enemy.skills[kSkillCounter], 1);
    EXPECT_EQ(state.enemy.level, 7);
    EXPECT_EQ(state.growthRates, (GrowthRates{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_GT(state.lanes[0].count, 0);
    EXPECT_GT(state.lanes[1].count, 0);
}

TEST(DialogForms, StatusOkWithoutUnitsLeavesTheAllyUnset) {
    AppState& state = started_state();
    state.eventSwitches = {0, 1, 0, 0};
    apply_status_form(state, form_for("", -1, -1));
    EXPECT_FALSE(ally_is_set(state));
    EXPECT_EQ(state.enemy.name[0], '\0');
    EXPECT_EQ(state.lanes[0].count, 0);
    EXPECT_EQ(state.growthRates, GrowthRates{});
    EXPECT_EQ(state.ally.listIndex, 0);
}

TEST(DialogForms, AllyBeyondTheGrowthFileHasNoRates) {
    AppState& state = started_state();
    state.allyUnitCount = 60;
    for (int row = 0; row < 60; ++row) {
        std::snprintf(state.allyUnits[row].name, kUnitNameCapacity, "U%d", row);
        state.growthTable[row] = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    }
    for (int row = 52; row < 60; ++row) {
        state.growthTable[row] = {};
    }
    apply_status_form(state, form_for("U55", 55, -1));
    EXPECT_EQ(state.growthRates, GrowthRates{});
    state.booksHeld[0] = 1;
    EXPECT_EQ(ally_file_rates(state), StatRates{});
    EXPECT_EQ(ally_book_rates(state), (StatRates{30, 10, 0, 0, 0, 0, 0, -10, 0}));
}

TEST(DialogForms, ConditionDialogsStoreWhatTheirOkReads) {
    AppState& state = status_set_state();
    apply_search_conditions(state, {false, false, true, false}, true);
    EXPECT_EQ(state.eventSwitches, (EventSwitches{0, 0, 1, 0}));
    EXPECT_EQ(state.predictSwitch, 0);
    EXPECT_EQ(state.lanes[1].count, 9);
    apply_search_conditions(state, {true, true, false, false}, true);
    EXPECT_EQ(state.predictSwitch, 1);
    EXPECT_EQ(state.lanes[0].predictEnd, 11);

    BattleResultForm result{};
    result.allyType = 5;
    result.enemyType = -1;
    std::strcpy(result.allyN, "123");
    std::strcpy(result.enemyN, "-7");
    result.enemyUnspecified = true;
    apply_battle_result_form(state, result);
    EXPECT_EQ(state.allyCondition.type, 5);
    EXPECT_EQ(state.allyCondition.n, 123);
    EXPECT_EQ(state.allyCondition.unspecified, 0);
    EXPECT_EQ(state.enemyCondition.type, -1);
    EXPECT_EQ(state.enemyCondition.n, -7);
    EXPECT_EQ(state.enemyCondition.unspecified, 1);

    state.booksHeld[2] = 1;
    state.booksHeld[8] = 1;
    apply_level_up_form(state, {2, 0, 0, 0, 1, 0, 0, 0, 0}, ally_book_rates(state));
    EXPECT_EQ(state.growthRates, (GrowthRates{70, 50, 20, 50, 100, 30, 5, 55, 0, 30}));
    EXPECT_EQ(state.levelUpWanted[0], 2);
}

}  // namespace
