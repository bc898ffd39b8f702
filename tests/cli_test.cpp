// What each command prints, --json and readable, and what it refuses: status 2, nothing on
// stdout, one line on stderr that names what is wrong. What the engine computes is the engine
// tests' to check; these check what the command line adds.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli.h"
#include "refused_advances.h"

namespace {

const std::string kSamplesDir = SORAMITO_SAMPLES_DIR;

// This process's folder for files of the tests' own, removed when they end.
const std::filesystem::path& test_folder() {
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("soramito_test_" + std::to_string(getpid()));
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    return folder.path;
}

std::string test_file(const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = test_folder() / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
}

// The scenarios that the tests name as @name: a sample (or one of these) changed by a merge patch,
// or the patch.
[[maybe_unused]] const bool kScenarioFiles = [] {
    const std::string counter = R"("skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1])";
    const std::string worked = "worked-battle.json";
    // clang-format off
    const std::vector<std::tuple<std::string, std::string, std::string>> files = {
        {"idle.json", "", "{}"},
        {"level-up.json", "", R"({"eventSwitches": [0, 0, 1, 0], "predictSwitch": 1})"},
        {"no-wish.json", "", R"({"eventSwitches": [0,0,1,0], "levelUpWanted": [0,0,0,0,0,0,0,0,0]})"},
        {"no-chain.json", "", R"({"eventSwitches": [0,1,0,0], "steps": [{}],
            "enemyCondition": {"type": 1, "n": 1000, "unspecified": 0}})"},
        {"bad-step.json", "", R"({"steps": [{"eventSwitches": [0, 0, 1, 0]}]})"},
        {"end.json", "", R"({"lanes": [{"seedIndex": 63, "position": 4973}], "eventSwitches":
            [0, 1, 0, 0], "steps": [{}, {}]})"},
        {"re-move.json", worked, R"({"eventSwitches": [0, 0, 0, 1]})"},
        // A unit at 0 HP falls, at 1 it does not: from 12, three hits of 10, 1 (反撃) and 10.
        {"falls.json", "", R"({"eventSwitches": [0, 1, 0, 0], "ally": {"hp": 1},
            "enemy": {"hitRate": 100, "attack": 99, )" + counter + "}}"},
        {"keeps.json", "", R"({"eventSwitches": [0, 1, 0, 0], "ally": {"hp": 2},
            "enemy": {"hitRate": 100, "attack": 11, "hp": 21, )" + counter + "}}"},
        {"predicted.json", worked, R"({"predictSwitch": 1})"},
        // A log longer than a row: 勇者 against 突撃, with a level-up and a re-move after it.
        {"long.json", worked, R"({"ally": {"skills": [0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0],
            "attackSpeed": 20, "hp": 999, "maxHp": 999}, "enemy": {"skills":
            [0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0], "hp": 999, "maxHp": 999},
            "eventSwitches": [1, 1, 1, 1]})"},
        {"lane30.json", "level-up-search.json", R"({"lanes": [{"position": 30}]})"},
        {"marks.json", worked, R"({"marks": "×××○○×××○×○×○○×○×○○×"})"},
        {"marks-late.json", "@marks.json", R"({"lanes": [{"position": 3980}]})"},
        // The worked battle, then the level-up and the re-move: as locate sees it.
        {"locate.json", worked, R"({"eventSwitches": [0, 1, 1, 1]})"},
        {"locate-marks.json", "@locate.json", R"({"marks": "×××○○×××○×○×○○×○×○○×"})"},
        {"locate-lane.json", "@locate.json", R"({"lanes": [{"seedIndex": 5, "position": 100}]})"},
        {"no-battle.json", worked, R"({"eventSwitches": [0, 0, 1, 1]})"},
        {"no-level-up.json", worked, R"({"eventSwitches": [1, 1, 0, 1]})"},
        {"no-re-move.json", worked, R"({"eventSwitches": [0, 1, 1, 0]})"},
        {"rate-zero.json", "@locate.json", R"({"growthRates": [80,50,10,40,60,30,5,45,0,0]})"},
        {"plan.json", "@locate.json", R"({"steps": [{}]})"},
        // Kept places of the worked battle, marks that would pick other sequences, and a list
        // that 実行 narrows to 1 of sequence 4 (lane 0 then goes to 15).
        {"kept.json", "@marks.json", R"({"kept": [[4, 1], [0, 19], [0, 2], [0, 1], [4, 1]]})"},
        {"kept-one.json", worked, R"({"kept": [[0, 2], [4, 1], [0, 2]]})"}};
    // clang-format on
    for (const auto& [name, sample, patch] : files) {
        nlohmann::json scenario = nlohmann::json::object();
        if (!sample.empty()) {
            scenario = nlohmann::json::parse(
                std::ifstream(sample[0] == '@' ? (test_folder() / sample.substr(1)).string()
                                               : kSamplesDir + "/" + sample));
        }
        scenario.merge_patch(nlohmann::json::parse(patch));
        test_file(name, scenario.dump());
    }
    return true;
}();

struct CliResult {
    int status;
    std::string out, err;
};

// The words of line are the arguments: DATA is the samples folder (DATA/name a sample), @name a
// file of the tests' own, '' an empty argument.
CliResult run_soramito_cli(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> args = {"soramito-cli"};
    for (std::string word; in >> word;) {
        args.push_back(word.starts_with("DATA") ? kSamplesDir + word.substr(4)
                       : word.starts_with("@")  ? (test_folder() / word.substr(1)).string()
                       : word == "''"           ? ""
                                                : word);
    }
    std::ostringstream out, err;
    const int status = run_cli(args, out, err);
    return {status, out.str(), err.str()};
}

nlohmann::json run_soramito_json(const std::string& line) {
    const CliResult result = run_soramito_cli(line + " --json");
    EXPECT_EQ(result.status, 0) << line << ": " << result.err;
    return result.status == 0 ? nlohmann::json::parse(result.out) : nlohmann::json{};
}

// A failure is status 2, nothing on stdout (--json or not) and exactly one line on stderr, which
// holds named.
void expect_cli_failure(const std::string& line, const std::string& named = "") {
    for (const std::string json : {"", " --json"}) {
        const CliResult r = run_soramito_cli(line + json);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.find(named) != std::string::npos &&
                    r.err.find('\n') == r.err.size() - 1)
            << line << json << ": " << r.status << " " << r.out << r.err;
    }
}

using nlohmann::json;

const std::string kAllFour = " --ally-hp 40 --enemy-hp 0 --grown 1,1,0,0,0,0,0,0,0 --re-move 1";
const std::string kWorked = "×××○○×××○×○×○○×○×○○×";

TEST(Cli, PrintsTheJsonAndTheReadableFormOfEachCommandAndAdvancesOnWhatItPrinted) {
    const std::string search = "--data-dir DATA search ", run = "--data-dir DATA run ";
    const std::string worked = "DATA/worked-battle.json", plan = "DATA/turn-plan.json";
    const std::string identifyAll = "identify '' --scenario " + worked;
    // the line, and the values at JSON pointers into what it prints ("" all, null: none there)
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"values --seed 0 --from 1", R"({"/values/3": {"position": 4, "stored": 47, "display": 46,
            "mark": 1}, "/values/31/position": 32, "/values/32": null, "/seedIndex": 0})"},
        {"values --seed 0 --from 0 --count 2", R"({"/from": 0, "/values/1/display": 12})"},
        {"identify " + kWorked, R"({"/markCount": 20, "/candidateCount": 3, "/candidates": [0, 16, 51],
            "/marks/3": 1, "/next": {"position": 21, "o": [0, 16, 51], "x": [], "marksToSettle": 0,
            "sameMarks": [[0, 16, 51]]}})"},
        {"identify ''", R"({"/markCount": 0, "/next/position": 1})"},
        {"identify " + std::string(499, 'x'), R"({"/markCount": 499})"},
        // The worked marks with mark 2 wrong, position 9 left out and position 16 typed twice.
        {"identify xoxooxxxxoxooxooxoox --tolerance 3", R"({"/near/0": {"seedIndex": 0, "edits": 3,
            "lanePosition": 21, "changes": [{"kind": "wrong", "mark": 2},
            {"kind": "missing", "position": 9}, {"kind": "extra", "mark": 15}]}, "/near/1/seedIndex": 16})"},
        // No data folder is needed; with no mark all 64 run from position 1.
        {"--data-dir /nonexistent " + identifyAll, R"({"/outcomes/0/codes/10": 11, "/outcomes/0/success/4":
            1, "/outcomes/0/lanePosition": 1, "/outcomes/0/seedIndexes/0": 0,
            "/outcomes/0/enemyHpAfterBattle": 0, "/outcomes/0/allyHpAfterBattle": 40})"},
        {"identify ooooooooooooooooooooooooo --scenario " + worked, R"({"/outcomes": null, "/next": null})"},
        // アルト in Shift-JIS, with 連続
        {"--data-dir DATA units", R"({"/allyUnitCount": 52, "/allies/52": null, "/allies/0/nameShiftJis":
            "8341838b8367", "/allies/0/followUpCritFactor": 2, "/allies/0/skills/7": 1,
            "/enemyUnitCount": 32, "/growthTable/51/0": 70, "/growthTable/52": null})"},
        {"--data-dir DATA growth --ally アルト --books 0,3,11", R"({"": {"row": 0,
            "rates": [115, 65, 15, 80, 60, 30, 5, 40, 0], "reMoveRate": 30}})"},
        // Not the empty rows past the last.
        {"--data-dir DATA growth --ally ''", R"({"": {"row": -1,
            "rates": [0, 0, 0, 0, 0, 0, 0, 0, 0], "reMoveRate": 0}})"},
        // Lane 1 follows the same sequence from position 12: one hit less, the enemy keeps 20.
        {run + worked, R"({"/lanes/0/labels/4": "命", "/lanes/0/success/4": 1, "/lanes/0/codes/10": 11,
            "/lanes/0/codes/11": null, "/lanes/0/predictEnd": 0, "/lanes/0/strikeStarts/2": 8,
            "/lanes/0/attackerHitsLanded": 2, "/lanes/0/defenderHitsLanded": 0,
            "/lanes/0/allyHpAfterBattle": 40, "/lanes/0/enemyHpAfterBattle": 0,
            "/lanes/1/position": 12, "/lanes/1/enemyHpAfterBattle": 20, "/lanes/2": null})"},
        {run + "@end.json", R"({"/lanes/0/steps/0/enemyHpAfterBattle": 10, "/lanes/0/steps/0/count": 11,
            "/lanes/0/steps/1": null})"},
        {search + "@no-wish.json", R"({"": {"result": -2, "positions": []}})"},
        {search + "@no-chain.json", R"({"": {"result": 0, "positions": [], "chains": []}})"},
        {search + "@bad-step.json", R"({"": {"result": -1, "positions": [], "chains": []}})"},
        {search + plan, R"({"/result": 178, "/positions/1": 106, "/chains/1": [106, 117, 126],
            "/chains/177": [3976, 3987, 3996], "/positions/178": null})"},
        // Every sequence the marks match, the option's over the member's, else none.
        {search + "@marks.json", R"({"/common/sequences": [0, 16, 51]})"},
        // From 3980 only 3987 holds in sequence 0, and it does not in 16 or 51.
        {search + "@marks-late.json", R"({"/positions": [3987], "/common/positions": []})"},
        {search + "@marks.json --marks ''", R"({"/common": {"sequences": [], "positions": []}})"},
        // What to spend from lane 0 and what happens there: the battle before the level-up at 30
        // starts at 19, 11 values before lane 0.
        {search + worked + " --details", R"({"/details/2/position": 6, "/details/2/spend": 5,
            "/details/10/lane/position": 60, "/details/11": null})"},
        {"--data-dir DATA estimate " + plan, R"({"": {"estimate": 15}})"},
        // Nothing found is an answer too.
        {"locate @locate.json --enemy-hp 9999", R"({"": {"sequences": [0], "from": 1, "found": []}})"},
        // The marks' sequences, the option's over the member's; else lane 0's.
        {"locate @locate-marks.json --enemy-hp 0", R"({"/sequences": [0, 16, 51]})"},
        {"locate @locate-marks.json --enemy-hp 0 --marks ooooooooooooooooooooooooo", R"({"/sequences": [0]})"},
        {"locate @locate-lane.json --enemy-hp 0 --marks ''", R"({"/sequences": [5], "/from": 100})"},
        // What the kept places become is the engine's, and the file's form is the scenario's.
        {"--data-dir DATA advance @kept-one.json", R"({"/lanes/0": {"seedIndex": 4, "position": 15},
            "/kept": null, "/history/0/position": 1})"}};
    // clang-format on
    for (const auto& [line, expected] : cases) {
        const json printed = run_soramito_json(line), wanted = json::parse(expected);
        for (const auto& [pointer, value] : wanted.items()) {
            const json::json_pointer at(pointer);
            EXPECT_EQ(printed.contains(at) ? printed[at] : json(), value) << line << " " << pointer;
        }
    }
    const std::string advance = "--data-dir DATA advance ";
    // the line, and all that it prints
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> whole = {
        {"values --seed 0 --from 1 --count 33",
         "現在の乱数　　#00:  1\n乱数値：12 54 40 46 46 28 89 53 05 29 32 48 13 11 76 88 92 49 52 23 07 "
         "83 29 10 88 73 62 76 52 36 16 78 \n○×法：× × × ○ ○ × × × ○ × ○ × ○ ○ × ○ × ○ ○ × ○ ○ × ○ ○ × "
         "× × ○ ○ ○ × \n現在の乱数　　#00: 33\n乱数値：91 \n○×法：○ \n"},
        {"identify xxxooxxx", "○×：×××○○×××（8個）\n候補：0 16 18 36 51\n次の印（位置 9）：○→ 0 16 51"
                              "　×→ 18 36　あと 1 個\n○×では見分けられない：0 16 51\n"
                              "○×では見分けられない：18 36\n"},
        {"identify ooooooooooooooooooooooooo", "○×：○○○○○○○○○○○○○○○○○○○○○○○○○（25個）\n"
                                               "候補：なし（一致する乱数列はありません）\n"},
        {"--data-dir DATA growth --ally アルト", "HP: 80%  力: 50%  魔: 10%  技: 40%  速: 60%  "
                                               "守: 30%  体:  5%  運: 45%  移:  0%  再行動:30%\n"},
        {"--data-dir DATA growth --ally aa", "aa：character.txt にない味方です\n"},
        {search + "DATA/worked-battle.json", "候補：1 5 6 16 19 36 38 39 44 57 60 \n（11個）\n"},
        {search + "@idle.json", "候補：なし（条件を満たす位置は4004までにありません）\n"},
        {search + "@level-up.json", "候補：なし（成長率0の能力値に+1か+2、または成長率100未満の能力値に+2が指定されています）\n"},
        {search + "@no-wish.json", "候補：なし（レベルアップで絞り込む能力値がありません）\n"},
        {"--data-dir DATA estimate DATA/turn-plan.json", "戦闘の消費見込み：15\n"},
        {advance + "DATA/level-up-search.json",
         "位置 1 → 21（20個）\n味方 アルト：Lv 10 → 11　HP 40 → 41　MAX 60 → 61\n敵 山賊ガロ：HP 40 → 0\n"
         "成長：HP 力\n力 が上がりました：攻撃を確かめてください\n"},
        {advance + "@re-move.json", "位置 1 → 2（1個）\n再行動：○\n"},
        {"locate @locate.json --enemy-hp 9999", "探した乱数列：0（上のレーンの乱数列）\n起きたことに合う位置：なし\n"},
        {"locate @kept.json --enemy-hp 9999", "探した乱数列：0 4（残した位置の乱数列）\n起きたことに合う位置：なし\n"}};
    // the line, and what it prints holds (or, after "!", does not)
    const std::vector<std::pair<std::string, std::string>> parts = {
        {"identify ''", "\n候補：なし（64本の乱数列すべてが一致します）\n"},
        // The pattern is read as Shift-JIS bytes: the second byte of 三 (0x8E 0x4F) is an "O".
        {"identify 三", "○×：○（1個）\n候補：1 2 4 5 6 8 10 "},
        {"identify xoxooxxxxoxooxooxoox --tolerance 3",
         "\n近い乱数列 0：2個目が違う、位置 9 の印が抜け、15個目が余分（次は位置 21）\n"},
        {"identify xoxooxxxxoxooxooxoox --tolerance 2", "\n近い乱数列：なし（違い 2 個まで）\n"},
        {"identify '' --scenario DATA/worked-battle.json", "：敵HP 0（撃破）　味方HP 40　使い道 連"},
        // From position 12 the enemy keeps 20; with nothing switched on nothing is used.
        {"identify ×××○○×××○×○ --scenario DATA/worked-battle.json",
         "\n0 16 51：敵HP 20　味方HP 40　使い道 連 連 殺 ？ [命] 殺"},
        {"identify ×××○○×××○×○ --scenario @idle.json", "\n0 16 51：使い道 なし\n"},
        {"identify ×××○○×××○×○ --scenario @falls.json", "　味方HP 0（倒れる）　"},
        {"identify ×××○○×××○×○ --scenario @keeps.json",
         "\n0 16 51：敵HP 1　味方HP 1　使い道 連 連 殺 ？ [命] 殺 ？ [命] 殺 ？ [命]\n"},
        {"--data-dir DATA units", "味方 52\n  0  アルト            追撃必殺係数 2  連続\n"},
        {"--data-dir DATA units", "\n  2  ソウマ            追撃必殺係数 1 \n"},
        {"--data-dir DATA units", "\n敵 32\n  0  山賊ガロ          追撃必殺係数 1  反撃\n"},
        {"--data-dir DATA units", "\n成長率 (HP 力 魔 技 速 守 体 運 移 再行動)\n  0  80 50 10 40 60 30 5 45 0  30\n"},
        {run + "DATA/worked-battle.json", "\n○×法： ×  ×  ×  ○  ○  ×  ×  ×  ○ "},
        {run + "DATA/worked-battle.json", "使い道： 連  連  殺  ？ [命] 殺  ？  命 [殺] ？ [命]\n"
                                          "ＨＰ：アルト 40→40　山賊ガロ 40→0\n\n現在の乱数　　#00: 12\n乱数値： 48  13 "},
        // Without a battle there is no HP to tell, nor a predicted battle.
        {run + "@predicted.json", "\n予測消費：0～10番目\nＨＰ"}, {run + "@level-up.json", "!予測消費"},
        {run + "@level-up.json", "使い道： HP  力  魔  技 "}, {run + "@level-up.json", "!ＨＰ"},
        {run + "@long.json", "乱数値： 91  49 \n○×法： ○  ○ \n使い道： 移  ♪ \n"},
        {run + "DATA/turn-plan.json", "\n\n行動3\n現在の乱数　　#00: 21"},
        {search + "DATA/turn-plan.json", "候補（行動ごとの開始位置）：\n103 → 117 → 126\n106 → 117 → 126\n"},
        {search + "DATA/worked-battle.json --marks " + kWorked, "\nどれでも：38 44 96 "},
        {search + "DATA/worked-battle.json --marks ooooooooooooooooooooooooo", "\nどれでも：なし\n"},
        {search + "DATA/worked-battle.json --details", "\n位置 6（ずれ 5）：味方30 敵0 命中2/1\n"},
        {search + "@lane30.json --details", "\n詳細：\n位置 19（ずれ -11）：味方40 敵0 命中2/0 成長HP 力 速 運\n"},
        {advance + "@kept-one.json", "\n残した位置：2個のうち 1個が合いました。上のレーンを #4: 15 に置きました\n"},
        {advance + "@kept.json", "\n残した位置：4個のうち 3個が合いました\n"},
        {"locate DATA/worked-battle.json --ally-hp 40 --all-sequences", "（すべての乱数列）\n起きたことに合う位置："},
        {search + "DATA/turn-plan.json --details", "\n位置 106（ずれ 105）：1) 106 味方40 敵0 命中2/0"
                                                   "／2) 117 味方27 敵0 命中2/1／3) 126 成長HP 力 技 速 守 体 運\n"},
        // The nearest 20 of the 21 on the marks' sequences.
        {"locate @locate.json" + kAllFour + " --marks " + kWorked,
         "探した乱数列：0 16 51（○×に合う乱数列）\n起きたことに合う位置：21個（上のレーンの位置 1 から近い順）\n"},
        {"locate @locate.json" + kAllFour + " --marks " + kWorked, "\n#0: 4419（ずれ +4418）→ 今は 4440\n…ほか 1個\n"}};
    // clang-format on
    for (const auto& [line, text] : whole) {
        const CliResult r = run_soramito_cli(line);
        EXPECT_EQ(std::make_tuple(r.status, r.out, r.err), std::make_tuple(0, text, "")) << line;
    }
    for (const auto& [line, text] : parts) {
        const bool held = !text.starts_with("!");
        const std::string out = run_soramito_cli(line).out;
        EXPECT_EQ(out.find(text.substr(held ? 0 : 1)) != std::string::npos, held) << line << text;
    }
    // advance prints the scenario after it, which the next advance reads: the record goes on.
    test_file("once.json", run_soramito_cli(advance + "DATA/worked-battle.json --json").out);
    EXPECT_EQ(run_soramito_json("--data-dir DATA advance @once.json")["history"][1],
              json::parse(R"({"seedIndex": 0, "position": 12, "count": 5, "allyHp": [40, 40],
                  "enemyHp": [0, 0]})"));
    // run and search leave kept places be.
    for (const std::string& line : {run, search, run + "--json ", search + "--json "}) {
        EXPECT_EQ(run_soramito_cli(line + "@kept.json").out,
                  run_soramito_cli(line + "@marks.json").out);
    }
}

TEST(CliErrors, ExitWithStatusTwoAndOneLineNamingWhatIsWrongAndARefusedScenarioSaysWhy) {
    test_file("no-growth/character.txt", "1,0\nA,1\n");
    test_file("a-folder/character.txt/inside", "");  // a folder where the file should be
    test_file("cut.json", "{");
    const std::string all = "locate @locate.json", ones = ",1,1,1,1,1,1";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"frobnicate", "frobnicate"}, {"values", "--seed"}, {"values --seed 0", "--from"},
        {"values --from 1", "--seed"}, {"values --seed 64 --from 1", "--seed"},
        {"values --seed -1 --from 1", "--seed"}, {"values --seed 0 --from 5005", "--from"},
        {"values --seed 0 --from 5000 --count 6", "5004"}, {"values --seed", "--seed"},
        {"values --seed 0 --from 1 --count 0", "--count"}, {"values --seed 1x --from 1", "--seed"},
        {"values --seed '' --from 1", "--seed"},
        {"values --seed 99999999999999999999 --from 1", "--seed"},
        {"values --seed 0 --from 1 --bogus 1", "--bogus"}, {"values --seed 0 --seed 1 --from 1", ""},
        {"identify", "引数"}, {"identify ox xo", "引数"},
        {"identify \xF0\x9F\x98\x80", "○×の並び"}, {"identify o\xFFx", "○×の並び"},
        {"identify " + std::string(500, 'o'), "499"},
        {"identify ox --tolerance 4", "--tolerance"}, {"identify ox --tolerance -1", "--tolerance"},
        {"identify ox --scenario /nonexistent.json", "/nonexistent.json"},
        {"--data-dir /nonexistent units", "character.txt"}, {"--data-dir @no-growth units", "grow.txt"},
        {"--data-dir @a-folder units", "character.txt"}, {"--data-dir DATA growth", "--ally"},
        {"--data-dir DATA growth --ally アルト --books 12", "--books"},
        {"--data-dir DATA growth --ally アルト --books 1,", "--books"},
        {"--data-dir DATA growth --ally \xF0\x9F\x98\x80", "--ally"},
        {"--data-dir DATA run", "引数"}, {"--data-dir DATA run DATA/worked-battle.json --marks o", "--marks"},
        {"--data-dir DATA run /nonexistent.json", "/nonexistent.json"},
        {"--data-dir DATA run @cut.json", "JSON として読めません"},
        {"--data-dir @no-growth run DATA/worked-battle.json", "grow.txt"},
        {"--data-dir DATA search DATA/worked-battle.json --marks " + std::string(500, 'x'), "--marks"},
        {"--data-dir DATA advance", "引数"}, {"--data-dir DATA advance a.json b.json", "引数"},
        {"--data-dir DATA advance a.json --marks o", "--marks"},
        {all, "--ally-hp"}, {all + " --marks ox", "--ally-hp"},
        {all + " --ally-hp 10000", "--ally-hp"}, {all + " --ally-hp -1", "--ally-hp"},
        {all + " --enemy-hp 10000", "--enemy-hp"}, {all + " --grown 1,1" + ones, "--grown"},
        {all + " --grown 1,1,1,1" + ones, "--grown"}, {all + " --grown 2,1,1" + ones, "--grown"},
        {all + " --grown ''", "--grown"}, {all + " --re-move 2", "--re-move"},
        {"locate @no-battle.json --ally-hp 40", "--ally-hp"},
        {"locate @no-battle.json --enemy-hp 0 --grown 0,0,0" + ones, "--enemy-hp"},
        {"locate @no-level-up.json --grown 0,0,0" + ones, "--grown"},
        {"locate @no-re-move.json --re-move 0", "--re-move"},
        {"locate @rate-zero.json --re-move 1", "--re-move"}, {"locate @plan.json --enemy-hp 0", "steps"},
        {all + " --enemy-hp 0 --marks " + std::string(500, 'x'), "--marks"},
        {all + " --enemy-hp 0 --all-sequences --marks " + std::string(500, 'x'), "--marks"},
        {"locate @kept.json --enemy-hp 0 --marks ox", "--marks"},
        {"locate @kept.json --enemy-hp 0 --all-sequences", "--all-sequences"},
        {all + " --enemy-hp 0 --seed 1", "--seed"}, {"locate --enemy-hp 0", "引数"},
        {"locate @missing.json --enemy-hp 0", "missing.json"},
        // The stats' names in the message are UTF-8, as everything the command prints.
        {all + " --grown 1", "HP 力 魔 技 速 守 体 運 移 の順"}};
    // clang-format on
    for (const auto& [line, named] : cases) {
        expect_cli_failure(line, named);
    }
    // clang-format off
    std::vector<std::pair<std::string, std::string>> scenarios = {
        {R"({"ally": {"level": "10"}})", "ally.level は -999 から 9999 までの整数にしてください（\"10\" が書かれています）"},
        {R"({"a\nb": 1})", "a b という項目はありません。項目の名前を確かめてください"},
        {R"({"eventSwitches": [0, 1, 0, 0], "steps": [{}]})",
         "advance は手順（steps）のないシナリオにだけ使えます。手順はウィンドウで一つずつ実行します"}};
    // clang-format on
    for (const RefusedAdvance& refused : kRefusedAdvances) {
        scenarios.emplace_back(refused.scenario, refused.commandLine);
    }
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::string path = test_file("bad" + std::to_string(i) + ".json", scenarios[i].first);
        // The reader's refusals, whose words name the file, hold for every command; 実行's for
        // advance alone.
        for (const std::string command : {"advance", "run", "search", "estimate"}) {
            const CliResult r = run_soramito_cli("--data-dir DATA " + command + " " + path);
            const std::string said = (i < 2 ? "シナリオ " + path + "：" : "") + scenarios[i].second;
            if (i < 2 || command == "advance") {
                EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
                          std::make_tuple(2, "", "soramito-cli: " + said + "\n"));
            }
        }
    }
}

// Without --data-dir the files come from the working folder, else from beside the program;
// without them anywhere the refusal names both folders.
TEST(CliProgram, FindsTheStartUpFilesBesideItselfFromAnotherFolder) {
    namespace fs = std::filesystem;
    const fs::path beside = test_folder() / "beside", elsewhere = test_folder() / "elsewhere";
    fs::create_directories(beside);
    fs::create_directories(elsewhere);
    fs::copy_file(SORAMITO_CLI_PROGRAM, beside / "soramito-cli",
                  fs::copy_options::overwrite_existing);
    const std::string out = (test_folder() / "out").string(),
                      err = (test_folder() / "err").string();
    const std::string line = "cd " + elsewhere.string() + " && " +
                             (beside / "soramito-cli").string() + " units >" + out + " 2>" + err;
    for (const bool withFiles : {false, true}) {
        // The program writes what a command prints to stdout, a failure to stderr, which names
        // both folders as the system names them, links followed.
        const int result = std::system(line.c_str());
        std::ifstream said(err);
        const std::string words(std::istreambuf_iterator<char>(said), {});
        for (const char* name : {"character.txt", "grow.txt"}) {  // for the next run
            fs::copy_file(kSamplesDir + "/" + name, beside / name, fs::copy_options::skip_existing);
        }
        EXPECT_EQ(
            std::make_tuple(WEXITSTATUS(result), fs::file_size(out) > 0, words.empty(),
                            words.find(fs::canonical(beside).string()) != std::string::npos &&
                                words.find(fs::canonical(elsewhere).string()) != std::string::npos),
            std::make_tuple(withFiles ? 0 : 2, withFiles, withFiles, !withFiles))
            << words;
    }
}

TEST(CliProgram, AnswersOnStdoutOrInTheOutFileAndFailsOrWarnsOnStderr) {
    std::ifstream file(std::string(SORAMITO_TESTS_DIR) + "/cli_usage.txt", std::ios::binary);
    const std::string usage(std::istreambuf_iterator<char>(file), {});
    // the line and its status: 0 with the usage on stdout alone, 2 with it on stderr alone
    const std::vector<std::pair<std::string, int>> cases = {
        {"--help", 0}, {"-h", 0},    {"values --seed 0 -h", 0}, {"--data-dir DATA run --help", 0},
        {"", 2},       {"--json", 2}};
    for (const auto& [line, status] : cases) {
        const CliResult r = run_soramito_cli(line);
        EXPECT_EQ(
            std::make_tuple(r.status, status == 0 ? r.out : r.err, status == 0 ? r.err : r.out),
            std::make_tuple(status, usage, ""))
            << line;
    }
    EXPECT_EQ(run_soramito_cli("--version").out, "soramito-cli 0.1.0\n");
    // --out writes the bytes stdout would have got, whatever the shell; a file that cannot be
    // written is a failure, and what stood there stays.
    for (const std::string command : {"advance DATA/worked-battle.json --json", "units"}) {
        const std::string target = test_file("out.json", "old");
        const CliResult printed = run_soramito_cli("--data-dir DATA " + command);
        const CliResult written =
            run_soramito_cli("--data-dir DATA " + command + " --out " + target);
        std::ifstream in(target, std::ios::binary);
        EXPECT_EQ(std::make_tuple(written.status, written.out,
                                  std::string(std::istreambuf_iterator<char>(in), {})),
                  std::make_tuple(0, "", printed.out));
    }
    expect_cli_failure("--data-dir DATA units --out " + test_file("folder/inside", "") + "/x.json",
                       "--out");
    // What the start-up files lost goes to stderr, and the command goes on.
    test_file("eleven/grow.txt", "1,2,3,4,5,6,7,8,9,10,11\n");
    test_file("eleven/character.txt", "1,0\nA,2,\n");
    const CliResult r = run_soramito_cli("--data-dir @eleven units");
    EXPECT_EQ(std::make_tuple(r.status, r.out.substr(0, 9), r.err),
              std::make_tuple(0, "味方 1\n",
                              "grow.txt 1行目：数が11個あります。2行目から後は読めませんでした\n"));
}

}  // namespace
