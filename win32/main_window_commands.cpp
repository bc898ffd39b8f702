#include <windows.h>
#include <windowsx.h>

#include "view/main_commands.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "win32/dialog_controls.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"
#include "win32/message_box.h"
#include "win32/wide_text.h"

void MainWindow::jump(int lane) {
    HWND box = positionEdits_[lane];
    const std::string text = window_text_shift_jis(box);
    if (!controller_->change(
            [lane, &text](WindowState& state) { return jump_lane(state, lane, text); })) {
        point_out_box(box, kLanePositionMessage);
    }
}

// A command of the main window's besides the file menu's, 元に戻す and やり直し: one change, a
// dialog's whole opening included, however often it stores.
void MainWindow::run_command(int id) {
    Controller& controller = *controller_;
    if (id >= IDC_LANE0_FORWARD && id <= IDC_LANE1_SEED_DOWN) {
        controller.change([id](WindowState& state) { return move_lane(state, id); });
    } else if (id == IDC_SEARCH) {
        if (const char* why = search_refusal(controller.session())) {
            controller.say(why);
        } else {
            controller.change([](WindowState& state) { return search_from_lane_zero(state); });
        }
    } else if (id == IDC_RESULTS) {
        results_.open();
    } else if (id == IDM_ADVANCE) {
        const AdvanceReport report = controller.advance();
        if (report.refusal != AdvanceRefusal::kNone) {
            say(window_, wide_string_from_shift_jis(refusal_words(report)), MB_OK | MB_ICONWARNING);
        }
    } else if (id == IDM_RECORD) {
        record_.open();
    } else if (id == IDM_DISCARD_KEPT) {
        controller.change(discard_kept);
    } else if (id == IDM_PLAN) {
        if (ally_is_set(controller.session())) {
            plan_.open();
        }
    } else if (id == IDC_LANE0_JUMP || id == IDC_LANE1_JUMP) {
        jump(id == IDC_LANE0_JUMP ? 0 : 1);
    } else if (!controller.change(
                   [id](WindowState& state) { return put_lane_on_entry(state, id); })) {
        const MainDialog dialog = dialog_for_menu(controller.state(), id);
        if (dialog == MainDialog::kHappened) {
            // Each of its buttons that changes the session is a step of its own: OK,
            // 位置を残す, and 残した位置を捨てる, which leaves the dialog open.
            open_dialog(*this, dialog);
        } else if (dialog != MainDialog::kNone) {
            controller.change([this, dialog](WindowState&) {
                open_dialog(*this, dialog);
                return true;
            });
        }
    }
}

void MainWindow::command(int id) {
    if (id == IDM_FILE_EXIT) {
        SendMessageW(window_, WM_CLOSE, 0, 0);
        return;
    }
    if (files_.command(id)) {
        return;
    }
    if (id == IDM_UNDO) {
        controller_->undo();
    } else if (id == IDM_REDO) {
        controller_->redo();
    } else {
        run_command(id);
    }
}

std::string MainWindow::pattern_box_text() const {
    // One character more than counts, so that a text longer than is read shows.
    wchar_t wide[kMarkTextCapacity + 1] = L"";
    GetWindowTextW(markEdit_, wide, kMarkTextCapacity + 1);
    char text[2 * kMarkTextCapacity + 1];
    shift_jis_from_wide(wide, text, sizeof text);
    return text;
}

void MainWindow::read_pattern_box() {
    controller_->read_marks(pattern_box_text().c_str());
}

void MainWindow::click(int lane, LPARAM point) {
    // The click areas are laid out at 96 dpi, as the drawing is.
    const int x = scale_from_dpi(GET_X_LPARAM(point), dpi_);
    const int y = scale_from_dpi(GET_Y_LPARAM(point), dpi_);
    controller_->change(
        [lane, x, y](WindowState& state) { return click_candidate(state, lane, x, y); });
}
