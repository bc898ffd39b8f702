#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "view/placement.h"
#include "view/window_places.h"

class MainWindow;

// The program's modeless windows beside the main one (検索結果, 手順, 記録): owned by it, hidden
// rather than closed, opening where the player last left them, in this run or an earlier one
// (windows.json), scaled by their DPI, and moving the focus among their controls with Tab. Each is
// an object its window reaches through GWLP_USERDATA, with the main window's object behind it.
class ToolWindows {
public:
    explicit ToolWindows(MainWindow& main) : main_(main) {}

    // Registers the class once and makes the window of object, owned by the main window: where
    // the player last left a window of its kind while its title bar is on a screen, else placed
    // by the rules of placement.h, size at 96 dpi scaled to dpi. Neither the placing nor the
    // player makes its client area smaller than leastClient (at 96 dpi), where it still shows
    // all its controls. The window's messages go to object.handle(message, wParam, lParam).
    template <class Object>
    HWND create(Object& object, const wchar_t* className, const std::wstring& title,
                ToolWindowKind kind, ScreenSize size, ScreenSize leastClient, int dpi) {
        return create_window(className, procedure<Object>, &object, title, kind, size, leastClient,
                             dpi);
    }
    // A child control, in the font of dialogs; with WS_TABSTOP, Tab stops at it.
    HWND create_child(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                      int id);
    // Writes where the tool windows are, those closed included, to windows.json: when one
    // closes and when the program ends.
    void keep_places();
    // WM_CLOSE hides the window and keeps its place; WM_GETMINMAXINFO gives its least size;
    // WM_DPICHANGED takes the suggested rectangle
    // and the new dpi; the focus stays with the control that had it while the window is inactive.
    // True when the message is handled.
    bool handle_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int& dpi);
    // Tab, Shift+Tab, Enter and Esc in a tool window, as in a dialog; true when the message was
    // one of a tool window's and is handled.
    bool handle_keys(MSG& message) const;

private:
    struct ToolWindow {
        HWND window;
        ToolWindowKind kind;
        ScreenSize leastClient;
        HWND focused;  // the control that has or last had the focus
    };

    template <class Object>
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* object = reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        return object != nullptr ? object->handle(window, message, wParam, lParam)
                                 : DefWindowProcW(window, message, wParam, lParam);
    }
    HWND create_window(const wchar_t* className, WNDPROC procedure, void* object,
                       const std::wstring& title, ToolWindowKind kind, ScreenSize size,
                       ScreenSize leastClient, int dpi);
    ToolWindow* find(HWND window);
    ScreenRect first_place(ToolWindowKind kind, ScreenSize size, ScreenSize least, int dpi);
    WindowPlaces& places();
    void note_place(const ToolWindow& tool);

    MainWindow& main_;
    std::vector<ToolWindow> windows_;
    std::optional<WindowPlaces> places_;  // read from windows.json when first needed
};
