#pragma once

#include <map>
#include <string>

#include "data/unit_record.h"
#include "state/advance.h"
#include "state/scenario_file.h"

// The roster: each ally's ten figures and skills as last confirmed (the status dialog's OK,
// 実行), kept between runs, so that choosing the ally again brings them back. Enemies are not
// kept: many share one name, and a fallen one would hand its HP 0 to the next.

// By the ally's Shift-JIS name: a record whose ten figures and skills are the ally's, the rest
// zero. A skill is kept as 1 or 0, since only 1 counts.
using Roster = std::map<std::string, CombatantState>;

// Whether the two are one ally as the roster keeps it: name, figures and skills.
bool same_for_roster(const CombatantState& one, const CombatantState& other);

// Keeps the ally's figures and skills under its name; an ally without a name is none. Returns
// whether the roster changed.
bool confirm_in_roster(Roster& roster, const CombatantState& ally);

// The acting ally as 実行 left it: its figures as the report says they changed.
CombatantState ally_after(CombatantState acting, const AdvanceReport& report);

// What the roster keeps for the name (Shift-JIS), or nullptr.
const CombatantState* roster_entry(const Roster& roster, const std::string& name);

// The roster's file: {"allies": {"アルト": {"level": 11, …, "maxHp": 61, "skills": [16 of 0 or
// 1]}}}, names in UTF-8. Reading checks every member as a scenario's are checked (figures
// -999..9999, names at most 31 bytes of Shift-JIS) and wants each ally whole; a file it refuses
// raises a ScenarioError naming the member at fault.
Roster read_roster(const std::string& text, const TextCodec& codec);
std::string write_roster(const Roster& roster, const TextCodec& codec);
