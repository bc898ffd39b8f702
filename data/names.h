#pragma once

#include "data/game_tables.h"

// Shift-JIS names as the dialogs show them.
extern const char* const kSkillNames[kSkillCount];
extern const char* const kStatNames[kStatCount];

// The ten figures of a unit, in the status dialog's order: the member, its name in a scenario
// file and the label the dialog shows it under.
constexpr int kFigureCount = 10;
struct UnitFigure {
    std::int32_t UnitRecord::*field;
    const char* key;
    const char* label;
};
extern const UnitFigure kUnitFigures[kFigureCount];
