#pragma once

#include <string>

#include "state/app_state.h"
#include "state/scenario_file.h"

// A fresh session, as the window starts without one: the start-up defaults, no unit chosen, no
// marks and no results. The start-up tables and the sequences stay.
void start_new_session(AppState& state);

// Opens a session over a fresh one: when it names an ally, as if the status had been confirmed,
// with both lanes re-run; its marks are read as the pattern box's text. A refused text raises
// a ScenarioError naming the member at fault, and the state stays as it was.
void open_session(AppState& state, const std::string& text);

// The session as it stands, as the window saves it.
std::string session_text(const AppState& state);
