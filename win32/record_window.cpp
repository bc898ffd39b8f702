#include "win32/record_window.h"

#include <algorithm>
#include <memory>

#include "view/drawing.h"
#include "win32/dpi.h"
#include "win32/program.h"
#include "win32/tool_window.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"SoramitoRecord";
constexpr int kListId = 100;

struct RecordWindow {
    HWND window;
    int dpi;
    HWND list;
    std::unique_ptr<History> shown;  // the record the list holds
};

RecordWindow& record_window() {
    static RecordWindow w;
    return w;
}

// The lines of the record, the newest selected and in view.
void fill_list() {
    RecordWindow& w = record_window();
    const History& history = app_state().session.history;
    *w.shown = history;
    SendMessageW(w.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(w.list, LB_RESETCONTENT, 0, 0);
    const int count = std::min(history.count, kHistoryCapacity);
    for (int i = 0; i < count; ++i) {
        SendMessageW(
            w.list, LB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(wide_from_shift_jis(history_line(history.entries[i])).text));
    }
    SendMessageW(w.list, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    SendMessageW(w.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(w.list, nullptr, TRUE);
}

LRESULT CALLBACK record_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordWindow& w = record_window();
    if (handle_tool_window_message(window, message, wParam, lParam, w.dpi)) {
        return 0;
    }
    switch (message) {
        case WM_SIZE: {
            const int margin = scale_to_dpi(4, w.dpi);
            MoveWindow(w.list, margin, margin, LOWORD(lParam) - 2 * margin,
                       HIWORD(lParam) - 2 * margin, TRUE);
            return 0;
        }
        case WM_DESTROY:
            w.window = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool create_record_window(HWND owner) {
    RecordWindow& w = record_window();
    w.dpi = window_dpi(owner);
    w.window =
        create_tool_window(owner, kClassName, record_procedure, wide_from_shift_jis("記録").text,
                           560, 280, w.dpi, Align::kBottom);
    if (w.window == nullptr) {
        return false;
    }
    w.list = create_tool_child(
        w.window, L"ListBox", L"",
        WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
        kListId);
    // Wide enough for the longest line, so that its end can be scrolled to.
    SendMessageW(w.list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scale_to_dpi(900, w.dpi)), 0);
    w.shown = std::make_unique<History>();
    RECT client{};
    GetClientRect(w.window, &client);
    SendMessageW(w.window, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    return true;
}

}  // namespace

void show_record_window(HWND owner) {
    RecordWindow& w = record_window();
    if (w.window == nullptr && !create_record_window(owner)) {
        return;
    }
    fill_list();
    ShowWindow(w.window, SW_SHOW);
    SetForegroundWindow(w.window);
}

void show_record() {
    RecordWindow& w = record_window();
    if (w.window != nullptr && !(*w.shown == app_state().session.history)) {
        fill_list();
    }
}
