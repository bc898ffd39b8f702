#pragma once

#include <windows.h>

#include <string>

// The session in files: the ファイル menu, a file given on the command line or dropped on the
// window, and the last session, kept in %APPDATA% between runs.

// A new main window has no file open, and no session to keep until its start-up succeeds.
void reset_session_file();

// Something the start-up has to say, said with the rest once the window is up.
void say_after_start_up(const std::wstring& words);

// At the end of a successful start-up: the last session back, then the file to open, if any.
// What went wrong is said once the window is up (show_start_up_message).
void open_start_up_session(HWND window, const std::wstring& fileToOpen);
void show_start_up_message(HWND window);

// 新規, 開く…, 上書き保存, 名前を付けて保存… and 終了; false for any other command.
bool handle_file_command(HWND window, int id);

// Opens the file as 開く… does; false, having said why, when it cannot be opened.
bool open_session_file(HWND window, const std::wstring& path);

// A .json file dropped on the window opens.
void open_dropped_file(HWND window, HDROP drop);

// WM_CLOSE: false when the player keeps the window open after being asked about unsaved changes;
// otherwise the last session is written: the file as last saved when the player dropped its
// changes, else the session as it stands.
bool close_session(HWND window);

// Writes the last session, as Windows shuts down or the window closes.
void save_last_session();

// The one-second timer: writes the last session when it changed since last written, so that a
// crash loses at most a second of work.
void keep_last_session();

// Keeps the title on the file and whether the session changed since it was opened or saved.
void show_session_title();

// The file the window has open (empty for none), and whether the session differs from what it
// was opened, saved, restored at start or made by 新規 as.
const std::wstring& open_file_path();
bool session_changed();
