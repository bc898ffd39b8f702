#pragma once

#include <string>

#include "view/roster.h"

// The roster in %APPDATA%\Soramito\roster.json, read at the start and written safely after every
// change, those of 元に戻す and やり直し too.

// The roster as kept; one that cannot be read is set aside as roster.bad.json, what to say of it
// goes to said, and the program goes on with an empty one.
Roster read_kept_roster(std::wstring& said);

void write_kept_roster(const Roster& roster);
