#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/main_commands.h"
#include "ui/resource.h"
#include "ui_state.h"

namespace {

TEST(MainCommands, LaneButtonsStopAtTheirLimits) {
    struct Case {
        int command;
        int seed;
        int position;
        bool redraw;
        int seedAfter;
        int positionAfter;
    };
    const std::vector<Case> cases = {
        {IDC_LANE0_FORWARD, 0, 1, true, 0, 2},      {IDC_LANE0_FORWARD, 0, 4973, false, 0, 4973},
        {IDC_LANE0_BACK, 0, 1, false, 0, 1},        {IDC_LANE0_BACK, 5, 9, true, 5, 8},
        {IDC_LANE0_SEED_UP, 63, 7, false, 63, 7},   {IDC_LANE0_SEED_UP, 3, 7, true, 4, 7},
        {IDC_LANE0_SEED_DOWN, 0, 7, false, 0, 7},   {IDC_LANE0_SEED_DOWN, 3, 7, true, 2, 7},
        {IDC_LANE1_FORWARD, 0, 4972, true, 0, 4973}, {IDC_LANE1_BACK, 0, 1, false, 0, 1},
        {IDC_LANE1_SEED_UP, 62, 1, true, 63, 1},    {IDC_LANE1_SEED_DOWN, 1, 1, true, 0, 1},
    };
    for (const Case& c : cases) {
        AppState& state = status_set_state();
        const int lane = c.command >= IDC_LANE1_FORWARD ? 1 : 0;
        state.lanes[lane].seedIndex = c.seed;
        state.lanes[lane].position = c.position;
        const Lane other = state.lanes[1 - lane];
        EXPECT_EQ(move_lane(state, c.command), c.redraw) << c.command;
        EXPECT_EQ(state.lanes[lane].seedIndex, c.seedAfter) << c.command;
        EXPECT_EQ(state.lanes[lane].position, c.positionAfter) << c.command;
        EXPECT_EQ(state.lanes[1 - lane].position, other.position);
        EXPECT_EQ(state.lanes[1 - lane].count, other.count);
    }
    AppState& state = status_set_state();
    EXPECT_FALSE(move_lane(state, IDC_SEARCH));
}

TEST(MainCommands, LanesRerunOnlyOnceAnAllyIsSet) {
    AppState& fresh = started_state();
    fresh.eventSwitches = {0, 1, 0, 0};
    EXPECT_TRUE(move_lane(fresh, IDC_LANE0_FORWARD));
    EXPECT_EQ(fresh.lanes[0].position, 2);
    EXPECT_EQ(fresh.lanes[0].count, 0);

    AppState& state = status_set_state();
    state.eventSwitches = {0, 1, 0, 0};
    EXPECT_TRUE(move_lane(state, IDC_LANE1_FORWARD));
    EXPECT_EQ(state.lanes[1].position, 2);
    EXPECT_GT(state.lanes[1].count, 0);
}

TEST(MainCommands, JumpReadsThePositionBoxLikeAtol) {
    struct Case {
        const char* text;
        bool moved;
        int position;
    };
    const std::vector<Case> cases = {
        {"12", true, 12},      {"0", false, 77},        {"4974", false, 77}, {"-5", false, 77},
        {"abc", false, 77},    {"25x", true, 25},       {"", false, 77},     {" +4973", true, 4973},
        {"000000012", true, 12}, {"0000000123", true, 12}, {"1234567890", false, 77},
        {"９", false, 77},
    };
    for (const Case& c : cases) {
        AppState& state = status_set_state();
        state.lanes[1] = Lane{};
        state.lanes[1].seedIndex = 9;
        state.lanes[1].position = 77;
        EXPECT_EQ(jump_lane(state, 1, c.text), c.moved) << c.text;
        EXPECT_EQ(state.lanes[1].position, c.position) << c.text;
        EXPECT_EQ(state.lanes[1].seedIndex, 9) << c.text;
    }
}

TEST(MainCommands, SearchNeedsASwitchAndAnAlly) {
    AppState& fresh = started_state();
    fresh.eventSwitches = {0, 1, 0, 0};
    fresh.searchResultCount = 7;
    EXPECT_FALSE(search_from_lane_zero(fresh));
    EXPECT_EQ(fresh.searchResultCount, 7);

    AppState& state = status_set_state();
    state.searchResultCount = 7;
    EXPECT_FALSE(search_from_lane_zero(state));
    EXPECT_EQ(state.searchResultCount, 7);
    state.eventSwitches = {1, 0, 0, 0};
    EXPECT_TRUE(search_from_lane_zero(state));
    EXPECT_EQ(state.searchResultCount, 0);
    state.eventSwitches = {0, 0, 0, 1};
    state.lanes[0].position = 6;
    EXPECT_TRUE(search_from_lane_zero(state));
    EXPECT_EQ(state.searchResultCount, 11);
    EXPECT_EQ(state.searchResults[0], 6);
}

TEST(MainCommands, TimerFollowsThePatternAndClicksPickACandidate) {
    AppState& state = status_set_state();
    const std::string pattern = "×××○○×××○×○×○○×○×○○×";
    EXPECT_TRUE(refresh_seed_candidates(state, pattern.c_str()));
    EXPECT_EQ(state.markCount, 20);
    EXPECT_EQ(state.candidateCount, 3);
    EXPECT_FALSE(refresh_seed_candidates(state, pattern.c_str()));

    struct Click {
        int lane;
        int x;
        int y;
        bool moved;
        int seed;
    };
    const std::vector<Click> clicks = {
        {0, 484 + 24, 473, true, 16}, {1, 484 + 24, 489, true, 16}, {0, 500, 480, true, 0},
        {0, 501, 480, false, -1},     {0, 483, 480, false, -1},     {0, 484, 472, false, -1},
        {0, 484, 490, false, -1},     {0, 484 + 48, 480, true, 51}, {0, 484 + 72, 480, false, -1},
        {1, 693, 480, false, -1},     {0, -484, -473, false, -1},
    };
    for (const Click& c : clicks) {
        state.lanes[c.lane].seedIndex = 40;
        state.lanes[c.lane].position = 99;
        EXPECT_EQ(click_candidate(state, c.lane, c.x, c.y), c.moved) << c.x << "," << c.y;
        EXPECT_EQ(state.lanes[c.lane].seedIndex, c.moved ? c.seed : 40) << c.x << "," << c.y;
        EXPECT_EQ(state.lanes[c.lane].position, c.moved ? 21 : 99) << c.x << "," << c.y;
    }

    EXPECT_TRUE(refresh_seed_candidates(state, ""));
    EXPECT_EQ(state.candidateCount, 0);
    EXPECT_FALSE(click_candidate(state, 0, 484, 480));

    // 5000 characters: only what the 500-byte box holds counts.
    EXPECT_TRUE(refresh_seed_candidates(state, std::string(5000, 'x').c_str()));
    EXPECT_EQ(state.markCount, 499);
}

TEST(MainCommands, MenuOpensDialogsOnlyWhereAllowed) {
    AppState& fresh = started_state();
    struct Case {
        int command;
        MainDialog withoutAlly;
        MainDialog withAlly;
    };
    const std::vector<Case> cases = {
        {IDM_STATUS, MainDialog::kStatus, MainDialog::kStatus},
        {IDM_SEARCH_CONDITIONS, MainDialog::kSearchConditions, MainDialog::kSearchConditions},
        {IDM_BATTLE_RESULT, MainDialog::kNone, MainDialog::kBattleResult},
        {IDM_LEVEL_UP, MainDialog::kNone, MainDialog::kLevelUp},
        {IDM_FILE, MainDialog::kNone, MainDialog::kNone},
        {IDM_MOVE_ROUTE, MainDialog::kNone, MainDialog::kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dialog_for_menu(fresh, c.command), c.withoutAlly) << c.command;
    }
    AppState& state = status_set_state();
    for (const Case& c : cases) {
        EXPECT_EQ(dialog_for_menu(state, c.command), c.withAlly) << c.command;
    }
}

}  // namespace
