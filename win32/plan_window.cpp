#include "win32/plan_window.h"

#include <string>

#include "view/drawing.h"
#include "view/plan_steps.h"
#include "win32/dpi.h"
#include "win32/edit_commands.h"
#include "win32/message_box.h"
#include "win32/program.h"
#include "win32/tool_window.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"SoramitoPlan";
constexpr int kListId = 100;
constexpr int kFirstButtonId = 101;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

struct ButtonSpec {
    PlanButton button;
    const char* text;
};

const ButtonSpec kButtons[] = {
    {PlanButton::kAdd, "追加"},        {PlanButton::kReplace, "置き換え"},
    {PlanButton::kRecall, "呼び出す"}, {PlanButton::kDelete, "削除"},
    {PlanButton::kUp, "上へ"},         {PlanButton::kDown, "下へ"},
    {PlanButton::kClear, "全部消す"}};

struct PlanWindow {
    HWND window;
    int dpi;
    HWND list;
};

PlanWindow& plan_window() {
    static PlanWindow w;
    return w;
}

int selected_step() {
    return static_cast<int>(SendMessageW(plan_window().list, LB_GETCURSEL, 0, 0));
}

// The buttons that act on a step are grey while none is selected.
void enable_buttons() {
    const bool onStep = selected_step() >= 0;
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        EnableWindow(GetDlgItem(plan_window().window, kFirstButtonId + b),
                     !plan_button_needs_step(kButtons[b].button) || onStep ? TRUE : FALSE);
    }
}

void fill_list(int selected) {
    const PlanWindow& w = plan_window();
    const WindowState& state = app_state();
    SendMessageW(w.list, LB_RESETCONTENT, 0, 0);
    for (int k = 0; k < state.session.plan.stepCount && k < kMaxPlanSteps; ++k) {
        SendMessageW(
            w.list, LB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(
                wide_from_shift_jis(plan_step_line(state.session.plan.steps[k], k + 1)).text));
    }
    SendMessageW(w.list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    enable_buttons();
}

// 全部消す asks first, when there is anything to clear.
bool clear_confirmed() {
    if (app_state().session.plan.stepCount <= 0) {
        return true;
    }
    return say(plan_window().window, wide_from_shift_jis("手順をすべて消しますか？").text,
               MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void press(int index) {
    WindowState& state = app_state();
    const PlanButton button = kButtons[index].button;
    if (button == PlanButton::kClear && !clear_confirmed()) {
        return;
    }
    PlanEdit edit{};
    take_undo_step([&] { edit = press_plan_button(state, button, selected_step()); });
    if (edit.changed) {
        fill_list(edit.selected);
        invalidate_window(window_handles().mainWindow);
    } else if (edit.refusal != nullptr) {
        say(plan_window().window, wide_from_shift_jis(edit.refusal).text, MB_OK);
    }
}

void lay_out(int width, int height) {
    const PlanWindow& w = plan_window();
    const auto at = [&w](int value) { return scale_to_dpi(value, w.dpi); };
    MoveWindow(w.list, at(4), at(4), width - at(kButtonWidth) - at(16), height - at(8), TRUE);
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        MoveWindow(GetDlgItem(w.window, kFirstButtonId + b), width - at(kButtonWidth) - at(4),
                   at(4 + b * (kButtonHeight + 4)), at(kButtonWidth), at(kButtonHeight), TRUE);
    }
}

LRESULT CALLBACK plan_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle_tool_window_message(window, message, wParam, lParam, plan_window().dpi)) {
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            lay_out(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_COMMAND: {
            if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
                enable_buttons();
                return 0;
            }
            const int index = LOWORD(wParam) - kFirstButtonId;
            if (index >= 0 && index < static_cast<int>(std::size(kButtons)) &&
                HIWORD(wParam) == BN_CLICKED) {
                press(index);
            }
            return 0;
        }
        case WM_DESTROY:
            plan_window().window = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool create_plan_window(HWND owner) {
    PlanWindow& w = plan_window();
    w.dpi = window_dpi(owner);
    w.window =
        create_tool_window(owner, kClassName, plan_procedure, wide_from_shift_jis("手順").text, 480,
                           280, w.dpi, Align::kBottom);
    if (w.window == nullptr) {
        return false;
    }
    w.list = create_tool_child(w.window, L"ListBox", L"",
                               WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, kListId);
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        create_tool_child(w.window, L"Button", wide_from_shift_jis(kButtons[b].text).text,
                          WS_TABSTOP, kFirstButtonId + b);
    }
    RECT client{};
    GetClientRect(w.window, &client);
    lay_out(client.right, client.bottom);
    return true;
}

}  // namespace

void show_plan_window(HWND owner) {
    PlanWindow& w = plan_window();
    if (w.window == nullptr && !create_plan_window(owner)) {
        return;
    }
    fill_list(-1);
    ShowWindow(w.window, SW_SHOW);
    SetForegroundWindow(w.window);
}

void show_plan_steps() {
    if (plan_window().window != nullptr) {
        fill_list(selected_step());
    }
}
