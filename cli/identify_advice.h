#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "random/marks.h"
#include "state/action.h"

// What identify adds to its candidates. Each adds its member to json and its lines, in
// Shift-JIS, to text. matches are the sequences that show the typed marks, ascending.

// The next mark's advice, for two matches or more.
void add_next_mark(int markCount, const CandidateList& matches, int matchCount, nlohmann::json& out,
                   std::string& text);

// The sequences within tolerance slips of the typed marks, with their changes.
void add_near_matches(const MarkArray& marks, int markCount, int tolerance, nlohmann::json& out,
                      std::string& text);

// What the scenario's events give on lane 0 right behind the typed marks, run from the scenario
// state once per match, and which matches give the same.
void add_outcomes(const Action& scenario, int markCount, const CandidateList& matches,
                  int matchCount, nlohmann::json& out, std::string& text);
