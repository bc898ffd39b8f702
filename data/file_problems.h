#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "data/game_tables.h"

// Where a start-up file was read only in part. The values stay exactly as they were read; this
// says where the reading went wrong, so that the player learns why a unit grows by 0%.
enum class FileProblemKind {
    kNone,
    kExtraNumbers,       // a growth line with more than ten numbers: the reading stops behind it
    kMissingNumbers,     // a growth line with fewer: its last rates are 0
    kNotANumber,         // a byte no number starts with: the reading stops there
    kFewerLines,         // fewer growth lines than 52: the rates of the rest are 0
    kFewerEntries,       // fewer unit entries than declared: the rest are empty
    kEntryCut,           // a unit entry longer than 255 bytes: its rest is skipped
    kNameCut,            // a unit name longer than 31 bytes: it is cut
    kSkillWithoutComma,  // a skill number at an entry's end, without the comma it counts with
    kNoNumber,           // an entry with no number after its name's comma: the factor is 0
    kLineSplit,          // a line read as two entries or more: the later units move down
    kNoGrowthRow,        // an ally that no growth line belongs to: its rates are 0
};

struct FileProblem {
    FileProblemKind kind;
    std::size_t offset;  // in the text: the byte the reading stopped at, or the entry's first
    std::int32_t count;  // the numbers the record got, the lines or entries read, the bytes of
                         // the entry or the name, the entries a line gave, or the ally's row
    // What the words quote (Shift-JIS): the entry, or the entries a line gave, each in 「」;
    // and the units it names: those a split line moved down, or the ally without growth.
    std::string quoted{};
    std::string names{};
};
using FileProblems = std::vector<FileProblem>;

// Every way reading a text as the program reads grow.txt, or character.txt, loses something,
// in the order of the text. units: the tables the unit file gave, whose allies each need a
// growth line.
FileProblems check_growth_text(std::string_view text, const GameTables& units);
FileProblems check_unit_text(std::string_view text);

// The player's words for a problem (Shift-JIS), "" for none: the file, the line and what was
// lost, as "grow.txt 12行目：数が11個あります。13行目から後は読めませんでした".
std::string file_problem_words(const char* fileName, std::string_view text,
                               const FileProblem& problem);

// The most problems of one file that are said; the rest are counted, "ほか 3 個".
constexpr std::size_t kMostProblemsSaid = 10;

// Reads an opened start-up file again, as text, and closes it: what its reading lost, in the
// player's words, a line each ("" when nothing was lost or the file cannot be read). units: the
// tables the unit file gave, for the growth file.
std::string start_up_file_warning(std::FILE* file, const char* fileName, bool growthFile,
                                  const GameTables& units);
// The same of a text already read.
std::string start_up_text_warning(std::string_view text, const char* fileName, bool growthFile,
                                  const GameTables& units);
