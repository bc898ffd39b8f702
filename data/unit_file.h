#pragma once

#include "data/file_problems.h"
#include "data/game_tables.h"
#include "data/text_reader.h"

// The longest unit entry that is kept; the rest of a longer one is skipped.
constexpr int kUnitEntryCapacity = 256;

// Fills name, followUpCritFactor and skills from one entry "name,factor[,index,...]"; the
// entry is used as scratch space. Flags are only set, never cleared.
void parse_unit_line(UnitRecord& unit, char* entry);

// Reads the header and the ally and enemy entries into zeroed tables. problem, if given, gets the
// first entry cut or name cut, or where the text ended before the entries did (reading bytes).
void read_unit_file(TextReader& reader, GameTables& tables, FileProblem* problem = nullptr);

// Reads a file opened for reading as text (nullptr when it could not be opened) and closes it;
// false when it could not be opened or read.
bool load_unit_file(std::FILE* file, GameTables& tables);
// Opens the file by name for reading as text; false when it cannot be opened or read.
bool load_unit_file(const char* path, GameTables& tables);
