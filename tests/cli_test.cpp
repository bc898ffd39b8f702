#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <sys/wait.h>

#include "cli_harness.h"

namespace {

using nlohmann::json;

TEST(CliValues, ReportsStoredDisplayAndMark) {
    const json values = run_soramito_json("values --seed 0 --from 1");
    EXPECT_EQ(std::make_tuple(values["seedIndex"], values["from"], values["values"].size()),
              std::make_tuple(json(0), json(1), std::size_t{32}));
    EXPECT_EQ(values["values"][3],
              json::parse(R"({"position": 4, "stored": 47, "display": 46, "mark": 1})"));
    EXPECT_EQ(run_soramito_json("values --seed 63 --from 5000 --count 5")["values"][4]["position"],
              5004);
    EXPECT_NE(run_soramito_cli("values --seed 0 --from 1 --count 4").out.find("○×法：× × × ○ \n"),
              std::string::npos);
    // 32 values a row.
    EXPECT_NE(run_soramito_cli("values --seed 0 --from 1 --count 36")
                  .out.find("× ○ ○ ○ × \n現在の乱数　　#00: 33\n"),
              std::string::npos);
}

TEST(CliIdentify, ParsesAndMatchesLikeThePatternBox) {
    const std::string worked = "×××○○×××○×○×○○×○×○○×";
    EXPECT_EQ(run_soramito_json("identify " + worked),
              json::parse(R"({"markCount": 20, "candidateCount": 3,
        "candidates": [0, 16, 51], "marks": [0,0,0,1,1,0,0,0,1,0,1,0,1,1,0,1,0,1,1,0],
        "next": {"position": 21, "o": [0, 16, 51], "x": [], "marksToSettle": 0,
                 "sameMarks": [[0, 16, 51]]}})"));
    EXPECT_EQ(run_soramito_cli("identify " + worked).out.substr(0, 86),
              "○×：×××○○×××○×○×○○×○×○○×（20個）\n候補：0 16 51\n");
    // The next mark tells 0 16 51 from 18 36, each group the same ever after; two alike matches
    // are advised on too.
    EXPECT_EQ(run_soramito_json("identify xxxooxxx")["next"],
              json::parse(R"({"position": 9, "o": [0, 16, 51], "x": [18, 36], "marksToSettle": 1,
                  "sameMarks": [[0, 16, 51], [18, 36]]})"));
    EXPECT_TRUE(run_soramito_json("identify xxxooxxxx").contains("next"));
    EXPECT_NE(run_soramito_cli("identify ''").out.find("候補：なし（64系列すべてが一致します）\n"),
              std::string::npos);
    // The pattern is read as Shift-JIS bytes: the second byte of 三 (0x8E 0x4F) is an "O".
    EXPECT_EQ(run_soramito_json("identify 三")["marks"], json({1}));
}

TEST(CliIdentify, ListsNearSequencesWithTheirChanges) {
    // The worked marks with mark 2 wrong, position 9 left out and position 16 typed twice.
    const std::string slips = "identify xoxooxxxxoxooxooxoox --tolerance ";
    EXPECT_EQ(run_soramito_json(slips + "3")["near"][0], json::parse(R"({"seedIndex": 0,
        "edits": 3, "lanePosition": 21, "changes": [{"kind": "wrong", "mark": 2},
        {"kind": "missing", "position": 9}, {"kind": "extra", "mark": 15}]})"));
    EXPECT_NE(
        run_soramito_cli(slips + "3").out.find("0：2個目が違う、位置 9 の印が抜け、15個目が余分"),
        std::string::npos);
    EXPECT_EQ(run_soramito_json(slips + "2").at("near"), json::array());
    EXPECT_NE(run_soramito_cli(slips + "2").out.find("近い系列：なし（ずれ 2 個まで）\n"),
              std::string::npos);
}

TEST(CliIdentify, TellsTheMatchesApartByAScenario) {
    const std::string scenario = " --scenario " + kSamplesDir + "/worked-battle.json";
    // No data folder is needed; with no mark all 64 run from position 1.
    const json outcomes =
        run_soramito_json("--data-dir /nonexistent identify ''" + scenario)["outcomes"];
    json first = outcomes[0];
    EXPECT_EQ(first["seedIndexes"][0], 0);
    first.erase("seedIndexes");
    EXPECT_EQ(first, json::parse(R"({"lanePosition": 1, "allyHpAfterBattle": 40,
        "enemyHpAfterBattle": 0, "codes": [3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11],
        "success": [0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1]})"));
    // From position 12 the enemy keeps 20; with no match there is nothing to run.
    EXPECT_NE(run_soramito_cli("identify ×××○○×××○×○" + scenario)
                  .out.find("0 16 51：敵HP 20　味方HP 40　使い道 連 連 殺 ？ [命] 殺"),
              std::string::npos);
    const json none = run_soramito_json("identify ooooooooooooooooooooooooo" + scenario);
    EXPECT_FALSE(none.contains("outcomes") || none.contains("next"));
    // With nothing switched on nothing is used, whichever the sequence; an ally at 0 HP falls.
    const std::string idle = " --scenario " + test_file("idle.json", "{}");
    EXPECT_NE(run_soramito_cli("identify ×××○○×××○×○" + idle).out.find("0 16 51：使い道 なし\n"),
              std::string::npos);
    const std::string falls = " --scenario " + test_file("falls.json", R"({"eventSwitches":
        [0, 1, 0, 0], "ally": {"hp": 1}, "enemy": {"hitRate": 100, "attack": 99,
        "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}})");
    EXPECT_NE(run_soramito_cli("identify ×××○○×××○×○" + falls).out.find("味方HP 0（倒れる）"),
              std::string::npos);
}

TEST(CliTables, ReadsTheSampleFiles) {
    const json units = run_soramito_json("--data-dir DATA units");
    EXPECT_EQ(std::make_tuple(units["allyUnitCount"], units["allies"].size(),
                              units["growthTable"].size()),
              std::make_tuple(json(54), std::size_t{54}, std::size_t{52}));
    EXPECT_EQ(units["growthTable"][0], json({80, 50, 10, 40, 60, 30, 5, 45, 0, 30}));
    // アルト in Shift-JIS, with 連続
    EXPECT_EQ(units["allies"][0],
              json::parse(R"({"nameShiftJis": "8341838b8367", "followUpCritFactor": 2,
        "skills": [0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0]})"));
    const std::string text = run_soramito_cli("--data-dir DATA units").out;
    EXPECT_NE(text.find("\n  0  アルト            追撃必殺係数 2  連続\n"), std::string::npos);
    EXPECT_NE(text.find("\n  2  ソウマ            追撃必殺係数 1 \n"), std::string::npos);
    EXPECT_EQ(run_soramito_json("--data-dir DATA growth --ally アルト --books 0,3,11"),
              json::parse(
                  R"({"row": 0, "rates": [115, 65, 15, 80, 60, 30, 5, 40, 0], "reMoveRate": 30})"));
    EXPECT_EQ(run_soramito_cli("--data-dir DATA growth --ally アルト").out,
              "HP: 80%  力: 50%  魔: 10%  技: 40%  速: 60%  守: 30%  体:  5%  運: 45%  移:  0%  "
              "再行動:30%\n");
    EXPECT_EQ(run_soramito_json("--data-dir DATA growth --ally " + std::string(40, 'a')),
              json::parse(R"({"row": -1, "rates": [0, 0, 0, 0, 0, 0, 0, 0, 0], "reMoveRate": 0})"));
}

TEST(CliTables, SayOnStandardErrorWhatTheFilesLost) {
    std::ifstream samples(kSamplesDir + "/grow.txt", std::ios::binary);
    std::string rows(std::istreambuf_iterator<char>(samples), {});
    rows.insert(rows.find('\n'), ",11");
    test_file("eleven/grow.txt", rows);
    test_file("eleven/character.txt", "1,0\nA,2,\n");
    const CliResult r =
        run_soramito_cli("--data-dir " + (test_folder() / "eleven").string() + " units");
    EXPECT_EQ(
        std::make_tuple(r.status, r.out.substr(0, 9), r.err),
        std::make_tuple(
            0, std::string("味方 1\n"),
            std::string("grow.txt 1行目：数が11個あります。2行目から後は読めませんでした\n")));
}

TEST(CliErrors, ExitWithStatusTwoAndOneLine) {
    test_file("no-growth/character.txt", "1,0\nA,1\n");
    test_file("a-folder/character.txt/inside", "");  // a folder where the file should be
    const std::string noGrowth = test_folder() / "no-growth", folder = test_folder() / "a-folder";
    // clang-format off
    const std::vector<std::string> cases = {
        "frobnicate", "values", "values --seed 0", "values --from 1", "values --seed 64 --from 1",
        "values --seed -1 --from 1", "values --seed 0 --from 5005", "values --seed 0 --from 4974",
        "values --seed 0 --from 5000 --count 6", "values --seed 0 --from 1 --count 0",
        "values --seed 1x --from 1", "values --seed '' --from 1", "values --seed",
        "values --seed 99999999999999999999 --from 1", "values --seed 0 --from 1 --bogus 1",
        "values --seed 0 --seed 1 --from 1", "identify", "identify ox xo",
        "identify \xF0\x9F\x98\x80", "identify o\xFFx", "identify ox --tolerance 4",
        "identify ox --tolerance -1", "identify ox --tolerance x", "identify ox --tolerance 1.0",
        "identify ox --scenario /nonexistent.json", "--data-dir /nonexistent units",
        "--data-dir " + noGrowth + " units", "--data-dir " + folder + " units",
        "--data-dir DATA growth", "--data-dir DATA growth --ally アルト --books 12",
        "--data-dir DATA growth --ally アルト --books 1,,2",
        "--data-dir DATA growth --ally アルト --books 1,",
        "--data-dir DATA growth --ally \xF0\x9F\x98\x80"};
    // clang-format on
    for (const std::string& line : cases) {
        expect_cli_failure(line);
        expect_cli_failure(line + " --json");
    }
}

TEST(CliProgram, WritesWhatACommandPrintsToStdoutAndAFailureToStderr) {
    const std::string out = test_file("out", ""), err = test_file("err", "");
    // the arguments, the exit status, what stdout and stderr got
    const std::vector<std::tuple<std::string, int, bool, bool>> cases = {
        {"values --seed 0 --from 1 --count 1", 0, true, false}, {"frobnicate", 2, false, true}};
    for (const auto& [arguments, status, printed, complained] : cases) {
        const std::string line =
            std::string(SORAMITO_CLI_PROGRAM) + " " + arguments + " >" + out + " 2>" + err;
        const int result = std::system(line.c_str());
        EXPECT_EQ(std::make_tuple(WEXITSTATUS(result), std::filesystem::file_size(out) > 0,
                                  std::filesystem::file_size(err) > 0),
                  std::make_tuple(status, printed, complained))
            << arguments;
    }
}

TEST(CliUsage, HelpAndVersionAnswerOnStdoutAndNoCommandOnStderr) {
    // the line and its status: 0 with the usage on stdout alone, 2 with it on stderr alone
    const std::vector<std::pair<std::string, int>> cases = {
        {"--help", 0}, {"-h", 0},    {"values --seed 0 -h", 0}, {"--data-dir DATA run --help", 0},
        {"", 2},       {"--json", 2}};
    for (const auto& [line, status] : cases) {
        const CliResult r = run_soramito_cli(line);
        const auto& [usage, rest] = status == 0 ? std::tie(r.out, r.err) : std::tie(r.err, r.out);
        EXPECT_EQ(std::make_tuple(r.status, usage.starts_with("usage: "), rest.empty()),
                  std::make_tuple(status, true, true))
            << line;
    }
    EXPECT_EQ(run_soramito_cli("--version").out, "soramito-cli 0.1.0\n");
}

const std::string kWorkedBattle = kSamplesDir + "/worked-battle.json";

TEST(CliRun, ReportsEachLaneAfterItsOwnRun) {
    const json run = run_soramito_json("--data-dir DATA run " + kWorkedBattle);
    ASSERT_EQ(run["lanes"].size(), 2u);
    EXPECT_EQ(run["lanes"][0], json::parse(R"({"seedIndex": 0, "position": 1, "count": 11,
        "codes": [3, 3, 9, 10, 11, 9, 10, 11, 9, 10, 11], "success": [0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1],
        "labels": ["連", "連", "殺", "？", "命", "殺", "？", "命", "殺", "？", "命"],
        "predictStart": 0, "predictEnd": 0, "strikeStarts": [2, 5, 8, 255, 255, 255, 255, 255],
        "attackerHitsLanded": 2, "defenderHitsLanded": 0, "allyHpAfterBattle": 40,
        "enemyHpAfterBattle": 0})"));
    // Lane 1 follows the same sequence from position 12: one hit less, the enemy keeps 20.
    EXPECT_EQ(run["lanes"][1]["position"], 12);
    EXPECT_EQ(run["lanes"][1]["enemyHpAfterBattle"], 20);
    const std::string text = run_soramito_cli("--data-dir DATA run " + kWorkedBattle).out;
    EXPECT_NE(text.find("○×法： ×  ×  ×  ○  ○  × "), std::string::npos) << text;
    EXPECT_NE(text.find("使い道： 連  連  殺  ？ [命]"), std::string::npos) << text;
    // Without a battle there is no HP to tell.
    const std::string levelUp =
        test_file("level-up.json", R"({"eventSwitches": [0, 0, 1, 0], "predictSwitch": 1})");
    const std::string levelUpText = run_soramito_cli("--data-dir DATA run " + levelUp).out;
    EXPECT_EQ(levelUpText.find("ＨＰ："), std::string::npos);
    EXPECT_EQ(levelUpText.find("予測消費"), std::string::npos);
    // With 予測消費 the readable form names the predicted battle's entries.
    json predicted = json::parse(std::ifstream(kWorkedBattle));
    predicted["predictSwitch"] = 1;
    const std::string path = test_file("predicted.json", predicted.dump());
    EXPECT_NE(run_soramito_cli("--data-dir DATA run " + path).out.find("予測消費：0～10番目\n"),
              std::string::npos);
    // A log longer than a row goes on in a second row, as far as the log goes.
    json longLog = json::parse(std::ifstream(kWorkedBattle));
    longLog["ally"]["skills"] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    longLog["enemy"]["skills"] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
    longLog["ally"]["attackSpeed"] = 20;
    for (const char* unit : {"ally", "enemy"}) {
        longLog[unit]["hp"] = longLog[unit]["maxHp"] = 999;
    }
    longLog["eventSwitches"] = {1, 1, 1, 1};
    EXPECT_NE(run_soramito_cli("--data-dir DATA run " + test_file("long.json", longLog.dump()))
                  .out.find("乱数値： 91  49 \n○×法： ○  ○ \n使い道： 移  ♪ \n"),
              std::string::npos);
}

TEST(CliSearch, ReportsTheResultAndItsPositions) {
    // The first scenario finds nothing, the second wants a stat whose rate is 0.
    const std::vector<std::pair<std::string, json>> cases = {
        {test_file("none.json", "{}"), json::parse(R"({"result": 0, "positions": []})")},
        {test_file("bad.json", R"({"eventSwitches": [0,0,1,0]})"),
         json::parse(R"({"result": -1, "positions": []})")}};
    for (const auto& [scenario, found] : cases) {
        EXPECT_EQ(run_soramito_json("--data-dir DATA search " + scenario), found) << scenario;
    }
    EXPECT_EQ(run_soramito_cli("--data-dir DATA search " + kWorkedBattle).out,
              "候補：1 5 6 16 19 36 38 39 44 57 60 \n（11個）\n");
    EXPECT_EQ(run_soramito_cli("--data-dir DATA search " + cases[0].first).out,
              "候補：なし（条件を満たす位置は4004までにありません）\n");
}

TEST(CliSearch, AddsThePositionsCommonToTheSequencesOfTheMarks) {
    const std::string search = "--data-dir DATA search " + kWorkedBattle + " --marks ";
    EXPECT_EQ(run_soramito_json(search + "×××○○×××○×○×○○×○×○○×")["common"]["sequences"],
              json({0, 16, 51}));
    EXPECT_NE(run_soramito_cli(search + "×××○○×××○×○×○○×○×○○×").out.find("\nどれでも：38 44 96 "),
              std::string::npos);
    // Marks that match none, or every sequence: nothing to search.
    for (const std::string marks : {"ooooooooooooooooooooooooo", "''"}) {
        EXPECT_EQ(run_soramito_json(search + marks)["common"],
                  json::parse(R"({"sequences": [], "positions": []})"));
    }
    // 499 bytes are read, 500 refused: as --marks, as the member and as identify's pattern.
    EXPECT_EQ(run_soramito_json("identify " + std::string(499, 'x'))["markCount"], 499);
    const std::string member =
        test_file("marks.json", R"({"marks": ")" + std::string(500, 'x') + "\"}");
    for (const std::string& line :
         {search + std::string(500, 'x'), "identify " + std::string(500, 'o'),
          "--data-dir DATA run " + member}) {
        expect_cli_failure(line);
    }
}

TEST(CliScenario, RefusesBadScenarios) {
    const std::string longName = R"({"ally": {"name": "アイウエオカキクケコサシスセソタ"}})";
    const std::string hugeFlag =
        R"({"ally": {"skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4294967296]}})";
    // clang-format off
    const std::vector<std::string> scenarios = {
        "{\"ally\": {\"name\": \"a\"}", "",
        R"({"ally": {"level": 10.5}})", "[1, 2]",
        R"({"ally": {"level": "10"}})", hugeFlag,
        longName, R"({"ally": {"listIndex": 3}})",
        R"({"enemy": []})", R"({"ally": {"level": 10000}})",
        R"({"allies": {}})", R"({"ally": {"level": -1000}})",
        R"({"booksHeld": [1]})", R"({"ally": {"skills": [0, 1]}})",
        R"({"ally": {"name": 7}})", R"({"lanes": [{"position": 0}]})",
        R"({"lanes": [{}, {}, {}]})", R"({"eventSwitches": [0, 1, 0]})",
        R"({"ally": {"name": "😀"}})", R"({"lanes": [{"seedIndex": 64}]})",
        R"({"ally": {"hp": 18446744073709551615}})", R"({"allyCondition": {"kind": 1}})",
        R"({"levelUpWanted": [0,0,0,0,0,0,0,0,3]})", R"({"lanes": [{"position": 4974}]})",
        R"({"growthRates": [0,0,0,0,0,0,0,0,0,10000]})", R"({"allyCondition": {"n": 10000}})",
        R"({"predictSwitch": 1e66666666666666660})"};
    // clang-format on
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::string path =
            test_file(std::string("s") + std::to_string(i) + ".json", scenarios[i]);
        for (const std::string command : {"run", "search", "estimate"}) {
            expect_cli_failure("--data-dir DATA " + command + " " + path + " --json");
        }
    }
    expect_cli_failure("--data-dir DATA run " + (test_folder() / "missing.json").string());
    expect_cli_failure("--data-dir DATA run");
    expect_cli_failure("--data-dir " + test_folder().string() + " run " + kWorkedBattle);
}

TEST(CliScenario, AcceptsTheEndsOfEveryRange) {
    const std::string path = test_file("edge.json", R"({"ally": {"name":
        "アイウエオカキクケコサシスセソ", "level": -999, "hp": 9999, "skills": [
        -2147483648, 2147483647, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0]}, "lanes": [{"seedIndex":
        63, "position": 4973}], "growthRates": [9999, -999, 0, 0, 0, 0, 0, 0, 0, 0]})");
    EXPECT_EQ(run_soramito_json("--data-dir DATA estimate " + path)["estimate"], 15);
}

const std::string kTurnPlan = kSamplesDir + "/turn-plan.json";

TEST(CliPlan, RunReportsEachStepAsARunOfItsOwn) {
    const std::string run = "--data-dir DATA run ";
    const json lane = run_soramito_json(run + kTurnPlan)["lanes"][1];
    EXPECT_EQ(lane["position"], 12);
    ASSERT_EQ(lane["steps"].size(), 3u);
    // Where each step starts and what its battle leaves the enemy: 山賊ガロ keeps 20 of 40, the
    // 山賊 of step 2 20 of 34.
    std::vector<std::pair<json, json>> steps;
    for (const json& step : lane["steps"]) {
        steps.emplace_back(step["position"], step["enemyHpAfterBattle"]);
    }
    EXPECT_EQ(steps, (std::vector<std::pair<json, json>>{{12, 20}, {23, 20}, {32, 0}}));
    // A chain stops before a step past the last lane position; a step runs on its lane's sequence.
    const std::string end = R"({"lanes": [{"seedIndex": 63, "position": 4973}],
        "eventSwitches": [0, 1, 0, 0])";
    const json ended =
        run_soramito_json(run + test_file("end.json", end + R"(, "steps": [{}, {}]})"))["lanes"][0];
    ASSERT_EQ(ended["steps"].size(), 1u);
    EXPECT_EQ(std::make_tuple(ended["steps"][0]["count"], ended["steps"][0]["enemyHpAfterBattle"]),
              std::make_tuple(json(11), json(10)));
    const std::string text = run_soramito_cli(run + kTurnPlan).out;
    EXPECT_NE(text.find("行動3\n現在の乱数　　#00: 21"), std::string::npos) << text;
}

TEST(CliPlan, SearchListsEveryResultWithItsChain) {
    const json found = run_soramito_json("--data-dir DATA search " + kTurnPlan);
    EXPECT_EQ(std::make_tuple(found["result"], found["positions"].size(), found["chains"][177]),
              std::make_tuple(json(178), std::size_t{178}, json({3976, 3987, 3996})));
    EXPECT_EQ(found["chains"][1], json({106, 117, 126}));
    EXPECT_EQ(found["positions"][1], 106);
    const std::string text = run_soramito_cli("--data-dir DATA search " + kTurnPlan).out;
    EXPECT_NE(text.find("\n103 → 117 → 126\n106 → 117 → 126\n"), std::string::npos) << text;
    const std::string bad = test_file("bad.json", R"({"steps": [{"eventSwitches": [0,0,1,0]}]})");
    EXPECT_EQ(run_soramito_json("--data-dir DATA search " + bad),
              json::parse(R"({"result": -1, "positions": [], "chains": []})"));
    EXPECT_EQ(run_soramito_json("--data-dir DATA estimate " + kTurnPlan),
              json::parse(R"({"estimate": 15})"));  // the steps left aside
}

TEST(CliPlan, RefusesBadStepsNamingStepAndMember) {
    const std::string seventeen = "[{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{},{}";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{}", "steps must"}, {"[]", "steps must"}, {seventeen + "]", "steps must"},
        {"[{}, 3]", "steps[1] must be an object"}, {R"([{"lanes": []}])", "field steps[0].lanes"},
        {R"([{}, {"ally": {"level": 10000}}])", "steps[1].ally.level must be -999 to 9999"},
        {R"([{}, {}, {"eventSwitches": [1, 0, 0, 0]}])", "steps[2].eventSwitches must"}};
    // clang-format on
    for (const auto& [steps, message] : cases) {
        const std::string path =
            test_file("s.json", R"({"eventSwitches": [0, 1, 0, 0], "steps": )" + steps + "}");
        expect_cli_failure("--data-dir DATA search " + path);
        EXPECT_NE(run_soramito_cli("--data-dir DATA estimate " + path).err.find(message),
                  std::string::npos)
            << steps;
    }
}

TEST(CliSearch, DetailsTellWhatToSpendAndWhatHappensThere) {
    json lane30 = json::parse(std::ifstream(kSamplesDir + "/level-up-search.json"));
    lane30["lanes"] = json::parse(R"([{"seedIndex": 0, "position": 30}])");
    const std::string levelUp = test_file("lane30.json", lane30.dump());
    // scenario, detail: its position and spend, then lane 0's count, both HP after and the hits,
    // or where each step starts and what it spends. The battle before the level-up at 30
    // starts at 19, 11 values before lane 0.
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {kWorkedBattle, 2, "6 5: 11 30 0 2/1"},
        {levelUp, 0, "19 -11: 20 40 0 2/0"},
        {kTurnPlan, 1, "106 105: 106+11 117+9 126+9"}};
    for (const auto& [scenario, index, expected] : cases) {
        const json found = run_soramito_json("--data-dir DATA search " + scenario + " --details");
        const json& detail = found["details"][index];
        std::string got = detail["position"].dump();
        got.append(" ").append(detail["spend"].dump()).append(":");
        if (detail.contains("lane")) {
            const json& lane = detail["lane"];
            for (const char* member : {"count", "allyHpAfterBattle", "enemyHpAfterBattle"}) {
                got.append(" ").append(lane[member].dump());
            }
            got.append(" ").append(lane["attackerHitsLanded"].dump()).append("/");
            got.append(lane["defenderHitsLanded"].dump());
        }
        for (const json& step : detail.value("steps", json::array())) {
            got.append(" ").append(step["position"].dump()).append("+");
            got.append(step["count"].dump());
        }
        EXPECT_EQ(got, expected) << scenario;
        EXPECT_EQ(found["details"].size(), found["positions"].size()) << scenario;
    }
    EXPECT_NE(run_soramito_cli("--data-dir DATA search " + levelUp + " --details")
                  .out.find("位置 19（消費 -11）：味方40 敵0 命中2/0 成長HP 力 速 運\n"),
              std::string::npos);
}

}  // namespace
