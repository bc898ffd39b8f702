#include <windows.h>

#include <string>

#include "ui/dialog_controls.h"
#include "ui/dialog_forms.h"
#include "ui/dialogs.h"
#include "ui/program.h"
#include "ui/resource.h"

namespace {

constexpr int kNChars = 3;

const char* const kConditionLabels[] = {
    "HP:現在の値",   "HP:残りn以上",        "HP:残りn以下",       "HP:残りn%以上",
    "HP:残りn%以下", "攻撃をn回以上受ける", "攻撃をn回以下受ける"};

struct Side {
    int nameId;
    int typeId;
    int nId;
    int unspecifiedId;
};
constexpr Side kAlly{IDC_RESULT_ALLY_NAME, IDC_RESULT_ALLY_TYPE, IDC_RESULT_ALLY_N,
                     IDC_RESULT_ALLY_UNSPECIFIED};
constexpr Side kEnemy{IDC_RESULT_ENEMY_NAME, IDC_RESULT_ENEMY_TYPE, IDC_RESULT_ENEMY_N,
                      IDC_RESULT_ENEMY_UNSPECIFIED};

void open(HWND dialog) {
    const AppState& state = app_state();
    set_item_text(dialog, kAlly.nameId, state.ally.name);
    set_item_text(dialog, kEnemy.nameId, state.enemy.name);
    for (const Side& side : {kAlly, kEnemy}) {
        for (const char* label : kConditionLabels) {
            add_list_entry(dialog, side.typeId, label);
        }
    }
    for (const auto& [side, condition] :
         {std::pair{kAlly, state.allyCondition}, std::pair{kEnemy, state.enemyCondition}}) {
        set_item_text(dialog, side.nId, std::to_string(condition.n));
        select_entry(dialog, side.typeId, condition.type);
        set_checked(dialog, side.unspecifiedId, condition.unspecified == 1);
    }
}

void confirm(HWND dialog) {
    BattleResultForm form{};
    form.allyType = selected_entry(dialog, kAlly.typeId);
    form.enemyType = selected_entry(dialog, kEnemy.typeId);
    read_item_text(dialog, kAlly.nId, kNChars, form.allyN, kFigureTextCapacity);
    read_item_text(dialog, kEnemy.nId, kNChars, form.enemyN, kFigureTextCapacity);
    form.allyUnspecified = is_checked(dialog, kAlly.unspecifiedId);
    form.enemyUnspecified = is_checked(dialog, kEnemy.unspecifiedId);
    apply_battle_result_form(app_state(), form);
}

INT_PTR CALLBACK battle_result_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static constexpr DialogBehaviour kBehaviour{open, confirm, nullptr, true};
    return handle_dialog_message(dialog, message, wParam, kBehaviour);
}

}  // namespace

void open_battle_result_dialog(HWND owner) {
    run_modal_dialog(owner, IDD_BATTLE_RESULT, battle_result_procedure);
}
