#include <windows.h>
#include <windowsx.h>

#include "view/drawing.h"
#include "view/main_commands.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/edit_commands.h"
#include "win32/plan_window.h"
#include "win32/program.h"
#include "win32/record_window.h"
#include "win32/results_window.h"
#include "win32/wide_text.h"

namespace {

// Reads at most maxChars characters of a box as NUL-terminated Shift-JIS.
template <int N>
void read_box(HWND box, int maxChars, char (&text)[N]) {
    static_assert(N >= 2 * kMarkTextCapacity + 1);
    wchar_t wide[kMarkTextCapacity + 1] = L"";
    GetWindowTextW(box, wide, maxChars + 1);
    shift_jis_from_wide(wide, text, N);
}

void jump(HWND window, int lane) {
    HWND box = window_handles().positionEdits[lane];
    if (jump_lane(app_state(), lane, window_text_shift_jis(box))) {
        invalidate_window(window);
    } else {
        point_out_box(box, kLanePositionMessage);
    }
}

// A command of the main window's besides 元に戻す and やり直し.
void run_main_command(HWND window, int id) {
    WindowState& state = app_state();
    if (id >= IDC_LANE0_FORWARD && id <= IDC_LANE1_SEED_DOWN) {
        if (move_lane(state, id)) {
            invalidate_window(window);
        }
    } else if (id == IDC_SEARCH) {
        if (search_from_lane_zero(state)) {
            refill_results_window();
            invalidate_window(window);
        }
    } else if (id == IDC_RESULTS) {
        show_results_window(window);
    } else if (id == IDM_ADVANCE) {
        advance_past_lane_zero(window);
    } else if (id == IDM_RECORD) {
        show_record_window(window);
    } else if (id == IDM_PLAN) {
        if (ally_is_set(state.session)) {
            show_plan_window(window);
        }
    } else if (id == IDC_LANE0_JUMP) {
        jump(window, 0);
    } else if (id == IDC_LANE1_JUMP) {
        jump(window, 1);
    } else if (put_lane_on_entry(state, id)) {
        invalidate_window(window);
    } else {
        open_dialog(window, dialog_for_menu(state, id));
    }
}

}  // namespace

void handle_main_command(HWND window, int id) {
    if (id == IDM_UNDO) {
        undo_step(window);
    } else if (id == IDM_REDO) {
        redo_step(window);
    } else {
        // A dialog is one step however many times it stores.
        take_undo_step([window, id] { run_main_command(window, id); });
    }
}

void handle_mark_timer(HWND window) {
    // One character more than counts, so that a text longer than is read shows.
    char text[2 * kMarkTextCapacity + 1];
    read_box(window_handles().markEdit, kMarkTextCapacity, text);
    if (refresh_seed_candidates(app_state(), text)) {
        invalidate_window(window);
    }
}

void handle_candidate_click(HWND window, int lane, LPARAM point) {
    // The click areas are laid out at 96 dpi, as the drawing is.
    const int dpi = window_handles().dpi;
    bool moved = false;
    take_undo_step([&] {
        moved = click_candidate(app_state(), lane, scale_from_dpi(GET_X_LPARAM(point), dpi),
                                scale_from_dpi(GET_Y_LPARAM(point), dpi));
    });
    if (moved) {
        invalidate_window(window);
    }
}
