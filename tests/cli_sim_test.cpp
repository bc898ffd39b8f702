#include <gtest/gtest.h>

#include "cli_harness.h"

namespace {

const std::string kWorkedBattle = kSamplesDir + "/worked-battle.json";
const std::string kLevelUpSearch = kSamplesDir + "/level-up-search.json";

std::vector<std::string> with_data(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data-dir", kSamplesDir});
    return args;
}

TEST(CliRun, ReportsEachLaneAfterItsOwnRun) {
    const nlohmann::json run = run_soramito_json(with_data({"run", kWorkedBattle}));
    ASSERT_EQ(run["lanes"].size(), 2u);
    const nlohmann::json& lane = run["lanes"][0];
    EXPECT_EQ(lane["seedIndex"], 0);
    EXPECT_EQ(lane["position"], 1);
    EXPECT_EQ(lane["count"], 11);
    EXPECT_EQ(lane["codes"], nlohmann::json({3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11}));
    EXPECT_EQ(lane["success"], nlohmann::json({0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(lane["labels"],
              nlohmann::json({"連", "連", "殺", "？", "命", "殺", "？", "命", "殺", "？", "命"}));
    EXPECT_EQ(lane["predictStart"], 0);
    EXPECT_EQ(lane["predictEnd"], 0);
    EXPECT_EQ(lane["strikeStarts"], nlohmann::json({2, 5, 8, 255, 255, 255, 255, 255}));
    EXPECT_EQ(lane["attackerHitsLanded"], 2);
    EXPECT_EQ(lane["defenderHitsLanded"], 0);
    EXPECT_EQ(lane["allyHpAfterBattle"], 40);
    EXPECT_EQ(lane["enemyHpAfterBattle"], 0);
    // Lane 1 follows the same sequence from position 12: one hit less, the enemy keeps 20.
    EXPECT_EQ(run["lanes"][1]["position"], 12);
    EXPECT_EQ(run["lanes"][1]["enemyHpAfterBattle"], 20);

    const CliResult text = run_soramito_cli(with_data({"run", kWorkedBattle}));
    EXPECT_NE(text.out.find("[命]"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("40→0"), std::string::npos) << text.out;
}

TEST(CliRun, DefaultsAndLevelUpEntries) {
    TempDir dir;
    const nlohmann::json empty = run_soramito_json(with_data({"run", dir.write("s.json", "{}")}));
    for (const auto& lane : empty["lanes"]) {
        EXPECT_EQ(lane["count"], 0);
        EXPECT_EQ(lane["seedIndex"], 0);
        EXPECT_EQ(lane["position"], 1);
    }
    const nlohmann::json growth = run_soramito_json(with_data(
        {"run", dir.write("g.json", R"({"eventSwitches": [0, 0, 1, 1],
            "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30]})")}));
    EXPECT_EQ(growth["lanes"][0]["labels"],
              nlohmann::json({"HP", "力", "魔", "技", "速", "守", "体", "運", "移", "♪"}));
    EXPECT_EQ(growth["lanes"][0]["success"], nlohmann::json({1, 0, 0, 0, 1, 1, 0, 0, 0, 0}));
}

TEST(CliSearch, FindsTheWorkedPositions) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string scenario;
        int result;
        std::vector<int> first;
    };
    const std::vector<Case> cases = {
        {"battle", kWorkedBattle, 11, {1, 5, 6, 16, 19, 36, 38, 39, 44, 57, 60}},
        {"level-up after a battle", kLevelUpSearch, 98, {19, 63, 83, 89, 111, 118}},
        {"nothing switched on", dir.write("none.json", "{}"), 0, {}},
        {"all marks 1 with a rate of 0", dir.write("bad.json", R"({"eventSwitches": [0,0,1,0]})"),
         -1, {}},
        {"no stat wanted", dir.write("nowish.json", R"({"eventSwitches": [0,0,1,0],
            "growthRates": [50,50,50,50,50,50,50,50,50,0], "levelUpWanted": [0,0,0,0,0,0,0,0,0]})"),
         -2, {}},
    };
    for (const Case& c : cases) {
        const nlohmann::json found = run_soramito_json(with_data({"search", c.scenario}));
        EXPECT_EQ(found["result"], c.result) << c.name;
        const auto& positions = found["positions"];
        EXPECT_EQ(positions.size(), static_cast<std::size_t>(std::max(c.result, 0))) << c.name;
        for (std::size_t i = 0; i < c.first.size(); ++i) {
            EXPECT_EQ(positions[i], c.first[i]) << c.name << " #" << i;
        }
    }
    EXPECT_EQ(run_soramito_json(with_data({"estimate", kWorkedBattle}))["estimate"], 15);
}

TEST(CliScenario, RejectsWhatThePartsDoNotAllow) {
    TempDir dir;
    const std::vector<std::string> scenarios = {
        "",
        "[1, 2]",
        "{\"ally\": {\"name\": \"a\"}",
        R"({"allies": {}})",
        R"({"ally": {"listIndex": 3}})",
        R"({"ally": {"level": 10000}})",
        R"({"ally": {"level": -1000}})",
        R"({"ally": {"level": 10.5}})",
        R"({"ally": {"level": "10"}})",
        R"({"ally": {"level": true}})",
        R"({"ally": {"hp": 18446744073709551615}})",
        R"({"ally": {"skills": [0, 1]}})",
        R"({"ally": {"skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4294967296]}})",
        R"({"ally": {"name": 7}})",
        R"({"ally": {"name": "アイウエオカキクケコサシスセソタ"}})",
        R"({"ally": {"name": "😀"}})",
        R"({"enemy": []})",
        R"({"lanes": [{"seedIndex": 64}]})",
        R"({"lanes": [{"position": 0}]})",
        R"({"lanes": [{"position": 4974}]})",
        R"({"lanes": [{}, {}, {}]})",
        R"({"eventSwitches": [0, 1, 0]})",
        R"({"growthRates": [0,0,0,0,0,0,0,0,0,10000]})",
        R"({"levelUpWanted": [0,0,0,0,0,0,0,0,3]})",
        R"({"allyCondition": {"n": 10000}})",
        R"({"allyCondition": {"kind": 1}})",
        R"({"booksHeld": [1]})",
    };
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::string path = dir.write("s" + std::to_string(i) + ".json", scenarios[i]);
        for (const char* command : {"run", "search", "estimate"}) {
            expect_cli_failure(with_data({command, path, "--json"}));
        }
    }
    expect_cli_failure(with_data({"run", dir.path() + "/missing.json"}));
    expect_cli_failure(with_data({"run"}));
    expect_cli_failure({"--data-dir", dir.path(), "run", kWorkedBattle});
}

TEST(CliScenario, AcceptsTheEndsOfEveryRange) {
    TempDir dir;
    const std::string scenario = R"({
      "ally": {"name": "アイウエオカキクケコサシスセソ", "followUpCritFactor": 9999,
               "skills": [1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1],
               "level": -999, "technique": 9999, "luck": -999, "hitRate": 0, "critRate": 9999,
               "attackSpeed": 0, "attack": 9999, "defense": -999, "hp": 9999, "maxHp": 0},
      "enemy": {"name": "", "skills": [-2147483648,2147483647,0,0,0,0,0,0,0,0,0,0,0,0,0,1],
                "hp": -999, "maxHp": -999, "attackSpeed": 9999},
      "lanes": [{"seedIndex": 63, "position": 4973}, {"seedIndex": 0, "position": 1}],
      "eventSwitches": [1, 1, 1, 1], "predictSwitch": 1,
      "growthRates": [9999, -999, 0, 100, 99, 1, 2, 3, 4, 9999],
      "allyCondition": {"type": 4, "n": -999, "unspecified": 0},
      "enemyCondition": {"type": -2147483648, "n": 9999, "unspecified": 2147483647},
      "levelUpWanted": [2, 0, 0, 1, 0, 0, 0, 0, 0],
      "booksHeld": [1,1,1,1,1,1,1,1,1,1,1,1]})";
    const std::string path = dir.write("edge.json", scenario);
    const nlohmann::json run = run_soramito_json(with_data({"run", path}));
    for (const auto& lane : run["lanes"]) {
        EXPECT_LE(lane["count"].get<int>(), 256);
        EXPECT_EQ(lane["codes"].size(), lane["count"].get<std::size_t>());
    }
    const nlohmann::json search = run_soramito_json(with_data({"search", path}));
    EXPECT_LE(search["result"].get<int>(), 4004);
    EXPECT_GT(run_soramito_json(with_data({"estimate", path}))["estimate"].get<int>(), 6);
}

}  // namespace
