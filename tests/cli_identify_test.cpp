#include <gtest/gtest.h>

#include <string>

#include "cli_harness.h"

namespace {

using nlohmann::json;

TEST(CliIdentify, ListsNearSequencesWithTheirChanges) {
    // ×××○○×××○×○×○○×○×○○× (sequences 0, 16 and 51) with mark 2 typed wrong, the ○ of position
    // 9 left out and the ○ of position 16 typed twice: three slips, so not near within two.
    const std::string slips = "identify xoxooxxxxoxooxooxoox --tolerance ";
    EXPECT_EQ(run_soramito_json(slips + "3")["near"][0], json::parse(R"({"seedIndex": 0,
        "edits": 3, "lanePosition": 21, "changes": [{"kind": "wrong", "mark": 2},
        {"kind": "missing", "position": 9}, {"kind": "extra", "mark": 15}]})"));
    EXPECT_NE(
        run_soramito_cli(slips + "3").out.find("0：2個目が違う、位置 9 の印が抜け、15個目が余分"),
        std::string::npos);
    EXPECT_EQ(run_soramito_json(slips + "2").at("near"), json::array());
    EXPECT_EQ(run_soramito_json("identify xxxooxxxoxoxooxoxoox --tolerance 0")["near"][2],
              json::parse(R"({"seedIndex": 51, "edits": 0, "lanePosition": 21, "changes": []})"));
    for (const char* tolerance : {"4", "-1", "x", "''", "1.0"}) {
        expect_cli_failure(std::string("identify ox --tolerance ") + tolerance);
    }
}

TEST(CliIdentify, AdvisesOnTheNextMark) {
    const std::string text = run_soramito_cli("identify ×××○○").out;
    EXPECT_NE(text.find("あと 4 個\n○×では見分けられない：0 16 51\n○×では見分けられない：18 36\n"),
              std::string::npos);
    EXPECT_FALSE(run_soramito_json("identify ooooooooooooooooooooooooo").contains("next"));
}

TEST(CliIdentify, TellsTheMatchesApartByAScenario) {
    const std::string scenario = " --scenario " + kSamplesDir + "/worked-battle.json";
    // No data folder is needed. With no mark all 64 run from position 1, where sequence 0
    // gives the worked battle.
    const json outcomes =
        run_soramito_json("--data-dir /nonexistent identify ''" + scenario)["outcomes"];
    json first = outcomes[0];
    EXPECT_EQ(first["seedIndexes"][0], 0);
    first.erase("seedIndexes");
    EXPECT_EQ(first, json::parse(R"({"lanePosition": 1, "allyHpAfterBattle": 40,
        "enemyHpAfterBattle": 0, "codes": [3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11],
        "success": [0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1]})"));
    // From position 12 the enemy keeps 20; with no match there is nothing to run.
    EXPECT_NE(run_soramito_cli("identify ×××○○×××○×○" + scenario).out.find("0 16 51：敵HP 20"),
              std::string::npos);
    EXPECT_FALSE(
        run_soramito_json("identify ooooooooooooooooooooooooo" + scenario).contains("outcomes"));
    expect_cli_failure("identify ox --scenario /nonexistent.json");
}

}  // namespace
