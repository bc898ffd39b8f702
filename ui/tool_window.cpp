#include "ui/tool_window.h"

#include "ui/drawing.h"
#include "ui/program.h"

HWND create_tool_window(HWND owner, const wchar_t* className, WNDPROC procedure,
                        const std::wstring& title, int width, int height, int dpi) {
    const HINSTANCE instance = window_handles().instance;
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
    return CreateWindowExW(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, scale_to_dpi(width, dpi), scale_to_dpi(height, dpi),
                           owner, nullptr, instance, nullptr);
}

HWND create_tool_child(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                       int id) {
    HWND control = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                                   0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   window_handles().instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    return control;
}

bool handle_tool_window_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int& dpi) {
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
    return false;
}
