#include "win32/dialogs.h"

void open_dialog(MainWindow& main, MainDialog dialog) {
    switch (dialog) {
        case MainDialog::kStatus:
            open_status_dialog(main);
            break;
        case MainDialog::kSearchConditions:
            open_search_conditions_dialog(main);
            break;
        case MainDialog::kBattleResult:
            open_battle_result_dialog(main);
            break;
        case MainDialog::kLevelUp:
            open_level_up_dialog(main);
            break;
        case MainDialog::kHappened:
            open_happened_dialog(main);
            break;
        case MainDialog::kNone:
            break;
    }
}
