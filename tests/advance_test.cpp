#include <fstream>

#include "refused_advances.h"
#include "state/advance.h"
#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "worked_units.h"

namespace {

// "label before>after " of every figure that changed, the enemy's marked 敵.
std::string changes_of(const AdvanceReport& report) {
    std::string text;
    for (int c = 0; c < report.changeCount; ++c) {
        const FigureChange& f = report.changes[c];
        text += std::string(f.ally ? "" : "敵") + kUnitFigures[f.figure].label + " " +
                std::to_string(f.before) + ">" + std::to_string(f.after) + " ";
    }
    return text;
}

TEST(Advance, MovesLaneZeroCarriesTheOutcomeNarrowsTheKeptPlacesOrRefusesAndChangesNothing) {
    const GrowthRates techniqueAndLuck = {80, 50, 10, 50, 40, 20, 5, 60, 0, 0};
    // switches, prediction, rates, lane 0's position, the record's line, the changes reported
    using Case = std::tuple<EventSwitches, int, GrowthRates, int, std::string, std::string>;
    // clang-format off
    const std::vector<Case> cases = {
        // The worked battle: 11 values, the enemy falls.
        {{0, 1, 0, 0}, 0, kWorkedRates, 1, "#00 1→12（11個） 戦闘 味方40→40 敵40→0", "敵HP 40>0 "},
        // The predicted battle takes those 11; the real one, from 12, hits twice for 10.
        {{0, 1, 0, 0}, 1, kWorkedRates, 1, "#00 1→23（22個） 戦闘 味方40→40 敵40→20", "敵HP 40>20 "},
        // Stored 13 55 41 47 47 29 90 54 6: HP (13 < 80), 技 (47 < 50) and 運 (54 < 60) grow.
        {{0, 0, 1, 0}, 0, techniqueAndLuck, 1, "#00 1→10（9個） レベルアップ 成長HP 技 運",
         "Lv 10>11 技 10>11 幸運 10>11 HP 40>41 MAX 60>61 "},
        // Stored 13 is below the re-move rate of 30; at position 10 stored 30 is not.
        {{0, 0, 0, 1}, 0, kWorkedRates, 1, "#00 1→2（1個） 再行動 再行動○", ""},
        {{0, 0, 0, 1}, 0, kWorkedRates, 10, "#00 10→11（1個） 再行動 再行動×", ""},
        // One position earlier, the last value of a lane is still the lane's to stand on.
        {{0, 0, 0, 1}, 0, kWorkedRates, 4972, "#00 4972→4973（1個） 再行動 再行動×", ""},
        // The battle from 12 uses 11 values, the level-up then stored 30 11 89 74 63 77 53 37 17:
        // HP, 力 and 運 grow, and HP comes on top of the battle's.
        {{0, 1, 1, 0}, 0, kWorkedRates, 12, "#00 12→32（20個） 戦闘・レベルアップ 味方40→40 敵40→20 "
         "成長HP 力 運", "Lv 10>11 幸運 10>11 HP 40>41 MAX 60>61 敵HP 40>20 "}};
    // clang-format on
    for (const auto& [switches, predict, rates, position, record, changes] : cases) {
        Session s = worked_session();
        std::tie(s.action.eventSwitches, s.action.predictSwitch, s.action.growthRates,
                 s.lanes[0].position) = std::tuple(switches, predict, rates, position);
        const AdvanceReport report = advance_past_action(s, generated_table());
        const int after = std::stoi(record.substr(record.find("→") + std::strlen("→")));
        EXPECT_EQ(std::make_tuple(report.refusal, report.positionAfter, s.lanes[0].position,
                                  s.history.count, history_line(s.history.entries[0]),
                                  changes_of(report), report.outcome.reMoveTested),
                  std::make_tuple(AdvanceRefusal::kNone, after, after, 1, record, changes,
                                  switches[kSwitchReMove] == 1))
            << record;
    }
    // A full record drops its oldest entry.
    Session s = worked_session();
    s.action.eventSwitches = {0, 1, 0, 0};
    s.history.count = kHistoryCapacity;
    for (int i = 0; i < kHistoryCapacity; ++i) {
        s.history.entries[i] = {};
        s.history.entries[i].position = i + 1;
    }
    advance_past_action(s, generated_table());
    EXPECT_EQ(
        std::make_tuple(s.history.count, s.history.entries[0].position,
                        s.history.entries[998].position, history_line(s.history.entries[999])),
        std::make_tuple(kHistoryCapacity, 2, 1000,
                        std::string("#00 1→12（11個） 戦闘 味方40→40 敵40→0")));
    for (const RefusedAdvance& c : kRefusedAdvances) {
        Session refused = read_scenario(c.scenario, kScenarioCodec).session;
        const Session before = refused;
        const AdvanceReport report = advance_past_action(refused, generated_table());
        EXPECT_EQ(std::make_tuple(report.refusal, refusal_words(report), refused == before,
                                  advance_available(refused)),
                  std::make_tuple(c.refusal, std::string(c.windowWords), true,
                                  c.refusal != AdvanceRefusal::kNoAlly &&
                                      c.refusal != AdvanceRefusal::kNothingUsed))
            << c.commandLine;
    }
    // Lane 0 on a place of its own: the kept places that do what lane 0 did are kept where they
    // lead, and the only one takes lane 0 there; none left empties the list and lane 0 goes on as
    // without it; an outcome of no part seen keeps every place; a place led past 4973 goes; a
    // refusal changes nothing.
    Session battle = worked_session();
    battle.action.eventSwitches = {0, 1, 0, 0};
    const auto advance = [](Session session, const std::vector<LaneCursor>& kept) {
        session.kept = kept;
        advance_past_action(session, generated_table());
        return std::pair(session.lanes[0], session.kept);
    };
    using Result = std::pair<LaneCursor, std::vector<LaneCursor>>;
    EXPECT_EQ(advance(battle, {{0, 2}, {4, 1}, {0, 2}}), (Result{{4, 15}, {}}));
    EXPECT_EQ(advance(battle, {{0, 19}, {0, 2}, {4, 1}}), (Result{{0, 12}, {{0, 30}, {4, 15}}}));
    EXPECT_EQ(advance(battle, {{0, 2}}), (Result{{0, 12}, {}}));
    // A level-up at rates of 0 grows nothing anywhere and uses 9 values; a re-move at a rate of
    // 0 uses none and shows nothing.
    Session levelUp = battle;
    levelUp.action.eventSwitches = {0, 0, 1, 0};
    levelUp.action.growthRates = {};
    EXPECT_EQ(advance(levelUp, {{1, 4970}, {0, 2}, {1, 4960}}),
              (Result{{0, 10}, {{0, 11}, {1, 4969}}}));
    Session nothingSeen = levelUp;
    nothingSeen.action.eventSwitches = {0, 0, 0, 1};
    EXPECT_EQ(advance(nothingSeen, {{1, 4973}, {0, 2}, {1, 4973}}),
              (Result{{0, 1}, {{0, 2}, {1, 4973}}}));
    Session atTheEnd = battle;
    atTheEnd.lanes[0].position = 4970;
    EXPECT_EQ(advance(atTheEnd, {{0, 2}, {4, 1}}), (Result{{0, 4970}, {{0, 2}, {4, 1}}}));
}

TEST(Advance, APlanGoesStepByStepAndLaterStepsCarryWhatTheyTookUnchanged) {
    std::ifstream file(std::string(SORAMITO_SAMPLES_DIR) + "/turn-plan.json");
    Session s = read_scenario(std::string(std::istreambuf_iterator<char>(file), {}), kScenarioCodec)
                    .session;
    // Step 1, アルト's worked battle: the current status is that step's, so it takes the outcome;
    // the later steps took other units and keep theirs.
    EXPECT_EQ(advance_past_action(s, generated_table()).positionAfter, 12);
    EXPECT_EQ(std::make_tuple(s.plan.stepCount, s.action.enemy.hp, s.plan.steps[0].enemy.hp,
                              s.plan.steps[1].enemy.hp),
              std::make_tuple(2, 0, 34, 34));
    // Step 2 from 12, ミナト against 山賊: hits for 14 at entries 2 and 8 (11 and 23 against 85),
    // the enemy's answer misses (92 against 60): 9 values. The level-up step took its 山賊.
    EXPECT_EQ(advance_past_action(s, generated_table()).positionAfter, 21);
    EXPECT_EQ(std::make_tuple(s.plan.stepCount, s.plan.steps[0].enemy.hp, s.plan.steps[0].ally.hp,
                              s.action.enemy.hp),
              std::make_tuple(1, 6, 38, 0));
    // Step 3 from 21, stored 8 84 30 11 89 74 63 77 53: HP, 力, 魔, 技 and 守 grow for ミナト
    // alone; the current status is アルト's.
    const AdvanceReport last = advance_past_action(s, generated_table());
    EXPECT_EQ(
        std::make_tuple(last.positionAfter, s.plan.stepCount, changes_of(last), s.action.ally.level,
                        figures_to_check_line(last.entry.grown), s.history.count),
        std::make_tuple(30, 0, std::string("Lv 12>13 技 12>13 HP 38>39 MAX 38>39 "), 10,
                        std::string("力 魔 技 守 が上がりました：攻撃・命中・必殺・防御を"
                                    "確かめてください"),
                        3));
    // What the other grown stats may change (bits: HP 力 魔 技 速 守 体 運 移).
    // clang-format off
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {0b100000001, ""}, {0b001000000, "体 が上がりました：攻速を確かめてください"},
        {0b010010000, "速 運 が上がりました：攻速・命中・必殺を確かめてください"},
        {0b111111111,
         "力 魔 技 速 守 体 運 が上がりました：攻撃・命中・必殺・攻速・防御を確かめてください"}};
    // clang-format on
    for (const auto& [grown, line] : cases) {
        EXPECT_EQ(figures_to_check_line(grown), line) << grown;
    }
}

}  // namespace
