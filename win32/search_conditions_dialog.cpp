#include <windows.h>

#include "view/dialog_forms.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/program.h"

namespace {

bool follow_battle_box(HWND dialog, int id, int) {
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

void open(HWND dialog) {
    show_controls(dialog, search_conditions_view(app_state()));
}

bool confirm(HWND dialog) {
    DialogView shown = search_conditions_view(app_state());
    read_controls(dialog, shown);
    apply_search_conditions(app_state(), search_conditions_form(shown));
    return true;
}

INT_PTR CALLBACK search_conditions_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, follow_battle_box, false};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_search_conditions_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_SEARCH_CONDITIONS, search_conditions_procedure);
}
