#include <windows.h>

#include "view/dialog_forms.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"

namespace {

class SearchConditionsDialog final : public Dialog {
public:
    using Dialog::Dialog;

    void open(HWND dialog) override {
        show_controls(dialog, search_conditions_view(main_.controller()->state()));
    }

    bool confirm(HWND dialog) override {
        DialogView shown = search_conditions_view(main_.controller()->state());
        read_controls(dialog, shown);
        main_.controller()->change([&shown](WindowState& state) {
            apply_search_conditions(state, search_conditions_form(shown));
            return true;
        });
        return true;
    }

    // Checking 戦闘 checks 予測消費 too; without a battle there is no prediction to choose.
    bool command(HWND dialog, int id, int) override {
        if (id != IDC_SEARCH_BATTLE) {
            return false;
        }
        const bool battle = is_checked(dialog, IDC_SEARCH_BATTLE);
        if (battle) {
            set_checked(dialog, IDC_SEARCH_PREDICT, true);
        }
        EnableWindow(GetDlgItem(dialog, IDC_SEARCH_PREDICT), battle ? TRUE : FALSE);
        return true;
    }
};

}  // namespace

void open_search_conditions_dialog(MainWindow& main) {
    SearchConditionsDialog dialog(main);
    run_modal_dialog(dialog, IDD_SEARCH_CONDITIONS);
}
