#include <windows.h>

#include <functional>
#include <string>

#include "view/dialog_forms.h"
#include "view/locate_form.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"
#include "win32/message_box.h"
#include "win32/wide_text.h"

namespace {

class HappenedDialog final : public Dialog {
public:
    using Dialog::Dialog;

    void open(HWND dialog) override {
        show_controls(dialog, happened_view(main_.controller()->state()));
    }

    // OK: the chosen line applied, or why not.
    bool confirm(HWND dialog) override {
        const int line =
            static_cast<int>(SendDlgItemMessageW(dialog, IDC_HAPPENED_FOUND, LB_GETCURSEL, 0, 0));
        return apply(
            dialog, [&](WindowState& state) { return advance_from_located(state, answer_, line); });
    }

    bool command(HWND dialog, int id, int notification) override {
        switch (id) {
            case IDC_HAPPENED_SEARCH:
                search(dialog);
                return true;
            case IDC_HAPPENED_LEVEL_UP:
                follow_level_up_box(dialog);
                return true;
            case IDC_HAPPENED_FOUND:
                follow_list(dialog, notification);
                return true;
            case IDC_HAPPENED_KEEP:
                if (apply(dialog,
                          [&](WindowState& state) { return keep_located(state, answer_); })) {
                    EndDialog(dialog, IDOK);
                }
                return true;
            case IDC_HAPPENED_DISCARD:
                main_.controller()->change(discard_kept);
                show_controls(dialog, happened_kept_view(main_.controller()->state()));
                // What was found among the places is no answer once they are gone.
                answer_ = LocateAnswer{};
                SendDlgItemMessageW(dialog, IDC_HAPPENED_FOUND, LB_RESETCONTENT, 0, 0);
                set_item_text(dialog, IDC_HAPPENED_COUNT, "");
                EnableWindow(GetDlgItem(dialog, IDC_HAPPENED_KEEP), FALSE);
                return true;
            default:
                return false;
        }
    }

private:
    // OK or 位置を残す as one step: the 実行 it makes followed as the window follows 実行, or the
    // refusal said and nothing changed.
    bool apply(HWND dialog, const std::function<LocatedAdvance(WindowState&)>& how) {
        Controller& controller = *main_.controller();
        LocatedAdvance advance{};
        controller.change([&](WindowState& state) {
            advance = how(state);
            return advance.refusal == LocatedRefusal::kNone;
        });
        if (advance.refusal != LocatedRefusal::kNone) {
            say(dialog, wide_string_from_shift_jis(located_refusal_words(advance)),
                MB_OK | MB_ICONINFORMATION);
            return false;
        }
        controller.follow_advance(advance.report);
        return true;
    }

    // The grown stats count only while レベルアップを見た is checked.
    static void follow_level_up_box(HWND dialog) {
        const BOOL seen = IsWindowEnabled(GetDlgItem(dialog, IDC_HAPPENED_LEVEL_UP)) &&
                          is_checked(dialog, IDC_HAPPENED_LEVEL_UP);
        for (int k = 0; k < kStatCount; ++k) {
            EnableWindow(GetDlgItem(dialog, IDC_HAPPENED_FIRST_GROWN + k), seen);
        }
    }

    void show_answer(HWND dialog) const {
        HWND list = GetDlgItem(dialog, IDC_HAPPENED_FOUND);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        // Inserted at the end: the lines keep their order, nearest first, whatever the list's
        // style.
        for (const std::string& line : answer_.lines) {
            SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(wide_from_shift_jis(line).text));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        set_item_text(dialog, IDC_HAPPENED_COUNT, located_count_words(answer_));
    }

    void search(HWND dialog) {
        const WindowState& state = main_.controller()->state();
        DialogView shown = happened_view(state);
        read_controls(dialog, shown);
        {
            // Every sequence takes a moment on a slow machine.
            const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            answer_ = locate_from_form(state, happened_form(shown));
            SetCursor(before);
        }
        show_answer(dialog);
        EnableWindow(GetDlgItem(dialog, IDC_HAPPENED_KEEP), can_keep_located(answer_));
        const char* problem = locate_problem_text(answer_.problem);
        if (answer_.problem == LocateProblem::kAllyHpBox) {
            point_out_box(GetDlgItem(dialog, IDC_HAPPENED_ALLY_HP), problem);
        } else if (answer_.problem == LocateProblem::kEnemyHpBox) {
            point_out_box(GetDlgItem(dialog, IDC_HAPPENED_ENEMY_HP), problem);
        } else if (answer_.problem == LocateProblem::kNothingSeen) {
            say(dialog, wide_string_from_shift_jis(problem), MB_OK | MB_ICONINFORMATION);
        }
    }

    // A double-click on a line is OK, and so is Enter while the list has the focus; elsewhere
    // Enter is 探す, so that Enter in an HP box searches.
    static void follow_list(HWND dialog, int notification) {
        if (notification == LBN_DBLCLK) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        } else if (notification == LBN_SETFOCUS || notification == LBN_KILLFOCUS) {
            SendMessageW(dialog, DM_SETDEFID,
                         notification == LBN_SETFOCUS ? IDOK : IDC_HAPPENED_SEARCH, 0);
        }
    }

    // The last 探す: the list shows its lines, and OK goes by the line chosen among them.
    LocateAnswer answer_{};
};

}  // namespace

void open_happened_dialog(MainWindow& main) {
    HappenedDialog dialog(main);
    run_modal_dialog(dialog, IDD_HAPPENED);
}
