#include <gtest/gtest.h>

#include "cli_harness.h"

namespace {

TEST(CliValues, ReportsStoredDisplayAndMark) {
    const nlohmann::json values = run_soramito_json({"values", "--seed", "0", "--from", "1"});
    EXPECT_EQ(values["seedIndex"], 0);
    EXPECT_EQ(values["from"], 1);
    ASSERT_EQ(values["values"].size(), 32u);
    EXPECT_EQ(values["values"][0],
              nlohmann::json({{"position", 1}, {"stored", 13}, {"display", 12}, {"mark", 0}}));
    EXPECT_EQ(values["values"][3]["mark"], 1);

    const nlohmann::json tail = run_soramito_json({"values", "--seed", "63", "--from", "5000", "--count", "5"});
    std::vector<int> stored;
    for (const auto& v : tail["values"]) {
        stored.push_back(v["stored"]);
    }
    EXPECT_EQ(stored, (std::vector<int>{10, 2, 64, 16, 82}));

    const CliResult text = run_soramito_cli({"values", "--seed", "0", "--from", "1", "--count", "4"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("12 54 40 46"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("× × × ○"), std::string::npos) << text.out;
}

TEST(CliIdentify, ParsesAndMatchesLikeThePatternBox) {
    const nlohmann::json found = run_soramito_json({"identify", "×××○○×××○×○×○○×○×○○×"});
    EXPECT_EQ(found["markCount"], 20);
    EXPECT_EQ(found["candidateCount"], 3);
    EXPECT_EQ(found["candidates"], nlohmann::json({0, 16, 51}));

    const nlohmann::json all = run_soramito_json({"identify", "123 abd -+? 一二"});
    EXPECT_EQ(all["markCount"], 0);
    EXPECT_EQ(all["candidateCount"], 0);
    EXPECT_EQ(all["candidates"].size(), 64u);

    const nlohmann::json none = run_soramito_json({"identify", std::string(40, 'o')});
    EXPECT_EQ(none["candidateCount"], 0);
    EXPECT_TRUE(none["candidates"].empty());

    // The pattern is read byte by byte: the second byte of 三 (0x8E 0x4F) is an "O".
    EXPECT_EQ(run_soramito_json({"identify", "三"})["marks"], nlohmann::json({1}));

    // 5000 characters: only the first 499 bytes count.
    EXPECT_EQ(run_soramito_json({"identify", std::string(5000, 'x')})["markCount"], 499);
    // 250 "○" are 500 bytes: the last one is cut in half and skipped.
    std::string circles;
    for (int i = 0; i < 250; ++i) {
        circles += "○";
    }
    EXPECT_EQ(run_soramito_json({"identify", circles})["markCount"], 249);

    const CliResult text = run_soramito_cli({"identify", "×××○○×××○×○×○○×○×○○×"});
    EXPECT_NE(text.out.find("候補：0 16 51"), std::string::npos) << text.out;
}

TEST(CliTables, ReadsTheSampleFiles) {
    const nlohmann::json units = run_soramito_json({"--data-dir", kSamplesDir, "units"});
    EXPECT_GE(units["allyUnitCount"], 52);
    EXPECT_GE(units["enemyUnitCount"], 30);
    EXPECT_EQ(units["allies"].size(), units["allyUnitCount"].get<std::size_t>());
    EXPECT_EQ(units["growthTable"].size(), 52u);
    // アルト in Shift-JIS
    EXPECT_EQ(units["allies"][0]["nameShiftJis"], "8341838b8367");
    EXPECT_EQ(units["allies"][0]["followUpCritFactor"], 2);

    const nlohmann::json growth =
        run_soramito_json({"--data-dir", kSamplesDir, "growth", "--ally", "アルト", "--books", "0,3,11"});
    EXPECT_EQ(growth["row"], 0);
    EXPECT_EQ(growth["rates"], nlohmann::json({115, 65, 15, 80, 60, 30, 5, 40, 0}));
    EXPECT_EQ(growth["reMoveRate"], 30);

    const nlohmann::json missing = run_soramito_json(
        {"--data-dir", kSamplesDir, "growth", "--ally", std::string(40, 'a')});
    EXPECT_EQ(missing["row"], -1);
    EXPECT_EQ(missing["rates"], nlohmann::json({0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(missing["reMoveRate"], 0);
}

TEST(CliTables, ReadsHostileFilesCalmly) {
    TempDir dir;
    dir.write("character.txt", "70,3\r\n" + std::string(300, 'N') + ",99999999999,99,-1,,abc,\r\n");
    dir.write("grow.txt", "1,2,3,4,5,6,7,8,9\r\n1,2,3,4,5,6,7,8,9,10,11\r\n1,2,3,4,5,6,7,8,9,10\r\n");
    const nlohmann::json units = run_soramito_json({"--data-dir", dir.path(), "units"});
    EXPECT_EQ(units["allyUnitCount"], 64);
    EXPECT_EQ(units["enemyUnitCount"], 3);
    std::string cutName;
    for (int i = 0; i < 31; ++i) {
        cutName += "4e";
    }
    EXPECT_EQ(units["allies"][0]["nameShiftJis"], cutName)
        << "the name is cut to 31 bytes";
    EXPECT_EQ(units["allies"][0]["followUpCritFactor"], 0);
    EXPECT_EQ(units["allies"][1]["nameShiftJis"], "");
    EXPECT_EQ(units["growthTable"][0], nlohmann::json({1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
    EXPECT_EQ(units["growthTable"][1], nlohmann::json({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(units["growthTable"][2], nlohmann::json({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    TempDir empty;
    empty.write("character.txt", "");
    empty.write("grow.txt", "");
    const nlohmann::json none = run_soramito_json({"--data-dir", empty.path(), "units"});
    EXPECT_EQ(none["allyUnitCount"], 0);
    EXPECT_TRUE(none["allies"].empty());
}

TEST(CliErrors, ExitWithStatusTwoAndOneLine) {
    TempDir noGrowth;
    noGrowth.write("character.txt", "1,0\nA,1\n");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"values"},
        {"values", "--seed", "64", "--from", "1"},
        {"values", "--seed", "-1", "--from", "1"},
        {"values", "--seed", "0", "--from", "5005"},
        {"values", "--seed", "0", "--from", "5000", "--count", "6"},
        {"values", "--seed", "0", "--from", "1", "--count", "0"},
        {"values", "--seed", "0", "--from", "4974"},
        {"values", "--seed", "1x", "--from", "1"},
        {"values", "--seed", "", "--from", "1"},
        {"values", "--seed", "99999999999999999999", "--from", "1"},
        {"values", "--seed", "0", "--from", "1", "--bogus", "1"},
        {"values", "--seed", "0", "--seed", "1", "--from", "1"},
        {"values", "--seed"},
        {"identify"},
        {"identify", "ox", "xo"},
        {"identify", "\xF0\x9F\x98\x80"},
        {"identify", "o\xFFx"},
        {"--data-dir", "/nonexistent", "units"},
        {"--data-dir", noGrowth.path(), "units"},
        {"--data-dir", kSamplesDir, "growth"},
        {"--data-dir", kSamplesDir, "growth", "--ally", "アルト", "--books", "12"},
        {"--data-dir", kSamplesDir, "growth", "--ally", "アルト", "--books", "1,,2"},
        {"--data-dir", kSamplesDir, "growth", "--ally", "\xF0\x9F\x98\x80"},
    };
    for (const auto& args : cases) {
        for (const bool json : {false, true}) {
            std::vector<std::string> withFormat = args;
            if (json) {
                withFormat.push_back("--json");
            }
            expect_cli_failure(withFormat);
        }
    }
}

}  // namespace
