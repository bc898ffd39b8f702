#pragma once

#include <array>
#include <cstdint>

#include "data/unit_record.h"

constexpr int kUnitTableCapacity = 64;
constexpr int kGrowthTableCapacity = 256;
constexpr int kGrowthFileRecords = 52;
constexpr int kStatCount = 9;
constexpr int kReMoveRateIndex = 9;

// Growth rates in percent of HP 力 魔 技 速 守 体 運 移, then the re-move rate.
using GrowthRecord = std::array<std::int32_t, 10>;

// What the two start-up files give: the unit lists and the allies' growth rows. Growth row r
// belongs to the ally at row r of allyUnits.
struct GameTables {
    std::int32_t allyUnitCount;
    std::int32_t enemyUnitCount;
    std::array<UnitRecord, kUnitTableCapacity> allyUnits;
    std::array<UnitRecord, kUnitTableCapacity> enemyUnits;
    std::array<GrowthRecord, kGrowthTableCapacity> growthTable;
};

// Row of the first ally whose name equals name byte for byte, or -1.
int find_ally_by_name(const GameTables& tables, const char* name);
