#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "state/advance.h"
#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "worked_units.h"

namespace {

// The worked units at position 1 of sequence 0, with the events switched on.
AppState& worked_state(const EventSwitches& switches, std::int32_t predict = 0) {
    AppState& s = status_set_state();
    s.eventSwitches = switches;
    s.predictSwitch = predict;
    return s;
}

// Lv 技 幸運 HP MAX of the ally.
std::tuple<int, int, int, int, int> ally_figures(const AppState& s) {
    return {s.ally.level, s.ally.technique, s.ally.luck, s.ally.hp, s.ally.maxHp};
}

TEST(Advance, MovesLaneZeroPastTheActionAndCarriesItsOutcome) {
    struct Case {
        const char* what;
        EventSwitches switches;
        std::int32_t predict;
        GrowthRates rates;
        int position;
        int positionAfter;
        std::tuple<int, int, int, int, int> ally;
        int enemyHp;
        const char* record;
    };
    const GrowthRates techniqueAndLuck = {80, 50, 10, 50, 40, 20, 5, 60, 0, 0};
    // clang-format off
    const std::vector<Case> cases = {
        // The worked battle: 11 values, the enemy falls.
        {"battle", {0, 1, 0, 0}, 0, kWorkedRates, 1, 12, {10, 10, 10, 40, 60}, 0,
         "#00 1→12（11個） 戦闘 味方40→40 敵40→0"},
        // The predicted battle takes those 11; the real one, from 12, hits twice for 10.
        {"predicted", {0, 1, 0, 0}, 1, kWorkedRates, 1, 23, {10, 10, 10, 40, 60}, 20,
         "#00 1→23（22個） 戦闘 味方40→40 敵40→20"},
        // Stored 13 55 41 47 47 29 90 54 6: HP (13 < 80), 技 (47 < 50) and 運 (54 < 60) grow.
        {"level-up", {0, 0, 1, 0}, 0, techniqueAndLuck, 1, 10, {11, 11, 11, 41, 61}, 40,
         "#00 1→10（9個） レベルアップ 成長HP 技 運"},
        // Stored 13 is below the re-move rate of 30; at position 10 stored 30 is not.
        {"re-move", {0, 0, 0, 1}, 0, kWorkedRates, 1, 2, {10, 10, 10, 40, 60}, 40,
         "#00 1→2（1個） 再行動 再行動○"},
        {"no re-move", {0, 0, 0, 1}, 0, kWorkedRates, 10, 11, {10, 10, 10, 40, 60}, 40,
         "#00 10→11（1個） 再行動 再行動×"},
        // The battle from 12 uses 11 values, the level-up then stored 30 11 89 74 63 77 53 37 17:
        // HP, 力 and 運 grow, and HP comes on top of the battle's.
        {"battle and level-up", {0, 1, 1, 0}, 0, kWorkedRates, 12, 32, {11, 10, 11, 41, 61}, 20,
         "#00 12→32（20個） 戦闘・レベルアップ 味方40→40 敵40→20 成長HP 力 運"},
    };
    // clang-format on
    for (const Case& c : cases) {
        AppState& s = worked_state(c.switches, c.predict);
        s.growthRates = c.rates;
        s.lanes[0].position = c.position;
        s.history.count = 0;
        const AdvanceReport report = advance_past_action(s);
        EXPECT_EQ(std::make_tuple(report.refusal, report.positionAfter, s.lanes[0].position,
                                  ally_figures(s), s.enemy.hp, s.history.count,
                                  history_line(s.history.entries[0])),
                  std::make_tuple(AdvanceRefusal::kNone, c.positionAfter, c.positionAfter, c.ally,
                                  c.enemyHp, 1, std::string(c.record)))
            << c.what;
    }
    // Both lanes ran again with the units as they are now: from 12 the first hit meets an enemy
    // at 0 HP, and the battle ends there.
    AppState& s = worked_state({0, 1, 0, 0});
    advance_past_action(s);
    EXPECT_EQ(std::make_tuple(s.lanes[0].count, s.lanes[1].position, s.lanes[1].count),
              std::make_tuple(5, 1, 5));
}

TEST(Advance, ReportsEveryFigureThatChangedInTheStatusDialogsOrder) {
    AppState& s = worked_state({0, 1, 1, 0});
    s.lanes[0].position = 12;
    s.growthRates = {100, 0, 0, 100, 0, 0, 0, 100, 0, 0};
    const AdvanceReport report = advance_past_action(s);
    std::vector<std::tuple<bool, std::string, std::int64_t, std::int64_t>> changes;
    for (int c = 0; c < report.changeCount; ++c) {
        const FigureChange& change = report.changes[c];
        changes.emplace_back(change.ally, kUnitFigures[change.figure].label, change.before,
                             change.after);
    }
    using C = std::tuple<bool, std::string, std::int64_t, std::int64_t>;
    EXPECT_EQ(changes, (std::vector<C>{C{true, "Lv", 10, 11}, C{true, "技", 10, 11},
                                       C{true, "幸運", 10, 11}, C{true, "HP", 40, 41},
                                       C{true, "MAX", 60, 61}, C{false, "HP", 40, 20}}));
    EXPECT_EQ(std::make_tuple(report.entry.allyHp, report.entry.enemyHp, report.entry.grown,
                              report.outcome.reMoveTested),
              std::make_tuple(std::array{40, 40}, std::array{40, 20}, 0b10001001u, false));
}

// An ally at 40 HP whose first strike always connects and fells the worked enemy, and whose curse
// then always costs it its whole attack.
CombatantState cursed_ally(std::int32_t attack) {
    CombatantState ally = with_figures(with_skills(CombatantState{}, {kSkillCurse}),
                                       {{&CombatantState::luck, -999},
                                        {&CombatantState::hitRate, 100},
                                        {&CombatantState::attack, attack},
                                        {&CombatantState::attackSpeed, 10},
                                        {&CombatantState::hp, 40}});
    std::strcpy(ally.name, "アルト");
    return ally;
}

TEST(Advance, RefusesWithAReasonAndChangesNothing) {
    struct Case {
        const char* what;
        void (*set)(AppState&);
        AdvanceRefusal refusal;
        const char* words;
    };
    const std::vector<Case> cases = {
        {"no ally", [](AppState& s) { s.ally.name[0] = '\0'; }, AdvanceRefusal::kNoAlly,
         "ステータスで味方を決めてから実行してください"},
        {"移動 alone",
         [](AppState& s) {
             s.eventSwitches = {1, 0, 0, 0};
         },
         AdvanceRefusal::kNothingUsed,
         "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください"},
        {"past 4973",
         [](AppState& s) {
             s.eventSwitches = {0, 0, 0, 1};
             s.lanes[0].position = 4973;
         },
         AdvanceRefusal::kPastLastPosition, "位置が4974になり4973を越えるため実行できません"},
        // 流星 always passes and 勇者 doubles: six groups of ten strikes that deal nothing, twice
        // over with the predicted battle.
        {"full log",
         [](AppState& s) {
             for (CombatantState* unit : {&s.ally, &s.enemy}) {
                 *unit = with_skills(*unit, {kSkillMeteor, kSkillBrave, kSkillCharge});
                 std::tie(unit->technique, unit->attack, unit->hp) = std::tuple(100, 0, 9999);
             }
             s.predictSwitch = 1;
         },
         AdvanceRefusal::kFullLog,
         "乱数を256個以上使う行動は、使った数が分からないため実行できません"},
        {"Lv past 9999",
         [](AppState& s) {
             s.eventSwitches = {0, 0, 1, 0};
             s.ally.level = 9999;
         },
         AdvanceRefusal::kFigureTooHigh, "味方のLvが10000になり9999を超えるため実行できません"},
        {"HP past 9999",
         [](AppState& s) {
             s.eventSwitches = {0, 0, 1, 0};
             s.growthRates[0] = 100;
             s.ally.hp = 9999;
         },
         AdvanceRefusal::kFigureTooHigh, "味方のHPが10000になり9999を超えるため実行できません"},
        {"HP below -999", [](AppState& s) { s.ally = cursed_ally(9999); },
         AdvanceRefusal::kFigureTooLow, "味方のHPが-9959になり-999を下回るため実行できません"},
        // The curse leaves -1000 and the level-up's HP -999, but the record keeps the battle's.
        {"HP below -999 in the record",
         [](AppState& s) {
             s.ally = cursed_ally(1040);
             s.eventSwitches = {0, 1, 1, 0};
             s.growthRates[0] = 100;
         },
         AdvanceRefusal::kFigureTooLow, "味方のHPが-1000になり-999を下回るため実行できません"},
    };
    for (const Case& c : cases) {
        AppState& s = worked_state({0, 1, 0, 0});
        c.set(s);
        const auto before = std::make_unique<AppState>(s);
        const AdvanceReport report = advance_past_action(s);
        EXPECT_EQ(std::make_tuple(report.refusal, refusal_words(report)),
                  std::make_tuple(c.refusal, std::string(c.words)))
            << c.what;
        EXPECT_EQ(std::memcmp(static_cast<void*>(&s), before.get(), sizeof s), 0) << c.what;
        EXPECT_EQ(advance_available(s),
                  c.refusal != AdvanceRefusal::kNoAlly && c.refusal != AdvanceRefusal::kNothingUsed)
            << c.what;
    }
    // One position earlier, the last value of a lane is still the lane's to stand on.
    AppState& s = worked_state({0, 0, 0, 1});
    s.lanes[0].position = 4972;
    EXPECT_EQ(std::make_tuple(advance_past_action(s).refusal, s.lanes[0].position),
              std::make_tuple(AdvanceRefusal::kNone, 4973));
}

TEST(Advance, TheRecordKeepsTheNewestThousand) {
    AppState& s = worked_state({0, 0, 0, 1});
    s.history.count = kHistoryCapacity;
    for (int i = 0; i < kHistoryCapacity; ++i) {
        s.history.entries[i] = HistoryEntry{};
        s.history.entries[i].position = i + 1;
    }
    advance_past_action(s);
    EXPECT_EQ(
        std::make_tuple(s.history.count, s.history.entries[0].position,
                        s.history.entries[998].position, history_line(s.history.entries[999])),
        std::make_tuple(kHistoryCapacity, 2, 1000, std::string("#00 1→2（1個） 再行動 再行動○")));
}

TEST(Advance, APlanGoesStepByStepAndLaterStepsCarryWhatTheyTookUnchanged) {
    AppState& s = started_state();
    std::ifstream file(std::string(SORAMITO_SAMPLES_DIR) + "/turn-plan.json");
    read_scenario(std::string(std::istreambuf_iterator<char>(file), {}), kScenarioCodec, s);
    // Step 1, アルト's worked battle: the current status is that step's, so it takes the outcome;
    // the later steps took other units and keep theirs.
    EXPECT_EQ(advance_past_action(s).positionAfter, 12);
    EXPECT_EQ(std::make_tuple(s.plan.stepCount, s.enemy.hp, s.plan.steps[0].enemy.hp,
                              s.plan.steps[1].enemy.hp),
              std::make_tuple(2, 0, 34, 34));
    // Step 2 from 12, ミナト against 山賊: hits for 14 at entries 2 and 8 (11 and 23 against 85),
    // the enemy's answer misses (92 against 60): 9 values. The level-up step took 山賊 unchanged
    // from it.
    EXPECT_EQ(advance_past_action(s).positionAfter, 21);
    EXPECT_EQ(std::make_tuple(s.plan.stepCount, s.plan.steps[0].enemy.hp, s.plan.steps[0].ally.hp,
                              s.enemy.hp),
              std::make_tuple(1, 6, 38, 0));
    // Step 3 from 21, stored 8 84 30 11 89 74 63 77 53: HP, 力, 魔, 技 and 守 grow for ミナト
    // alone; the current status is アルト's.
    const AdvanceReport last = advance_past_action(s);
    std::vector<std::int64_t> after;
    for (int c = 0; c < last.changeCount; ++c) {
        after.push_back(last.changes[c].after);
    }
    EXPECT_EQ(std::make_tuple(last.positionAfter, s.plan.stepCount, after, s.ally.level,
                              figures_to_check_line(last.entry.grown)),
              std::make_tuple(30, 0, std::vector<std::int64_t>{13, 13, 39, 39}, 10,
                              std::string("力 魔 技 守 が上がりました：攻撃・命中・必殺・防御を確"
                                          "かめてください")));
    EXPECT_EQ(s.history.count, 3);
}

TEST(Advance, NamesTheFiguresAGrownStatMayChange) {
    // bits: HP 力 魔 技 速 守 体 運 移
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {0b000010010, "力 速 が上がりました：攻撃・攻速を確かめてください"},
        {0b010001000, "技 運 が上がりました：命中・必殺を確かめてください"},
        {0b000100100, "魔 守 が上がりました：攻撃・防御を確かめてください"},
        {0b001000001, "体 が上がりました：攻速を確かめてください"},
        {0b100000001, ""},
        {0, ""},
        {0b111111111,
         "力 魔 技 速 守 体 運 が上がりました：攻撃・命中・必殺・攻速・防御を確かめてください"},
    };
    for (const auto& [grown, line] : cases) {
        EXPECT_EQ(figures_to_check_line(grown), line) << grown;
    }
}

TEST(History, ReadsBackAsWrittenAndIsLeftOutWhenEmpty) {
    AppState& s = started_state();
    const std::string none = write_scenario(s, kScenarioCodec);
    EXPECT_EQ(none.find("history"), std::string::npos);
    const std::string text = R"({"history": [
        {"seedIndex": 63, "position": 4973, "count": 256, "allyHp": [-999, 9999],
         "enemyHp": [40, 0], "grown": [1, 0, 0, 1, 0, 0, 0, 1, 1], "reMove": 0},
        {"seedIndex": 0, "position": 1, "count": 0}]})";
    read_scenario(text, kScenarioCodec, s);
    EXPECT_EQ(std::make_tuple(s.history.count, history_line(s.history.entries[0]),
                              history_line(s.history.entries[1])),
              std::make_tuple(2,
                              std::string("#63 4973→5229（256個） 戦闘・レベルアップ・再行動 "
                                          "味方-999→9999 敵40→0 成長HP 技 運 移 再行動×"),
                              std::string("#00 1→1（0個）")));
    const std::string written = write_scenario(s, kScenarioCodec);
    AppState& again = started_state();
    read_scenario(written, kScenarioCodec, again);
    EXPECT_EQ(write_scenario(again, kScenarioCodec), written);
    // A file without the record empties it, as it empties the plan.
    read_scenario("{}", kScenarioCodec, again);
    EXPECT_EQ(again.history.count, 0);
}

TEST(History, RefusesABadEntryNamingTheMember) {
    const std::string fine = R"("seedIndex": 0, "position": 1, "count": 11)";
    const auto entry = [&fine](const std::string& more) {
        return R"({"history": [{)" + fine + ", " + more + "}]}";
    };
    std::string tooMany = R"({"history": [)";
    for (int i = 0; i <= kHistoryCapacity; ++i) {
        tooMany += (i == 0 ? "{" : ", {") + fine + "}";
    }
    tooMany += "]}";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"history": {}})", "scenario field history must be an array of at most 1000"},
        {tooMany, "scenario field history must be an array of at most 1000"},
        {R"({"history": [7]})", "scenario field history[0] must be an object"},
        {R"({"history": [{"position": 1, "count": 11}]})", "history[0].seedIndex is missing"},
        {R"({"history": [{"seedIndex": 0, "count": 11}]})", "history[0].position is missing"},
        {R"({"history": [{"seedIndex": 0, "position": 1}]})", "history[0].count is missing"},
        {R"({"history": [{"seedIndex": 64, "position": 1, "count": 1}]})",
         "history[0].seedIndex must be 0 to 63"},
        {R"({"history": [{"seedIndex": 0, "position": 4974, "count": 1}]})",
         "history[0].position must be 1 to 4973"},
        {R"({"history": [{"seedIndex": 0, "position": 0, "count": 1}]})",
         "history[0].position must be 1 to 4973"},
        {R"({"history": [{"seedIndex": 0, "position": 1, "count": 257}]})",
         "history[0].count must be 0 to 256"},
        {R"({"history": [{"seedIndex": 0, "position": 1, "count": -1}]})",
         "history[0].count must be 0 to 256"},
        {entry(R"("allyHp": [40])"), "history[0].allyHp must be an array of 2 integers"},
        {entry(R"("enemyHp": [40, 10000])"), "history[0].enemyHp[1] must be -999 to 9999"},
        {entry(R"("allyHp": [-1000, 0])"), "history[0].allyHp[0] must be -999 to 9999"},
        {entry(R"("grown": [0, 0, 2, 0, 0, 0, 0, 0, 0])"), "history[0].grown[2] must be 0 to 1"},
        {entry(R"("grown": [0, 0, 0])"), "history[0].grown must be an array of 9 integers"},
        {entry(R"("reMove": 2)"), "history[0].reMove must be 0 to 1"},
        {entry(R"("reMove": true)"), "history[0].reMove must be an integer"},
        {entry(R"("hp": 3)"), "unknown scenario field history[0].hp"},
    };
    for (const auto& [text, message] : cases) {
        AppState& s = started_state();
        s.history.count = 1;
        try {
            read_scenario(text, kScenarioCodec, s);
            ADD_FAILURE() << text << " was read";
        } catch (const ScenarioError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        EXPECT_EQ(s.history.count, 1) << message;
    }
}

}  // namespace
