#include <algorithm>
#include <memory>

#include "search/locate.h"
#include "search/plan_search.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"
#include "sim/event_runner.h"
#include "worked_units.h"

namespace {

struct Events {
    CombatantState attacker = worked_attacker(), defender = worked_defender();
    ConsumptionLog log{};
};

void run(Events& r, EventSwitches switches, int predict, const GrowthRates& rates = kWorkedRates,
         int position = 1) {
    r.log.position = position;
    run_events(r.attacker, r.defender, r.log, predict, switches,
               generated_table().sequences[r.log.seedIndex], rates);
}

TEST(EventRunner, CombinesEventsStopsAtAFullLogAndEstimatesEveryPossibleStrike) {
    const std::vector<int> twice = {3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11,
                                    3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11};
    const std::vector<int> all = {3,  3,  9,  10, 11, 9,  10, 11, 9,  10, 11,
                                  13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    const std::vector<int> growth = {13, 14, 15, 16, 17, 18, 19, 20, 21};
    const std::vector<int> growthReMove = {13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    const GrowthRates& worked = kWorkedRates;
    const GrowthRates noReMove = {80, 50, 10, 40, 60, 30, 5, 45, 0, 0};
    const GrowthRates extremes = {100, 250, 0, -5, 0, 0, 0, 0, 0, 0};
    // switches, prediction, rates, codes, passes; each run follows a full log of passes, and the
    // predicted battle's own entries show none.
    using Case = std::tuple<EventSwitches, int, GrowthRates, std::vector<int>, std::vector<int>>;
    // clang-format off
    const std::vector<Case> cases = {
        {{0, 0, 1, 1}, 0, worked, growthReMove, {0, 4, 5}}, {{1, 0, 0, 0}, 0, worked, {}, {}},
        {{0, 0, 0, 1}, 0, noReMove, {}, {}}, {{0, 0, 1, 0}, 0, extremes, growth, {0, 1}},
        {{0, 1, 0, 0}, 1, worked, twice, {15, 21}},
        {{0, 1, 1, 1}, 0, worked, all, {4, 8, 10, 11, 12, 20}}};
    // clang-format on
    for (const auto& [switches, predict, rates, codes, passed] : cases) {
        const std::string name = testing::PrintToString(switches);
        Events r;
        r.log.count = kLogCapacity;
        r.log.success.fill(1);
        r.log.predictStart = r.log.predictEnd = 77;  // left as they are without prediction
        run(r, switches, predict, rates);
        EXPECT_EQ(codes_of(r.log), codes) << name;
        EXPECT_EQ(passed_of(r.log), passed) << name;
        EXPECT_EQ(std::make_pair(r.log.predictStart, r.log.predictEnd),
                  predict == 1 ? std::make_pair(0, 11) : std::make_pair(77, 77))
            << name;
        EXPECT_TRUE(unchanged_but_hp_after(worked_attacker(), r.attacker)) << name;
        EXPECT_TRUE(unchanged_but_hp_after(worked_defender(), r.defender)) << name;
    }
    // Far more than 256 entries at the last lane position: the battle stops at entry 256; with
    // prediction the real battle stops before its first entry, keeping what it had not reset.
    Events r;
    r.attacker = make_unit("", 1,
                           {kSkillMeteor, kSkillBrave, kSkillCharge, kSkillMoonlight, kSkillCurse,
                            kSkillCounter, kSkillGreatShield},
                           {10, 100, 21, 90, 0, 10, 0, 10, 2000000000, 2000000000});
    constexpr std::int32_t CombatantState::*kSpeed = &CombatantState::attackSpeed;
    r.defender = with(r.attacker, {}, {{kSpeed, 5}});
    r.log.seedIndex = 63;
    using Outcome = std::tuple<int, int, int, int, int, std::size_t>;
    for (const auto& [predict, outcome] :
         {std::pair{0, Outcome{256, 30, 20, 1999999980, 1999999970, 56}},
          std::pair{1, Outcome{256, 30, 20, 2000000000, 2000000000, 0}}}) {
        run(r, {1, 1, 1, 1}, predict, kWorkedRates, kLastLanePosition);
        EXPECT_EQ(
            Outcome(r.log.count, r.log.attackerHitsLanded, r.log.defenderHitsLanded,
                    r.attacker.hpAfterBattle, r.defender.hpAfterBattle, passed_of(r.log).size()),
            outcome);
        EXPECT_EQ(r.log.strikeStarts, (std::array<int, 8>{6, 56, 106, 206, 156, 255, 256, 255}));
        EXPECT_EQ(codes_of(r.log)[255], kCodeCurse);
    }
    EXPECT_EQ(r.log.predictEnd, kLogCapacity);
    // The attacker's skills and speed (the defender's is 5), the defender's skills, estimate.
    using S = std::vector<SkillIndex>;
    // clang-format off
    const std::vector<std::tuple<S, int, S, int>> estimates = {
        {{}, 5, {}, 6}, {{}, 9, {}, 9}, {{}, 8, {}, 6}, {{}, 1, {}, 9},
        {{kSkillMoonlight}, 5, {kSkillGreatShield}, 4 + 3}, {{}, 5, {kSkillGreatShield}, 3 + 3},
        {{kSkillSunlight, kSkillCurse}, 5, {}, 4 + 3}, {{kSkillMoonlight, kSkillCurse}, 5, {}, 7},
        {{kSkillMoonlight, kSkillSunlight}, 5, {}, 4 + 3}, {{kSkillContinue}, 10, {}, 15},
        {{kSkillMeteor, kSkillBrave}, 5, {kSkillCharge}, 60 + 6},
        {{kSkillMeteor, kSkillBrave, kSkillCharge}, 9, {}, 120 + 6},
        {{kSkillContinue}, 10, {kSkillCounter, kSkillVantage, kSkillGreatShield}, 15},
        {{kSkillCurse}, 5, {kSkillContinue, kSkillBrave}, 4 + 12}};
    // clang-format on
    for (const auto& c : estimates) {
        const auto& [attackerSkills, speed, defenderSkills, estimate] = c;
        EXPECT_EQ(estimate_battle_consumption(with({}, attackerSkills, {{kSpeed, speed}}),
                                              with({}, defenderSkills, {{kSpeed, 5}})),
                  estimate)
            << testing::PrintToString(c);
    }
}

const BattleResultCondition kFalls = {kResultHpAtMost, 0, 0};
const BattleResultCondition kAny = {kResultHpUnchanged, 0, 1};

// The worked action wishing that HP, 力, 速 and 運 grow, with these switches.
Action searching(EventSwitches switches, int predict = 0, BattleResultCondition enemy = kFalls) {
    Action a = worked_session().action;
    std::tie(a.eventSwitches, a.predictSwitch, a.enemyCondition, a.levelUpWanted) =
        std::tuple(switches, predict, enemy, LevelUpWanted{1, 1, 0, 0, 1, 0, 0, 1, 0});
    return a;
}

// The search from start finds result positions (or none, at a result below 0), first first.
void expect_found(const Action& action, int seed, int start, int result,
                  const std::vector<int>& first, const std::string& name) {
    SearchFound found = search_positions(action, worked_tables(), seed, start);
    EXPECT_EQ(std::make_pair(found.result, found.positions.size()),
              std::make_pair(result, static_cast<std::size_t>(std::max(result, 0))))
        << name;
    found.positions.resize(std::min(found.positions.size(), first.size()));
    EXPECT_EQ(found.positions, first) << name;
}

TEST(Search, FindsThePositionsOfEachModeLevelUpWishAndBattleResult) {
    using Case = std::tuple<std::string, EventSwitches, int, BattleResultCondition, int, int,
                            std::vector<int>>;
    // switches, prediction, the enemy's condition, start, result, the first positions
    // clang-format off
    const std::vector<Case> cases = {
        {"battle", {0, 1, 0, 0}, 0, kFalls, 1, 11, {1, 5, 6, 16, 19, 36, 38, 39, 44, 57, 60}},
        {"predicted", {0, 1, 0, 0}, 1, kFalls, 1, 11, {5, 25, 27, 28, 33, 46, 49, 52, 55, 58, 62}},
        {"re-move", {0, 0, 0, 1}, 0, kFalls, 1, 11, {1, 6, 9, 13, 14, 20, 21, 24, 31, 39, 41}},
        {"battle, re-move", {0, 1, 0, 1}, 0, kFalls, 1, 11, {36, 39, 57, 66, 90, 96, 99, 118}},
        {"level-up", {0, 0, 1, 0}, 0, kFalls, 1, 393, {2, 4, 30, 37, 43, 74}},
        {"level-up, re-move", {0, 0, 1, 1}, 0, kFalls, 1, 113, {4, 30, 37, 43, 74, 94, 125}},
        {"level-up after a battle", {0, 1, 1, 0}, 0, kFalls, 1, 98, {19, 63, 83, 89, 111, 118}},
        {"level-up after a predicted battle", {0, 1, 1, 0}, 1, kFalls, 1, 98, {52, 72, 78, 107}},
        {"all three", {0, 1, 1, 1}, 0, kFalls, 1, 35, {19, 63, 83, 118, 256, 887}},
        {"battle near the end", {0, 1, 0, 0}, 0, kFalls, 3960, 4, {3964, 3976, 3979, 3987}},
        {"any battle at the end", {0, 1, 0, 0}, 0, kAny, 4000, 5, {4000, 4001, 4002, 4003, 4004}},
        {"re-move near the end", {0, 0, 0, 1}, 0, kFalls, 3990, 4, {3992, 3993, 3996, 4004}},
        {"level-up after any battle", {0, 1, 1, 0}, 0, kAny, 1, 397, {}}};
    // clang-format on
    for (const auto& [name, switches, predict, condition, start, result, first] : cases) {
        expect_found(searching(switches, predict, condition), 0, start, result, first, name);
    }
    // Wanting HP alone, 15 is a level-up position and the battle from 4 ends right there; but 15
    // is the window itself (e = 15), so no battle is tried before it. The results come per
    // battle length, not in ascending order.
    Action hpOnly = searching({0, 1, 1, 0}, 0, kAny);
    hpOnly.levelUpWanted = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    expect_found(hpOnly, 0, 1, 3129, {7, 10, 9, 12}, "HP alone");
    const GrowthRates rate130 = {130, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const LevelUpWanted hp = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    const LevelUpWanted hp2 = {2, 0, 0, 0, 0, 0, 0, 0, 0};
    // rates, wishes, re-move, sequence, result, first positions: "+2" on 130 wants the stored
    // value below 30, on 100 below 0; "+1" on 130 or on 99 narrows nothing.
    using Wish =
        std::tuple<std::string, GrowthRates, LevelUpWanted, bool, int, int, std::vector<int>>;
    // clang-format off
    const std::vector<Wish> wishes = {
        {"no stat wanted", kWorkedRates, {}, false, 0, kSearchNoWish, {}},
        {"+1 on rate 0", kWorkedRates, {0, 0, 0, 0, 0, 0, 0, 0, 1}, false, 0, kSearchBadWish, {}},
        {"+2 below 100", kWorkedRates, {0, 0, 0, 0, 2, 0, 0, 0, 0}, false, 0, kSearchBadWish, {}},
        {"+1 on 99 with re-move", {99, 0, 0, 0, 0, 0, 0, 0, 0, 30}, hp, true, 0, 1187, {4, 5, 11}},
        {"+1 on 99 alone: the bound is 99", {99, 0, 0, 0, 0, 0, 0, 0, 0, 0}, hp, false, 0,
         kSearchNoWish, {}},
        {"+1 on 130", rate130, hp, false, 0, kSearchNoWish, {}},
        {"+2 on 100", {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}, hp2, false, 0, 0, {}},
        {"+2 on 130", rate130, hp2, false, 5, 1227, {2, 3, 5, 6, 10, 15, 18, 19, 22, 25, 27, 40}}};
    // clang-format on
    for (const auto& [name, rates, wanted, reMove, seed, result, first] : wishes) {
        Action w = searching({0, 0, 1, reMove ? 1 : 0});
        std::tie(w.growthRates, w.levelUpWanted) = std::tie(rates, wanted);
        expect_found(w, seed, 1, result, first, name);
    }
    constexpr std::int32_t kSame = kResultHpUnchanged, kAtLeast = kResultHpAtLeast,
                           kAtMost = kResultHpAtMost, kPctAtLeast = kResultPercentAtLeast,
                           kPctAtMost = kResultPercentAtMost, kHits = kResultHitsAtLeast,
                           kFewHits = kResultHitsAtMost;
    // condition (1 at the end: unspecified), HP before and after, maxHp, hits received, met:
    // each type met at its bound and missed by one. A type outside 0..6 is no condition; a
    // percentage of a maxHp at or below 0 is never met; the products take 64 bits.
    // clang-format off
    const std::vector<std::tuple<BattleResultCondition, int, int, int, int, int>> conditions = {
        {{kSame, 0, 0}, 40, 40, 60, 0, 1}, {{kSame, 0, 0}, 40, 39, 60, 0, 0},
        {{kAtLeast, 30, 0}, 40, 30, 60, 0, 1}, {{kAtLeast, 30, 0}, 40, 29, 60, 0, 0},
        {{kAtMost, 0, 0}, 40, 0, 60, 0, 1}, {{kAtMost, 0, 0}, 40, 1, 60, 0, 0},
        {{kAtMost, 0, 0}, 40, -5, 60, 0, 1}, {{kPctAtLeast, 33, 0}, 3, 1, 3, 0, 1},
        {{kPctAtLeast, 34, 0}, 3, 1, 3, 0, 0}, {{kPctAtMost, 34, 0}, 3, 1, 3, 0, 1},
        {{kPctAtMost, 33, 0}, 3, 1, 3, 0, 0}, {{kPctAtMost, 100, 0}, 3, 0, 0, 0, 0},
        {{kPctAtLeast, 0, 0}, 3, 1, -5, 0, 0}, {{kPctAtLeast, INT32_MAX, 0}, 1, INT32_MAX, INT32_MAX, 0, 0},
        {{kPctAtMost, 50, 0}, 60, 30, 60, 0, 1}, {{kPctAtLeast, 50, 0}, 60, 30, 60, 0, 1},
        {{kPctAtLeast, 101, 0}, 100, 100, 100, 0, 0},
        {{kHits, 2, 0}, 40, 40, 60, 2, 1}, {{kHits, 2, 0}, 40, 40, 60, 1, 0},
        {{kFewHits, 1, 0}, 40, 40, 60, 1, 1}, {{kFewHits, 1, 0}, 40, 40, 60, 2, 0},
        {{7, 0, 0}, 40, 0, 60, 0, 1}, {{-1, 0, 0}, 40, 0, 60, 0, 1},
        {{kAtLeast, 1000, 1}, 40, 0, 60, 0, 1}};
    // clang-format on
    for (const auto& c : conditions) {
        const auto& [condition, hpBefore, hpAfter, maxHp, hitsReceived, met] = c;
        for (const bool onAlly : {true, false}) {
            Action action = worked_session().action;
            SequenceRun run{};
            CombatantState& side = onAlly ? action.ally : action.enemy;
            (onAlly ? action.allyCondition : action.enemyCondition) = condition;
            std::tie(side.hp, side.maxHp) = std::tie(hpBefore, maxHp);
            (onAlly ? run.allyHpAfterBattle : run.enemyHpAfterBattle) = hpAfter;
            (onAlly ? run.log.defenderHitsLanded : run.log.attackerHitsLanded) = hitsReceived;
            EXPECT_EQ(battle_result_met(action, run), met == 1)
                << testing::PrintToString(c) << onAlly;
        }
    }
}

using Chains = std::vector<std::vector<int>>;
const BattleResultCondition kNever = {kResultHpAtLeast, 1000, 0};

std::pair<std::int32_t, Chains> search_turn(const std::vector<Action>& steps, int start = 1,
                                            int seed = 0) {
    TurnPlan plan{static_cast<std::int32_t>(steps.size()), {}};
    std::copy(steps.begin(), steps.end(), plan.steps.begin());
    static const auto found = std::make_unique<PlanSearchResults>();
    const std::int32_t result = search_plan(plan, worked_tables(), seed, start, *found);
    Chains chains;
    for (std::int32_t i = 0; i < result; ++i) {
        chains.emplace_back(found->chains[i].begin(), found->chains[i].begin() + steps.size());
    }
    return {result, chains};
}

TEST(TurnPlan, EachStepStartsWhereTheOneBeforeStoppedOnOneSequenceOrOnAll) {
    // The battle from 19 uses 11 values, the level-up at 30 9; the battles from 1 to 16 fail.
    const auto [result, chains] =
        search_turn({searching({0, 1, 0, 0}), searching({0, 0, 1, 0}), searching({0, 0, 0, 1})});
    ASSERT_EQ(result, 35);
    EXPECT_EQ(std::make_pair(chains[0], chains[34]),
              std::make_pair(std::vector<int>{19, 30, 39}, std::vector<int>{3964, 3975, 3984}));
    EXPECT_EQ(search_turn({searching({0, 1, 0, 0}), searching({0, 1, 0, 0}, 0, kNever)}),
              std::make_pair(0, Chains{}));
    // Two re-moves in a row: the first holds at 1 already, but the second then fails at 2.
    const auto [twice, pairs] = search_turn({searching({0, 0, 0, 1}), searching({0, 0, 0, 1})});
    EXPECT_EQ(std::make_pair(twice, pairs[0]), std::make_pair(355, std::vector<int>{13, 14}));
    // A re-move, then a level-up raising HP, on sequence 12: both hold from 3998, 4003 and 4004,
    // but from 4004 the level-up would start at 4005.
    Action levelUp = searching({0, 0, 1, 0});
    levelUp.levelUpWanted = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(search_turn({searching({0, 0, 0, 1}), levelUp}, 3990, 12),
              std::make_pair(2, Chains{{3998, 3999}, {4003, 4004}}));
    // From 20 a level-up after a battle no longer finds 19, whose battle ends at 30.
    Chains found = search_turn({searching({0, 1, 1, 0})}, 20).second;
    found.resize(5);
    EXPECT_EQ(found, (Chains{{63}, {83}, {89}, {111}, {118}}));
    // The worked battle, where the enemy falls, holds on sequence 0 from 1, 5, 6, ..., but on 16
    // and 51 as well only from 38 on.
    static std::int32_t positions[kSearchEnd];
    static const auto work = std::make_unique<PlanSearchResults>();
    const std::int32_t three[] = {0, 16, 51};
    const auto common = [&](const Action& action, const TurnPlan& plan,
                            std::span<const int> seeds) {
        return search_common(action, plan, worked_tables(), seeds, 1, *work, positions);
    };
    EXPECT_EQ(common(searching({0, 1, 0, 0}), TurnPlan{}, three), 248);
    EXPECT_EQ(positions[0], 38);
    // On sequence 0 alone it holds where the battle's own search finds it; on no sequence, nowhere.
    EXPECT_GT(common(searching({0, 1, 0, 0}), TurnPlan{}, std::span(three).first(1)), 3);
    EXPECT_EQ(std::vector<int>(positions, positions + 3), (std::vector<int>{1, 5, 6}));
    EXPECT_EQ(common(searching({0, 1, 0, 0}), TurnPlan{}, {}), 0);
    // The battle, then a re-move: 21 holds on 18 alone, 3 on 36 alone.
    const TurnPlan plan{2, {searching({0, 1, 0, 0}), searching({0, 0, 0, 1})}};
    const std::int32_t two[] = {18, 36};
    EXPECT_EQ(common(worked_session().action, plan, two), 33);
    EXPECT_EQ(std::vector<int>(positions, positions + 4), (std::vector<int>{2, 217, 368, 501}));
}

constexpr Observations kAllFour = {40, 0, 0b11, true};

// The nearest `room` positions as "sequence:position offset>next ", then "/" and how many in all.
std::string locate(const Action& action, const PositionSet& where, int from,
                   const Observations& seen, std::size_t room) {
    std::vector<LocatedPosition> found(room);
    const std::size_t total = locate_positions(action, generated_table(), where, from, seen, found);
    std::string text;
    for (std::size_t i = 0; i < std::min(room, total); ++i) {
        const LocatedPosition& p = found[i];
        text += std::to_string(p.seedIndex) + ":" + std::to_string(p.position) + " " +
                std::to_string(p.offset) + ">" + std::to_string(p.next) + " ";
    }
    return text + "/" + std::to_string(total);
}

TEST(Locate, FindsTheNearestPositionsFirstOverAnyPlacesAndNothingTheActionCannotShow) {
    // The worked battle, then the level-up and the re-move with the worked rates (re-move 30): on
    // sequence 0 from position 1 the battle uses 11 values, the enemy falls and the ally keeps 40,
    // HP and 力 grow, and the re-move passes, 21 values in all.
    // Each observation alone checked with run at every position of sequence 0 from 3 to 17, lane
    // 0 at 10: nearest first, the one before lane 0 before the one after it at the same distance.
    // From 8 the battle uses 14 values. At the last position every one found lies before lane 0,
    // and where the game stands now may lie past it.
    using Case = std::tuple<std::vector<std::int32_t>, int, Observations, std::size_t, std::string>;
    // clang-format off
    const std::vector<Case> cases = {
        {{0}, 10, {30, {}, {}, {}}, 4, "0:7 -3>28 0:13 3>34 0:6 -4>27 0:14 4>35 "},
        {{0}, 10, {{}, {}, 0b1001, {}}, 3, "0:10 0>31 0:7 -3>28 0:17 7>38 "},
        {{0}, 10, {{}, {}, {}, true}, 3, "0:11 1>32 0:8 -2>32 0:4 -6>25 "},
        {{0}, 1, kAllFour, 10, "0:1 0>22 0:133 132>157 0:1200 1199>1221 0:3846 3845>3867 "
         "0:4419 4418>4440 /5"}, {{0}, 1, kAllFour, 2, "0:1 0>22 0:133 132>157 /5"},
        {{0, 16, 51}, 1, kAllFour, 4, "0:1 0>22 0:133 132>157 51:503 502>524 51:738 737>759 /21"},
        {{0}, kLastLanePosition, {{}, 0, {}, {}}, 2, "0:4965 -8>4986 0:4960 -13>4981 "}};
    // clang-format on
    for (const auto& [seeds, from, seen, room, expected] : cases) {
        const std::string got =
            locate(searching({0, 1, 1, 1}), every_position_of(seeds), from, seen, room);
        EXPECT_EQ(expected.ends_with(' ') ? got.substr(0, got.find('/')) : got, expected);
    }
    // What the action has no event for was not seen in this game: nothing matches it. Without a
    // battle a run reports the HP the enemy's record last kept.
    Action noReMoveRate = searching({0, 1, 1, 1});
    noReMoveRate.growthRates[kReMoveRateIndex] = 0;
    Action noBattle = searching({0, 0, 1, 1});
    noBattle.enemy.hpAfterBattle = 20;
    for (const auto& [action, seen] : std::vector<std::pair<Action, Observations>>{
             {noBattle, {{}, 20, {}, {}}},
             {searching({0, 1, 0, 1}), {{}, {}, 0, {}}},
             {searching({0, 1, 1, 0}), {{}, {}, {}, false}},
             {noReMoveRate, {{}, {}, {}, false}}}) {
        EXPECT_EQ(locate(action, every_position_of(std::vector{0}), 10, seen, 1), "/0");
    }
    // The worked battle's two HPs (40 and 0) over every sequence from lane 0 at 2000: exactly the
    // places where run gives them, each tried on its own and sorted by distance, then sequence.
    // Kept places: those alone, each once, whatever their sequence; places that give it (1 and
    // 19 of sequence 0, 1 of 4) and one that does not (2 of 0).
    const Action battle = searching({0, 1, 0, 0});
    const Observations seen{40, 0, {}, {}};
    std::vector<LocatedPosition> expected;
    PositionSet all, kept;
    for (int seed = 0; seed < kSeedCount; ++seed) {
        all.add_sequence(seed);
        for (int position = kFirstLanePosition; position <= kLastLanePosition; ++position) {
            const SequenceRun run = run_action_at(battle, generated_table(), seed, position);
            if (run.allyHpAfterBattle == 40 && run.enemyHpAfterBattle == 0) {
                expected.push_back({seed, position, position - 2000, position + run.log.count});
            }
        }
    }
    std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return std::tuple(std::abs(a.offset), a.offset, a.seedIndex) <
               std::tuple(std::abs(b.offset), b.offset, b.seedIndex);
    });
    EXPECT_EQ(expected.size(), 50399u);
    std::vector<LocatedPosition> found(kSeedCount * kLastLanePosition);
    found.resize(locate_positions(battle, generated_table(), all, 2000, seen, found));
    EXPECT_TRUE(found == expected);
    for (const LaneCursor& place : {LaneCursor{4, 1}, {0, 19}, {0, 2}, {0, 1}, {4, 1}}) {
        kept.add(place);
    }
    EXPECT_EQ(locate(battle, kept, 1, seen, 4), "0:1 0>12 4:1 0>15 0:19 18>30 /3");
}

}  // namespace
