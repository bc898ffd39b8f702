#include <windows.h>

#include "view/dialog_forms.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"

namespace {

class LevelUpDialog final : public Dialog {
public:
    using Dialog::Dialog;

    void open(HWND dialog) override {
        const WindowState& state = main_.controller()->state();
        show_controls(dialog, level_up_view(state));
        growthPreview_ = ally_book_rates(state);
    }

    // A book click is stored at once, whatever the dialog's end.
    bool command(HWND dialog, int id, int) override {
        const int book = id - IDC_LEVEL_FIRST_BOOK;
        if (book < 0 || book >= kBookCount) {
            return false;
        }
        const bool held = is_checked(dialog, id);
        main_.controller()->change([&](WindowState& state) {
            state.session.action.booksHeld[book] = held ? 1 : 0;
            growthPreview_ = ally_book_rates(state);
            return true;
        });
        show_controls(dialog, level_up_rate_labels(growthPreview_));
        return true;
    }

    bool confirm(HWND dialog) override {
        DialogView shown = level_up_view(main_.controller()->state());
        read_controls(dialog, shown);
        main_.controller()->change([&](WindowState& state) {
            apply_level_up_form(state, level_up_form(shown), growthPreview_);
            return true;
        });
        return true;
    }

private:
    // The book-adjusted rates shown and stored at OK; every opening computes them afresh.
    StatRates growthPreview_{};
};

}  // namespace

void open_level_up_dialog(MainWindow& main) {
    LevelUpDialog dialog(main);
    run_modal_dialog(dialog, IDD_LEVEL_UP);
}
