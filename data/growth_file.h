#pragma once

#include "data/file_problems.h"
#include "data/game_tables.h"
#include "data/text_reader.h"

// Reads the 52 growth records into rows 0 to 51, each with the scan "%d,%d,...,%d\n" (ten
// numbers); a scan that meets an unexpected byte leaves it unread, so every later scan stops
// there too and the later rows keep their zeroes. problems, if given, gets each record that came
// out short, and where the reading stopped (reading bytes).
void read_growth_file(TextReader& reader, GameTables& tables, FileProblems* problems = nullptr);

// As the unit file's loaders: an opened file, which is closed, or a name.
bool load_growth_file(std::FILE* file, GameTables& tables);
bool load_growth_file(const char* path, GameTables& tables);
