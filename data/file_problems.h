#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// Where a start-up file was read only in part. The values stay exactly as they were read; this
// says where the reading went wrong, so that the player learns why a unit grows by 0%.
enum class FileProblemKind {
    kNone,
    kExtraNumbers,    // a growth line with more than ten numbers: the reading stops behind it
    kMissingNumbers,  // a growth line with fewer: its last rates are 0
    kNotANumber,      // a byte no number starts with: the reading stops there
    kFewerLines,      // fewer growth lines than 52: the rates of the rest are 0
    kFewerEntries,    // fewer unit entries than declared: the rest are empty
    kEntryCut,        // a unit entry longer than 255 bytes: its rest is skipped
    kNameCut,         // a unit name longer than 31 bytes: it is cut
};

struct FileProblem {
    FileProblemKind kind;
    std::size_t offset;  // in the text: the byte the reading stopped at, or the entry's first
    std::int32_t count;  // the numbers the record got, the lines or entries read, or the bytes
                         // of the entry or the name
};

// How reading a text the way the program reads grow.txt, or character.txt, goes wrong first. A
// growth file needs a line for each of the allies only.
FileProblem check_growth_text(std::string_view text, int allies);
FileProblem check_unit_text(std::string_view text);

// The player's words for a problem (Shift-JIS), "" for none: the file, the line and what was
// lost, as "grow.txt 12行目：数が11個あります。13行目から後は読めませんでした".
std::string file_problem_words(const char* fileName, std::string_view text,
                               const FileProblem& problem);

// Reads an opened start-up file again, as text, and closes it: what its reading lost, in the
// player's words ("" when nothing was lost or the file cannot be read). allies: those the unit
// file gave, for the growth file.
std::string start_up_file_warning(std::FILE* file, const char* fileName, bool growthFile,
                                  int allies);
