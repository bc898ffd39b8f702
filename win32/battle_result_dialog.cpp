#include <windows.h>

#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"

namespace {

class BattleResultDialog final : public Dialog {
public:
    using Dialog::Dialog;

    void open(HWND dialog) override {
        show_controls(dialog, battle_result_view(main_.controller()->state()));
    }

    bool confirm(HWND dialog) override {
        DialogView shown = battle_result_view(main_.controller()->state());
        read_controls(dialog, shown);
        if (const int box = first_figure_out_of_range(shown)) {
            point_out_box(GetDlgItem(dialog, box), kFigureRangeMessage);
            return false;
        }
        main_.controller()->change([&shown](WindowState& state) {
            apply_battle_result_form(state, battle_result_form(shown));
            return true;
        });
        return true;
    }

    // Its キャンセル always ended as OK does.
    bool cancel_ends_as_ok() const override { return true; }
};

}  // namespace

void open_battle_result_dialog(MainWindow& main) {
    BattleResultDialog dialog(main);
    run_modal_dialog(dialog, IDD_BATTLE_RESULT);
}
