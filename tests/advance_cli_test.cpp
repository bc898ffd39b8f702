#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cli_harness.h"

namespace {

using nlohmann::json;

const std::string kAdvance = "--data-dir DATA advance ";

TEST(CliAdvance, TellsTheMoveWhatChangedAndWhatToCheck) {
    const std::string ally = R"("ally": {"name": "アルト"}, )";
    const std::string reMove = test_file("re-move.json", "{" + ally + R"("eventSwitches":
        [0, 0, 0, 1], "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30]})");
    const std::string levelUp = test_file("level-up.json", "{" + ally + R"("eventSwitches":
        [0, 0, 1, 0], "growthRates": [80, 50, 10, 50, 40, 20, 5, 60, 0, 0]})");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kSamplesDir + "/worked-battle.json", "位置 1 → 12（11個）\n敵 山賊ガロ：HP 40 → 0\n"},
        {kSamplesDir + "/level-up-search.json",
         "位置 1 → 21（20個）\n味方 アルト：Lv 10 → 11　HP 40 → 41　MAX 60 → 61\n"
         "敵 山賊ガロ：HP 40 → 0\n成長：HP 力\n力 が上がりました：攻撃を確かめてください\n"},
        {reMove, "位置 1 → 2（1個）\n再行動：○\n"},
        {levelUp,
         "位置 1 → 10（9個）\n味方 アルト：Lv 10 → 11　技 10 → 11　幸運 10 → 11　HP 40 → 41　"
         "MAX 60 → 61\n成長：HP 技 運\n技 運 が上がりました：命中・必殺を確かめてください\n"},
    };
    for (const auto& [scenario, text] : cases) {
        const CliResult r = run_soramito_cli(kAdvance + scenario);
        EXPECT_EQ(std::make_tuple(r.status, r.out, r.err), std::make_tuple(0, text, ""))
            << scenario;
    }
}

TEST(CliAdvance, PrintsTheSessionAfterItWhichReadsBackAndAdvancesAgain) {
    const std::string worked = kSamplesDir + "/worked-battle.json";
    const std::string once =
        test_file("once.json", run_soramito_cli(kAdvance + worked + " --json").out);
    const json first = json::parse(std::ifstream(once));
    std::set<std::string> members;
    for (const auto& [key, value] : first.items()) {
        members.insert(key);
    }
    // Every member of the window's session, and the record.
    EXPECT_EQ(members,
              (std::set<std::string>{"ally", "enemy", "eventSwitches", "predictSwitch",
                                     "growthRates", "allyCondition", "enemyCondition",
                                     "levelUpWanted", "booksHeld", "lanes", "marks", "history"}));
    EXPECT_EQ(std::make_tuple(first["lanes"][0], first["lanes"][1], first["enemy"]["hp"],
                              first["history"]),
              std::make_tuple(json::parse(R"({"seedIndex": 0, "position": 12})"),
                              json::parse(R"({"seedIndex": 0, "position": 12})"), json(0),
                              json::parse(R"([{"seedIndex": 0, "position": 1, "count": 11,
                                  "allyHp": [40, 40], "enemyHp": [40, 0]}])")));
    // The others read it and leave the record be; from 12 the first hit meets the fallen enemy.
    EXPECT_EQ(run_soramito_json("--data-dir DATA run " + once)["lanes"][0]["count"], 5);
    EXPECT_EQ(run_soramito_json("--data-dir DATA estimate " + once)["estimate"], 15);
    EXPECT_EQ(run_soramito_json("--data-dir DATA search " + once)["result"], 11);

    const std::string written = first.dump();
    const auto files = [] {
        std::vector<std::filesystem::path> paths;
        for (const auto& file : std::filesystem::directory_iterator(test_folder())) {
            paths.push_back(file.path());
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    };
    const std::vector<std::filesystem::path> before = files();
    const json second = run_soramito_json(kAdvance + once);
    EXPECT_EQ(std::make_tuple(second["lanes"][0]["position"], second["history"][1]),
              std::make_tuple(json(17), json::parse(R"({"seedIndex": 0, "position": 12,
                  "count": 5, "allyHp": [40, 40], "enemyHp": [0, 0]})")));
    // advance writes no file, not even the one it read.
    EXPECT_EQ(std::make_tuple(files(), json::parse(std::ifstream(once)).dump()),
              std::make_tuple(before, written));
}

TEST(CliAdvance, RefusesWithStatusTwoAndOneLineThatSaysWhy) {
    const std::string ally = R"("ally": {"name": "アルト")";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"eventSwitches": [0, 1, 0, 0]})",
         "advance needs an ally: the scenario's ally.name is empty"},
        {"{" + ally + R"(}, "eventSwitches": [1, 0, 0, 0]})",
         "advance needs eventSwitches with the battle, the level-up or the re-move on: nothing "
         "else uses a value"},
        {"{" + ally + R"(}, "eventSwitches": [0, 0, 0, 1], "growthRates": [0, 0, 0, 0, 0, 0, 0, 0,
          0, 30], "lanes": [{"seedIndex": 0, "position": 4973}]})",
         "advance would move lane 0 from 4973 to 4974, past 4973"},
        {"{" + ally + R"(, "skills": [0,0,0,0,0,0,1,1,1,1,0,0,0,0,0,0], "technique": 100,
          "attack": 0, "hp": 9999}, "enemy": {"skills": [0,0,0,0,0,0,1,0,1,0,0,0,0,0,0,1],
          "technique": 100, "attack": 0, "hp": 9999}, "eventSwitches": [0, 1, 0, 0],
          "predictSwitch": 1})",
         "advance cannot follow an action that fills the log's 256 entries: they are not all "
         "that it uses"},
        {"{" + ally + R"(, "level": 9999}, "eventSwitches": [0, 0, 1, 0]})",
         "advance refused: ally.level would be 10000, above 9999"},
        {"{" + ally + R"(, "skills": [0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0], "luck": -999, "hitRate":
          100, "critRate": 0, "attack": 9999, "defense": 0}, "enemy": {"skills":
          [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}, "eventSwitches": [0, 1, 0, 0]})",
         "advance refused: ally.hp would be -9959, below -999, which no scenario holds"},
        {R"({"eventSwitches": [0, 1, 0, 0], "steps": [{}]})",
         "advance takes no scenario with steps: a plan is advanced step by step in the window"},
    };
    // clang-format on
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string path = test_file("refused" + std::to_string(i) + ".json", cases[i].first);
        for (const std::string flag : {"", " --json"}) {
            const CliResult r = run_soramito_cli(kAdvance + path + flag);
            EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
                      std::make_tuple(2, "", "soramito-cli: " + cases[i].second + "\n"));
        }
    }
    for (const std::string line :
         {"advance", "advance a.json b.json", "advance a.json --marks o"}) {
        expect_cli_failure("--data-dir DATA " + line);
    }
}

}  // namespace
