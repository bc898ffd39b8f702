#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "state/session.h"
#include "view/session.h"

class MainWindow;

// The session in files: the ファイル menu, a file given on the command line or dropped on the
// window, and the last session, kept in %APPDATA% between runs.
class SessionFiles {
public:
    explicit SessionFiles(MainWindow& main) : main_(main) {}

    // Something the start-up has to say, said with the rest once the window is up.
    void say_after_start_up(const std::wstring& words);
    // At the end of a successful start-up: the last session back, then the file to open, if
    // any. What went wrong is said once the window is up (show_start_up_message).
    void open_start_up_session(const std::wstring& fileToOpen);
    void show_start_up_message();

    // 新規, 開く…, 上書き保存, 名前を付けて保存… and 終了; false for any other command.
    bool command(int id);
    // Opens the file as 開く… does; false, having said why, when it cannot be opened.
    bool open_file(const std::wstring& path);
    // A .json file dropped on the window opens.
    void open_dropped(HDROP drop);
    // WM_CLOSE: false when the player keeps the window open after being asked about unsaved
    // changes; otherwise the last session is written: the file as last saved when the player
    // dropped its changes, else the session as it stands.
    bool close();
    // Writes the last session, as Windows shuts down or the window closes.
    void save_last_session();
    // The one-second timer: writes the last session when it changed since last written, so that
    // a crash loses at most a second of work.
    void keep_last_session();

    // The title: the file's name, and whether the session changed since it was opened or saved.
    std::wstring title() const;
    // The file the window has open, empty for none.
    const std::wstring& path() const { return path_; }

private:
    enum class LeaveAnswer { kLeave, kLeaveUnsaved, kStay };
    LeaveAnswer ask_before_leaving(Leaving leaving);
    bool may_replace();
    void open_with_dialog();
    void new_session();
    bool open_as_session(const std::wstring& path, std::wstring& why);
    bool read_session(const std::string& bytes, std::wstring& why);
    void restore_last_session();
    void take_as_baseline(const std::wstring& path);
    void show_session();
    bool save_to(const std::wstring& path);
    bool save_as();
    bool save();
    bool write_last_session(const std::string& text);

    MainWindow& main_;
    bool ready_ = false;  // the start-up files were read: only then is there a session to keep
    std::wstring path_;
    // The last session as this run last wrote it, which the one-second timer compares the session
    // with: not a session's text, which a full record makes 320 KB to write.
    std::optional<Session> lastWritten_;
    std::wstring startUpMessage_;
};
