#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "view/dialog_forms.h"
#include "view/key_commands.h"
#include "view/main_commands.h"
#include "view/plan_steps.h"
#include "view/resource.h"
#include "view/result_table.h"
#include "view/session.h"
#include "view/window_layout.h"
#include "window_states.h"

namespace {

const char* const kMarks = "×××○○×××○×○×○○×○×○○×";    // they leave sequences 0, 16 and 51
const char* const kSlipped = "×××○○×○×○×○×○○×○×○○×";  // the seventh mark wrong: three near

TEST(MainCommands, LaneButtonsStopAtTheirLimitsAndJumpTakesAWholePositionOnly) {
    // command, its lane, seed and position before, redraw, seed and position after
    const std::vector<std::tuple<int, int, int, int, bool, int, int>> cases = {
        // clang-format off
        {IDC_LANE0_FORWARD, 0, 0, 4973, false, 0, 4973}, {IDC_LANE0_BACK, 0, 0, 1, false, 0, 1},
        {IDC_LANE0_BACK, 0, 5, 9, true, 5, 8}, {IDC_LANE0_SEED_UP, 0, 3, 7, true, 4, 7},
        {IDC_LANE0_SEED_UP, 0, 63, 7, false, 63, 7}, {IDC_LANE0_SEED_DOWN, 0, 0, 7, false, 0, 7},
        {IDC_LANE1_FORWARD, 1, 0, 4972, true, 0, 4973}, {IDC_LANE1_BACK, 1, 0, 1, false, 0, 1},
        {IDC_LANE1_SEED_DOWN, 1, 1, 1, true, 0, 1}, {IDC_LANE1_SEED_UP, 1, 63, 1, false, 63, 1},
        {3999, 0, 0, 1, false, 0, 1}, {4008, 1, 0, 1, false, 0, 1}};
    // clang-format on
    for (const auto& [command, lane, seed, position, redraw, seedAfter, positionAfter] : cases) {
        WindowState state = status_set_state();
        state.session.action.eventSwitches = {0, 1, 0, 0};
        state.session.lanes[lane] = {seed, position};
        const LaneRun other = state.shown.lanes[1 - lane];
        const bool moved = move_lane(state, command);
        EXPECT_EQ(std::make_tuple(moved, state.session.lanes[lane],
                                  state.shown.lanes[lane].log.count > 0),
                  std::make_tuple(redraw, LaneCursor{seedAfter, positionAfter}, redraw))
            << command;
        EXPECT_EQ(std::memcmp(&state.shown.lanes[1 - lane], &other, sizeof other), 0) << command;
    }
    // 移動 moves the lane to its box's position; a position out of range moves nothing.
    WindowState state = status_set_state();
    state.session.lanes[1] = LaneCursor{9, 77};
    const bool jumped = jump_lane(state, 1, " １２ ");
    const bool put = put_lane_at(state, 0, 0) || put_lane_at(state, 0, 4974);
    EXPECT_EQ(std::make_tuple(jumped, put, state.session.lanes[1], state.session.lanes[0].position),
              std::make_tuple(true, false, LaneCursor{9, 12}, 1));
}

TEST(MainCommands, SearchAndTheConditionDialogsNeedAnAlly) {
    // ally set, switches, why it does not search, the result count (7: left as it was): the
    // window searches the whole range, where the command line stops at 11; 移動 alone uses no value
    const std::string noAlly = "ステータスで味方を決めてから検索してください";
    const std::string noEvent = "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください";
    // clang-format off
    const std::vector<std::tuple<bool, EventSwitches, std::string, int>> cases = {
        {false, {0, 1, 0, 0}, noAlly, 7}, {true, {0, 0, 0, 0}, noEvent, 7},
        {true, {1, 0, 0, 0}, noEvent, 7}, {true, {0, 0, 0, 1}, "", 1201}};
    // clang-format on
    for (const auto& [allySet, switches, refusal, count] : cases) {
        WindowState state = allySet ? status_set_state() : started_state();
        std::tie(state.session.action.eventSwitches, state.search.resultCount,
                 state.session.lanes[0].position) = std::tuple(switches, 7, 6);
        const char* why = search_refusal(state.session);
        const bool done = search_from_lane_zero(state);
        EXPECT_EQ(
            std::make_tuple(std::string(why != nullptr ? why : ""), done, state.search.resultCount,
                            state.search.results.empty() ? 0 : state.search.results[0]),
            std::make_tuple(refusal, refusal.empty(), count,
                            count == 1201 ? 6 : 0));  // from lane 0's
    }
    // The level-up and battle-result dialogs need an ally too.
    EXPECT_EQ(std::make_tuple(dialog_for_menu(started_state(), IDM_LEVEL_UP),
                              dialog_for_menu(started_state(), IDM_SEARCH_CONDITIONS),
                              dialog_for_menu(status_set_state(), IDM_BATTLE_RESULT),
                              dialog_for_menu(status_set_state(), IDM_MOVE_ROUTE)),
              std::make_tuple(MainDialog::kNone, MainDialog::kSearchConditions,
                              MainDialog::kBattleResult, MainDialog::kNone));
}

TEST(MainCommands, TimerFollowsThePatternAndClicksAndKeysPickACandidate) {
    WindowState state = status_set_state();
    EXPECT_TRUE(refresh_seed_candidates(state, kMarks));
    EXPECT_FALSE(refresh_seed_candidates(state, kMarks));
    // lane, x, y, the seed picked (-1: none): on each number and just off it, its corners and the
    // rest of its cell, the fourth cell, which has none
    const NumberRow& row = kCandidateRow;
    const int top = row.top, bottom = row.top + row.height, left = row.left;
    const int right = number_left(row, 0) + row.numberWidth - 1, middle = top + row.height / 2;
    // clang-format off
    const std::vector<std::tuple<int, int, int, int>> clicks = {
        {0, number_left(row, 1), top, 16}, {1, number_left(row, 1), bottom, 16},
        {0, right, middle, 0}, {0, right + 1, middle, -1}, {0, left - 1, middle, -1},
        {0, left, top - 1, -1}, {0, left, bottom + 1, -1}, {0, number_left(row, 2), middle, 51},
        {0, number_left(row, 3), middle, -1}};
    // clang-format on
    for (const auto& [lane, x, y, seed] : clicks) {
        state.session.lanes[lane] = {40, 99};
        const bool moved = click_candidate(state, lane, x, y);
        EXPECT_EQ(std::make_pair(moved, state.session.lanes[lane]),
                  std::make_pair(seed >= 0, seed >= 0 ? LaneCursor{seed, 21} : LaneCursor{40, 99}))
            << x << "," << y;
    }
    // Ctrl and a number pick an entry of the candidates' line, where only its own bounds hold:
    // the command, the lane, the seed picked (-1: none).
    for (const auto& [command, lane, seed] : {std::tuple{IDM_LANE0_ENTRY + 2, 0, 51},
                                              {IDM_LANE1_ENTRY + 1, 1, 16},
                                              {IDM_LANE0_ENTRY + 3, 0, -1},
                                              {IDM_LANE0_ENTRY - 1, 0, -1},
                                              {IDM_LANE1_ENTRY + 9, 1, -1}}) {
        state.session.lanes[lane] = {40, 99};
        const bool moved = put_lane_on_entry(state, command);
        EXPECT_EQ(std::make_pair(moved, state.session.lanes[lane]),
                  std::make_pair(seed >= 0, seed >= 0 ? LaneCursor{seed, 21} : LaneCursor{40, 99}))
            << command;
    }
    // One mark typed wrong: no candidate, but three near sequences, clicked like candidates on
    // the line below, whose lane is put right behind the marks they stand for; a key past them
    // picks none.
    EXPECT_TRUE(refresh_seed_candidates(state, kSlipped));
    EXPECT_FALSE(put_lane_on_entry(state, IDM_LANE1_ENTRY + 3));
    EXPECT_FALSE(click_candidate(state, 1, number_left(kNearRow, 3), kNearRow.top + 5));
    EXPECT_TRUE(click_candidate(state, 1, kNearRow.left, kNearRow.top));
    EXPECT_EQ(state.session.lanes[1], (LaneCursor{0, 21}));
    EXPECT_TRUE(refresh_seed_candidates(state, ""));
    EXPECT_FALSE(click_candidate(state, 0, left, middle));
    // Ten or more candidates show as "10個以上" and cannot be clicked.
    state.shown.marks.candidateCount = 10;
    EXPECT_FALSE(click_candidate(state, 0, left, middle));
    // The keys are named as the menu shows them: Alt with an arrow, and Enter here; the menu's
    // texts, every key's command and the keys an edit box keeps are met under Wine.
    EXPECT_EQ(key_name({kKeyLeft, kKeyAlt, 0, false}) + key_name({kKeyEnter, kKeyCtrl, 0, false}),
              "Alt+←Ctrl+Enter");
}

TEST(DialogForms, EachOkStoresWhatItReads) {
    StatusForm form{};
    form.allyFigures.fill("10");
    form.enemyFigures.fill("7");
    form.allySkills[kSkillWrath] = form.allySkills[kSkillContinue] = true;
    form.enemySkills[kSkillWrath] = form.enemySkills[kSkillCounter] = true;
    const auto form_for = [&form](const char* allyName, int allySelection, int enemySelection) {
        std::tie(form.allyName, form.allySelection, form.enemySelection) =
            std::tuple(allyName, allySelection, enemySelection);
        return form;
    };
    const auto tables = tables_of("3,1\nA,1\nB,4\nB,1\nE,9\n");
    tables->growthTable[1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    tables->growthTable[0] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    tables->allyUnitCount = 60;
    std::strcpy(tables->allyUnits[55].name, "U55");
    WindowState state = fresh_window_state(*tables);
    state.session.action.eventSwitches = {0, 1, 0, 0};
    // The second "B" in the sorted list: the first row named B supplies everything; the roster
    // keeps the ally.
    apply_status_form(state, form_for("B", 2, 0));
    CombatantState ally =
        make_unit("B", 4, {kSkillWrath, kSkillContinue}, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    EXPECT_TRUE(unchanged_but_hp_after(ally, state.session.action.ally));
    EXPECT_TRUE(unchanged_but_hp_after(
        make_unit("E", 9, {kSkillWrath, kSkillCounter}, {7, 7, 7, 7, 7, 7, 7, 7, 7, 7}),
        state.session.action.enemy));
    EXPECT_EQ(state.session.action.growthRates, (GrowthRates{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(std::make_tuple(state.shown.lanes[0].log.count, state.shown.lanes[1].log.count,
                              state.roster.count("B")),
              std::make_tuple(7, 7, 1u));
    // An ally without a growth row (row 52 on) has no rates, books or not.
    apply_status_form(state, form_for("U55", 55, -1));
    state.session.action.booksHeld[0] = 1;
    EXPECT_EQ(
        std::make_tuple(state.session.action.growthRates, ally_file_rates(state),
                        ally_book_rates(state)),
        std::make_tuple(GrowthRates{}, StatRates{}, StatRates{30, 10, 0, 0, 0, 0, 0, -10, 0}));
    // An ally whose name is in no row keeps its name, factor and rates.
    state.session.action.growthRates = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    std::strcpy(state.session.action.ally.name, "Z");
    state.session.action.ally.followUpCritFactor = 8;
    apply_status_form(state, form_for("", -1, -1));
    EXPECT_EQ(std::make_tuple(std::string(state.session.action.ally.name),
                              state.session.action.ally.followUpCritFactor,
                              state.session.action.growthRates[9], state.session.action.ally.level),
              std::make_tuple(std::string("Z"), 8, 5, 10));
    // The condition dialogs: prediction only with a battle; the lanes run again.
    state = status_set_state();
    apply_search_conditions(state, {{false, false, true, false}, true});
    EXPECT_EQ(std::make_tuple(state.session.action.eventSwitches,
                              state.session.action.predictSwitch, state.shown.lanes[1].log.count),
              std::make_tuple(EventSwitches{0, 0, 1, 0}, 0, 9));
    apply_search_conditions(state, {{true, true, false, false}, true});
    EXPECT_EQ(
        std::make_pair(state.session.action.predictSwitch, state.shown.lanes[0].log.predictEnd),
        std::make_pair(1, 11));
    // A list with nothing selected keeps its type.
    std::tie(state.session.action.enemyCondition.type,
             state.session.action.enemyCondition.unspecified) = std::pair(4, 0);
    apply_battle_result_form(state, {5, -1, "1234", "-7", false, true});
    const auto& [mine, theirs] =
        std::tie(state.session.action.allyCondition, state.session.action.enemyCondition);
    EXPECT_EQ(std::make_tuple(mine.type, mine.n, mine.unspecified, theirs.type, theirs.n,
                              theirs.unspecified),
              std::make_tuple(5, 1234, std::uint8_t{0}, 4, -7, std::uint8_t{1}));
    state.session.action.booksHeld[2] = state.session.action.booksHeld[8] = 1;
    // Its OK re-runs both lanes with the rates it stores.
    std::tie(state.session.action.eventSwitches, state.shown.lanes[1].log.count) =
        std::pair(EventSwitches{0, 0, 1, 0}, 0);
    state.session.action.levelUpWanted[8] = 2;
    apply_level_up_form(state, {2, 0, 0, 0, 1, 0, 0, 0, -1}, ally_book_rates(state));
    EXPECT_EQ(state.shown.lanes[1].log.count, 9);
    EXPECT_EQ(state.session.action.growthRates,
              (GrowthRates{70, 50, 20, 50, 100, 30, 5, 55, 0, 30}));
    EXPECT_EQ(state.session.action.levelUpWanted, (LevelUpWanted{2, 0, 0, 0, 1, 0, 0, 0, 2}));
}

// The worked battle with any outcome, searched from 3995: every position to 4004 is a result.
WindowState searched_from_3995() {
    WindowState state = status_set_state();
    state.session.action.eventSwitches = {0, 1, 0, 0};
    state.session.action.enemyCondition = {kResultHpUnchanged, 0, 1};
    state.session.lanes[0].position = 3995;
    search_from_lane_zero(state);
    return state;
}

TEST(ResultTable, SortsCopiesTheWholeRangeAndGoesStaleWhenWhatTheSearchUsedChanges) {
    WindowState state = searched_from_3995();
    ResultTable table;
    fill_results_table(state, table);
    ASSERT_EQ(table.order.size(), 10u);
    // By 敵HP, then reversed; equal rows keep the search's order.
    std::string order;
    for (const int column : {3, 3}) {
        sort_table(table, column);
        for (int r = 0; r < 10; ++r) {
            order += cell_text(table, r, 0, 3995).substr(2) + " ";
        }
    }
    EXPECT_EQ(order, "96 95 97 98 99 00 02 03 04 01 01 95 97 98 99 00 02 03 04 96 ");
    EXPECT_EQ(table_tsv(table, {0, 9}, 3990),
              "位置\tずれ\t味方HP\t敵HP\t味方命中\t敵命中\r\n4001\t11\t40\t30\t1\t0\r\n"
              "3996\t6\t40\t10\t1\t0\r\n");
    // The same columns in the CSV, every number a plain integer.
    const std::string csv = table_csv(table, 3995);
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
              "位置,ずれ,味方HP,敵HP,味方命中,敵命中\r\n4001,6,40,30,1,0\r\n");
    // A move of lane 0's position or of lane 1 leaves the results as they are.
    const std::vector<std::pair<std::string, std::function<void(WindowState&)>>> changes = {
        {"lane 0's position", [](WindowState& s) { put_lane_at(s, 0, 12); }},
        {"lane 1", [](WindowState& s) { move_lane(s, IDC_LANE1_SEED_UP); }},
        {"lane 0's sequence", [](WindowState& s) { move_lane(s, IDC_LANE0_SEED_UP); }},
        {"the conditions", [](WindowState& s) { s.session.action.enemyCondition.n = 1; }},
        {"the plan", [](WindowState& s) { s.session.plan.stepCount = 1; }},
        {"the marks", [](WindowState& s) { refresh_seed_candidates(s, "o"); }}};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        state = searched_from_3995();
        EXPECT_FALSE(search_results_stale(state));
        changes[i].second(state);
        EXPECT_EQ(search_results_stale(state), i >= 2) << changes[i].first;
    }
    // Searched behind the marks of 0, 16 and 51, the common table has a column for each.
    std::tie(state.session.action.enemyCondition, state.session.lanes[0].position) =
        std::pair(BattleResultCondition{kResultHpAtMost, 0, 0}, 39);
    refresh_seed_candidates(state, kMarks);
    search_from_lane_zero(state);
    fill_common_table(state, table);
    EXPECT_EQ(std::make_tuple(table.partTitles, table.positions[0], table.positions[1]),
              std::make_tuple(std::vector<std::string>{"#0", "#16", "#51"}, 44, 96));
}

TEST(PlanSteps, TheButtonsEditThePlanAndTheWindowSearchesItAsTheCommandLineDoes) {
    WindowState state = status_set_state();
    state.session.action.eventSwitches = {0, 1, 0, 0};
    state.session.action.enemyCondition = {kResultHpAtMost, 0, 0};
    const auto lines = [&state] {
        std::string all;
        for (int k = 0; k < state.session.plan.stepCount; ++k) {
            all += plan_step_line(state.session.plan.steps[k], k + 1) + "|";
        }
        return all;
    };
    using B = PlanButton;
    EXPECT_EQ(press_plan_button(state, B::kAdd, -1).selected, 0);
    state.session.action.eventSwitches = {0, 0, 1, 1};
    state.session.action.levelUpWanted = {1, 1, 0, 0, 1, 0, 0, 0, 0};
    press_plan_button(state, B::kAdd, 0);
    EXPECT_EQ(lines(), "1 戦闘 アルト→山賊ガロ 敵HP:0↓|2 レベルアップ HP力速 再行動|");
    EXPECT_EQ(state.shown.lanes[0].log.count, 11 + 9 + 1);  // the lanes show the chain
    EXPECT_EQ(press_plan_button(state, B::kUp, 1).selected, 0);
    EXPECT_EQ(press_plan_button(state, B::kDown, 1).changed, false);  // already the last
    state.session.action.eventSwitches = {1, 0, 0, 0};  // 移動 alone acts on nothing: no step of it
    EXPECT_EQ(std::make_pair(press_plan_button(state, B::kReplace, 0).changed,
                             press_plan_button(state, B::kAdd, 0).changed),
              std::make_pair(false, false));
    EXPECT_STREQ(press_plan_button(state, B::kAdd, 0).refusal,
                 "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください");
    EXPECT_TRUE(press_plan_button(state, B::kRecall, 1).changed);
    EXPECT_EQ(state.session.action.eventSwitches, (EventSwitches{0, 1, 0, 0}));
    state.session.action.predictSwitch = 1;
    press_plan_button(state, B::kReplace, 1);
    EXPECT_EQ(lines(), "1 レベルアップ HP力速 再行動|2 戦闘 アルト→山賊ガロ 敵HP:0↓ 予測消費|");
    EXPECT_EQ(press_plan_button(state, B::kDelete, 1).selected, 0);
    for (int k = 0; k < 20; ++k) {
        press_plan_button(state, B::kAdd, 0);
    }
    EXPECT_EQ(state.session.plan.stepCount, 16);
    EXPECT_STREQ(press_plan_button(state, B::kAdd, 0).refusal, "手順は16個までです");
    EXPECT_EQ(press_plan_button(state, B::kClear, 3), (PlanEdit{true, -1}));
    EXPECT_EQ(std::make_pair(state.session.plan.stepCount, state.shown.lanes[0].steps.count),
              std::make_pair(0, 0));
    state = started_state();
    std::ifstream file(std::string(SORAMITO_SAMPLES_DIR) + "/turn-plan.json");
    open_session(state, std::string(std::istreambuf_iterator<char>(file), {}));
    ASSERT_TRUE(search_from_lane_zero(state));
    EXPECT_EQ(state.search.resultCount, 178);
}

}  // namespace
