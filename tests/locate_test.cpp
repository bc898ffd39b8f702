#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "search/locate.h"
#include "worked_units.h"

namespace {

// The worked battle, then the level-up and the re-move with the worked rates (re-move 30): on
// sequence 0 from position 1 the battle uses 11 values, the enemy falls and the ally keeps 40,
// HP and 力 grow, and the re-move passes, 21 values in all.
Action worked_action(EventSwitches switches = {0, 1, 1, 1}) {
    Action action = status_set_state();
    action.eventSwitches = switches;
    return action;
}

constexpr std::uint32_t kHpAndStrength = 0b000000011;
constexpr std::uint32_t kHpAndSkill = 0b000001001;

Observations seen_hp(std::optional<std::int32_t> ally, std::optional<std::int32_t> enemy) {
    Observations seen;
    seen.allyHp = ally;
    seen.enemyHp = enemy;
    return seen;
}

Observations seen_growth(std::optional<std::uint32_t> grown, std::optional<bool> reMove) {
    Observations seen;
    seen.grown = grown;
    seen.reMove = reMove;
    return seen;
}

const Observations kAllFour = [] {
    Observations seen = seen_hp(40, 0);
    seen.grown = kHpAndStrength;
    seen.reMove = true;
    return seen;
}();

struct Located {
    std::vector<LocatedPosition> found;
    std::size_t total;
};

// The nearest `room` positions and how many there are.
Located locate(const Action& action, const std::vector<std::int32_t>& seeds, int from,
               const Observations& seen, std::size_t room) {
    Located located{std::vector<LocatedPosition>(room), 0};
    located.total = locate_positions(action, generated_table(), seeds, from, seen, located.found);
    located.found.resize(std::min(room, located.total));
    return located;
}

// Each checked with run at every position of sequence 0 from 3 to 17: lane 0 at 10, nearest
// first, the one before lane 0 before the one after it at the same distance.
TEST(Locate, EachObservationAloneFindsTheNearestPositionsFirst) {
    using Case = std::tuple<std::string, Observations, std::vector<LocatedPosition>>;
    const std::vector<Case> cases = {
        {"enemy kept 20",
         seen_hp({}, 20),
         {{0, 10, 0, 31}, {0, 11, 1, 32}, {0, 12, 2, 33}, {0, 14, 4, 35}}},
        {"ally kept 30",
         seen_hp(30, {}),
         {{0, 7, -3, 28}, {0, 13, 3, 34}, {0, 6, -4, 27}, {0, 14, 4, 35}}},
        {"HP and 技 grew",
         seen_growth(kHpAndSkill, {}),
         {{0, 10, 0, 31}, {0, 7, -3, 28}, {0, 17, 7, 38}}},
        // From 8 the battle uses 14 values.
        {"moved again", seen_growth({}, true), {{0, 11, 1, 32}, {0, 8, -2, 32}, {0, 4, -6, 25}}},
    };
    for (const auto& [name, seen, nearest] : cases) {
        EXPECT_EQ(locate(worked_action(), {0}, 10, seen, nearest.size()).found, nearest) << name;
    }
}

TEST(Locate, TheFourTogetherOnOneSequenceAndOnTheMarksSequences) {
    const Located one = locate(worked_action(), {0}, 1, kAllFour, 10);
    EXPECT_EQ(one.total, 5u);
    EXPECT_EQ(one.found, (std::vector<LocatedPosition>{{0, 1, 0, 22},
                                                       {0, 133, 132, 157},
                                                       {0, 1200, 1199, 1221},
                                                       {0, 3846, 3845, 3867},
                                                       {0, 4419, 4418, 4440}}));
    // Room for two: the nearest two, and still the count of all.
    const Located two = locate(worked_action(), {0}, 1, kAllFour, 2);
    EXPECT_EQ(two.total, 5u);
    EXPECT_EQ(two.found, (std::vector<LocatedPosition>{{0, 1, 0, 22}, {0, 133, 132, 157}}));
    const Located three = locate(worked_action(), {0, 16, 51}, 1, kAllFour, 4);
    EXPECT_EQ(three.total, 21u);
    EXPECT_EQ(three.found,
              (std::vector<LocatedPosition>{
                  {0, 1, 0, 22}, {0, 133, 132, 157}, {51, 503, 502, 524}, {51, 738, 737, 759}}));
}

// At position 3 the enemy keeps 20 on all three sequences, at 2 only on 0, at 4 on 0 and 51.
// Lane 0 at the last position: every position found lies before it, and where the game stands
// now may lie past it.
TEST(Locate, OrdersByDistanceThenSideThenSequence) {
    EXPECT_EQ(locate(worked_action(), {0}, kLastLanePosition, seen_hp({}, 0), 2).found,
              (std::vector<LocatedPosition>{{0, 4965, -8, 4986}, {0, 4960, -13, 4981}}));
    EXPECT_EQ(locate(worked_action(), {0, 16, 51}, 3, seen_hp({}, 20), 6).found,
              (std::vector<LocatedPosition>{{0, 3, 0, 24},
                                            {16, 3, 0, 24},
                                            {51, 3, 0, 24},
                                            {0, 2, -1, 23},
                                            {0, 4, 1, 25},
                                            {51, 4, 1, 25}}));
}

// The marks of sequence 0 at positions 1 to 20 are shown by 0, 16 and 51 alone.
TEST(Locate, LooksOnTheMarksSequencesOrOnLaneZeros) {
    using Case = std::tuple<std::string, std::vector<std::int32_t>, bool>;
    const std::vector<Case> cases = {
        {"×××○○×××○×○×○○×○×○○×", {0, 16, 51}, true},
        {"xxxooxxxoxoxooxoxoox", {0, 16, 51}, true},
        {"", {7}, false},                           // no marks: every sequence matches
        {"ooooooooooooooooooooooooo", {7}, false},  // no sequence matches
    };
    for (const auto& [marks, seeds, byMarks] : cases) {
        const LocateSequences sequences = locate_sequences(generated_table(), marks.c_str(), 7);
        EXPECT_EQ(std::vector<std::int32_t>(sequences.seeds, sequences.seeds + sequences.count),
                  seeds)
            << marks;
        EXPECT_EQ(sequences.byMarks, byMarks) << marks;
    }
}

// What the action has no event for was not seen in this game: nothing matches it.
TEST(Locate, FindsNothingForWhatTheActionDoesNotDo) {
    Action noReMoveRate = worked_action();
    noReMoveRate.growthRates[kReMoveRateIndex] = 0;
    // Without a battle a run reports the HP the enemy's record last kept.
    Action noBattle = worked_action({0, 0, 1, 1});
    noBattle.enemy.hpAfterBattle = 20;
    using Case = std::tuple<std::string, Action, Observations>;
    const std::vector<Case> cases = {
        {"HP without a battle", noBattle, seen_hp({}, 20)},
        {"growths without a level-up", worked_action({0, 1, 0, 1}), seen_growth(0, {})},
        {"re-move switched off", worked_action({0, 1, 1, 0}), seen_growth({}, false)},
        {"re-move rate 0", noReMoveRate, seen_growth({}, false)},
    };
    for (const auto& [name, action, seen] : cases) {
        EXPECT_EQ(locate(action, {0}, 10, seen, 1).total, 0u) << name;
    }
}

}  // namespace
