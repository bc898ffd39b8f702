#include <windows.h>

#include "view/dialog_forms.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/program.h"

namespace {

// The book-adjusted rates shown and stored at OK; every opening computes them afresh.
StatRates growthPreview;

void open(HWND dialog) {
    const WindowState& state = app_state();
    show_controls(dialog, level_up_view(state));
    growthPreview = ally_book_rates(state);
}

// A book click is stored at once, whatever the dialog's end.
bool follow_book(HWND dialog, int id, int) {
    const int book = id - IDC_LEVEL_FIRST_BOOK;
    if (book < 0 || book >= kBookCount) {
        return false;
    }
    WindowState& state = app_state();
    state.session.action.booksHeld[book] = is_checked(dialog, IDC_LEVEL_FIRST_BOOK + book) ? 1 : 0;
    growthPreview = ally_book_rates(state);
    show_controls(dialog, level_up_rate_labels(growthPreview));
    return true;
}

bool confirm(HWND dialog) {
    DialogView shown = level_up_view(app_state());
    read_controls(dialog, shown);
    apply_level_up_form(app_state(), level_up_form(shown), growthPreview);
    return true;
}

INT_PTR CALLBACK level_up_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, follow_book, false};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_level_up_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_LEVEL_UP, level_up_procedure);
}
