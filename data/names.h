#pragma once

#include "data/game_tables.h"

// Shift-JIS names as the dialogs show them.
extern const char* const kSkillNames[kSkillCount];
extern const char* const kStatNames[kStatCount];
