#include <cstdio>
#include <string>

#include "cli/cli_context.h"
#include "data/names.h"
#include "sim/growth_rates.h"

namespace {

std::string hex_of(const char* bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char* p = bytes; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

nlohmann::json unit_rows(const std::array<UnitRecord, kUnitTableCapacity>& units, int count) {
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 0; i < count; ++i) {
        rows.push_back({{"nameShiftJis", hex_of(units[i].name)},
                        {"followUpCritFactor", units[i].followUpCritFactor},
                        {"skills", units[i].skills}});
    }
    return rows;
}

std::string unit_lines(const std::array<UnitRecord, kUnitTableCapacity>& units, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        char head[96];
        std::snprintf(head, sizeof head, "%3d  %-16s  追撃必殺係数 %d ", i, units[i].name,
                      units[i].followUpCritFactor);
        text += head;
        for (int s = 0; s < kSkillCount; ++s) {
            if (units[i].skills[s] == 1) {
                text += std::string(" ") + kSkillNames[s];
            }
        }
        text += "\n";
    }
    return text;
}

BookFlags parse_books(const std::string& list) {
    BookFlags books{};
    for (const std::int64_t book : parse_integer_list(list, 0, kBookCount - 1, "--books")) {
        books[book] = 1;
    }
    return books;
}

}  // namespace

CommandOutput command_units(const CommandLine& line) {
    check_arguments(line, 0, {});
    const GameTables& tables = cli_tables(line, true);
    CommandOutput output;
    output.json = {{"allyUnitCount", tables.allyUnitCount},
                   {"enemyUnitCount", tables.enemyUnitCount},
                   {"allies", unit_rows(tables.allyUnits, tables.allyUnitCount)},
                   {"enemies", unit_rows(tables.enemyUnits, tables.enemyUnitCount)},
                   {"growthTable", nlohmann::json::array()}};
    std::string text = "味方 " + std::to_string(tables.allyUnitCount) + "\n" +
                       unit_lines(tables.allyUnits, tables.allyUnitCount) + "敵 " +
                       std::to_string(tables.enemyUnitCount) + "\n" +
                       unit_lines(tables.enemyUnits, tables.enemyUnitCount) +
                       "成長率 (HP 力 魔 技 速 守 体 運 移 再行動)\n";
    for (int row = 0; row < kGrowthFileRecords; ++row) {
        const GrowthRecord& record = tables.growthTable[row];
        output.json["growthTable"].push_back(record);
        char cells[160];
        std::snprintf(cells, sizeof cells, "%3d  %d %d %d %d %d %d %d %d %d  %d\n", row, record[0],
                      record[1], record[2], record[3], record[4], record[5], record[6], record[7],
                      record[8], record[9]);
        text += cells;
    }
    output.text = utf8_of(text.c_str());
    output.warnings = start_up_warnings(line);
    return output;
}

CommandOutput command_growth(const CommandLine& line) {
    check_arguments(line, 0, {"--ally", "--books"});
    if (line.options.count("--ally") == 0) {
        throw CliError(utf8_of("growth には --ally で味方の名前を書いてください"));
    }
    const BookFlags books =
        line.options.count("--books") != 0 ? parse_books(line.options.at("--books")) : BookFlags{};
    const std::string name = shift_jis_of(line.options.at("--ally"), "--ally");
    const GameTables& tables = cli_tables(line, true);
    const int row = find_ally_by_name(tables, name.c_str());
    StatRates rates{};
    std::int32_t reMoveRate = 0;
    if (row >= 0) {
        compute_growth_rates(tables.growthTable[row], books, rates);
        reMoveRate = tables.growthTable[row][kReMoveRateIndex];
    }
    CommandOutput output;
    output.json = {{"row", row}, {"rates", rates}, {"reMoveRate", reMoveRate}};
    std::string text;
    if (row < 0) {
        text = line.options.at("--ally") + utf8_of("：character.txt にない味方です\n");
    } else {
        for (int s = 0; s < kStatCount; ++s) {
            char cell[32];
            std::snprintf(cell, sizeof cell, "%s:%3d%%  ", kStatNames[s], rates[s]);
            text += utf8_of(cell);
        }
        text += utf8_of("再行動:") + std::to_string(reMoveRate) + "%\n";
    }
    output.text = text;
    output.warnings = start_up_warnings(line);
    return output;
}
