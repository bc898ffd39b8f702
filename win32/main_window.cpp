#include "win32/main_window.h"

#include <commctrl.h>

#include <shellapi.h>

#include "data/file_problems.h"
#include "data/growth_file.h"
#include "data/unit_file.h"
#include "text/open_file.h"
#include "text/start_up_folder.h"
#include "text/utf16.h"
#include "view/child_controls.h"
#include "view/locate_form.h"
#include "view/main_commands.h"
#include "view/resource.h"
#include "win32/dpi.h"
#include "win32/keyboard.h"
#include "win32/message_box.h"
#include "win32/roster_file.h"
#include "win32/wide_text.h"

namespace {

constexpr char kClassName[] = "template";
constexpr char kFontFace[] = "ＭＳ ゴシック";
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

// The program's window: the one object of the program's that lives in static storage, so that
// the entry, the message loop and the tests reach it. Everything else is its own.
std::unique_ptr<MainWindow>& the_main_window() {
    static std::unique_ptr<MainWindow> window;
    return window;
}

HFONT create_font(bool underline, int dpi) {
    const WideText face = wide_from_shift_jis(kFontFace);
    return CreateFontW(scale_to_dpi(16, dpi), 0, 0, 0, FW_DONTCARE, FALSE, underline ? TRUE : FALSE,
                       FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.text);
}

// Where each child control stands at dpi: its 96-dpi rectangle scaled.
RECT child_rectangle(const ChildControl& control, int dpi) {
    return RECT{scale_to_dpi(control.x, dpi), scale_to_dpi(control.y, dpi),
                scale_to_dpi(control.width, dpi), scale_to_dpi(control.height, dpi)};
}

// The window's size at dpi: its client area today's at 96 dpi, scaled; at 96 dpi exactly 800 by
// 600, as it always was.
SIZE main_window_size(int dpi) {
    const SIZE frame96 = window_size_for_client(0, 0, WS_OVERLAPPEDWINDOW, true, kBaseDpi);
    const int clientWidth = kWindowWidth - frame96.cx;
    const int clientHeight = kWindowHeight - frame96.cy;
    return window_size_for_client(scale_to_dpi(clientWidth, dpi), scale_to_dpi(clientHeight, dpi),
                                  WS_OVERLAPPEDWINDOW, true, dpi);
}

void enable_item(HMENU menu, int item, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(item),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::wstring window_text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, HWND window)
    : instance_(instance),
      window_(window),
      tools_(*this),
      files_(*this),
      results_(*this),
      plan_(*this),
      record_(*this) {}

MainWindow::~MainWindow() = default;

MainWindow* MainWindow::current() {
    return the_main_window().get();
}

HFONT MainWindow::font(DrawFont font) const {
    return font == DrawFont::kUnderline ? underlineFont_.get() : normalFont_.get();
}

HPEN MainWindow::pen(DrawPen pen) const {
    switch (pen) {
        case DrawPen::kPredict:
            return predictPen_.get();
        case DrawPen::kBlack:
            return blackPen_.get();
        case DrawPen::kDefault:
        default:
            return static_cast<HPEN>(GetStockObject(BLACK_PEN));
    }
}

// The fonts and pens at dpi; the edit boxes take the new font before the old one goes.
void MainWindow::make_drawing_objects(int dpi) {
    dpi_ = dpi;
    Font normal(create_font(false, dpi));
    for (HWND box : {markEdit_, positionEdits_[0], positionEdits_[1]}) {
        if (box != nullptr) {
            SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(normal.get()), TRUE);
        }
    }
    normalFont_ = std::move(normal);
    underlineFont_ = Font(create_font(true, dpi));
    blackPen_ = Pen(CreatePen(PS_SOLID, scale_to_dpi(1, dpi), RGB(0, 0, 0)));
    predictPen_ = Pen(CreatePen(PS_SOLID, scale_to_dpi(1, dpi), RGB(200, 200, 255)));
}

void MainWindow::create_child_controls() {
    for (const ChildControl& control : child_controls()) {
        const WideText text = wide_from_shift_jis(control.text);
        const DWORD style = control.edit
                                ? WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL
                                : WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        const RECT at = child_rectangle(control, dpi_);
        HWND child = CreateWindowExW(0, control.edit ? L"EDIT" : L"Button", text.text, style,
                                     at.left, at.top, at.right, at.bottom, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                     instance_, nullptr);
        if (control.id == IDC_MARK_EDIT) {
            markEdit_ = child;
        } else if (control.id == IDC_LANE0_POSITION) {
            positionEdits_[0] = child;
        } else if (control.id == IDC_LANE1_POSITION) {
            positionEdits_[1] = child;
        }
    }
    // The edit boxes show their text in the window's font.
    for (HWND box : {markEdit_, positionEdits_[0], positionEdits_[1]}) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont_.get()), TRUE);
    }
    // The first thing a player types is the marks.
    focusedControl_ = markEdit_;
    // The focused control shows its focus from the start, keyboard or mouse.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// The start-up: the sequences and the two files, then the controls and the session. Files that
// cannot be read are said, naming where they were looked for, and the program ends: a window
// without its controls would only mislead.
bool MainWindow::create_contents(const std::wstring& fileToOpen) {
    make_drawing_objects(window_dpi(window_));
    drawing_ = std::make_unique<DrawList>();
    tables_ = std::make_unique<Tables>();
    generate_random_tables(tables_->randomTable);
    controller_ = std::make_unique<Controller>(*tables_);
    const std::vector<std::string> folders = start_up_folders();
    const std::string folder = folder_with_unit_file(folders);
    const auto refuse = [this](const char* words, const std::string& where) {
        say(window_, wide_string_from_shift_jis(words) + L"\n" + utf16_from_utf8(where), MB_OK);
        return false;
    };
    if (folder.empty() || !load_unit_file(open_file(folder + "/character.txt", "r"), *tables_)) {
        return refuse("キャラデータを読み込めません＞＜", searched_folders_words(folders));
    }
    if (!load_growth_file(open_file(folder + "/grow.txt", "r"), *tables_)) {
        return refuse("成長率を読み込めません＞＜", searched_folders_words({folder}));
    }
    // What the two files lost as they were read, said once the window is up.
    for (const auto& [name, growthFile] :
         {std::pair{"character.txt", false}, std::pair{"grow.txt", true}}) {
        const std::string words =
            start_up_file_warning(open_file(folder + "/" + name, "r"), name, growthFile, *tables_);
        if (!words.empty()) {
            files_.say_after_start_up(wide_from_shift_jis(words).text);
        }
    }
    create_child_controls();
    DragAcceptFiles(window_, TRUE);
    std::wstring rosterSaid;
    controller_->take_roster(read_kept_roster(rosterSaid));
    if (!rosterSaid.empty()) {
        files_.say_after_start_up(rosterSaid);
    }
    controller_->add_view(*this);
    files_.open_start_up_session(fileToOpen);
    return true;
}

// The window at a new DPI: where Windows suggests, its fonts, pens and controls made for it.
void MainWindow::follow_dpi(int dpi, const RECT& suggested) {
    make_drawing_objects(dpi);
    for (const ChildControl& control : child_controls()) {
        const RECT at = child_rectangle(control, dpi);
        SetWindowPos(GetDlgItem(window_, control.id), nullptr, at.left, at.top, at.right, at.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
}

// What Enter does, as a dialog's default button: in a 移動 box its 移動, on a button that
// button; elsewhere, in the pattern box for one, nothing.
LRESULT MainWindow::enter_command() const {
    HWND focus = GetFocus();
    for (int lane = 0; lane < kLaneCount; ++lane) {
        if (focus == positionEdits_[lane]) {
            return MAKELRESULT(lane == 0 ? IDC_LANE0_JUMP : IDC_LANE1_JUMP, DC_HASDEFID);
        }
    }
    wchar_t className[16] = L"";
    GetClassNameW(focus, className, 16);
    if (focus != nullptr && GetParent(focus) == window_ && lstrcmpiW(className, L"Button") == 0) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    return 0;
}

void MainWindow::enable_items() {
    HMENU menu = GetMenu(window_);
    const Session& session = controller_->session();
    for (const int item : kItemsNeedingAUnit) {
        enable_item(menu, item, ally_is_set(session));
    }
    enable_item(menu, IDM_HAPPENED, happened_available(controller_->state()));
    enable_item(menu, IDM_DISCARD_KEPT, !session.kept.empty());
    enable_item(menu, IDM_UNDO, controller_->can_undo());
    enable_item(menu, IDM_REDO, controller_->can_redo());
    const bool advance = advance_available(session);
    enable_item(menu, IDM_ADVANCE, advance);
    HWND button = GetDlgItem(window_, IDM_ADVANCE);
    if (!advance && GetFocus() == button) {
        // A grey button cannot keep the focus: the keys would reach nothing.
        SetFocus(markEdit_);
    }
    EnableWindow(button, advance ? TRUE : FALSE);
}

// After every change: the client area, the menus, the title, the pattern box when the session
// holds other marks than it shows (元に戻す, another session), and the tool windows.
void MainWindow::show(const Controller& controller) {
    InvalidateRect(window_, nullptr, FALSE);
    enable_items();
    const std::wstring title = files_.title();
    // Set only when it changes: the title is refreshed after every change to the session.
    if (window_text_of(window_) != title) {
        SetWindowTextW(window_, title.c_str());
    }
    // A box that reads as the marks is left as it is: a text longer than is read stays whole,
    // and the caret and the box's own undo stay.
    if (!pattern_box_shows(controller.state(), pattern_box_text().c_str())) {
        SetWindowTextW(markEdit_, wide_string_from_shift_jis(controller.session().marks).c_str());
    }
    results_.follow();
    plan_.follow();
    record_.follow();
}

void MainWindow::keep_roster(const Roster& roster) {
    write_kept_roster(roster);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The object is made before the window and reached through it from here on.
        const auto& create = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto& made = *static_cast<std::unique_ptr<MainWindow>*>(create.lpCreateParams);
        made.reset(new MainWindow(create.hInstance, window));
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made.get()));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const LRESULT result = self != nullptr ? self->handle(message, wParam, lParam)
                                           : DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The object outlives its window until the next one is opened: the window may go while
        // one of its own calls still runs, a dialog's modal loop inside a change.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return result;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_COMMAND:
            // A menu item or a button says 0, a key 1; of the edit boxes' notifications, the
            // pattern box's change is read, and its losing the focus closes the typing.
            if (LOWORD(wParam) == IDC_MARK_EDIT && HIWORD(wParam) == EN_CHANGE) {
                read_pattern_box();
            } else if (LOWORD(wParam) == IDC_MARK_EDIT && HIWORD(wParam) == EN_KILLFOCUS) {
                controller_->close_typing();
            } else if (HIWORD(wParam) <= 1) {
                command(LOWORD(wParam));
            }
            return 0;
        case WM_DROPFILES:
            files_.open_dropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case kShowStartUpMessage:
            files_.show_start_up_message();
            return 0;
        case WM_ENDSESSION:
            if (wParam) {
                files_.save_last_session();
                tools_.keep_places();
                runMarker_.remove();
            }
            return 0;
        case WM_TIMER:
            if (wParam == IDT_LAST_SESSION) {
                files_.keep_last_session();
            }
            return 0;
        case WM_LBUTTONUP:
            click(0, lParam);
            return 0;
        case WM_RBUTTONUP:
            click(1, lParam);
            return 0;
        case WM_CLOSE:
            if (files_.close()) {
                DestroyWindow(window_);
            }
            return 0;
        case WM_DPICHANGED:
            follow_dpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            // The tool windows, which it owns, are gone by now, each place noted.
            tools_.keep_places();
            // The fonts and pens go with the window, not with the last message.
            normalFont_.reset();
            underlineFont_.reset();
            blackPen_.reset();
            predictPen_.reset();
            accelerators_.reset();
            runMarker_.remove();
            PostQuitMessage(0);
            return 0;
        case DM_GETDEFID:
            return enter_command();
        case WM_ACTIVATE:
        case WM_SETFOCUS:
            if (keep_control_focus(window_, message, wParam, focusedControl_)) {
                return 0;
            }
            return DefWindowProcW(window_, message, wParam, lParam);
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

MainWindow* MainWindow::open(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen) {
    // Buttons and edit boxes take the visual styles of Common Controls 6 (see the manifest).
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const WideText className = wide_from_shift_jis(kClassName);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
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
        return nullptr;
    }
    std::unique_ptr<MainWindow>& made = the_main_window();
    const SIZE size = main_window_size(system_dpi());
    HWND window = CreateWindowExW(0, className.text, window_title(L"", false).c_str(),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                                  size.cy, nullptr, nullptr, instance, &made);
    if (window == nullptr || made == nullptr) {
        return nullptr;
    }
    made->accelerators_ = AcceleratorTable(create_key_table());
    if (!made->create_contents(fileToOpen)) {
        DestroyWindow(window);
        return nullptr;
    }
    // Made on a monitor of another DPI than the system's: the size for that one.
    const SIZE shown = main_window_size(window_dpi(window));
    SetWindowPos(window, nullptr, 0, 0, shown.cx, shown.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    show_keys_in_menu(GetMenu(window));
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return made.get();
}

void MainWindow::process_message(MSG& message) {
    if (accelerators_ && !key_for_edit_box(message) &&
        TranslateAcceleratorW(window_, accelerators_.get(), &message)) {
        if (message.message == WM_SYSKEYDOWN) {
            // Alt went down with a key of ours: the default handling must see that key, or it
            // takes Alt for pressed alone and opens the menu as Alt goes up.
            DefWindowProcW(message.hwnd, message.message, message.wParam, message.lParam);
        }
        return;
    }
    // Tab, Shift+Tab and Enter move and act as in a dialog.
    if (IsDialogMessageW(window_, &message) || tools_.handle_keys(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0 && result != -1) {
        if (MainWindow* window = MainWindow::current()) {
            window->process_message(message);
        } else {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int run_program(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen) {
    return MainWindow::open(instance, showCommand, fileToOpen) != nullptr ? run_message_loop() : 1;
}
