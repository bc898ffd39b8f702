#include "data/game_tables.h"

#include <algorithm>
#include <cstring>

int find_ally_by_name(const GameTables& tables, const char* name) {
    const int rows = std::min(tables.allyUnitCount, kUnitTableCapacity);
    for (int row = 0; row < rows; ++row) {
        if (std::strcmp(tables.allyUnits[row].name, name) == 0) {
            return row;
        }
    }
    return -1;
}
