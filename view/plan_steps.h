#pragma once

#include <string>

#include "view/window_state.h"

// What the buttons of the 手順 window do to the plan and the current status and conditions.

enum class PlanButton {
    kAdd,      // 追加: the current status and conditions as a new last step
    kReplace,  // 置き換え: the selected step becomes the current status and conditions
    kRecall,   // 呼び出す: the current status and conditions become the selected step
    kDelete,   // 削除
    kUp,       // 上へ
    kDown,     // 下へ
    kClear,    // 全部消す
};

// Whether a button acts on the selected step, so that it is grey while no step is selected.
bool plan_button_needs_step(PlanButton button);

struct PlanEdit {
    bool changed;
    int selected;                   // the step the list selects afterwards, -1 for none
    const char* refusal = nullptr;  // why a step was not written, for the player (Shift-JIS)

    bool operator==(const PlanEdit&) const = default;
};

// A button pressed with the step selected (-1 for none). A step must switch on a battle, a
// level-up or a re-move, and a plan holds 16 at most: what would break either does nothing and
// says why. Each change re-runs both lanes.
PlanEdit press_plan_button(WindowState& state, PlanButton button, int selected);

// One step as the list shows it (Shift-JIS): "1 戦闘 アルト→山賊ガロ 敵HP:0↓", "3 レベルアップ
// HP力速".
std::string plan_step_line(const Action& step, int number);
