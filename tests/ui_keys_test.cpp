// The keys, the entries of the candidates' line they pick, and where the tool windows open.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "view/key_commands.h"
#include "view/main_commands.h"
#include "view/placement.h"
#include "view/resource.h"
#include "worked_units.h"

namespace {

TEST(Keys, AreNamedAsTheMenuShowsThemAndAnEditBoxKeepsOnlyItsOwn) {
    // clang-format off
    const std::vector<std::tuple<int, unsigned, std::string>> keys = {
        {'N', kKeyCtrl, "Ctrl+N"}, {'1', kKeyCtrl | kKeyShift, "Ctrl+Shift+1"},
        {kKeyLeft, kKeyAlt, "Alt+←"}, {kKeyDown, kKeyAlt | kKeyShift, "Alt+Shift+↓"},
        {kKeyEnter, kKeyCtrl, "Ctrl+Enter"}};
    // clang-format on
    for (const auto& [key, modifiers, name] : keys) {
        EXPECT_EQ(key_name({key, modifiers, 0, false}), name);
    }
    // Every command has one key at most, and no key gives two commands.
    std::vector<std::pair<int, unsigned>> seen;
    std::vector<int> commands;
    for (const KeyCommand& key : key_commands()) {
        EXPECT_EQ(std::count(seen.begin(), seen.end(), std::pair(key.key, key.modifiers)), 0);
        EXPECT_EQ(std::count(commands.begin(), commands.end(), key.command), 0);
        seen.emplace_back(key.key, key.modifiers);
        commands.push_back(key.command);
    }
    EXPECT_EQ(commands.size(), 35u);
    const KeyCommand boxKeys[] = {{'Z', kKeyCtrl, 1, true}, {'F', kKeyCtrl, 2, false}};
    EXPECT_EQ(std::make_tuple(edit_box_keeps_key(boxKeys, 'Z', kKeyCtrl),
                              edit_box_keeps_key(boxKeys, 'Z', kKeyCtrl | kKeyShift),
                              edit_box_keeps_key(boxKeys, 'F', kKeyCtrl),
                              edit_box_keeps_key(boxKeys, 'Y', kKeyCtrl)),
              std::make_tuple(true, false, false, false));
}

TEST(Keys, CtrlAndANumberPickAnEntryOfTheCandidatesLine) {
    // the marks, the command, the lane and where it stands after it (-1: nothing happens)
    const std::string exact = "×××○○×××○×○×○○×○×○○×";
    std::string slipped = exact;
    slipped.replace(12, 2, "○");  // the seventh mark wrong: three near sequences
    const std::vector<std::tuple<std::string, int, int, int, int>> cases = {
        {exact, IDM_LANE0_ENTRY, 0, 0, 21},        {exact, IDM_LANE0_ENTRY + 2, 0, 51, 21},
        {exact, IDM_LANE1_ENTRY + 1, 1, 16, 21},   {exact, IDM_LANE0_ENTRY + 3, 0, -1, -1},
        {exact, IDM_LANE1_ENTRY + 8, 1, -1, -1},   {slipped, IDM_LANE0_ENTRY + 1, 0, 16, 21},
        {slipped, IDM_LANE1_ENTRY + 3, 1, -1, -1}, {"o", IDM_LANE0_ENTRY, 0, -1, -1},
        {exact, IDM_LANE0_ENTRY - 1, 0, -1, -1},   {exact, IDM_LANE1_ENTRY + 9, 1, -1, -1}};
    for (const auto& [marks, command, lane, seed, position] : cases) {
        AppState& state = status_set_state();
        refresh_seed_candidates(state, marks.c_str());
        std::tie(state.lanes[lane].seedIndex, state.lanes[lane].position) = std::pair(40, 99);
        const bool moved = put_lane_on_entry(state, command);
        EXPECT_EQ(
            std::make_tuple(moved, state.lanes[lane].seedIndex, state.lanes[lane].position),
            seed >= 0 ? std::make_tuple(true, seed, position) : std::make_tuple(false, 40, 99))
            << command;
    }
}

TEST(ToolWindows, OpenBesideTheMainWindowOnItsMonitor) {
    const ScreenRect screen{0, 0, 1920, 1040};
    // main window, its lanes' bottom, the work area, the alignment, where a 640 × 420 window opens
    const std::vector<std::tuple<ScreenRect, int, ScreenRect, Align, ScreenRect>> cases = {
        {{0, 0, 800, 600}, 214, screen, Align::kTop, {800, 0, 1440, 420}},
        {{0, 0, 800, 600}, 214, screen, Align::kBottom, {800, 180, 1440, 600}},
        {{1120, 300, 1920, 900}, 514, screen, Align::kTop, {480, 300, 1120, 720}},
        {{1120, 800, 1920, 1400}, 1014, screen, Align::kTop, {480, 620, 1120, 1040}},
        {{100, 50, 900, 650}, 264, {0, 0, 1280, 1000}, Align::kTop, {100, 264, 740, 684}},
        {{100, 50, 900, 650}, 264, {0, 0, 1280, 600}, Align::kTop, {100, 180, 740, 600}},
        {{2000, -30, 2800, 570}, 184, {1920, 0, 3840, 1040}, Align::kTop, {2800, 0, 3440, 420}},
        {{-700, 0, 100, 600}, 214, screen, Align::kTop, {100, 0, 740, 420}},
        {{1500, 0, 2300, 600}, 214, screen, Align::kBottom, {860, 180, 1500, 600}}};
    for (const auto& [mainWindow, lanesBottom, workArea, align, placed] : cases) {
        EXPECT_EQ(place_beside(mainWindow, lanesBottom, workArea, 640, 420, align), placed)
            << mainWindow.left << "," << mainWindow.top << " in " << workArea.right;
    }
}

}  // namespace
