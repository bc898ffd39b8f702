#include "win32/dialogs.h"

void open_dialog(HWND owner, MainDialog dialog) {
    switch (dialog) {
        case MainDialog::kStatus:
            open_status_dialog(owner);
            break;
        case MainDialog::kSearchConditions:
            open_search_conditions_dialog(owner);
            break;
        case MainDialog::kBattleResult:
            open_battle_result_dialog(owner);
            break;
        case MainDialog::kLevelUp:
            open_level_up_dialog(owner);
            break;
        case MainDialog::kHappened:
            open_happened_dialog(owner);
            break;
        case MainDialog::kNone:
            break;
    }
}
