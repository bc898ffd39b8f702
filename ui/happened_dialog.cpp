#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "ui/dialog_controls.h"
#include "ui/dialogs.h"
#include "ui/locate_form.h"
#include "ui/message_box.h"
#include "ui/program.h"
#include "ui/resource.h"
#include "ui/wide_text.h"

namespace {

// The 再行動 combo's entries, in the order of ReMoveChoice.
const char* const kReMoveChoices[] = {"見ていない", "した", "しなかった"};

// The last 探す: the list shows its lines, and OK goes by the line chosen among them.
LocateAnswer& last_answer() {
    static LocateAnswer answer;
    return answer;
}

void enable(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

// A box's whole text as Shift-JIS, however long: a long run of leading zeros is still a number.
std::string box_text(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    GetWindowTextW(box, wide.data(), static_cast<int>(wide.size()));
    std::string text(2 * wide.size() + 1, '\0');
    shift_jis_from_wide(wide.c_str(), text.data(), static_cast<int>(text.size()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The grown stats count only while レベルアップを見た is checked.
void follow_level_up_box(HWND dialog) {
    const bool seen = IsWindowEnabled(GetDlgItem(dialog, IDC_HAPPENED_LEVEL_UP)) != FALSE &&
                      is_checked(dialog, IDC_HAPPENED_LEVEL_UP);
    for (int k = 0; k < kStatCount; ++k) {
        enable(dialog, IDC_HAPPENED_FIRST_GROWN + k, seen);
    }
}

void open(HWND dialog) {
    last_answer() = LocateAnswer{};
    const LocateControls controls = locate_controls(app_state());
    enable(dialog, IDC_HAPPENED_ALLY_HP, controls.hpBoxes);
    enable(dialog, IDC_HAPPENED_ENEMY_HP, controls.hpBoxes);
    enable(dialog, IDC_HAPPENED_LEVEL_UP, controls.levelUp);
    follow_level_up_box(dialog);
    for (const char* choice : kReMoveChoices) {
        add_list_entry(dialog, IDC_HAPPENED_RE_MOVE, choice);
    }
    select_entry(dialog, IDC_HAPPENED_RE_MOVE, kReMoveNotSeen);
    enable(dialog, IDC_HAPPENED_RE_MOVE, controls.reMove);
}

// A refused HP box: the balloon the window's boxes show, on the box, its text selected so that
// the player types it again.
void point_out(HWND dialog, int id, const char* shiftJis) {
    HWND box = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageW(box, EM_SETSEL, 0, -1);
    const WideText text = wide_from_shift_jis(shiftJis);
    EDITBALLOONTIP balloon{};
    balloon.cbStruct = sizeof balloon;
    balloon.pszTitle = L"";
    balloon.pszText = text.text;
    balloon.ttiIcon = TTI_NONE;
    SendMessageW(box, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon));
}

void show_answer(HWND dialog, const LocateAnswer& answer) {
    HWND list = GetDlgItem(dialog, IDC_HAPPENED_FOUND);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    // Inserted at the end: the lines keep their order, nearest first, whatever the list's style.
    for (const std::string& line : answer.lines) {
        SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide_from_shift_jis(line).text));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    set_item_text(dialog, IDC_HAPPENED_COUNT, located_count_words(answer));
}

void search(HWND dialog) {
    LocateForm form{};
    form.allyHp = box_text(dialog, IDC_HAPPENED_ALLY_HP);
    form.enemyHp = box_text(dialog, IDC_HAPPENED_ENEMY_HP);
    form.levelUpSeen = is_checked(dialog, IDC_HAPPENED_LEVEL_UP);
    for (int k = 0; k < kStatCount; ++k) {
        form.grown[k] = is_checked(dialog, IDC_HAPPENED_FIRST_GROWN + k);
    }
    form.reMove = selected_entry(dialog, IDC_HAPPENED_RE_MOVE);
    LocateAnswer& answer = last_answer();
    answer = locate_from_form(app_state(), form);
    show_answer(dialog, answer);
    const char* problem = locate_problem_text(answer.problem);
    if (answer.problem == LocateProblem::kAllyHpBox) {
        point_out(dialog, IDC_HAPPENED_ALLY_HP, problem);
    } else if (answer.problem == LocateProblem::kEnemyHpBox) {
        point_out(dialog, IDC_HAPPENED_ENEMY_HP, problem);
    } else if (answer.problem == LocateProblem::kNothingSeen) {
        say(dialog, wide_string_from_shift_jis(problem), MB_OK | MB_ICONINFORMATION);
    }
}

// OK: the chosen line applied, or why not.
bool confirm(HWND dialog) {
    const int line =
        static_cast<int>(SendDlgItemMessageW(dialog, IDC_HAPPENED_FOUND, LB_GETCURSEL, 0, 0));
    const LocatedAdvance advance = advance_from_located(app_state(), last_answer(), line);
    if (advance.refusal != LocatedRefusal::kNone) {
        say(dialog, wide_string_from_shift_jis(located_refusal_words(advance)),
            MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return true;
}

// While the list has the focus, Enter is OK; elsewhere it is 探す, so that Enter in an HP box
// searches.
void follow_list(HWND dialog, int notification) {
    if (notification == LBN_DBLCLK) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (notification == LBN_SETFOCUS || notification == LBN_KILLFOCUS) {
        SendMessageW(dialog, DM_SETDEFID, notification == LBN_SETFOCUS ? IDOK : IDC_HAPPENED_SEARCH,
                     0);
    }
}

INT_PTR CALLBACK happened_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        open(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
        case IDOK:
            if (confirm(dialog)) {
                invalidate_window(GetWindow(dialog, GW_OWNER));
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_HAPPENED_SEARCH:
            search(dialog);
            return TRUE;
        case IDC_HAPPENED_LEVEL_UP:
            follow_level_up_box(dialog);
            return TRUE;
        case IDC_HAPPENED_FOUND:
            follow_list(dialog, HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void open_happened_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_HAPPENED, happened_procedure);
}
