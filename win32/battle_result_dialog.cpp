#include <windows.h>

#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/program.h"

namespace {

void open(HWND dialog) {
    show_controls(dialog, battle_result_view(app_state()));
}

bool confirm(HWND dialog) {
    DialogView shown = battle_result_view(app_state());
    read_controls(dialog, shown);
    if (const int box = first_figure_out_of_range(shown)) {
        point_out_box(GetDlgItem(dialog, box), kFigureRangeMessage);
        return false;
    }
    apply_battle_result_form(app_state(), battle_result_form(shown));
    return true;
}

INT_PTR CALLBACK battle_result_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, nullptr, true};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_battle_result_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_BATTLE_RESULT, battle_result_procedure);
}
