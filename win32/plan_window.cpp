#include "win32/plan_window.h"

#include <string>

#include "view/drawing.h"
#include "view/plan_steps.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/message_box.h"
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

// Room for every button, one under another, and a list beside them.
constexpr ScreenSize kLeastClient{kButtonWidth + 180,
                                  4 + static_cast<int>(std::size(kButtons)) * (kButtonHeight + 4)};

}  // namespace

int PlanWindow::selected_step() const {
    return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
}

// The buttons that act on a step are grey while none is selected.
void PlanWindow::enable_buttons() {
    const bool onStep = selected_step() >= 0;
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        EnableWindow(GetDlgItem(window_, kFirstButtonId + b),
                     !plan_button_needs_step(kButtons[b].button) || onStep ? TRUE : FALSE);
    }
}

void PlanWindow::fill_list(int selected) {
    const TurnPlan& plan = main_.controller()->session().plan;
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (int k = 0; k < plan.stepCount && k < kMaxPlanSteps; ++k) {
        SendMessageW(list_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(
                         wide_from_shift_jis(plan_step_line(plan.steps[k], k + 1)).text));
    }
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    enable_buttons();
}

// 全部消す asks first, when there is anything to clear.
bool PlanWindow::clear_confirmed() {
    if (main_.controller()->session().plan.stepCount <= 0) {
        return true;
    }
    return say(window_, wide_from_shift_jis("手順をすべて消しますか？").text,
               MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void PlanWindow::press(int index) {
    const PlanButton button = kButtons[index].button;
    if (button == PlanButton::kClear && !clear_confirmed()) {
        return;
    }
    const int selected = selected_step();
    PlanEdit edit{};
    // The list is filled once, as the change is told, with the step the press selects: a step
    // left selected past the end would grey the button that has the focus, and the focus would
    // be lost.
    main_.controller()->change([&](WindowState& state) {
        edit = press_plan_button(state, button, selected);
        if (edit.changed) {
            pressSelects_ = edit.selected;
        }
        return edit.changed;
    });
    pressSelects_.reset();
    if (!edit.changed && edit.refusal != nullptr) {
        say(window_, wide_from_shift_jis(edit.refusal).text, MB_OK);
    }
}

void PlanWindow::lay_out(int width, int height) {
    const auto at = [this](int value) { return scale_to_dpi(value, dpi_); };
    MoveWindow(list_, at(4), at(4), width - at(kButtonWidth) - at(16), height - at(8), TRUE);
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        MoveWindow(GetDlgItem(window_, kFirstButtonId + b), width - at(kButtonWidth) - at(4),
                   at(4 + b * (kButtonHeight + 4)), at(kButtonWidth), at(kButtonHeight), TRUE);
    }
}

LRESULT PlanWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (main_.tools().handle_message(window, message, wParam, lParam, dpi_)) {
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
            window_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool PlanWindow::create() {
    dpi_ = window_dpi(main_.window());
    window_ = main_.tools().create(*this, kClassName, wide_from_shift_jis("手順").text,
                                   ToolWindowKind::kPlan, {480, 280}, kLeastClient, dpi_);
    if (window_ == nullptr) {
        return false;
    }
    list_ = main_.tools().create_child(window_, L"ListBox", L"",
                                       WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, kListId);
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
        main_.tools().create_child(window_, L"Button", wide_from_shift_jis(kButtons[b].text).text,
                                   WS_TABSTOP, kFirstButtonId + b);
    }
    RECT client{};
    GetClientRect(window_, &client);
    lay_out(client.right, client.bottom);
    return true;
}

void PlanWindow::open() {
    if (window_ == nullptr && !create()) {
        return;
    }
    fill_list(-1);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void PlanWindow::follow() {
    if (window_ != nullptr) {
        fill_list(pressSelects_.value_or(selected_step()));
    }
}
