#pragma once

#include "data/file_problems.h"
#include "data/game_tables.h"
#include "data/text_reader.h"

// The longest unit entry that is kept; the rest of a longer one is skipped.
constexpr int kUnitEntryCapacity = 256;

// Fills name, followUpCritFactor and skills from one entry "name,factor[,index,...]"; the
// entry is used as scratch space. Flags are only set, never cleared.
void parse_unit_line(UnitRecord& unit, char* entry);

// Reads the header and the ally and enemy entries into zeroed tables. problems, if given, gets
// what the reading lost (reading bytes): entries and names cut, factors and skills not read,
// lines read as two entries, the text ending before the entries did.
void read_unit_file(TextReader& reader, GameTables& tables, FileProblems* problems = nullptr);

// Reads a file opened for reading as text (nullptr when it could not be opened) and closes it;
// false when it could not be opened or read.
bool load_unit_file(std::FILE* file, GameTables& tables);
// Opens the file by name for reading as text; false when it cannot be opened or read.
bool load_unit_file(const char* path, GameTables& tables);
