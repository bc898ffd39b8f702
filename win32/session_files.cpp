#include "win32/session_files.h"

#include <shellapi.h>

#include "view/resource.h"
#include "view/run_marker.h"
#include "text/scenario_fault_words.h"
#include "view/session.h"
#include "win32/main_window.h"
#include "win32/message_box.h"
#include "win32/run_marker_file.h"
#include "win32/safe_file.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kJsonFilter[] = L"JSON (*.json)\0*.json\0";
constexpr wchar_t kLastSessionName[] = L"last-session.json";
constexpr wchar_t kAsideName[] = L"last-session.bad.json";
constexpr UINT kLastSessionMilliseconds = 1000;

bool is_json_name(const std::wstring& path) {
    return path.size() >= 5 &&
           CompareStringOrdinal(path.c_str() + path.size() - 5, 5, L".json", 5, TRUE) == CSTR_EQUAL;
}

}  // namespace

bool SessionFiles::write_last_session(const std::string& text) {
    return ready_ && write_kept_file(kLastSessionName, text);
}

std::wstring SessionFiles::title() const {
    const Controller& controller = *main_.controller();
    return window_title(controller.baseline().fileOpen ? file_name_of(path_) : L"",
                        ready_ && controller.changed());
}

// After the state became another session, which the pattern box shows: the position boxes
// nothing.
void SessionFiles::show_session() {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        SetWindowTextW(main_.position_edit(lane), L"");
    }
}

// The session now stands as it is in path (none: no file open) and is measured against that.
void SessionFiles::take_as_baseline(const std::wstring& path) {
    path_ = path;
    main_.controller()->take_as_baseline(!path.empty());
}

// The session in bytes, or why it is none in the player's words.
bool SessionFiles::read_session(const std::string& bytes, std::wstring& why) {
    try {
        main_.controller()->open_session(bytes);
    } catch (const ScenarioError& error) {
        why = wide_string_from_shift_jis(scenario_fault_words(error.fault));
        return false;
    }
    return true;
}

bool SessionFiles::save_to(const std::wstring& path) {
    const std::string text = session_text(main_.controller()->session());
    std::wstring why;
    if (!write_file_safely(path, text, why)) {
        say(main_.window(), L"保存できません：" + path + L"\n" + why, MB_OK | MB_ICONERROR);
        return false;
    }
    take_as_baseline(path);
    return true;
}

bool SessionFiles::save_as() {
    std::wstring name = path_.empty() ? L"session.json" : path_;
    return ask_file_name(main_.window(), true, kJsonFilter, L"json", name) && save_to(name);
}

bool SessionFiles::save() {
    return path_.empty() ? save_as() : save_to(path_);
}

// Whether the session may be left: nothing to ask about, or the player saved it (はい; without
// a file through 名前を付けて保存, whose cancel cancels the whole step) or dropped the changes.
SessionFiles::LeaveAnswer SessionFiles::ask_before_leaving(Leaving leaving) {
    const Controller& controller = *main_.controller();
    if (!controller.asks_to_save(leaving)) {
        return LeaveAnswer::kLeave;
    }
    const std::wstring name = controller.baseline().fileOpen ? file_name_of(path_) : L"";
    switch (say(main_.window(), save_question(name), MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return save() ? LeaveAnswer::kLeave : LeaveAnswer::kStay;
        case IDNO:
            return LeaveAnswer::kLeaveUnsaved;
        default:
            return LeaveAnswer::kStay;
    }
}

bool SessionFiles::may_replace() {
    return ask_before_leaving(Leaving::kReplacing) != LeaveAnswer::kStay;
}

void SessionFiles::open_with_dialog() {
    std::wstring name;
    if (may_replace() && ask_file_name(main_.window(), false, kJsonFilter, L"json", name)) {
        open_file(name);
    }
}

void SessionFiles::new_session() {
    if (!may_replace()) {
        return;
    }
    main_.controller()->start_new_session();
    take_as_baseline(L"");
    show_session();
}

// The file becomes the window's session; false, with why, when it cannot be read as one.
bool SessionFiles::open_as_session(const std::wstring& path, std::wstring& why) {
    std::string bytes;
    if (!read_file_bytes(path, bytes, why) || !read_session(bytes, why)) {
        return false;
    }
    take_as_baseline(path);
    show_session();
    return true;
}

// The last session back, unless the player would rather not after a run that did not end
// cleanly; one that cannot be read is set aside, never deleted (an older one gives way).
void SessionFiles::restore_last_session() {
    const std::wstring last = kept_file_path(kLastSessionName);
    const bool kept = file_exists(last);
    const StartUpPlan plan = plan_start_up(find_run_marker(), kept);
    const bool declined =
        plan.askFirst &&
        say(main_.window(), L"前回は正しく終了しませんでした。前回の状態を開きますか？",
            MB_YESNO | MB_ICONQUESTION) == IDNO;
    if (plan.takeMarker) {
        main_.run_marker().take();
    }
    if (!kept) {
        return;
    }
    std::wstring why;
    if (declined) {
        if (!set_kept_file_aside(kLastSessionName, kAsideName, why)) {
            say_after_start_up(L"前回の状態を last-session.bad.json として残せませんでした。\n" +
                               why);
        }
        return;
    }
    std::string bytes;
    if (!read_file_bytes(last, bytes, why)) {
        why = L"ファイルを読み出せません。";
    } else if (read_session(bytes, why)) {
        return;
    }
    std::wstring aside;
    say_after_start_up(
        set_kept_file_aside(kLastSessionName, kAsideName, aside)
            ? L"前回のセッションを読めないため、新しく始めます。"
              L"読めなかったファイルは %APPDATA%\\Soramito に次の名前で残しました。\n"
              L"last-session.bad.json\n" +
                  why
            : L"前回のセッションを読めないため、新しく始めます。"
              L"読めなかったファイルを last-session.bad.json として残せませんでした。\n" +
                  aside + L"\n" + why);
}

void SessionFiles::say_after_start_up(const std::wstring& words) {
    startUpMessage_.append(startUpMessage_.empty() ? L"" : L"\n").append(words);
}

void SessionFiles::open_start_up_session(const std::wstring& fileToOpen) {
    ready_ = true;
    restore_last_session();
    // What the start leaves needs no writing: the last session, or a fresh one, which an absent
    // last session gives too.
    lastWritten_ = main_.controller()->session();
    take_as_baseline(L"");
    show_session();
    std::wstring why;
    if (!fileToOpen.empty() && !open_as_session(fileToOpen, why)) {
        say_after_start_up(L"開けません：" + fileToOpen + L"\n" + why);
    }
    SetTimer(main_.window(), IDT_LAST_SESSION, kLastSessionMilliseconds, nullptr);
    if (!startUpMessage_.empty()) {
        PostMessageW(main_.window(), kShowStartUpMessage, 0, 0);
    }
}

void SessionFiles::show_start_up_message() {
    const std::wstring message = std::exchange(startUpMessage_, L"");
    if (!message.empty()) {
        say(main_.window(), message, MB_OK | MB_ICONWARNING);
    }
}

bool SessionFiles::command(int id) {
    switch (id) {
        case IDM_FILE_NEW:
            new_session();
            return true;
        case IDM_FILE_OPEN:
            open_with_dialog();
            return true;
        case IDM_FILE_SAVE:
            save();
            return true;
        case IDM_FILE_SAVE_AS:
            save_as();
            return true;
        default:
            return false;
    }
}

bool SessionFiles::open_file(const std::wstring& path) {
    std::wstring why;
    if (!open_as_session(path, why)) {
        say(main_.window(), L"開けません：" + path + L"\n" + why, MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

void SessionFiles::open_dropped(HDROP drop) {
    std::wstring path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) >= 1) {
        path.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    }
    DragFinish(drop);
    if (is_json_name(path) && may_replace()) {
        open_file(path);
    }
}

bool SessionFiles::close() {
    switch (ask_before_leaving(Leaving::kClosing)) {
        case LeaveAnswer::kStay:
            return false;
        case LeaveAnswer::kLeaveUnsaved:
            // The changes dropped must not come back at the next start.
            write_last_session(session_text(main_.controller()->baseline().session));
            return true;
        case LeaveAnswer::kLeave:
            break;
    }
    save_last_session();
    return true;
}

void SessionFiles::save_last_session() {
    const Session& session = main_.controller()->session();
    if (write_last_session(session_text(session))) {
        lastWritten_ = session;
    }
}

void SessionFiles::keep_last_session() {
    if (ready_ && lastWritten_ != main_.controller()->session()) {
        save_last_session();
    }
}
