#include <windows.h>

#include <commctrl.h>

#include <shellapi.h>

#include "data/file_problems.h"
#include "data/growth_file.h"
#include "data/unit_file.h"
#include "view/child_controls.h"
#include "view/drawing.h"
#include "view/locate_form.h"
#include "view/main_commands.h"
#include "view/resource.h"
#include "view/session.h"
#include "win32/dpi.h"
#include "win32/edit_commands.h"
#include "win32/keyboard.h"
#include "win32/message_box.h"
#include "win32/plan_window.h"
#include "win32/program.h"
#include "win32/record_window.h"
#include "win32/results_window.h"
#include "win32/roster_file.h"
#include "win32/run_marker_file.h"
#include "win32/session_files.h"
#include "win32/tool_window.h"
#include "win32/wide_text.h"

namespace {

constexpr char kClassName[] = "template";
constexpr char kFontFace[] = "ＭＳ ゴシック";
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr UINT kMarkPollMilliseconds = 100;

HFONT create_font(bool underline, int dpi) {
    const WideText face = wide_from_shift_jis(kFontFace);
    return CreateFontW(scale_to_dpi(16, dpi), 0, 0, 0, FW_DONTCARE, FALSE, underline ? TRUE : FALSE,
                       FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.text);
}

// The fonts and pens at the window's DPI.
void create_drawing_objects(int dpi) {
    WindowHandles& handles = window_handles();
    handles.dpi = dpi;
    handles.normalFont = create_font(false, dpi);
    handles.underlineFont = create_font(true, dpi);
    handles.blackPen = CreatePen(PS_SOLID, scale_to_dpi(1, dpi), RGB(0, 0, 0));
    handles.predictPen = CreatePen(PS_SOLID, scale_to_dpi(1, dpi), RGB(200, 200, 255));
}

// Where each child control stands at dpi: its 96-dpi rectangle scaled.
RECT child_rectangle(const ChildControl& control, int dpi) {
    return RECT{scale_to_dpi(control.x, dpi), scale_to_dpi(control.y, dpi),
                scale_to_dpi(control.width, dpi), scale_to_dpi(control.height, dpi)};
}

void report_start_up_failure(HWND window, const char* message) {
    say(window, wide_from_shift_jis(message).text, MB_OK);
}

// The edit boxes show their text in the window's font.
void set_edit_fonts() {
    const WindowHandles& handles = window_handles();
    for (HWND box : {handles.markEdit, handles.positionEdits[0], handles.positionEdits[1]}) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(handles.normalFont), TRUE);
    }
}

void create_child_controls(HWND window) {
    WindowHandles& handles = window_handles();
    for (const ChildControl& control : child_controls()) {
        const WideText text = wide_from_shift_jis(control.text);
        const DWORD style = control.edit
                                ? WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL
                                : WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        const RECT at = child_rectangle(control, handles.dpi);
        HWND child = CreateWindowExW(0, control.edit ? L"EDIT" : L"Button", text.text, style,
                                     at.left, at.top, at.right, at.bottom, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                     handles.instance, nullptr);
        if (control.id == IDC_MARK_EDIT) {
            handles.markEdit = child;
        } else if (control.id == IDC_LANE0_POSITION) {
            handles.positionEdits[0] = child;
        } else if (control.id == IDC_LANE1_POSITION) {
            handles.positionEdits[1] = child;
        }
    }
    set_edit_fonts();
    // The first thing a player types is the marks.
    handles.focusedControl = handles.markEdit;
    // The focused control shows its focus from the start, keyboard or mouse.
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// The fonts and pens belong to the window: made at its creation, deleted at its destruction.
void delete_drawing_objects(const WindowHandles& handles) {
    DeleteObject(handles.normalFont);
    DeleteObject(handles.underlineFont);
    DeleteObject(handles.blackPen);
    DeleteObject(handles.predictPen);
}

// The window at a new DPI: where Windows suggests, its fonts, pens and controls made for it. The
// old fonts go once the edit boxes hold the new one.
void follow_dpi(HWND window, int dpi, const RECT& suggested) {
    const WindowHandles old = window_handles();
    create_drawing_objects(dpi);
    set_edit_fonts();
    delete_drawing_objects(old);
    for (const ChildControl& control : child_controls()) {
        const RECT at = child_rectangle(control, dpi);
        SetWindowPos(GetDlgItem(window, control.id), nullptr, at.left, at.top, at.right, at.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    invalidate_window(window);
}

// What Enter does, as a dialog's default button: in a 移動 box its 移動, on a button that
// button; elsewhere, in the pattern box for one, nothing.
LRESULT enter_command() {
    const WindowHandles& handles = window_handles();
    HWND focus = GetFocus();
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (focus == handles.positionEdits[lane]) {
            return MAKELRESULT(lane == 0 ? IDC_LANE0_JUMP : IDC_LANE1_JUMP, DC_HASDEFID);
        }
    }
    wchar_t className[16] = L"";
    GetClassNameW(focus, className, 16);
    if (focus != nullptr && GetParent(focus) == handles.mainWindow &&
        lstrcmpiW(className, L"Button") == 0) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    return 0;
}

// The window's size at dpi: its client area today's at 96 dpi, scaled; at 96 dpi exactly 800 by
// 600, as it always was.
SIZE main_window_size(int dpi) {
    const SIZE frame96 = window_size_for_client(0, 0, WS_OVERLAPPEDWINDOW, kBaseDpi);
    const int clientWidth = kWindowWidth - frame96.cx;
    const int clientHeight = kWindowHeight - frame96.cy;
    return window_size_for_client(scale_to_dpi(clientWidth, dpi), scale_to_dpi(clientHeight, dpi),
                                  WS_OVERLAPPEDWINDOW, dpi);
}

// 起きたこと follows the ally and the plan, which dialogs, sessions and 手順 change.
void enable_happened_item(HWND window) {
    EnableMenuItem(GetMenu(window), IDM_HAPPENED,
                   MF_BYCOMMAND | (happened_available(app_state()) ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

WindowState& app_state() {
    static WindowState state;
    return state;
}

Tables& program_tables() {
    static Tables tables;
    return tables;
}

WindowHandles& window_handles() {
    static WindowHandles handles;
    return handles;
}

void create_main_window_contents(HWND window, const std::wstring& fileToOpen) {
    WindowState& state = app_state();
    Tables& tables = program_tables();
    state.tables = &tables;
    create_drawing_objects(window_dpi(window));
    state.session.lanes = default_session().lanes;
    generate_random_tables(tables.randomTable);
    GameTables& files = tables;
    files = GameTables{};
    if (!load_unit_file("character.txt", files)) {
        report_start_up_failure(window, "キャラデータを読み込めません＞＜");
        return;
    }
    if (!load_growth_file("grow.txt", files)) {
        report_start_up_failure(window, "成長率を読み込めません＞＜");
        return;
    }
    // What the two files lost as they were read, said once the window is up.
    for (const auto& [name, growthFile] :
         {std::pair{"character.txt", false}, std::pair{"grow.txt", true}}) {
        const std::string words =
            start_up_file_warning(std::fopen(name, "r"), name, growthFile, tables.allyUnitCount);
        if (!words.empty()) {
            say_after_start_up(wide_from_shift_jis(words).text);
        }
    }
    create_child_controls(window);
    SetTimer(window, IDT_MARK_POLL, kMarkPollMilliseconds, nullptr);
    state = fresh_window_state(tables);
    enable_unit_items(window, false);
    DragAcceptFiles(window, TRUE);
    load_kept_roster();
    open_start_up_session(window, fileToOpen);
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            create_main_window_contents(
                window, *static_cast<const std::wstring*>(
                            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            return 0;
        case WM_PAINT:
            paint_main_window(window);
            return 0;
        case WM_COMMAND:
            // A menu item or a button says 0, a key 1; the edit boxes' notifications do nothing.
            if (HIWORD(wParam) <= 1 && !handle_file_command(window, LOWORD(wParam))) {
                handle_main_command(window, LOWORD(wParam));
            }
            return 0;
        case WM_DROPFILES:
            open_dropped_file(window, reinterpret_cast<HDROP>(wParam));
            return 0;
        case kShowStartUpMessage:
            show_start_up_message(window);
            return 0;
        case WM_ENDSESSION:
            if (wParam) {
                save_last_session();
                remove_run_marker();
            }
            return 0;
        case WM_TIMER:
            if (wParam == IDT_LAST_SESSION) {
                keep_last_session();
            } else {
                handle_mark_timer(window);
            }
            return 0;
        case WM_LBUTTONUP:
            handle_candidate_click(window, 0, lParam);
            return 0;
        case WM_RBUTTONUP:
            handle_candidate_click(window, 1, lParam);
            return 0;
        case WM_CLOSE:
            if (close_session(window)) {
                DestroyWindow(window);
            }
            return 0;
        case WM_DPICHANGED:
            follow_dpi(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY: {
            WindowHandles& handles = window_handles();
            delete_drawing_objects(handles);
            handles.normalFont = handles.underlineFont = nullptr;
            handles.blackPen = handles.predictPen = nullptr;
            DestroyAcceleratorTable(handles.accelerators);
            handles.accelerators = nullptr;
            remove_run_marker();
            PostQuitMessage(0);
            return 0;
        }
        case DM_GETDEFID:
            return enter_command();
        case WM_ACTIVATE:
        case WM_SETFOCUS:
            if (keep_control_focus(window, message, wParam, window_handles().focusedControl)) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool open_main_window(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen) {
    WindowHandles& handles = window_handles();
    handles.instance = instance;
    // Buttons and edit boxes take the visual styles of Common Controls 6 (see the manifest).
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const WideText className = wide_from_shift_jis(kClassName);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = main_window_procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = static_cast<HCURSOR>(
        LoadImageW(nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = className.text;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    handles.accelerators = create_key_table();
    reset_session_file();
    const SIZE size = main_window_size(system_dpi());
    HWND window =
        CreateWindowExW(0, className.text, window_title(L"", false).c_str(), WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance,
                        const_cast<std::wstring*>(&fileToOpen));
    if (window == nullptr) {
        return false;
    }
    // Made on a monitor of another DPI than the system's: the size for that one.
    const SIZE shown = main_window_size(window_dpi(window));
    SetWindowPos(window, nullptr, 0, 0, shown.cx, shown.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    handles.mainWindow = window;
    show_keys_in_menu(GetMenu(window));
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

void process_message(MSG& message) {
    const WindowHandles& handles = window_handles();
    if (handles.accelerators != nullptr && !key_for_edit_box(message) &&
        TranslateAcceleratorW(handles.mainWindow, handles.accelerators, &message)) {
        if (message.message == WM_SYSKEYDOWN) {
            // Alt went down with a key of ours: the default handling must see that key, or it
            // takes Alt for pressed alone and opens the menu as Alt goes up.
            DefWindowProcW(message.hwnd, message.message, message.wParam, message.lParam);
        }
        return;
    }
    // Tab, Shift+Tab and Enter move and act as in a dialog.
    if ((handles.mainWindow != nullptr && IsDialogMessageW(handles.mainWindow, &message)) ||
        handle_tool_window_keys(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0 && result != -1) {
        process_message(message);
    }
    return static_cast<int>(message.wParam);
}

int run_program(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen) {
    if (!open_main_window(instance, showCommand, fileToOpen)) {
        return 0;
    }
    return run_message_loop();
}

void enable_unit_items(HWND window, bool enabled) {
    HMENU menu = GetMenu(window);
    for (const int item : kItemsNeedingAUnit) {
        EnableMenuItem(menu, item, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    show_edit_items(window);
    enable_happened_item(window);
}

void invalidate_window(HWND window) {
    // A null window would mean every window on the desktop.
    if (window != nullptr) {
        InvalidateRect(window, nullptr, FALSE);
        enable_happened_item(window);
    }
    // What changed the main window may have made the results stale, moved lane 0 or, opening a
    // session, brought another plan.
    follow_main_window();
    show_plan_steps();
    show_record();
    show_edit_items(window_handles().mainWindow);
    show_session_title();
}
