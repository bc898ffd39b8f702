#include "win32/session_files.h"

#include <shellapi.h>

#include <optional>

#include "view/main_commands.h"
#include "view/scenario_fault_words.h"
#include "view/session.h"
#include "view/undo_history.h"
#include "win32/edit_commands.h"
#include "win32/message_box.h"
#include "win32/program.h"
#include "win32/results_window.h"
#include "win32/run_marker_file.h"
#include "win32/safe_file.h"
#include "win32/wide_text.h"

namespace {

// The file the window has open, what the session is measured against, what the last session
// holds, and what the start-up has to say once the window is up.
struct SessionFile {
    bool ready;  // the start-up files were read: only then is there a session to keep
    std::wstring path;
    SessionBaseline baseline;
    // The last session as this run last wrote it, which the one-second timer compares the session
    // with: not a session's text, which a full record makes 320 KB to write.
    std::optional<Session> lastWritten;
    std::wstring startUpMessage;
};

SessionFile& session_file() {
    static SessionFile file;
    return file;
}

constexpr wchar_t kJsonFilter[] = L"JSON (*.json)\0*.json\0";
constexpr UINT kLastSessionMilliseconds = 1000;

bool write_last_session(const std::string& text) {
    return session_file().ready && write_kept_file(L"last-session.json", text);
}

// What is saved or compared is what the pattern box shows, not what the timer read last.
const Session& current_session() {
    handle_mark_timer(window_handles().mainWindow);
    return app_state().session;
}

std::wstring window_text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void show_title(HWND window) {
    const SessionFile& file = session_file();
    const std::wstring title = window_title(file.baseline.fileOpen ? file_name_of(file.path) : L"",
                                            session_changed(file.baseline, app_state().session));
    // Set only when it changes: the title is refreshed after every change to the session.
    if (window_text_of(window) != title) {
        SetWindowTextW(window, title.c_str());
    }
}

// After the state became another session: the pattern box shows its marks, the position boxes
// nothing, the items that need a unit follow its ally, the title its file, the table of results
// has none yet, and nothing is there to undo.
void show_session(HWND window) {
    const WindowState& state = app_state();
    const WindowHandles& handles = window_handles();
    forget_undo_steps();
    clear_check_line();
    SetWindowTextW(handles.markEdit, wide_from_shift_jis(state.session.marks).text);
    for (HWND box : handles.positionEdits) {
        SetWindowTextW(box, L"");
    }
    enable_unit_items(window, ally_is_set(state.session));
    show_title(window);
    refill_results_window();
    invalidate_window(window);
}

// The session now stands as it is in path (none: no file open) and is measured against that.
void take_as_baseline(const std::wstring& path) {
    SessionFile& file = session_file();
    file.path = path;
    file.baseline.fileOpen = !path.empty();
    file.baseline.session = app_state().session;
}

// The session in bytes, or why it is none in the player's words.
bool read_session(const std::string& bytes, std::wstring& why) {
    try {
        open_session(app_state(), bytes);
    } catch (const ScenarioError& error) {
        why = wide_string_from_shift_jis(scenario_fault_words(error.fault));
        return false;
    }
    return true;
}

bool load_session(const std::wstring& path, std::wstring& why) {
    std::string bytes;
    return read_file_bytes(path, bytes, why) && read_session(bytes, why);
}

bool save_to(HWND window, const std::wstring& path) {
    const std::string text = session_text(current_session());
    std::wstring why;
    if (!write_file_safely(path, text, why)) {
        say(window, L"保存できません：" + path + L"\n" + why, MB_OK | MB_ICONERROR);
        return false;
    }
    take_as_baseline(path);
    show_title(window);
    return true;
}

bool save_as(HWND window) {
    const std::wstring& path = session_file().path;
    std::wstring name = path.empty() ? L"session.json" : path;
    return ask_file_name(window, true, kJsonFilter, L"json", name) && save_to(window, name);
}

bool save(HWND window) {
    const std::wstring& path = session_file().path;
    return path.empty() ? save_as(window) : save_to(window, path);
}

enum class LeaveAnswer { kLeave, kLeaveUnsaved, kStay };

// Whether the session may be left: nothing to ask about, or the player saved it (はい; without
// a file through 名前を付けて保存, whose cancel cancels the whole step) or dropped the changes.
LeaveAnswer ask_before_leaving(HWND window, Leaving leaving) {
    const SessionFile& file = session_file();
    if (!asks_to_save(file.baseline, current_session(), leaving)) {
        return LeaveAnswer::kLeave;
    }
    const std::wstring name = file.baseline.fileOpen ? file_name_of(file.path) : L"";
    switch (say(window, save_question(name), MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return save(window) ? LeaveAnswer::kLeave : LeaveAnswer::kStay;
        case IDNO:
            return LeaveAnswer::kLeaveUnsaved;
        default:
            return LeaveAnswer::kStay;
    }
}

bool may_replace(HWND window) {
    return ask_before_leaving(window, Leaving::kReplacing) != LeaveAnswer::kStay;
}

void open_with_dialog(HWND window) {
    std::wstring name;
    if (may_replace(window) && ask_file_name(window, false, kJsonFilter, L"json", name)) {
        open_session_file(window, name);
    }
}

void new_session(HWND window) {
    if (!may_replace(window)) {
        return;
    }
    start_new_session(app_state());
    take_as_baseline(L"");
    show_session(window);
}

// The file becomes the window's session; false, with why, when it cannot be read as one.
bool open_as_session(HWND window, const std::wstring& path, std::wstring& why) {
    if (!load_session(path, why)) {
        return false;
    }
    take_as_baseline(path);
    show_session(window);
    return true;
}

bool is_json_name(const std::wstring& path) {
    return path.size() >= 5 &&
           CompareStringOrdinal(path.c_str() + path.size() - 5, 5, L".json", 5, TRUE) == CSTR_EQUAL;
}

// The last session back, unless the player would rather not after a run that did not end
// cleanly; one that cannot be read is set aside, never deleted (an older one gives way).
void restore_last_session(HWND window) {
    const std::wstring last = kept_file_path(L"last-session.json");
    const std::wstring aside = kept_file_path(L"last-session.bad.json");
    const bool kept = file_exists(last);
    const StartUpPlan plan = plan_start_up(find_run_marker(), kept);
    const bool declined =
        plan.askFirst && say(window, L"前回は正しく終了しませんでした。前回の状態を開きますか？",
                             MB_YESNO | MB_ICONQUESTION) == IDNO;
    if (plan.takeMarker) {
        take_run_marker();
    }
    if (!kept) {
        return;
    }
    if (declined) {
        MoveFileExW(last.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING);
        return;
    }
    std::string bytes;
    std::wstring why;
    if (!read_file_bytes(last, bytes, why)) {
        why = L"ファイルを読み出せません。";
    } else if (read_session(bytes, why)) {
        return;
    }
    MoveFileExW(last.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING);
    say_after_start_up(
        L"前回のセッションを読めないため、新しく始めます。"
        L"読めなかったファイルは %APPDATA%\\Soramito に次の名前で残しました。\n"
        L"last-session.bad.json\n" +
        why);
}

}  // namespace

void reset_session_file() {
    session_file() = SessionFile{};
}

void say_after_start_up(const std::wstring& words) {
    std::wstring& message = session_file().startUpMessage;
    message.append(message.empty() ? L"" : L"\n").append(words);
}

void open_start_up_session(HWND window, const std::wstring& fileToOpen) {
    SessionFile& file = session_file();
    file.ready = true;
    restore_last_session(window);
    // What the start leaves needs no writing: the last session, or a fresh one, which an absent
    // last session gives too.
    file.lastWritten = app_state().session;
    take_as_baseline(L"");
    show_session(window);
    std::wstring why;
    if (!fileToOpen.empty() && !open_as_session(window, fileToOpen, why)) {
        say_after_start_up(L"開けません：" + fileToOpen + L"\n" + why);
    }
    SetTimer(window, IDT_LAST_SESSION, kLastSessionMilliseconds, nullptr);
    if (!file.startUpMessage.empty()) {
        PostMessageW(window, kShowStartUpMessage, 0, 0);
    }
}

void show_start_up_message(HWND window) {
    const std::wstring message = std::move(session_file().startUpMessage);
    session_file().startUpMessage.clear();
    if (!message.empty()) {
        say(window, message, MB_OK | MB_ICONWARNING);
    }
}

bool handle_file_command(HWND window, int id) {
    switch (id) {
        case IDM_FILE_NEW:
            new_session(window);
            return true;
        case IDM_FILE_OPEN:
            open_with_dialog(window);
            return true;
        case IDM_FILE_SAVE:
            save(window);
            return true;
        case IDM_FILE_SAVE_AS:
            save_as(window);
            return true;
        case IDM_FILE_EXIT:
            SendMessageW(window, WM_CLOSE, 0, 0);
            return true;
        default:
            return false;
    }
}

bool open_session_file(HWND window, const std::wstring& path) {
    std::wstring why;
    if (!open_as_session(window, path, why)) {
        say(window, L"開けません：" + path + L"\n" + why, MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

void open_dropped_file(HWND window, HDROP drop) {
    std::wstring path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) >= 1) {
        path.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    }
    DragFinish(drop);
    if (is_json_name(path) && may_replace(window)) {
        open_session_file(window, path);
    }
}

bool close_session(HWND window) {
    switch (ask_before_leaving(window, Leaving::kClosing)) {
        case LeaveAnswer::kStay:
            return false;
        case LeaveAnswer::kLeaveUnsaved:
            // The changes dropped must not come back at the next start.
            write_last_session(session_text(session_file().baseline.session));
            return true;
        case LeaveAnswer::kLeave:
            break;
    }
    save_last_session();
    return true;
}

void save_last_session() {
    const Session& session = current_session();
    if (write_last_session(session_text(session))) {
        session_file().lastWritten = session;
    }
}

void keep_last_session() {
    const SessionFile& file = session_file();
    if (file.ready && file.lastWritten != app_state().session) {
        save_last_session();
    }
}

void show_session_title() {
    if (session_file().ready) {
        show_title(window_handles().mainWindow);
    }
}

const std::wstring& open_file_path() {
    return session_file().path;
}

bool session_changed() {
    return session_changed(session_file().baseline, current_session());
}
