#pragma once

#include <string>
#include <vector>

// Where the two start-up files are found: the working folder, then the folder of the running
// program, so that a program started from Explorer, a shortcut or a file dropped on it finds the
// files beside itself. Both files come from one folder, so that growth rows never pair with
// another file's units. Paths are UTF-8.

// The folders looked in, in order, each once: the working folder and the program's.
std::vector<std::string> start_up_folders();

// The first of folders that holds character.txt; empty when none does.
std::string folder_with_unit_file(const std::vector<std::string>& folders);

// The folders as the refusal names them (UTF-8): "探したフォルダ：A、B".
std::string searched_folders_words(const std::vector<std::string>& folders);
