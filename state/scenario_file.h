#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "state/app_state.h"

// A scenario the reader refuses; the message names the member at fault.
struct ScenarioError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Refuses a pattern longer than the 499 bytes the pattern box is read with, naming what: the
// marks past them would be left out without a word.
void check_mark_text_length(std::size_t bytes, const std::string& what);

// How the file's UTF-8 and the engine's Shift-JIS convert into each other: each front end brings
// its platform's conversion, so that both read and write a name alike.
struct TextCodec {
    // False when the text has no Shift-JIS form.
    bool (*toShiftJis)(std::string_view utf8, std::string& shiftJis);
    std::string (*toUtf8)(std::string_view shiftJis);
};

// Reads a scenario (what the dialogs and lane commands would have set) over the state, which
// already holds the start-up defaults and the two tables. Every member is optional; unknown
// members, wrong types and values out of range raise a ScenarioError naming the field, and then
// nothing of the state has changed. The steps, each read over the one before it (the first over
// the top level), go to the state's plan (no step without them); the marks, the pattern box's
// text, to markText. Returns whether the scenario holds marks.
bool read_scenario(const std::string& text, const TextCodec& codec, AppState& state);

// The state as a scenario that reads back to the same state: both units whole, both lanes, the
// switches, conditions, wishes, books and rates, the marks, and the plan's steps when it has any.
// The marks are cut after their last whole character.
std::string write_scenario(const AppState& state, const TextCodec& codec);
