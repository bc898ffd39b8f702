#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cli_harness.h"

namespace {

using nlohmann::json;

// The worked battle of the samples with the level-up and the re-move after it, changed by
// changes (a merge patch).
std::string worked_scenario(const json& changes = json::object()) {
    json scenario = json::parse(std::ifstream(kSamplesDir + "/worked-battle.json"));
    scenario["eventSwitches"] = {0, 1, 1, 1};
    scenario.merge_patch(changes);
    static int written = 0;
    return test_file("locate-" + std::to_string(written++) + ".json", scenario.dump());
}

const std::string kAllFour = " --ally-hp 40 --enemy-hp 0 --grown 1,1,0,0,0,0,0,0,0 --re-move 1";
const std::string kWorkedMarks = " --marks ×××○○×××○×○×○○×○×○○×";

TEST(CliLocate, ListsEveryPositionFoundWithWhereTheGameStandsNow) {
    const std::string scenario = worked_scenario();
    EXPECT_EQ(run_soramito_json("locate " + scenario + kAllFour), json::parse(R"({
        "sequences": [0], "from": 1, "found": [
        {"seedIndex": 0, "position": 1, "offset": 0, "next": 22},
        {"seedIndex": 0, "position": 133, "offset": 132, "next": 157},
        {"seedIndex": 0, "position": 1200, "offset": 1199, "next": 1221},
        {"seedIndex": 0, "position": 3846, "offset": 3845, "next": 3867},
        {"seedIndex": 0, "position": 4419, "offset": 4418, "next": 4440}]})"));
    EXPECT_EQ(run_soramito_cli("locate " + scenario + kAllFour).out,
              "探した乱数列：0（上のレーンの乱数列）\n"
              "起きたことに合う位置：5個（上のレーンの位置 1 から近い順）\n"
              "#0: 1（±0）→ 今は 22\n#0: 133（+132）→ 今は 157\n#0: 1200（+1199）→ 今は 1221\n"
              "#0: 3846（+3845）→ 今は 3867\n#0: 4419（+4418）→ 今は 4440\n");
    // Nothing found is an answer too.
    const std::string never = "locate " + scenario + " --enemy-hp 9999";
    EXPECT_EQ(run_soramito_json(never),
              json::parse(R"({"sequences": [0], "from": 1, "found": []})"));
    EXPECT_EQ(run_soramito_cli(never).out,
              "探した乱数列：0（上のレーンの乱数列）\n起きたことに合う位置：なし\n");
    // The readable form shows the nearest 20 of the 21 on the marks' sequences.
    const std::string text = run_soramito_cli("locate " + scenario + kAllFour + kWorkedMarks).out;
    EXPECT_EQ(
        text.substr(0, text.find("#0: 133")),
        "探した乱数列：0 16 51（○×に合う乱数列）\n"
        "起きたことに合う位置：21個（上のレーンの位置 1 から近い順）\n#0: 1（±0）→ 今は 22\n");
    EXPECT_EQ(text.substr(text.find("#0: 4419")), "#0: 4419（+4418）→ 今は 4440\n…ほか 1個\n");
}

TEST(CliLocate, LooksOnTheMarksSequencesOrOnLaneZeros) {
    const json marks = {{"marks", "×××○○×××○×○×○○×○×○○×"}};
    const json lane = {{"lanes", {{{"seedIndex", 5}, {"position", 100}}}}};
    // The option over the member; marks that match none, and no marks, leave lane 0's sequence.
    const std::vector<std::tuple<std::string, json, int>> cases = {
        {worked_scenario() + kWorkedMarks, {0, 16, 51}, 1},
        {worked_scenario(marks), {0, 16, 51}, 1},
        {worked_scenario(marks) + " --marks ooooooooooooooooooooooooo", {0}, 1},
        {worked_scenario(lane) + " --marks ''", {5}, 100},
        {worked_scenario(lane), {5}, 100},
    };
    for (const auto& [line, sequences, from] : cases) {
        const json located = run_soramito_json("locate " + line + " --enemy-hp 0");
        EXPECT_EQ(located["sequences"], sequences) << line;
        EXPECT_EQ(located["from"], from) << line;
    }
}

TEST(CliLocate, RefusesWhatWasSeenWithoutItsEventAndBadValuesNamingThem) {
    const std::string all = worked_scenario();
    const std::string noBattle = worked_scenario({{"eventSwitches", {0, 0, 1, 1}}});
    const std::string noLevelUp = worked_scenario({{"eventSwitches", {1, 1, 0, 1}}});
    const std::string noReMove = worked_scenario({{"eventSwitches", {0, 1, 1, 0}}});
    const std::string rateZero =
        worked_scenario({{"growthRates", {80, 50, 10, 40, 60, 30, 5, 45, 0, 0}}});
    const std::string plan = worked_scenario({{"steps", {json::object()}}});
    const std::string ones = ",1,1,1,1,1,1";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {all, "--ally-hp"}, {all + " --marks ox", "--ally-hp"},
        {all + " --ally-hp 10000", "--ally-hp"}, {all + " --ally-hp -1", "--ally-hp"},
        {all + " --ally-hp 4O", "--ally-hp"}, {all + " --ally-hp ''", "--ally-hp"},
        {all + " --enemy-hp 10000", "--enemy-hp"}, {all + " --enemy-hp 1.5", "--enemy-hp"},
        {all + " --grown 1,1" + ones, "--grown"}, {all + " --grown 1,1,1,1" + ones, "--grown"},
        {all + " --grown 2,1,1" + ones, "--grown"}, {all + " --grown 1,,1" + ones, "--grown"},
        {all + " --grown ''", "--grown"}, {all + " --re-move 2", "--re-move"},
        {all + " --re-move yes", "--re-move"}, {noBattle + " --ally-hp 40", "--ally-hp"},
        {noBattle + " --enemy-hp 0 --grown 0,0,0" + ones, "--enemy-hp"},
        {noLevelUp + " --grown 0,0,0" + ones, "--grown"}, {noReMove + " --re-move 0", "--re-move"},
        {rateZero + " --re-move 1", "--re-move"}, {plan + " --enemy-hp 0", "steps"},
        {all + " --enemy-hp 0 --marks " + std::string(500, 'x'), "--marks"},
        {all + " --enemy-hp 0 --seed 1", "--seed"}, {"--enemy-hp 0", "argument"},
        {(test_folder() / "missing.json").string() + " --enemy-hp 0", "missing.json"}};
    // clang-format on
    // The stats' names in the message are UTF-8, as everything the command prints.
    EXPECT_NE(
        run_soramito_cli("locate " + all + " --grown 1").err.find("(HP 力 魔 技 速 守 体 運 移)"),
        std::string::npos);
    for (const auto& [line, named] : cases) {
        expect_cli_failure("locate " + line);
        EXPECT_NE(run_soramito_cli("locate " + line + " --json").err.find(named), std::string::npos)
            << line;
    }
}

}  // namespace
