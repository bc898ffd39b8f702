#pragma once

#include "view/roster.h"

// The roster in %APPDATA%\Soramito\roster.json, read at the start and written safely after every
// change. Its writes are no part of what 元に戻す takes back.

// At the start: the roster as kept; one that cannot be read is set aside as roster.bad.json and
// said once the window is up, and the program goes on with an empty one.
void load_kept_roster();

const Roster& kept_roster();

// The ally's figures and skills as now confirmed (the status dialog's OK, 実行): kept, and the
// file written when that changed it.
void confirm_in_kept_roster(const CombatantState& ally);
