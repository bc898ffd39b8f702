#include <windows.h>

#include <cstdio>

#include "ui/dialog_controls.h"
#include "ui/dialog_forms.h"
#include "ui/dialogs.h"
#include "ui/program.h"
#include "ui/resource.h"

namespace {

const char* const kWantedEntries[] = {"0", "+1", "+2"};

// The book-adjusted rates shown and stored at OK; every opening computes them afresh.
StatRates growthPreview;

void show_rates(HWND dialog, const StatRates& rates) {
    for (int k = 0; k < kStatCount; ++k) {
        char text[256];
        std::snprintf(text, sizeof text, "%3d%%", rates[k]);
        set_item_text(dialog, IDC_LEVEL_FIRST_RATE + k, text);
    }
}

void open(HWND dialog) {
    const AppState& state = app_state();
    set_item_text(dialog, IDC_LEVEL_ALLY_NAME, state.ally.name);
    show_rates(dialog, ally_file_rates(state));
    for (int i = 0; i < kBookCount; ++i) {
        set_checked(dialog, IDC_LEVEL_FIRST_BOOK + i, state.booksHeld[i] == 1);
    }
    for (int k = 0; k < kStatCount; ++k) {
        for (const char* entry : kWantedEntries) {
            add_list_entry(dialog, IDC_LEVEL_FIRST_WANTED + k, entry);
        }
        select_entry(dialog, IDC_LEVEL_FIRST_WANTED + k, state.levelUpWanted[k]);
    }
    growthPreview = ally_book_rates(state);
}

// A book click is stored at once, whatever the dialog's end.
bool follow_book(HWND dialog, int id) {
    const int book = id - IDC_LEVEL_FIRST_BOOK;
    if (book < 0 || book >= kBookCount) {
        return false;
    }
    AppState& state = app_state();
    state.booksHeld[book] = is_checked(dialog, IDC_LEVEL_FIRST_BOOK + book) ? 1 : 0;
    growthPreview = ally_book_rates(state);
    show_rates(dialog, growthPreview);
    return true;
}

void confirm(HWND dialog) {
    LevelUpWanted wanted{};
    for (int k = 0; k < kStatCount; ++k) {
        wanted[k] = selected_entry(dialog, IDC_LEVEL_FIRST_WANTED + k);
    }
    apply_level_up_form(app_state(), wanted, growthPreview);
}

INT_PTR CALLBACK level_up_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, follow_book, false};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_level_up_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_LEVEL_UP, level_up_procedure);
}
