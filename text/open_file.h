#pragma once

#include <cstdio>
#include <string>

// Opens a file named by a UTF-8 path, as the command line and the scenario give it, with a
// C library mode ("r" for text as the program reads its start-up files, "rb" for bytes).
// Windows opens narrow names in the system's code page, so there the name goes through
// UTF-16; elsewhere it is the name itself. nullptr when the file cannot be opened.
std::FILE* open_file(const std::string& utf8Path, const char* mode);

// The whole file as bytes; false when it cannot be opened or read.
bool read_whole_file(const std::string& utf8Path, std::string& bytes);

// Writes bytes to a file named by a UTF-8 path so that it is never left half written: into a new
// file beside it, which then takes its place in one step. False when a step fails; the file is
// then as it was.
bool write_file_safely(const std::string& utf8Path, const std::string& bytes);
