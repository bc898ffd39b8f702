#include <windows.h>

#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"

namespace {

class StatusDialog final : public Dialog {
public:
    using Dialog::Dialog;

    void open(HWND dialog) override {
        const WindowState& state = main_.controller()->state();
        show_controls(dialog, status_opening(state));
        DialogView lists{ControlView{IDC_STATUS_ALLY_LIST, ControlKind::kList},
                         ControlView{IDC_STATUS_ENEMY_LIST, ControlKind::kList}};
        read_controls(dialog, lists);
        show_controls(dialog, status_first_units(state, lists));
    }

    bool confirm(HWND dialog) override {
        Controller& controller = *main_.controller();
        DialogView shown = status_view(controller.state());
        read_controls(dialog, shown);
        if (const int box = first_figure_out_of_range(shown)) {
            point_out_box(GetDlgItem(dialog, box), kFigureRangeMessage);
            return false;
        }
        controller.change([&shown](WindowState& state) {
            apply_status_form(state, status_form(shown));
            return true;
        });
        return true;
    }

    // Only a real change of unit sets the boxes: the focus landing on a list is none.
    bool command(HWND dialog, int id, int notification) override {
        if (id != IDC_STATUS_ALLY_LIST && id != IDC_STATUS_ENEMY_LIST) {
            return false;
        }
        if (notification == CBN_SELCHANGE) {
            DialogView list{ControlView{id, ControlKind::kList}};
            read_controls(dialog, list);
            const Controller& controller = *main_.controller();
            show_controls(dialog, status_unit_shown(controller.state(), controller.roster(),
                                                    list.front(), true));
        }
        return true;
    }
};

}  // namespace

void open_status_dialog(MainWindow& main) {
    StatusDialog dialog(main);
    run_modal_dialog(dialog, IDD_STATUS);
}
