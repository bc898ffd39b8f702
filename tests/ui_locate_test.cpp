#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "view/locate_form.h"
#include "worked_units.h"

namespace {

TEST(LocateForm, ReadsAnHpBoxAsAWholeNumberFromZeroTo9999) {
    using Case = std::tuple<std::string, HpBox, std::int32_t>;
    // clang-format off
    const std::vector<Case> cases = {
        {"", HpBox::kEmpty, 0}, {"0", HpBox::kNumber, 0}, {"40", HpBox::kNumber, 40},
        {"9999", HpBox::kNumber, 9999}, {"000000000000000000012", HpBox::kNumber, 12},
        {"４０", HpBox::kNumber, 40}, {"１2", HpBox::kNumber, 12}, {"９９９９", HpBox::kNumber, 9999},
        {"10000", HpBox::kRefused, 0}, {"99999999999999999999", HpBox::kRefused, 0},
        {"-1", HpBox::kRefused, 0}, {"+1", HpBox::kRefused, 0}, {" 1", HpBox::kRefused, 0},
        {"1 ", HpBox::kRefused, 0}, {"1.5", HpBox::kRefused, 0}, {"４O", HpBox::kRefused, 0},
        {"\x82", HpBox::kRefused, 0}, {"1\x82", HpBox::kRefused, 0},
        {"\x82\x4E", HpBox::kRefused, 0}, {"\x82\x59", HpBox::kRefused, 0},
        {"　", HpBox::kRefused, 0}, {"十", HpBox::kRefused, 0}};
    // clang-format on
    for (const auto& [text, box, hp] : cases) {
        const HpBoxReading reading = read_hp_box(text.c_str());
        EXPECT_EQ(reading.box, box) << text;
        EXPECT_EQ(reading.hp, hp) << text;
    }
}

TEST(LocateForm, ListsAtMost200LinesAndHowManyMore) {
    const std::vector<LocatedPosition> found = {{16, 45, 3, 62}, {0, 40, -2, 51}, {51, 42, 0, 60}};
    EXPECT_EQ(
        located_lines(found, 3),
        (std::vector<std::string>{"+3  #16: 45 → 62", "-2  #0: 40 → 51", "±0  #51: 42 → 60"}));
    EXPECT_EQ(located_lines(std::span(found).first(1), 38),
              (std::vector<std::string>{"+3  #16: 45 → 62", "ほか 37 件"}));
    EXPECT_EQ(located_lines({}, 0), std::vector<std::string>{});
    const std::vector<LocatedPosition> many(250, LocatedPosition{0, 1, 0, 12});
    const std::vector<std::string> lines = located_lines(many, 250);
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(lines[199], "±0  #0: 1 → 12");
    EXPECT_EQ(lines[200], "ほか 50 件");
}

// The worked battle with the level-up and the re-move after it, lane 0 at position 1 of
// sequence 0; what the boxes hold, the HP boxes' texts first.
struct Dialog {
    AppState& state = status_set_state();
    LocateForm form{};

    Dialog(std::string allyHp, std::string enemyHp) {
        state.eventSwitches = {0, 1, 1, 1};
        form.allyHp = std::move(allyHp);
        form.enemyHp = std::move(enemyHp);
        form.reMove = kReMoveNotSeen;
    }
};

// HP and 力 grew, as after the worked battle from position 1.
void see_hp_and_strength(LocateForm& form) {
    form.levelUpSeen = true;
    form.grown[0] = form.grown[1] = true;
}

TEST(LocateForm, SearchesWhatTheBoxesSayWasSeen) {
    Dialog four("４０", "0");
    see_hp_and_strength(four.form);
    four.form.reMove = kReMoveHappened;
    const LocateAnswer answer = locate_from_form(four.state, four.form);
    EXPECT_EQ(answer.problem, LocateProblem::kNone);
    EXPECT_EQ(answer.total, 5u);
    EXPECT_EQ(answer.lines, (std::vector<std::string>{
                                "±0  #0: 1 → 22", "+132  #0: 133 → 157", "+1199  #0: 1200 → 1221",
                                "+3845  #0: 3846 → 3867", "+4418  #0: 4419 → 4440"}));
    EXPECT_EQ(answer.found[1], (LocatedPosition{0, 133, 132, 157}));
    // The pattern box's marks: their three sequences.
    std::strcpy(four.state.markText, "×××○○×××○×○×○○×○×○○×");
    EXPECT_EQ(locate_from_form(four.state, four.form).total, 21u);
    // Only the HPs seen: more than the list holds.
    Dialog hps("40", "0");
    const LocateAnswer many = locate_from_form(hps.state, hps.form);
    EXPECT_EQ(many.found.size(), kMostLocatedLines);
    EXPECT_EQ(many.lines.size(), kMostLocatedLines + 1);
    EXPECT_EQ(many.lines.back().rfind("ほか ", 0), 0u) << many.lines.back();
}

// Grey controls are not read: with the battle off, a refused HP box is no problem.
TEST(LocateForm, RefusesABadHpBoxOrNothingSeen) {
    using Case =
        std::tuple<std::string, EventSwitches, std::string, std::string, bool, int, LocateProblem>;
    const LocateProblem none = LocateProblem::kNone;
    // clang-format off
    const std::vector<Case> cases = {
        {"nothing", {0, 1, 1, 1}, "", "", false, kReMoveNotSeen, LocateProblem::kNothingSeen},
        {"no re-move chosen", {0, 1, 1, 1}, "", "", false, -1, LocateProblem::kNothingSeen},
        {"bad ally box", {0, 1, 1, 1}, "4o", "0", true, kReMoveDidNot, LocateProblem::kAllyHpBox},
        {"bad enemy box", {0, 1, 1, 1}, "40", "１００００", false, 0, LocateProblem::kEnemyHpBox},
        {"grey HP boxes", {0, 0, 1, 1}, "4o", "x", false, kReMoveDidNot, none},
        {"grey boxes only", {0, 0, 1, 0}, "40", "0", false, kReMoveDidNot,
         LocateProblem::kNothingSeen},
        {"grey level-up", {0, 1, 0, 1}, "", "", true, 0, LocateProblem::kNothingSeen},
        {"grey re-move", {0, 1, 1, 0}, "", "", false, kReMoveHappened, LocateProblem::kNothingSeen},
        {"re-move only", {0, 1, 1, 1}, "", "", false, kReMoveDidNot, none}};
    // clang-format on
    for (const auto& [name, switches, ally, enemy, levelUp, reMove, problem] : cases) {
        Dialog dialog(ally, enemy);
        dialog.state.eventSwitches = switches;
        dialog.form.levelUpSeen = levelUp;
        dialog.form.reMove = reMove;
        const LocateAnswer answer = locate_from_form(dialog.state, dialog.form);
        EXPECT_EQ(answer.problem, problem) << name;
        EXPECT_EQ(answer.lines.empty(), problem != none) << name;
    }
    EXPECT_STREQ(locate_problem_text(LocateProblem::kAllyHpBox),
                 "0から9999までの数を入れてください");
    EXPECT_STREQ(locate_problem_text(LocateProblem::kNone), "");
}

}  // namespace
