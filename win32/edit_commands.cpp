#include "win32/edit_commands.h"

#include "state/advance.h"
#include "view/resource.h"
#include "view/undo_history.h"
#include "win32/dialog_controls.h"
#include "win32/message_box.h"
#include "win32/program.h"
#include "win32/roster_file.h"
#include "win32/wide_text.h"

namespace {

struct EditState {
    UndoHistory steps;
    bool inStep;  // a change runs as a step: one inside it is part of it
    std::string checkLine;
};

EditState& edit_state() {
    static EditState state;
    return state;
}

// After the state became the session of a step: the pattern box shows its marks (left as it is
// when it shows them already, keeping the caret and the box's own undo), the items that need a
// unit follow its ally.
void show_restored(HWND window) {
    const WindowState& state = app_state();
    HWND box = window_handles().markEdit;
    if (window_text_shift_jis(box) != state.session.marks) {
        SetWindowTextW(box, wide_from_shift_jis(state.session.marks).text);
    }
    clear_check_line();
    enable_unit_items(window, ally_is_set(state.session));
    invalidate_window(window);
}

void enable(HWND window, int item, bool enabled) {
    EnableMenuItem(GetMenu(window), static_cast<UINT>(item),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void take_undo_step(const std::function<void()>& change) {
    EditState& edit = edit_state();
    // A tool window's button pressed while a dialog is open belongs to the dialog's step.
    if (edit.inStep) {
        change();
        return;
    }
    handle_mark_timer(window_handles().mainWindow);
    edit.inStep = true;
    change_as_one_step(edit.steps, app_state(), change);
    edit.inStep = false;
    // The change redrew the window before it became a step.
    show_edit_items(window_handles().mainWindow);
}

void forget_undo_steps() {
    edit_state().steps = UndoHistory{};
}

void advance_past_lane_zero(HWND window) {
    WindowState& state = app_state();
    const CombatantState acting = lane_zero_action(state.session).ally;
    const AdvanceReport report = advance_lane_zero(state);
    if (report.refusal != AdvanceRefusal::kNone) {
        say(window, wide_string_from_shift_jis(refusal_words(report)), MB_OK | MB_ICONWARNING);
        return;
    }
    follow_advance(acting, report);
    invalidate_window(window);
}

void follow_advance(const CombatantState& acting, const AdvanceReport& report) {
    edit_state().checkLine =
        report.outcome.levelUp ? figures_to_check_line(report.outcome.grown) : "";
    confirm_in_kept_roster(ally_after(acting, report));
}

void undo_step(HWND window) {
    handle_mark_timer(window);
    if (undo_change(edit_state().steps, app_state())) {
        show_restored(window);
    }
}

void redo_step(HWND window) {
    handle_mark_timer(window);
    if (redo_change(edit_state().steps, app_state())) {
        show_restored(window);
    }
}

void show_edit_items(HWND window) {
    if (window == nullptr) {
        return;
    }
    const EditState& edit = edit_state();
    enable(window, IDM_UNDO, !edit.steps.undo.empty());
    enable(window, IDM_REDO, !edit.steps.redo.empty());
    const bool advance = advance_available(app_state().session);
    enable(window, IDM_ADVANCE, advance);
    HWND button = GetDlgItem(window, IDM_ADVANCE);
    if (!advance && GetFocus() == button) {
        // A grey button cannot keep the focus: the keys would reach nothing.
        SetFocus(window_handles().markEdit);
    }
    EnableWindow(button, advance ? TRUE : FALSE);
}

const std::string& check_line() {
    return edit_state().checkLine;
}

void clear_check_line() {
    edit_state().checkLine.clear();
}
