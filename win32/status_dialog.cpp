#include <windows.h>

#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/program.h"
#include "win32/roster_file.h"

namespace {

// The factor label of a side, and on a change of unit its boxes that follow the unit.
void show_unit(HWND dialog, int listId, bool changed) {
    DialogView list{ControlView{listId, ControlKind::kList}};
    read_controls(dialog, list);
    show_controls(dialog, status_unit_shown(app_state(), kept_roster(), list.front(), changed));
}

void open(HWND dialog) {
    show_controls(dialog, status_opening(app_state()));
    DialogView lists{ControlView{IDC_STATUS_ALLY_LIST, ControlKind::kList},
                     ControlView{IDC_STATUS_ENEMY_LIST, ControlKind::kList}};
    read_controls(dialog, lists);
    show_controls(dialog, status_first_units(app_state(), lists));
}

bool confirm(HWND dialog) {
    DialogView shown = status_view(app_state());
    read_controls(dialog, shown);
    if (const int box = first_figure_out_of_range(shown)) {
        point_out_box(GetDlgItem(dialog, box), kFigureRangeMessage);
        return false;
    }
    apply_status_form(app_state(), status_form(shown));
    confirm_in_kept_roster(app_state().session.action.ally);
    enable_unit_items(GetWindow(dialog, GW_OWNER), true);
    return true;
}

// Only a real change of unit sets the boxes: the focus landing on a list is none.
bool follow_list(HWND dialog, int id, int notification) {
    if (id != IDC_STATUS_ALLY_LIST && id != IDC_STATUS_ENEMY_LIST) {
        return false;
    }
    if (notification == CBN_SELCHANGE) {
        show_unit(dialog, id, true);
    }
    return true;
}

INT_PTR CALLBACK status_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, follow_list, false};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_status_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_STATUS, status_procedure);
}
