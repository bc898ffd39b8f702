#include <windows.h>

#include "ui/dialog_controls.h"
#include "ui/dialog_forms.h"
#include "ui/dialogs.h"
#include "ui/program.h"
#include "ui/resource.h"

namespace {

constexpr int kSwitchBoxes = 4;

bool follow_battle_box(HWND dialog, int id) {
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
    const AppState& state = app_state();
    for (int i = 0; i < kSwitchBoxes; ++i) {
        set_checked(dialog, IDC_SEARCH_FIRST_SWITCH + i, state.eventSwitches[i] == 1);
    }
    set_checked(dialog, IDC_SEARCH_PREDICT, state.predictSwitch == 1);
    EnableWindow(GetDlgItem(dialog, IDC_SEARCH_PREDICT),
                 is_checked(dialog, IDC_SEARCH_BATTLE) ? TRUE : FALSE);
}

void confirm(HWND dialog) {
    std::array<bool, kSwitchBoxes> boxes{};
    for (int i = 0; i < kSwitchBoxes; ++i) {
        boxes[i] = is_checked(dialog, IDC_SEARCH_FIRST_SWITCH + i);
    }
    apply_search_conditions(app_state(), boxes, is_checked(dialog, IDC_SEARCH_PREDICT));
}

INT_PTR CALLBACK search_conditions_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, follow_battle_box, false};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_search_conditions_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_SEARCH_CONDITIONS, search_conditions_procedure);
}
