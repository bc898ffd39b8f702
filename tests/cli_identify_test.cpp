#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "cli_harness.h"

namespace {

using nlohmann::json;

TEST(CliIdentify, ListsNearSequencesWithTheirChanges) {
    // Slips in ×××○○×××○×○×○○×○×○○×: mark 7 wrong, mark 12 typed twice, the ○ of position 9
    // left out. Sequence 0 comes first, 16 and 51 show the same marks.
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"xxxooxoxoxoxooxoxoox", R"({"kind": "wrong", "mark": 7})", "7個目が違う"},
        {"xxxooxxxoxoxxooxoxoox", R"({"kind": "extra", "mark": 12})", "12個目が余分"},
        {"xxxooxxxxoxooxoxoox", R"({"kind": "missing", "position": 9})", "位置 9 の印が抜け"},
    };
    for (const auto& [pattern, change, words] : cases) {
        const json near = run_soramito_json("identify " + pattern + " --tolerance 1")["near"];
        EXPECT_EQ(near.size(), 3u) << pattern;
        EXPECT_EQ(near[0], json::parse(R"({"seedIndex": 0, "edits": 1, "lanePosition": 21,
            "changes": [)" + change + "]}"));
        EXPECT_NE(run_soramito_cli("identify " + pattern + " --tolerance 1").out.find(words),
                  std::string::npos);
    }
    EXPECT_EQ(run_soramito_json("identify xxxooxoxoxoxooxoxoox --tolerance 0")["near"],
              json::array());
    EXPECT_EQ(run_soramito_json("identify xxxooxxxoxoxooxoxoox --tolerance 0")["near"][2],
              json::parse(R"({"seedIndex": 51, "edits": 0, "lanePosition": 21, "changes": []})"));
    for (const char* tolerance : {"4", "-1", "x", "''", "1.0"}) {
        expect_cli_failure(std::string("identify ox --tolerance ") + tolerance);
    }
}

TEST(CliIdentify, AdvisesOnTheNextMark) {
    const json identified = run_soramito_json("identify ×××○○");
    EXPECT_EQ(identified["next"], json::parse(R"({"position": 6, "o": [], "x": [0, 16, 18, 36, 51],
        "marksToSettle": 4, "sameMarks": [[0, 16, 51], [18, 36]]})"));
    EXPECT_NE(
        run_soramito_cli("identify ×××○○")
            .out.find("候補：0 16 18 36 51\n次の印（位置 6）：○→ なし　×→ 0 16 18 36 51　あと 4 "
                      "個\n○×では見分けられない：0 16 51\n○×では見分けられない：18 36\n"),
        std::string::npos);
    EXPECT_FALSE(run_soramito_json("identify ooooooooooooooooooooooooo").contains("next"));
}

TEST(CliIdentify, TellsTheMatchesApartByAScenario) {
    TempDir dir;
    const std::string worked = kSamplesDir + "/worked-battle.json";
    // No data folder is needed. With no mark all 64 run from position 1, where sequence 0 gives
    // the worked battle; every sequence is in exactly one outcome, no two outcomes alike.
    const json all = run_soramito_json("--data-dir /nonexistent identify '' --scenario " + worked);
    std::vector<int> seeds;
    std::vector<json> alike;
    for (json outcome : all["outcomes"]) {
        seeds.insert(seeds.end(), outcome["seedIndexes"].begin(), outcome["seedIndexes"].end());
        outcome.erase("seedIndexes");
        alike.push_back(outcome);
    }
    std::sort(seeds.begin(), seeds.end());
    std::sort(alike.begin(), alike.end());
    std::vector<int> every(64);
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(seeds, every);
    EXPECT_EQ(std::adjacent_find(alike.begin(), alike.end()), alike.end());
    json first = all["outcomes"][0];
    EXPECT_EQ(first["seedIndexes"][0], 0);
    first.erase("seedIndexes");
    EXPECT_EQ(first, json::parse(R"({"lanePosition": 1, "allyHpAfterBattle": 40,
        "enemyHpAfterBattle": 0, "codes": [3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11],
        "success": [0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1]})"));
    // From position 12 the enemy keeps 20; with no match there is nothing to run.
    EXPECT_NE(
        run_soramito_cli("identify ×××○○×××○×○ --scenario " + worked).out.find("0 16 51：敵HP 20"),
        std::string::npos);
    EXPECT_FALSE(run_soramito_json("identify ooooooooooooooooooooooooo --scenario " + worked)
                     .contains("outcomes"));
    expect_cli_failure("identify ox --scenario " + dir.write("bad.json", "{\"lanes\": 3}"));
    expect_cli_failure("identify ox --scenario /nonexistent.json");
}

}  // namespace
