#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/unit_file.h"

namespace {

std::vector<int> skills_of(const UnitRecord& unit) {
    std::vector<int> set;
    for (int i = 0; i < kSkillCount; ++i) {
        if (unit.skills[i] != 0) {
            EXPECT_EQ(unit.skills[i], 1);
            set.push_back(i);
        }
    }
    return set;
}

GameTables& read_units(const std::string& text) {
    static GameTables tables;
    tables = GameTables{};
    TextReader reader = reader_over_bytes(text);
    read_unit_file(reader, tables);
    return tables;
}

TEST(UnitFile, ParsesOneEntry) {
    struct Case {
        std::string entry;
        std::string name;
        std::int32_t factor;
        std::vector<int> skills;
    };
    const std::vector<Case> cases = {
        {"名前,35", "名前", 35, {}},
        {"名前,5", "名前", 5, {}},
        {"名前,100", "名前", 100, {}},
        {"名前,35,0,7,", "名前", 35, {0, 7}},
        {"名前,35,0,7", "名前", 35, {0}},
        {"名前,35,,", "名前", 35, {0}},
        {"名前,35,", "名前", 35, {}},
        {"名前,abc", "名前", 0, {}},
        {"名前,abc,3,", "名前", 0, {}},
        {"名前,-4,15,", "名前", -4, {15}},
        {"名前,+4,2,", "名前", 4, {2}},
        {"名前,7x,3,", "名前", 7, {}},
        {"名前", "名前", 0, {}},
        {",3,1,", "", 3, {1}},
        {"名前,1,99,-1,16,5,", "名前", 1, {5}},
        {"名前,1,abc,", "名前", 1, {0}},
        {"名前,1, 9,", "名前", 1, {9}},
        {"名前,1,3x,", "名前", 1, {3}},
        {"名前,1,000000000000000000000000000012,", "名前", 1, {12}},
        {"名前,1,99999999999,-99999999999,", "名前", 1, {}},
        {"名前,99999999999", "名前", 2147483647, {}},
        {"名前,-99999999999", "名前", -2147483648, {}},
        {"名前,1,2,3", "名前", 1, {2}},
    };
    for (const Case& c : cases) {
        UnitRecord unit{};
        std::string scratch = c.entry;
        parse_unit_line(unit, scratch.data());
        EXPECT_STREQ(unit.name, c.name.c_str()) << c.entry;
        EXPECT_EQ(unit.followUpCritFactor, c.factor) << c.entry;
        EXPECT_EQ(skills_of(unit), c.skills) << c.entry;
    }
}

TEST(UnitFile, CutsLongNamesOnACharacterBoundary) {
    struct Case {
        std::string name;
        std::string kept;
    };
    const std::string ascii40(40, 'a');
    const std::string kana16 = "アイウエオカキクケコサシスセソタ";  // 32 bytes
    const std::vector<Case> cases = {
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(32, 'a'), std::string(31, 'a')},
        {ascii40, std::string(31, 'a')},
        // byte 31 would be the first half of タ: cut to 30
        {kana16, kana16.substr(0, 30)},
        // with one ASCII byte in front, byte 31 is the second half of ソ: keep 31
        {"a" + kana16, ("a" + kana16).substr(0, 31)},
        // a trailing lead byte of a name that fits is kept as it is
        {std::string(30, 'a') + "\x83", std::string(30, 'a') + "\x83"},
    };
    for (const Case& c : cases) {
        UnitRecord unit{};
        std::string entry = c.name + ",3,1,";
        parse_unit_line(unit, entry.data());
        EXPECT_EQ(std::string(unit.name), c.kept) << c.name;
        EXPECT_EQ(unit.followUpCritFactor, 3);
        EXPECT_EQ(skills_of(unit), std::vector<int>{1});
    }
}

TEST(UnitFile, ReadsHeaderAndEntries) {
    struct Case {
        std::string text;
        int allies;
        int enemies;
        std::vector<std::string> allyNames;
        std::vector<std::string> enemyNames;
    };
    const std::vector<Case> cases = {
        {"3,2\r\nA,1\r\nB,2\r\nC,3\r\nD,4\r\nE,5\r\nF,6\r\n", 3, 2, {"A", "B", "C"}, {"D", "E"}},
        {"3,2\nA,1\n\n\nB,2\n  C,3 D,4\tE,5\n", 3, 2, {"A", "B", "C"}, {"D", "E"}},
        {"3,2\nA,1\nB,2\n", 3, 2, {"A", "B", ""}, {"", ""}},
        {"3,2\nA,1\nB,2\nC,3\nD,4\n", 3, 2, {"A", "B", "C"}, {"D", ""}},
        {"", 0, 0, {}, {}},
        {"abc\nA,1\n", 0, 0, {}, {}},
        {"2\nA,1\nB,2\n", 2, 0, {"A", "B"}, {}},
        // an unread header byte is where the first entry starts
        {"2,x\nA,1\nB,2\n", 2, 0, {"x", "A"}, {}},
        {"2 ,1\nA,1\n", 2, 0, {"", "A"}, {}},
        {"-5,1\nA,1\n", 0, 1, {}, {"A"}},
        {"0,1\nA,1\n", 0, 1, {}, {"A"}},
    };
    for (const Case& c : cases) {
        const GameTables& tables = read_units(c.text);
        EXPECT_EQ(tables.allyUnitCount, c.allies) << c.text;
        EXPECT_EQ(tables.enemyUnitCount, c.enemies) << c.text;
        for (std::size_t i = 0; i < c.allyNames.size(); ++i) {
            EXPECT_STREQ(tables.allyUnits[i].name, c.allyNames[i].c_str()) << c.text;
        }
        for (std::size_t i = 0; i < c.enemyNames.size(); ++i) {
            EXPECT_STREQ(tables.enemyUnits[i].name, c.enemyNames[i].c_str()) << c.text;
        }
    }
}

TEST(UnitFile, KeepsTheTablesInBoundsWhateverTheFileDeclares) {
    std::string text = "70,66\n";
    for (int i = 0; i < 70; ++i) {
        text += "A" + std::to_string(i) + ",1\n";
    }
    for (int i = 0; i < 66; ++i) {
        text += "E" + std::to_string(i) + ",2\n";
    }
    const GameTables& tables = read_units(text);
    EXPECT_EQ(tables.allyUnitCount, 64);
    EXPECT_EQ(tables.enemyUnitCount, 64);
    EXPECT_STREQ(tables.allyUnits[63].name, "A63");
    EXPECT_STREQ(tables.enemyUnits[0].name, "E0");
    EXPECT_STREQ(tables.enemyUnits[63].name, "E63");

    // A huge declaration stops at the end of the text rather than looping on.
    const GameTables& huge = read_units("2147483647,2147483647\nA,1\n");
    EXPECT_EQ(huge.allyUnitCount, 64);
    EXPECT_STREQ(huge.allyUnits[0].name, "A");

    // An entry of 300 bytes keeps 255 of them; its rest is not the next entry.
    const std::string longEntry = "L,1," + std::string(296, '7');
    const GameTables& cut = read_units("2,0\n" + longEntry + "\nB,2,3,\n");
    EXPECT_STREQ(cut.allyUnits[0].name, "L");
    EXPECT_STREQ(cut.allyUnits[1].name, "B");
    EXPECT_EQ(skills_of(cut.allyUnits[1]), std::vector<int>{3});
}

TEST(UnitFile, FindsAlliesByExactName) {
    const GameTables& tables = read_units("4,1\nアルト,1\nミナト,2\nabc,3\nアルト,4\nabc,5\n");
    struct Case {
        const char* name;
        int row;
    };
    const Case cases[] = {{"アルト", 0}, {"ミナト", 1}, {"abc", 2}, {"ABC", -1}, {"", -1},
                          {"アル", -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(find_ally_by_name(tables, c.name), c.row) << c.name;
    }
    const GameTables& withEmpty = read_units("2,0\nA,1\n,2\n");
    EXPECT_EQ(find_ally_by_name(withEmpty, ""), 1);
    const GameTables& none = read_units("");
    EXPECT_EQ(find_ally_by_name(none, ""), -1);
}

TEST(UnitFile, LoadsByNameAndReportsWhatCannotBeRead) {
    GameTables tables{};
    EXPECT_FALSE(load_unit_file("/nonexistent/character.txt", tables));
    EXPECT_FALSE(load_unit_file("/", tables));
    char path[] = "/tmp/soramito_units_XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    std::FILE* file = fdopen(fd, "w");
    std::fputs("1,1\r\nアルト,2,7,\r\n山賊,1,15,\r\n", file);
    std::fclose(file);
    EXPECT_TRUE(load_unit_file(path, tables));
    std::remove(path);
    EXPECT_STREQ(tables.allyUnits[0].name, "アルト");
    EXPECT_EQ(skills_of(tables.allyUnits[0]), std::vector<int>{7});
    EXPECT_EQ(skills_of(tables.enemyUnits[0]), std::vector<int>{15});
}

}  // namespace
