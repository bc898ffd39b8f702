// What the command line refuses, and how: status 2, nothing on stdout, one line on stderr that
// names what is wrong; and its usage, version and warnings.

#include <cstdlib>

#include <sys/wait.h>

#include "cli_harness.h"
#include "refused_advances.h"

namespace {

TEST(CliErrors, ExitWithStatusTwoAndOneLineNamingWhatIsWrong) {
    test_file("no-growth/character.txt", "1,0\nA,1\n");
    test_file("a-folder/character.txt/inside", "");  // a folder where the file should be
    const std::string all = "locate @locate.json", ones = ",1,1,1,1,1,1";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"frobnicate", "frobnicate"}, {"values", "--seed"}, {"values --seed 0", "--from"},
        {"values --from 1", "--seed"}, {"values --seed 64 --from 1", "--seed"},
        {"values --seed -1 --from 1", "--seed"}, {"values --seed 0 --from 5005", "--from"},
        {"values --seed 0 --from 4974", "5004"}, {"values --seed 0 --from 5000 --count 6", "5004"},
        {"values --seed 0 --from 1 --count 0", "--count"}, {"values --seed 1x --from 1", "--seed"},
        {"values --seed '' --from 1", "--seed"}, {"values --seed", "--seed"},
        {"values --seed 99999999999999999999 --from 1", "--seed"},
        {"values --seed 0 --from 1 --bogus 1", "--bogus"}, {"values --seed 0 --seed 1 --from 1", ""},
        {"identify", "argument"}, {"identify ox xo", "argument"},
        {"identify \xF0\x9F\x98\x80", "pattern"}, {"identify o\xFFx", "pattern"},
        {"identify " + std::string(500, 'o'), "499"},
        {"identify ox --tolerance 4", "--tolerance"}, {"identify ox --tolerance -1", "--tolerance"},
        {"identify ox --tolerance x", "--tolerance"}, {"identify ox --tolerance 1.0", "--tolerance"},
        {"identify ox --scenario /nonexistent.json", "/nonexistent.json"},
        {"--data-dir /nonexistent units", "character.txt"}, {"--data-dir @no-growth units", "grow.txt"},
        {"--data-dir @a-folder units", "character.txt"}, {"--data-dir DATA growth", "--ally"},
        {"--data-dir DATA growth --ally アルト --books 12", "--books"},
        {"--data-dir DATA growth --ally アルト --books 1,,2", "--books"},
        {"--data-dir DATA growth --ally アルト --books 1,", "--books"},
        {"--data-dir DATA growth --ally \xF0\x9F\x98\x80", "--ally"},
        {"--data-dir DATA run", "argument"}, {"--data-dir DATA run DATA/worked-battle.json --marks o", "--marks"},
        {"--data-dir DATA run /nonexistent.json", "/nonexistent.json"},
        {"--data-dir @no-growth run DATA/worked-battle.json", "grow.txt"},
        {"--data-dir DATA search DATA/worked-battle.json --marks " + std::string(500, 'x'), "--marks"},
        {"--data-dir DATA advance", "argument"}, {"--data-dir DATA advance a.json b.json", "argument"},
        {"--data-dir DATA advance a.json --marks o", "--marks"},
        {all, "--ally-hp"}, {all + " --marks ox", "--ally-hp"},
        {all + " --ally-hp 10000", "--ally-hp"}, {all + " --ally-hp -1", "--ally-hp"},
        {all + " --ally-hp 4O", "--ally-hp"}, {all + " --ally-hp ''", "--ally-hp"},
        {all + " --enemy-hp 10000", "--enemy-hp"}, {all + " --enemy-hp 1.5", "--enemy-hp"},
        {all + " --grown 1,1" + ones, "--grown"}, {all + " --grown 1,1,1,1" + ones, "--grown"},
        {all + " --grown 2,1,1" + ones, "--grown"}, {all + " --grown 1,,1" + ones, "--grown"},
        {all + " --grown ''", "--grown"}, {all + " --re-move 2", "--re-move"},
        {all + " --re-move yes", "--re-move"}, {"locate @no-battle.json --ally-hp 40", "--ally-hp"},
        {"locate @no-battle.json --enemy-hp 0 --grown 0,0,0" + ones, "--enemy-hp"},
        {"locate @no-level-up.json --grown 0,0,0" + ones, "--grown"},
        {"locate @no-re-move.json --re-move 0", "--re-move"},
        {"locate @rate-zero.json --re-move 1", "--re-move"}, {"locate @plan.json --enemy-hp 0", "steps"},
        {all + " --enemy-hp 0 --marks " + std::string(500, 'x'), "--marks"},
        {all + " --enemy-hp 0 --seed 1", "--seed"}, {"locate --enemy-hp 0", "argument"},
        {"locate @missing.json --enemy-hp 0", "missing.json"},
        // The stats' names in the message are UTF-8, as everything the command prints.
        {all + " --grown 1", "(HP 力 魔 技 速 守 体 運 移)"}};
    // clang-format on
    for (const auto& [line, named] : cases) {
        expect_cli_failure(line, named);
    }
}

TEST(CliErrors, ARefusedScenarioOrAdvanceIsOneLineThatSaysWhy) {
    // clang-format off
    std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"ally": {"level": 10000}})", "scenario field ally.level must be -999 to 9999"},
        {R"({"ally": {"level": "10"}})", "scenario field ally.level must be an integer"},
        {R"({"a\nb": 1})", "unknown scenario field a b"},
        {R"({"ally": {"skills": [0, 1]}})", "scenario field ally.skills must be an array of 16 integers"},
        {R"({"ally": {"name": "アイウエオカキクケコサシスセソタ"}})",
         "scenario field ally.name is longer than 31 bytes in Shift-JIS"},
        {R"({"enemy": {"name": "😀"}})", "enemy.name has no Shift-JIS form"},
        {"{\"marks\": \"" + std::string(500, 'x') + "\"}",
         "scenario field marks is 500 bytes in Shift-JIS, longer than the 499 bytes that are read"},
        {R"({"steps": [{}]})",
         "scenario field steps[0].eventSwitches must switch on the battle, the level-up or the re-move"},
        {R"({"history": [{"seedIndex": 0, "count": 1}]})", "scenario field history[0].position is missing"},
        {R"({"eventSwitches": [0, 1, 0, 0], "steps": [{}]})",
         "advance takes no scenario with steps: a plan is advanced step by step in the window"}};
    // clang-format on
    for (const RefusedAdvance& refused : kRefusedAdvances) {
        cases.emplace_back(refused.scenario, refused.commandLine);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string path = test_file("bad" + std::to_string(i) + ".json", cases[i].first);
        // The reader's refusals hold for every command; 実行's for advance alone.
        for (const std::string command : {"advance", "run", "search", "estimate"}) {
            const CliResult r = run_soramito_cli("--data-dir DATA " + command + " " + path);
            if (i < 9 || command == "advance") {
                EXPECT_EQ(std::make_tuple(r.status, r.out, r.err),
                          std::make_tuple(2, "", "soramito-cli: " + cases[i].second + "\n"));
            }
        }
    }
    expect_cli_failure("--data-dir DATA run " + test_file("cut.json", "{"), "bad JSON");
}

TEST(CliProgram, WritesWhatACommandPrintsToStdoutAndAFailureToStderr) {
    const std::string out = test_file("out", ""), err = test_file("err", "");
    for (const auto& [arguments, status] :
         {std::pair{"--version", 0}, std::pair{"frobnicate", 2}}) {
        const std::string line =
            SORAMITO_CLI_PROGRAM " " + std::string(arguments) + " >" + out + " 2>" + err;
        const int result = std::system(line.c_str());
        EXPECT_EQ(std::make_tuple(WEXITSTATUS(result), std::filesystem::file_size(out) > 0,
                                  std::filesystem::file_size(err) > 0),
                  std::make_tuple(status, status == 0, status != 0))
            << arguments;
    }
}

TEST(CliProgram, HelpAndVersionAnswerOnStdoutAndNoCommandOnStderr) {
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
}

TEST(CliProgram, SaysOnStandardErrorWhatTheStartUpFilesLost) {
    test_file("eleven/grow.txt", "1,2,3,4,5,6,7,8,9,10,11\n");
    test_file("eleven/character.txt", "1,0\nA,2,\n");
    const CliResult r = run_soramito_cli("--data-dir @eleven units");
    EXPECT_EQ(std::make_tuple(r.status, r.out.substr(0, 9), r.err),
              std::make_tuple(0, "味方 1\n",
                              "grow.txt 1行目：数が11個あります。2行目から後は読めませんでした\n"));
}

}  // namespace
