#include "win32/record_window.h"

#include <algorithm>

#include "view/drawing.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"SoramitoRecord";
constexpr int kListId = 100;

}  // namespace

// The lines of the record, the newest selected and in view.
void RecordWindow::fill_list() {
    const History& history = main_.controller()->session().history;
    *shown_ = history;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    const int count = std::min(history.count, kHistoryCapacity);
    for (int i = 0; i < count; ++i) {
        SendMessageW(
            list_, LB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(wide_from_shift_jis(history_line(history.entries[i])).text));
    }
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

LRESULT RecordWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (main_.tools().handle_message(window, message, wParam, lParam, dpi_)) {
        return 0;
    }
    switch (message) {
        case WM_SIZE: {
            const int margin = scale_to_dpi(4, dpi_);
            MoveWindow(list_, margin, margin, LOWORD(lParam) - 2 * margin,
                       HIWORD(lParam) - 2 * margin, TRUE);
            return 0;
        }
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RecordWindow::create() {
    dpi_ = window_dpi(main_.window());
    window_ = main_.tools().create(*this, kClassName, wide_from_shift_jis("記録").text,
                                   ToolWindowKind::kRecord, {560, 280}, {360, 160}, dpi_);
    if (window_ == nullptr) {
        return false;
    }
    list_ = main_.tools().create_child(
        window_, L"ListBox", L"",
        WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
        kListId);
    // Wide enough for the longest line, so that its end can be scrolled to.
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scale_to_dpi(900, dpi_)), 0);
    shown_ = std::make_unique<History>();
    RECT client{};
    GetClientRect(window_, &client);
    SendMessageW(window_, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    return true;
}

void RecordWindow::open() {
    if (window_ == nullptr && !create()) {
        return;
    }
    fill_list();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void RecordWindow::follow() {
    if (window_ != nullptr && !(*shown_ == main_.controller()->session().history)) {
        fill_list();
    }
}
