#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/dialog_controls.h"
#include "ui/dialog_forms.h"
#include "ui/dialogs.h"
#include "ui/program.h"
#include "ui/resource.h"

namespace {

constexpr int kEnemy = IDC_STATUS_ENEMY_OFFSET;
constexpr int kNameChars = 255;
constexpr int kFigureChars = 3;

void show_factor(HWND dialog, int labelId, const UnitRecord& unit) {
    char text[32];
    std::snprintf(text, sizeof text, "追撃必殺係数:%d", unit.followUpCritFactor);
    set_item_text(dialog, labelId, text);
}

void read_ally_name(HWND dialog, char (&name)[256]) {
    read_item_text(dialog, IDC_STATUS_ALLY_LIST, kNameChars, name, sizeof name);
    name[kNameChars] = '\0';
}

// The shown ally's factor, and its unit skills in the boxes that follow the unit.
void show_ally_unit(HWND dialog, bool setSkills) {
    const AppState& state = app_state();
    char name[256];
    read_ally_name(dialog, name);
    const int row = find_ally_by_name(state, name);
    if (row < 0) {
        return;
    }
    show_factor(dialog, IDC_STATUS_FACTOR, state.allyUnits[row]);
    for (int i = 0; setSkills && i < kAllySkillBoxes; ++i) {
        if (ally_box_follows_unit(i)) {
            set_checked(dialog, IDC_STATUS_FIRST_SKILL + i, state.allyUnits[row].skills[i] == 1);
        }
    }
}

void show_enemy_unit(HWND dialog, bool setSkills) {
    const AppState& state = app_state();
    const int row = selected_entry(dialog, IDC_STATUS_ENEMY_LIST);
    if (row < 0 || row >= state.enemyUnitCount) {
        return;
    }
    show_factor(dialog, IDC_STATUS_FACTOR + kEnemy, state.enemyUnits[row]);
    // The last box, 反撃, is the user's alone.
    for (int i = 0; setSkills && i < kEnemySkillBoxes - 1; ++i) {
        set_checked(dialog, IDC_STATUS_FIRST_SKILL + kEnemy + i,
                    state.enemyUnits[row].skills[i] == 1);
    }
}

void show_side(HWND dialog, int offset, const CombatantState& unit, int skillBoxes) {
    select_entry(dialog, IDC_STATUS_ALLY_LIST + offset, unit.listIndex);
    for (int i = 0; i < kFigureBoxCount; ++i) {
        select_entry(dialog, IDC_STATUS_FIRST_FIGURE + offset + i,
                     figure_list_position(kFigureBoxes[i], unit.*kFigureBoxes[i].field));
    }
    for (int i = 0; i < skillBoxes; ++i) {
        set_checked(dialog, IDC_STATUS_FIRST_SKILL + offset + i, unit.skills[i] == 1);
    }
}

void open(HWND dialog) {
    const AppState& state = app_state();
    for (int row = 0; row < state.allyUnitCount; ++row) {
        add_list_entry(dialog, IDC_STATUS_ALLY_LIST, state.allyUnits[row].name);
    }
    for (int row = 0; row < state.enemyUnitCount; ++row) {
        add_list_entry(dialog, IDC_STATUS_ENEMY_LIST, state.enemyUnits[row].name);
    }
    for (int i = 0; i < kFigureBoxCount; ++i) {
        for (int value = kFigureBoxes[i].first; value <= kFigureBoxes[i].last; ++value) {
            const std::string text = std::to_string(value);
            add_list_entry(dialog, IDC_STATUS_FIRST_FIGURE + i, text);
            add_list_entry(dialog, IDC_STATUS_FIRST_FIGURE + kEnemy + i, text);
        }
    }
    show_side(dialog, 0, state.ally, kAllySkillBoxes);
    show_side(dialog, kEnemy, state.enemy, kEnemySkillBoxes - 1);
    show_ally_unit(dialog, false);
    show_enemy_unit(dialog, false);
    set_checked(dialog, IDC_STATUS_FIRST_SKILL + kEnemy + kSkillCounter, true);
}

void read_figures(HWND dialog, int offset, FigureText (&figures)[kFigureBoxCount]) {
    for (int i = 0; i < kFigureBoxCount; ++i) {
        read_item_text(dialog, IDC_STATUS_FIRST_FIGURE + offset + i, kFigureChars, figures[i],
                       kFigureTextCapacity);
    }
}

void confirm(HWND dialog) {
    StatusForm form{};
    read_ally_name(dialog, form.allyName);
    form.allySelection = selected_entry(dialog, IDC_STATUS_ALLY_LIST);
    form.enemySelection = selected_entry(dialog, IDC_STATUS_ENEMY_LIST);
    for (int i = 0; i < kAllySkillBoxes; ++i) {
        form.allySkills[i] = is_checked(dialog, IDC_STATUS_FIRST_SKILL + i);
    }
    for (int i = 0; i < kEnemySkillBoxes; ++i) {
        form.enemySkills[i] = is_checked(dialog, IDC_STATUS_FIRST_SKILL + kEnemy + i);
    }
    read_figures(dialog, 0, form.allyFigures);
    read_figures(dialog, kEnemy, form.enemyFigures);
    apply_status_form(app_state(), form);
    enable_unit_items(GetWindow(dialog, GW_OWNER), true);
}

bool follow_list(HWND dialog, int id) {
    if (id == IDC_STATUS_ALLY_LIST) {
        show_ally_unit(dialog, true);
    } else if (id == IDC_STATUS_ENEMY_LIST) {
        show_enemy_unit(dialog, true);
    } else {
        return false;
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
