#pragma once

#include <string>

#include "state/scenario_file.h"
#include "view/window_state.h"

// A fresh session, as the window starts without one: the start-up defaults, no unit chosen, no
// marks and no results. The tables and the roster stay.
void start_new_session(WindowState& state);

// Opens a session over a fresh one: when it names an ally, as if the status had been confirmed,
// with both lanes re-run; its marks are read as the pattern box's text. A refused text raises
// a ScenarioError naming the member at fault, and the state stays as it was.
void open_session(WindowState& state, const std::string& text);

// The session as it stands, as the window saves it.
std::string session_text(const Session& session);

// What the window measures the session against, to tell the player about unsaved work.
struct SessionBaseline {
    bool fileOpen = false;
    Session session;  // as restored at start, opened, saved or made by 新規
};

// Changed: the session differs from its baseline. The title's "*", the last session kept on disk
// and the question before leaving all go by this.
bool session_changed(const SessionBaseline& baseline, const Session& current);

enum class Leaving {
    kClosing,    // the window closes
    kReplacing,  // 新規, 開く or a dropped file puts another session in its place
};

// Whether leaving the session first asks to save it. With a file open: when it changed. With
// none, closing keeps it as the last session and never asks, while replacing asks whenever it
// is not what 新規 gives: a session restored at start is the player's work too.
bool asks_to_save(const SessionBaseline& baseline, const Session& current, Leaving leaving);

// The question, naming the file, or 無題 when none is open (fileName empty).
std::wstring save_question(const std::wstring& fileName);

// The main window's title: "*turn-plan.json - ソラミト  ver 0.00a" for a changed file, "*無題 -
// ソラミト  ver 0.00a" for a changed session without one, and without the "*" when unchanged,
// just "ソラミト  ver 0.00a" with no file open.
std::wstring window_title(const std::wstring& fileName, bool changed);
