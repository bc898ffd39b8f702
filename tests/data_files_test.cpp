#include <algorithm>
#include <cstdint>
#include <cstring>

#include "data/file_problems.h"
#include "data/growth_file.h"
#include "data/unit_file.h"
#include "sim/growth_rates.h"
#include "worked_units.h"

namespace {

const std::string kKana16 = "アイウエオカキクケコサシスセソタ";  // 32 bytes

// "name factor skill ..." ("skill=flag" for a flag not 1) of the entry parsed into a zeroed
// record, which must keep its other fields 0.
std::string parsed(std::string entry) {
    UnitRecord unit{};
    parse_unit_line(unit, entry.data());
    UnitRecord filled{};
    std::memcpy(filled.name, unit.name, sizeof unit.name);
    std::tie(filled.followUpCritFactor, filled.skills) =
        std::tie(unit.followUpCritFactor, unit.skills);
    std::string text = std::string(unit.name) + " " + std::to_string(unit.followUpCritFactor);
    for (int i = 0; i < kSkillCount; ++i) {
        if (unit.skills[i] != 0) {
            text += std::string(" ") + std::to_string(i);
            text += unit.skills[i] == 1 ? "" : std::string("=") + std::to_string(unit.skills[i]);
        }
    }
    return text + (std::memcmp(&filled, &unit, sizeof unit) == 0 ? "" : " and more");
}

// The tables as read_unit_file, or read_growth_file, reads them from text.
GameTables tables_of(const std::string& text,
                     void (*read)(TextReader&, GameTables&, FileProblems*) = read_unit_file) {
    GameTables tables{};
    TextReader reader = reader_over_bytes(text);
    read(reader, tables, nullptr);
    return tables;
}

// "allies,enemies: ally names | enemy names", an empty name shown as "-".
std::string read_units(const std::string& text) {
    const GameTables tables = tables_of(text);
    const auto names = [](const auto& units, int count) {
        std::string shown;
        for (int i = 0; i < count; ++i) {
            shown += std::string(" ") + (units[i].name[0] != '\0' ? units[i].name : "-");
        }
        return shown;
    };
    return std::to_string(tables.allyUnitCount) + "," + std::to_string(tables.enemyUnitCount) +
           ":" + names(tables.allyUnits, tables.allyUnitCount) + " |" +
           names(tables.enemyUnits, tables.enemyUnitCount);
}

TEST(UnitFile, ParsesEntriesCutsLongNamesAndReadsTheHeader) {
    // The items after the factor are read as atol reads them; only those followed by a comma
    // count, and only 0 to 15.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"名前,35", "名前 35"},      {"名前,35,0,7,", "名前 35 0 7"},
        {"名前,35,", "名前 35"},     {"名前,35,0,7", "名前 35 0"},
        {"名前,35,,", "名前 35 0"},  {"名前,-4,15,", "名前 -4 15"},
        {"名前,+4,2,", "名前 4 2"},  {"名前,99999999999", "名前 2147483647"},
        {"名前", "名前 0"},          {"名前,-99999999999", "名前 -2147483648"},
        {",3,1,", " 3 1"},           {"名前,abc", "名前 0"},
        {"名前,abc,3,", "名前 0"},   {"名前,7x,3,", "名前 7"},
        {"名前,1,abc,", "名前 1 0"}, {"名前,7,99,-1,16,5,", "名前 7 5"},
        {"名前,1, 9,", "名前 1 9"},  {"名前,1,99999999999,-99999999999,", "名前 1"},
        {"名前,1,3x,", "名前 1 3"},  {"名前,1,000000000000000000000000000012,", "名前 1 12"}};
    for (const auto& [entry, expected] : cases) {
        EXPECT_EQ(parsed(entry), expected) << entry;
    }
    const std::string a30(30, 'a');
    // Byte 31 of kKana16 would halve タ: cut to 30; after one ASCII byte it ends ソ: keep 31. A
    // name's last lead byte stays. 0xA1 to 0xDF are single bytes; 0x81-0x9F and 0xE0-0xFC lead.
    // clang-format off
    const std::vector<std::pair<std::string, std::size_t>> names = {
        {std::string(31, 'a'), 31}, {std::string(40, 'a'), 31}, {kKana16, 30}, {"a" + kKana16, 31},
        {a30 + "\x83", 31}, {std::string(31, '\xB1') + "a", 31},
        {std::string(30, '\xDF') + "\x83\x41", 30}, {a30 + "\x81\x40" "b", 30},
        {a30 + "\x9F\x40" "b", 30}, {a30 + "\xE0\x40" "b", 30}, {a30 + "\xFC\xFC" "b", 30},
        {a30 + "\xA0\x40" "b", 31}, {a30 + "\xFD\x40" "b", 31},
        {std::string(29, 'a') + "\x9F\xFC" "b", 31}, {std::string(32, '\x83'), 30}};
    // clang-format on
    for (const auto& [name, kept] : names) {
        EXPECT_EQ(parsed(name + ",3,1,"), name.substr(0, kept) + " 3 1") << name;
    }
    // Entries may be fewer than declared; an unread header byte ("2,x") starts the first; a huge
    // declaration stops at the text's end; of a 300-byte entry 255 stay, the rest is no entry.
    const std::vector<std::pair<std::string, std::string>> files = {
        // clang-format off
        {"3,2\r\nA,1\r\nB,2\r\nC,3\r\nD,4\r\nE,5\r\nF,6\r\n", "3,2: A B C | D E"},
        {"3,2\nA,1\n\n\nB,2\n  C,3 D,4\tE,5\n", "3,2: A B C | D E"},
        {"3,2\nA,1\nB,2\n", "3,2: A B - | - -"}, {"3,2\nA,1\nB,2\nC,3\nD,4\n", "3,2: A B C | D -"},
        {"", "0,0: |"}, {"2,x\nA,1\nB,2\n", "2,0: x A |"}, {"2 ,1\nA,1\n", "2,0: - A |"},
        {"-5,1\nA,1\n", "0,1: | A"}, {"2147483647,1\nA,1\n", "64,1: A" + repeated(63, " -") + " | -"},
        {"2,0\nL,1," + std::string(296, '7') + "\nB,2,3,\n", "2,0: L B |"},
        // clang-format on
        // Of 66 declared allies the last two are skipped, not read as enemies.
        {"66,65\n" + repeated(66, "A,1\n") + repeated(65, "E,2\n"),
         "64,64:" + repeated(64, " A") + " |" + repeated(64, " E")}};
    for (const auto& [text, expected] : files) {
        EXPECT_EQ(read_units(text), expected) << text;
    }
    // Of an entry 255 bytes are kept: its last comma ends a skill at byte 255, not at 256.
    for (const auto& [zeros, skill] : {std::pair{249, 1}, std::pair{250, 0}}) {
        const std::string text = "1,0\nA,1," + std::string(zeros, '0') + "3,\n";
        EXPECT_EQ(tables_of(text).allyUnits[0].skills[3], skill) << zeros;
    }
}

const GrowthRecord kRow = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};

TEST(StartUpFiles, ReadGrowthRecordsAndSayWhereTheReadingLostSomething) {
    const std::string row = "80,50,10,40,60,30,5,45,0,30\r\n";
    // The leading rows read; every row after them must stay zero. Nine fields leave the tenth
    // 0; an eleventh, or a byte that is no number, stops every later scan.
    using Rows = std::vector<GrowthRecord>;
    // clang-format off
    const std::vector<std::pair<std::string, Rows>> cases = {
        {repeated(10, row), Rows(10, kRow)}, {repeated(60, row), Rows(52, kRow)}, {"", {}},
        {"1,2,3,4,5,6,7,8,9,10\n\n\n-1,+2,3,4,5,6,7,8,9,10",
         {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
        {"1,2,3,4,5,6,7,8,9\n" + row, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, kRow}},
        {"1,2,3,4,5,6,7,8,9,10,11\n" + row, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
        {row + "1,2,x,4,5,6,7,8,9,10\n" + row, {kRow, {1, 2, 0, 0, 0, 0, 0, 0, 0, 0}}},
        {"99999999999,-99999999999,3,4,5,6,7,8,9,10\n",
         {{2147483647, -2147483647 - 1, 3, 4, 5, 6, 7, 8, 9, 10}}}};
    // clang-format on
    for (const auto& [text, rows] : cases) {
        const GameTables tables = tables_of(text, read_growth_file);
        Rows expected = rows;
        expected.resize(kGrowthTableCapacity);
        EXPECT_EQ(Rows(tables.growthTable.begin(), tables.growthTable.end()), expected) << text;
    }
    // Three allies, and two more past the 52 rows a growth file has.
    GameTables three{}, fiftyFour{};
    three.allyUnitCount = 3;
    fiftyFour.allyUnitCount = 54;
    for (const auto& [tables, row, name] :
         {std::tuple{&three, 2, "サクラ"}, {&fiftyFour, 52, "ナズナ"}, {&fiftyFour, 53, "紅緒"}}) {
        std::strcpy(tables->allyUnits[row].name, name);
    }
    // clang-format off
    const std::vector<std::tuple<const GameTables*, std::string, std::string>> problems = {
        {&three, row + ",2,3,4,5,6,7,8,9,10,11\n" + repeated(50, row),
         "grow.txt 2行目：数が11個あります。3行目から後は読めませんでした"},
        {&three, row + "1,2,x,4,5,6,7,8,9,10\n" + repeated(50, row),
         "grow.txt 2行目：「x」は数ではありません。ここから後は読めませんでした"},
        {&three, "ア" + repeated(52, row), "grow.txt 1行目：「ア」は数ではありません。ここから後は読めませんでした"},
        {&three, "1,2,3,4,5,6,7,8,9\n" + row + "1,2\n",
         "grow.txt 1行目：数が9個しかありません。足りない分は0です\n"
         "grow.txt 3行目：数が2個しかありません。足りない分は0です"},
        {&three, repeated(2, row), "grow.txt：サクラ（3人目の味方）の行がありません。成長率は0です"},
        {&fiftyFour, repeated(60, row),
         "grow.txt：ナズナ（53人目の味方）の行がありません。成長率は0です\n"
         "grow.txt：紅緒（54人目の味方）の行がありません。成長率は0です"},
        {&three, repeated(3, row), ""},
        {nullptr, "2,0\nアルト,2,7,\nミナト,3,\n", ""},
        {nullptr, "2,0\nアルト,2,7,\n" + kKana16 + ",3,\n",
         "character.txt 3行目：名前が32バイトあります。31バイトまでで切りました"},
        {nullptr, "1,1\nA,2," + std::string(300, '7') + ",\nB,1,\n",
         "character.txt 2行目：項目が305バイトあります。256バイト目から後は読み捨てました\n"
         "character.txt 2行目：「A,2," + std::string(251, '7') + "」の最後の「" + std::string(251, '7') +
         "」は、後ろにカンマがないのでスキルとして読みませんでした"},
        {nullptr, "2,1\nA,2,\nB,1,\n",
         "character.txt：3個目の項目がありません。そこから後のユニットは空のままです"},
        {nullptr, "1,0\nアルト,2,0,7\n",
         "character.txt 2行目：「アルト,2,0,7」の最後の「7」は、後ろにカンマがないのでスキルとして読みませんでした"},
        // A space splits a line: ミナト's factor is lost, an ally named 3 takes her row, and
        // サクラ falls from the allies to the enemies.
        {nullptr, "3,1\nアルト,2,7,\nミナト, 3,0,\nサクラ,1,\n山賊,0,15,\n",
         "character.txt 3行目：「ミナト,」には名前のあとのカンマと数がありません。追撃必殺係数は0です\n"
         "character.txt 3行目：空白があるため 2 個の項目「ミナト,」「3,0,」として読みました。"
         "後のユニットが1行ずつずれました：サクラ"},
        {nullptr, "1,0\nアルト\n",
         "character.txt 2行目：「アルト」には名前のあとのカンマと数がありません。追撃必殺係数は0です"}};
    // clang-format on
    for (const auto& [units, text, words] : problems) {
        EXPECT_EQ(start_up_text_warning(text, units != nullptr ? "grow.txt" : "character.txt",
                                        units != nullptr, units != nullptr ? *units : three),
                  words)
            << text.substr(0, 40);
    }
    // Ten problems are said, the rest counted.
    const std::string twelve =
        start_up_text_warning("12,0\n" + repeated(12, "X\n"), "character.txt", false, three);
    EXPECT_EQ(std::make_pair(std::count(twelve.begin(), twelve.end(), '\n'),
                             twelve.substr(twelve.rfind('\n') + 1)),
              std::make_pair(std::ptrdiff_t{10}, std::string("ほか 2 個")));
}

TEST(GrowthRates, AddTheBonusesOfTheBooksHeld) {
    const GrowthRecord b = {80, 50, 10, 40, 70, 30, 5, 5, 0, 30};
    // No book; all twelve; ヘズル; ダイン, alone to change 移; セティ and ウル; flags of 2: none;
    // ヘズル's +30 and -10 saturating at the ends of the 32-bit range instead of wrapping.
    // clang-format off
    const std::vector<std::tuple<GrowthRecord, BookFlags, StatRates>> cases = {
        {b, {}, {80, 50, 10, 40, 70, 30, 5, 5, 0}}, {b, {1}, {110, 60, 10, 40, 70, 30, 5, -5, 0}},
        {b, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {120, 110, 60, 95, 125, 70, 15, 50, 5}},
        {b, {0, 0, 0, 0, 0, 0, 0, 1}, {80, 55, 10, 40, 60, 60, 5, 5, 5}},
        {b, {0, 0, 1, 0, 0, 0, 0, 0, 1}, {70, 50, 20, 50, 110, 30, 5, 15, 0}},
        {b, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {80, 50, 10, 40, 70, 30, 5, 5, 0}},
        {{INT32_MAX, INT32_MIN, 0, 0, 0, 0, 0, INT32_MIN, 0, 0}, {1},
         {INT32_MAX, INT32_MIN + 10, 0, 0, 0, 0, 0, INT32_MIN, 0}}};
    // clang-format on
    for (const auto& [base, held, expected] : cases) {
        StatRates rates{};
        compute_growth_rates(base, held, rates);
        EXPECT_EQ(rates, expected) << testing::PrintToString(held);
    }
}

}  // namespace
