#include "win32/tool_window.h"

#include <algorithm>
#include <vector>

#include "view/drawing.h"
#include "view/window_layout.h"
#include "win32/keyboard.h"
#include "win32/main_window.h"

namespace {

ScreenRect screen_rect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

// Beside the owner, clear of its lanes, on its monitor's work area.
ScreenRect place_by(HWND owner, int width, int height, int dpi, Align align) {
    RECT frame{};
    GetWindowRect(owner, &frame);
    POINT client{0, 0};
    ClientToScreen(owner, &client);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    return place_beside(screen_rect(frame), client.y + scale_to_dpi(kLanesBottom, dpi),
                        screen_rect(monitor.rcWork), scale_to_dpi(width, dpi),
                        scale_to_dpi(height, dpi), align);
}

}  // namespace

ToolWindows::ToolWindow* ToolWindows::find(HWND window) {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const ToolWindow& w) { return w.window == window; });
    return found != windows_.end() ? &*found : nullptr;
}

HWND ToolWindows::create_window(const wchar_t* className, WNDPROC procedure, void* object,
                                const std::wstring& title, int width, int height, int dpi,
                                Align align) {
    const HINSTANCE instance = main_.instance();
    HWND owner = main_.window();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = static_cast<HCURSOR>(
        LoadImageW(nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    const ScreenRect at = place_by(owner, width, height, dpi, align);
    HWND window =
        CreateWindowExW(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, at.left, at.top,
                        at.right - at.left, at.bottom - at.top, owner, nullptr, instance, object);
    if (window != nullptr) {
        windows_.push_back(ToolWindow{window, nullptr});
        // The focused control shows its focus from the start, keyboard or mouse.
        SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    return window;
}

HWND ToolWindows::create_child(HWND parent, const wchar_t* className, const std::wstring& text,
                               DWORD style, int id) {
    HWND control = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                                   0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   main_.instance(), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    ToolWindow* tool = find(parent);
    if (tool != nullptr && tool->focused == nullptr && (style & WS_TABSTOP) != 0) {
        tool->focused = control;
    }
    return control;
}

bool ToolWindows::handle_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 int& dpi) {
    if (message == WM_CLOSE) {
        ShowWindow(window, SW_HIDE);
        return true;
    }
    if (message == WM_DPICHANGED) {
        dpi = HIWORD(wParam);
        const RECT& at = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    if (message == WM_DESTROY) {
        std::erase_if(windows_, [window](const ToolWindow& w) { return w.window == window; });
        return false;
    }
    ToolWindow* tool = find(window);
    return tool != nullptr && keep_control_focus(window, message, wParam, tool->focused);
}

bool ToolWindows::handle_keys(MSG& message) const {
    // A copy: what a key does may close a window.
    const std::vector<ToolWindow> windows = windows_;
    for (const ToolWindow& tool : windows) {
        if (IsDialogMessageW(tool.window, &message)) {
            return true;
        }
    }
    return false;
}
