#pragma once

#include <string>

#include "state/scenario_file.h"

// Why a front end refuses a session file, in Japanese (Shift-JIS): the member, what is wrong and
// what is allowed, e.g. "lanes[0].position は 1 から 4973 までの整数にしてください（0 が書かれて
// います）". A character of the file that Shift-JIS lacks shows as "?".
std::string scenario_fault_words(const ScenarioFault& fault);
