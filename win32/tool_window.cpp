#include "win32/tool_window.h"

#include <algorithm>
#include <vector>

#include "view/drawing.h"
#include "view/window_layout.h"
#include "win32/dpi.h"
#include "win32/keyboard.h"
#include "win32/main_window.h"
#include "win32/safe_file.h"

namespace {

constexpr wchar_t kPlacesName[] = L"windows.json";
// How far apart the tool windows open when they must cascade, at 96 dpi.
constexpr int kCascadeStep = 32;

ScreenRect screen_rect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

ScreenRect window_rect(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return screen_rect(frame);
}

// A box of the main window's client area, at 96 dpi, on the screen.
ScreenRect on_screen(HWND owner, const LayoutBox& box, int dpi) {
    POINT client{0, 0};
    ClientToScreen(owner, &client);
    return ScreenRect{client.x + scale_to_dpi(box.left, dpi), client.y + scale_to_dpi(box.top, dpi),
                      client.x + scale_to_dpi(box.right, dpi),
                      client.y + scale_to_dpi(box.bottom, dpi)};
}

MainWindowPlaces places_of(HWND owner, int dpi) {
    RECT client{};
    GetClientRect(owner, &client);
    const int clientWidth = MulDiv(client.right, kBaseDpi, dpi);
    return MainWindowPlaces{window_rect(owner),
                            on_screen(owner, LayoutBox{0, 0, clientWidth, kLanesBottom}, dpi),
                            on_screen(owner, kMarksArea, dpi)};
}

ScreenRect work_area(HMONITOR handle) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(handle, &monitor);
    return screen_rect(monitor.rcWork);
}

std::vector<ScreenRect> work_areas() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR handle, HDC, LPRECT, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<ScreenRect>*>(found)->push_back(work_area(handle));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// The window whose client area is client at 96 dpi.
ScreenSize window_size(ScreenSize client, int dpi) {
    const SIZE size =
        window_size_for_client(scale_to_dpi(client.width, dpi), scale_to_dpi(client.height, dpi),
                               WS_OVERLAPPEDWINDOW, false, dpi);
    return {size.cx, size.cy};
}

// The caption and the frame above it, which the player drags.
int title_bar_height(int dpi) {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return MulDiv(-frame.top, dpi, system_dpi());
}

}  // namespace

ToolWindows::ToolWindow* ToolWindows::find(HWND window) {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const ToolWindow& w) { return w.window == window; });
    return found != windows_.end() ? &*found : nullptr;
}

WindowPlaces& ToolWindows::places() {
    if (!places_) {
        std::string bytes;
        std::wstring why;
        const std::wstring path = kept_file_path(kPlacesName);
        std::optional<WindowPlaces> read;
        if (!path.empty() && file_exists(path) && read_file_bytes(path, bytes, why)) {
            read = read_window_places(bytes);
        }
        // A file that cannot be read counts as none, and is written afresh at the end.
        places_ = read ? *read : WindowPlaces{window_dpi(main_.window()), {}};
    }
    return *places_;
}

void ToolWindows::note_place(const ToolWindow& tool) {
    if (IsIconic(tool.window) || IsZoomed(tool.window)) {
        return;
    }
    WindowPlaces& kept = places();
    const ScreenRect at = window_rect(tool.window);
    const int dpi = window_dpi(tool.window);
    kept[tool.kind] =
        ScreenRect{at.left, at.top, at.left + MulDiv(at.right - at.left, kept.dpi, dpi),
                   at.top + MulDiv(at.bottom - at.top, kept.dpi, dpi)};
}

void ToolWindows::keep_places() {
    for (const ToolWindow& tool : windows_) {
        note_place(tool);
    }
    write_kept_file(kPlacesName, write_window_places(places()));
}

ScreenRect ToolWindows::first_place(ToolWindowKind kind, ScreenSize size, ScreenSize least,
                                    int dpi) {
    const std::optional<ScreenRect> kept = window_places_at(places(), dpi)[kind];
    if (kept && title_bar_reachable(*kept, title_bar_height(dpi), work_areas())) {
        return {kept->left, kept->top, std::max(kept->right, kept->left + least.width),
                std::max(kept->bottom, kept->top + least.height)};
    }
    HWND owner = main_.window();
    std::vector<ScreenRect> open;
    for (const ToolWindow& tool : windows_) {
        if (IsWindowVisible(tool.window)) {
            open.push_back(window_rect(tool.window));
        }
    }
    return place_tool_window(places_of(owner, dpi),
                             work_area(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)), open,
                             {scale_to_dpi(size.width, dpi), scale_to_dpi(size.height, dpi)}, least,
                             static_cast<int>(kind) + 1, scale_to_dpi(kCascadeStep, dpi));
}

HWND ToolWindows::create_window(const wchar_t* className, WNDPROC procedure, void* object,
                                const std::wstring& title, ToolWindowKind kind, ScreenSize size,
                                ScreenSize leastClient, int dpi) {
    const HINSTANCE instance = main_.instance();
    HWND owner = main_.window();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Drawn whole after a change of size: the controls move with the window's edges, and what
    // they left would otherwise stay on the screen.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = static_cast<HCURSOR>(
        LoadImageW(nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    const ScreenRect at = first_place(kind, size, window_size(leastClient, dpi), dpi);
    HWND window =
        CreateWindowExW(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, at.left, at.top,
                        at.right - at.left, at.bottom - at.top, owner, nullptr, instance, object);
    if (window != nullptr) {
        windows_.push_back(ToolWindow{window, kind, leastClient, nullptr});
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
        keep_places();
        return true;
    }
    if (message == WM_GETMINMAXINFO) {
        const ToolWindow* tool = find(window);
        if (tool == nullptr) {
            return false;
        }
        const ScreenSize least = window_size(tool->leastClient, dpi);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{least.width, least.height};
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
        if (const ToolWindow* tool = find(window)) {
            note_place(*tool);
        }
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
