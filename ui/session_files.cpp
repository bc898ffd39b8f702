#include "ui/session_files.h"

#include <shellapi.h>

#include "text/utf16.h"
#include "ui/main_commands.h"
#include "ui/program.h"
#include "ui/results_window.h"
#include "ui/safe_file.h"
#include "ui/session.h"
#include "ui/wide_text.h"

namespace {

// The file the window has open, with its text as last read or written, and what the start-up
// has to say once the window is up.
struct SessionFile {
    bool ready;  // the start-up files were read: only then is there a session to keep
    std::wstring path;
    std::string savedText;
    std::wstring startUpMessage;
};

SessionFile& session_file() {
    static SessionFile file;
    return file;
}

constexpr wchar_t kJsonFilter[] = L"JSON (*.json)\0*.json\0";

// %APPDATA%\Soramito\last-session<suffix>; empty without %APPDATA%.
std::wstring last_session_path(const wchar_t* suffix) {
    wchar_t folder[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return L"";
    }
    return std::wstring(folder) + L"\\Soramito\\last-session" + suffix;
}

int say(HWND window, const std::wstring& text, UINT style) {
    return MessageBoxW(window, text.c_str(), L"", style);
}

void show_title(HWND window) {
    const std::wstring& path = session_file().path;
    const std::wstring title = wide_from_shift_jis(kWindowTitle).text;
    SetWindowTextW(window, (path.empty() ? title : file_name_of(path) + L" - " + title).c_str());
}

// After the state became another session: the pattern box shows its marks, the items that need
// a unit follow its ally, the title its file, and the table of results has none yet.
void show_session(HWND window) {
    const AppState& state = app_state();
    SetWindowTextW(window_handles().markEdit, wide_from_shift_jis(state.markText).text);
    enable_unit_items(window, ally_is_set(state));
    show_title(window);
    refill_results_window();
    invalidate_window(window);
}

// The session in a file, or why it is none.
bool load_session(const std::wstring& path, std::wstring& why) {
    std::string bytes;
    if (!read_file_bytes(path, bytes, why)) {
        return false;
    }
    try {
        open_session(app_state(), bytes);
    } catch (const ScenarioError& error) {
        why = utf16_from_utf8(error.what());
        return false;
    }
    return true;
}

// What is saved is what the pattern box shows, not what the timer read last.
std::string current_session_text() {
    handle_mark_timer(window_handles().mainWindow);
    return session_text(app_state());
}

bool save_to(HWND window, const std::wstring& path) {
    const std::string text = current_session_text();
    std::wstring why;
    if (!write_file_safely(path, text, why)) {
        say(window, L"保存できません：" + path + L"\n" + why, MB_OK | MB_ICONERROR);
        return false;
    }
    session_file().path = path;
    session_file().savedText = text;
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

// Whether the open file's session may be left: nothing is unsaved, or the player saved it or
// chose to drop the changes.
bool may_leave(HWND window) {
    if (!session_changed()) {
        return true;
    }
    const std::wstring question = file_name_of(session_file().path) + L" への変更を保存しますか？";
    switch (say(window, question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return save(window);
        case IDNO:
            return true;
        default:
            return false;
    }
}

void open_with_dialog(HWND window) {
    std::wstring name;
    if (may_leave(window) && ask_file_name(window, false, kJsonFilter, L"json", name)) {
        open_session_file(window, name);
    }
}

void new_session(HWND window) {
    if (!may_leave(window)) {
        return;
    }
    start_new_session(app_state());
    session_file().path.clear();
    session_file().savedText.clear();
    show_session(window);
}

// The file becomes the window's session; false, with why, when it cannot be read as one.
bool open_as_session(HWND window, const std::wstring& path, std::wstring& why) {
    if (!load_session(path, why)) {
        return false;
    }
    session_file().path = path;
    session_file().savedText = session_text(app_state());
    show_session(window);
    return true;
}

bool is_json_name(const std::wstring& path) {
    return path.size() >= 5 &&
           CompareStringOrdinal(path.c_str() + path.size() - 5, 5, L".json", 5, TRUE) == CSTR_EQUAL;
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
    const std::wstring last = last_session_path(L".json");
    std::wstring why;
    if (!last.empty() && GetFileAttributesW(last.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (load_session(last, why)) {
            show_session(window);
        } else {
            // Kept for the player to look at, never deleted; an older one gives way.
            MoveFileExW(last.c_str(), last_session_path(L".bad.json").c_str(),
                        MOVEFILE_REPLACE_EXISTING);
            say_after_start_up(
                L"前回のセッションを読めないため、新しく始めます。"
                L"読めなかったファイルは last-session.bad.json として残しました。\n" +
                why);
        }
    }
    if (!fileToOpen.empty() && !open_as_session(window, fileToOpen, why)) {
        say_after_start_up(L"開けません：" + fileToOpen + L"\n" + why);
    }
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
    if (is_json_name(path) && may_leave(window)) {
        open_session_file(window, path);
    }
}

bool close_session(HWND window) {
    if (!may_leave(window)) {
        return false;
    }
    save_last_session();
    return true;
}

void save_last_session() {
    const std::wstring path = last_session_path(L".json");
    if (!session_file().ready || path.empty()) {
        return;
    }
    CreateDirectoryW(path.substr(0, path.size() - file_name_of(path).size()).c_str(), nullptr);
    std::wstring why;
    write_file_safely(path, current_session_text(), why);
}

const std::wstring& open_file_path() {
    return session_file().path;
}

bool session_changed() {
    return !session_file().path.empty() && current_session_text() != session_file().savedText;
}
