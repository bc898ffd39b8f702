// A monkey in the window: starts the real program and plays it with random input from a seed —
// menu commands, keys, clicks on the lanes and candidates, text into the boxes, the dialogs
// filled at random and closed, the message boxes answered, the tool windows — until the time is
// up, then closes it. It fails, printing the seed and the last inputs, when the program crashes
// or leaves a message unanswered for 2 seconds. A program that closes cleanly (終了, Alt+F4) is
// started again, so that the next start reads the session the last one kept.
//
// usage: monkey.exe PROGRAM.exe SECONDS SEED APPDATA_FOLDER
// Run in the folder holding character.txt and grow.txt, on a display (under Wine: Xvfb).

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kAnswerMilliseconds = 2000;
constexpr int kRecentInputs = 20;
constexpr int kMainMenu = 101;  // the main window's menu resource

struct Failure {
    std::string what;
};

class Monkey {
public:
    Monkey(std::wstring program, unsigned seed) : program_(std::move(program)), random_(seed) {}

    void run(DWORD milliseconds);
    void close_program();
    void print_recent(std::FILE* out) const;
    int inputs() const { return inputs_; }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }

    void start_program();
    void note(const std::string& input);
    void check();
    std::vector<HWND> shown_windows() const;
    HWND modal_window() const;

    void play_main_window();
    void play_tool_window(HWND window);
    void play_dialog(HWND dialog);

    void menu_command();
    void key_press();
    void click(HWND window, int x, int y, bool right, bool twice = false);
    void press(HWND button);
    void type_text(HWND box);
    std::wstring random_text();

    std::wstring program_;
    std::mt19937 random_;
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    std::deque<std::string> recent_;
    int inputs_ = 0;
};

std::string narrow(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(std::char_traits<char>::length(out.c_str()));
    return out;
}

std::wstring class_of(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring text_of(HWND window) {
    wchar_t text[256] = L"";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kAnswerMilliseconds, &ignored);
    return text;
}

LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                        &result);
    return static_cast<LRESULT>(result);
}

std::vector<HWND> children_of(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            if (IsWindowVisible(child) && IsWindowEnabled(child)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

void Monkey::start_program() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = L"\"" + program_ + L"\"";
    if (!CreateProcessW(program_.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw Failure{"cannot start the program"};
    }
    // The window, once the start-up is through (its messages answered).
    for (int wait = 0; wait < 300 && main_ == nullptr; ++wait) {
        Sleep(100);
        EnumThreadWindows(
            process_.dwThreadId,
            [](HWND window, LPARAM found) {
                if (class_of(window) == L"template") {
                    *reinterpret_cast<HWND*>(found) = window;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&main_));
    }
    if (main_ == nullptr) {
        throw Failure{"the program showed no window within 30 s"};
    }
}

// Every input goes to the log as it is made; the last ones are printed again on a failure.
void Monkey::note(const std::string& input) {
    ++inputs_;
    std::printf("> %s\n", input.c_str());
    std::fflush(stdout);
    recent_.push_back(input);
    if (recent_.size() > kRecentInputs) {
        recent_.pop_front();
    }
}

void Monkey::print_recent(std::FILE* out) const {
    std::fprintf(out, "the last %zu inputs:\n", recent_.size());
    for (const std::string& input : recent_) {
        std::fprintf(out, "  %s\n", input.c_str());
    }
}

// The program is still there and answers; a clean exit (終了, Alt+F4) starts it again.
void Monkey::check() {
    DWORD code = STILL_ACTIVE;
    // A window that is gone has been closed: the process ends soon after.
    const DWORD wait = IsWindow(main_) ? 0 : 10000;
    if (WaitForSingleObject(process_.hProcess, wait) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.hProcess, &code);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        main_ = nullptr;
        if (code != 0) {
            char what[64];
            std::snprintf(what, sizeof what, "the program crashed (exit code 0x%lX)", code);
            throw Failure{what};
        }
        note("(the program closed; started again)");
        start_program();
        return;
    }
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                            &ignored) == 0) {
        if (IsWindow(main_)) {
            // A crash holds the program while Wine's debugger writes its backtrace, which
            // takes longer than 2 s: the crash is the finding then, not the silence.
            if (WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0) {
                check();
                return;
            }
            throw Failure{"the program left a message unanswered for 2 s"};
        }
        check();  // closed meanwhile
    }
}

std::vector<HWND> Monkey::shown_windows() const {
    std::vector<HWND> windows;
    EnumThreadWindows(
        process_.dwThreadId,
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The dialog or message box that has the input, if one is up: a modal one disables its owner.
HWND Monkey::modal_window() const {
    for (HWND window : shown_windows()) {
        if (class_of(window) == L"#32770" && IsWindowEnabled(window)) {
            return window;
        }
    }
    return nullptr;
}

void Monkey::run(DWORD milliseconds) {
    start_program();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        if (HWND dialog = modal_window()) {
            play_dialog(dialog);
        } else {
            std::vector<HWND> tools;
            for (HWND window : shown_windows()) {
                if (window != main_ && GetWindow(window, GW_OWNER) == main_ &&
                    class_of(window) != L"#32770") {
                    tools.push_back(window);
                }
            }
            if (!tools.empty() && chance(20)) {
                play_tool_window(
                    tools[static_cast<std::size_t>(pick(static_cast<int>(tools.size())))]);
            } else {
                play_main_window();
            }
        }
        // As a player would, the next input waits until the program has taken this one (a dialog
        // it opens is up, a window it closes is gone).
        WaitForInputIdle(process_.hProcess, kAnswerMilliseconds);
        Sleep(static_cast<DWORD>(10 + pick(60)));
        check();
    }
}

// Closes the program as a player would, answering every question with いいえ or キャンセル.
void Monkey::close_program() {
    note("close the window");
    PostMessageW(main_, WM_CLOSE, 0, 0);
    for (int wait = 0; wait < 200; ++wait) {
        if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process_.hProcess, &code);
            if (code != 0) {
                char what[64];
                std::snprintf(what, sizeof what, "the program crashed as it closed (0x%lX)", code);
                throw Failure{what};
            }
            return;
        }
        if (HWND box = modal_window()) {
            const bool question = GetDlgItem(box, IDNO) != nullptr;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(question ? IDNO : IDCANCEL, BN_CLICKED), 0);
            if (!question) {
                PostMessageW(main_, WM_CLOSE, 0, 0);
            }
        }
    }
    throw Failure{"the program did not close within 10 s"};
}

void Monkey::play_main_window() {
    switch (pick(10)) {
        case 0:
        case 1:
            menu_command();
            break;
        case 2:
        case 3:
            key_press();
            break;
        case 4:
        case 5: {
            // The candidates' and near sequences' lines, where most clicks mean something.
            const int x = 470 + pick(240);
            const int y = chance(50) ? 470 + pick(20) : 492 + pick(20);
            click(main_, x, y, chance(40));
            break;
        }
        case 6: {
            RECT client{};
            GetClientRect(main_, &client);
            click(main_, pick(client.right + 1), pick(client.bottom + 1), chance(30));
            break;
        }
        default: {
            const std::vector<HWND> children = children_of(main_);
            std::vector<HWND> boxes;
            for (HWND child : children) {
                if (_wcsicmp(class_of(child).c_str(), L"Edit") == 0) {
                    boxes.push_back(child);
                }
            }
            if (!boxes.empty()) {
                type_text(boxes[static_cast<std::size_t>(pick(static_cast<int>(boxes.size())))]);
            }
            break;
        }
    }
}

void Monkey::menu_command() {
    struct Item {
        UINT id;
        std::wstring text;
    };
    std::vector<Item> items;
    const auto collect = [&items](HMENU menu, auto& self) -> void {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = L"";
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            if (HMENU sub = GetSubMenu(menu, i)) {
                self(sub, self);
            } else if ((state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) == 0) {
                items.push_back({GetMenuItemID(menu, i), text});
            }
        }
    };
    // Another process's menu cannot be read under Wine, so its items come from the program's
    // resources; a grayed item is chosen too, as the program must take any command safely.
    HMODULE resources = LoadLibraryExW(program_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = resources != nullptr ? LoadMenuW(resources, MAKEINTRESOURCEW(kMainMenu)) : nullptr;
    if (menu != nullptr) {
        collect(menu, collect);
        DestroyMenu(menu);
    }
    if (resources != nullptr) {
        FreeLibrary(resources);
    }
    if (items.empty()) {
        throw Failure{"the program's menu cannot be read from its resources"};
    }
    const Item& item = items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
    note("menu " + narrow(item.text));
    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
}

void press_keys(const std::vector<WORD>& modifiers, WORD key) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD modifier : modifiers) {
        add(modifier, false);
    }
    add(key, false);
    add(key, true);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) {
        add(*m, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Monkey::key_press() {
    struct Key {
        const char* name;
        std::vector<WORD> modifiers;
        WORD key;
    };
    static const std::vector<Key> keys = {
        {"Tab", {}, VK_TAB},
        {"Shift+Tab", {VK_SHIFT}, VK_TAB},
        {"Enter", {}, VK_RETURN},
        {"Esc", {}, VK_ESCAPE},
        {"Space", {}, VK_SPACE},
        {"Ctrl+Enter", {VK_CONTROL}, VK_RETURN},
        {"Ctrl+F", {VK_CONTROL}, 'F'},
        {"Ctrl+L", {VK_CONTROL}, 'L'},
        {"Ctrl+K", {VK_CONTROL}, 'K'},
        {"Ctrl+Z", {VK_CONTROL}, 'Z'},
        {"Ctrl+Y", {VK_CONTROL}, 'Y'},
        {"Ctrl+N", {VK_CONTROL}, 'N'},
        {"Ctrl+O", {VK_CONTROL}, 'O'},
        {"Ctrl+S", {VK_CONTROL}, 'S'},
        {"Alt+Left", {VK_MENU}, VK_LEFT},
        {"Alt+Right", {VK_MENU}, VK_RIGHT},
        {"Alt+Up", {VK_MENU}, VK_UP},
        {"Alt+Down", {VK_MENU}, VK_DOWN},
        {"Alt+Shift+Left", {VK_MENU, VK_SHIFT}, VK_LEFT},
        {"Alt+Shift+Right", {VK_MENU, VK_SHIFT}, VK_RIGHT},
        {"Alt+Shift+Up", {VK_MENU, VK_SHIFT}, VK_UP},
        {"Alt+Shift+Down", {VK_MENU, VK_SHIFT}, VK_DOWN},
        {"Left", {}, VK_LEFT},
        {"Right", {}, VK_RIGHT},
        {"Up", {}, VK_UP},
        {"Down", {}, VK_DOWN},
        {"Alt", {}, VK_MENU},
        {"Alt+F", {VK_MENU}, 'F'},
        {"Alt+E", {VK_MENU}, 'E'},
        {"Alt+C", {VK_MENU}, 'C'},
    };
    SetForegroundWindow(main_);
    if (chance(25)) {
        const bool lane1 = chance(40);
        const WORD digit = static_cast<WORD>('1' + pick(9));
        note(std::string(lane1 ? "Ctrl+Shift+" : "Ctrl+") + static_cast<char>(digit));
        press_keys(lane1 ? std::vector<WORD>{VK_CONTROL, VK_SHIFT} : std::vector<WORD>{VK_CONTROL},
                   digit);
        return;
    }
    const Key& key = keys[static_cast<std::size_t>(pick(static_cast<int>(keys.size())))];
    note(std::string("key ") + key.name);
    press_keys(key.modifiers, key.key);
}

// A button pressed once the program has taken the last input, and only while its window takes
// input, as a player's click: a window that waits under another (a file dialog under its own
// message) takes none. Pressed then, Wine's file dialog crashes.
void Monkey::press(HWND button) {
    WaitForInputIdle(process_.hProcess, kAnswerMilliseconds);
    if (button == nullptr || !IsWindowEnabled(GetAncestor(button, GA_ROOT))) {
        note("(no click: the window waits under another)");
        return;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
}

void Monkey::click(HWND window, int x, int y, bool right, bool twice) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    SetForegroundWindow(window);
    SetCursorPos(at.x, at.y);
    char input[96];
    std::snprintf(input, sizeof input, "%s%s click at %d,%d of %s", twice ? "double " : "",
                  right ? "right" : "left", x, y, narrow(class_of(window)).c_str());
    note(input);
    for (int times = twice ? 2 : 1; times > 0; --times) {
        INPUT inputs[2]{};
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_MOUSE;
            inputs[i].mi.dwFlags = right ? (i == 0 ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                                         : (i == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
        }
        SendInput(2, inputs, sizeof(INPUT));
    }
}

std::wstring Monkey::random_text() {
    static const std::wstring marks = L"○×ox●◎XOcC";
    std::wstring text;
    switch (pick(5)) {
        case 0:  // marks, as a player types them
            for (int n = 1 + pick(40); n > 0; --n) {
                text += marks[static_cast<std::size_t>(pick(static_cast<int>(marks.size())))];
            }
            break;
        case 1:  // a number, sometimes off the lists or full width
            text = std::to_wstring(pick(6000) - 1000);
            if (chance(20)) {
                for (wchar_t& c : text) {
                    c = c >= L'0' && c <= L'9' ? static_cast<wchar_t>(c - L'0' + L'０') : c;
                }
            }
            break;
        case 2:  // junk: what a Japanese keyboard and IME can give, control characters, a lone
                 // surrogate. Not every script: Wine's own text shaping (gdi32's GPOS) crashes
                 // drawing some of them in an edit box, a fault of Wine that Windows does not have.
            for (int n = 1 + pick(30); n > 0; --n) {
                static const std::pair<int, int> ranges[] = {{0x01, 0x7F},     {0xA0, 0xFF},
                                                             {0x3000, 0x30FF}, {0x4E00, 0x9FFF},
                                                             {0xFF01, 0xFF9F}, {0xD800, 0xDFFF}};
                const auto& [low, high] = ranges[pick(6)];
                text += static_cast<wchar_t>(low + pick(high - low + 1));
            }
            break;
        case 3:  // 600 characters
            for (int n = 0; n < 600; ++n) {
                text += marks[static_cast<std::size_t>(pick(static_cast<int>(marks.size())))];
            }
            break;
        default:
            text = chance(50) ? L"" : L"12abc";
            break;
    }
    return text;
}

// Text into a box: typed key by key when short, else set whole as a paste would.
void Monkey::type_text(HWND box) {
    const std::wstring text = random_text();
    note("text (" + std::to_string(text.size()) + " characters) into a box of " +
         narrow(class_of(GetParent(box))));
    if (text.size() > 40 || chance(30)) {
        send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    RECT inside{};
    GetClientRect(box, &inside);
    click(box, inside.right / 2, inside.bottom / 2, false);
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (chance(30)) {
        note("key Enter");
        press_keys({}, VK_RETURN);
    }
}

void Monkey::play_tool_window(HWND window) {
    const std::vector<HWND> children = children_of(window);
    if (children.empty() || chance(10)) {
        note("close " + narrow(text_of(window)));
        PostMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    HWND child = children[static_cast<std::size_t>(pick(static_cast<int>(children.size())))];
    const std::wstring kind = class_of(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0 && chance(40)) {
        note("button " + narrow(text_of(child)) + " of " + narrow(text_of(window)));
        press(child);
        return;
    }
    RECT inside{};
    GetClientRect(child, &inside);
    click(child, pick(inside.right + 1), pick(inside.bottom + 1), false, chance(30));
    if (chance(30)) {
        const bool copy = chance(50);
        note(copy ? "key Ctrl+C" : "key Enter");
        press_keys(copy ? std::vector<WORD>{VK_CONTROL} : std::vector<WORD>{},
                   copy ? 'C' : VK_RETURN);
    }
}

// A dialog or message box: a few controls set at random, then OK, キャンセル or another button.
void Monkey::play_dialog(HWND dialog) {
    const std::vector<HWND> children = children_of(dialog);
    const std::wstring title = text_of(dialog);
    // The common file dialog: a name in the working folder, or キャンセル.
    if (GetDlgItem(dialog, 1148) != nullptr || GetDlgItem(dialog, 1152) != nullptr) {
        if (chance(50)) {
            note("file dialog " + narrow(title) + ": キャンセル");
            press(GetDlgItem(dialog, IDCANCEL));
            return;
        }
        // junk.json is no session; the start-up files are never written over.
        static const wchar_t* const names[] = {L"monkey.json", L"samples\\turn-plan.json",
                                               L"junk.json", L"monkey.csv"};
        const wchar_t* name = names[pick(4)];
        note("file dialog " + narrow(title) + ": " + narrow(name));
        HWND box = GetDlgItem(dialog, 1148) != nullptr ? GetDlgItem(dialog, 1148)
                                                       : GetDlgItem(dialog, 1152);
        send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        press(GetDlgItem(dialog, IDOK));
        return;
    }
    std::vector<HWND> ends;
    for (HWND child : children) {
        const int id = GetDlgCtrlID(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        if (_wcsicmp(class_of(child).c_str(), L"Button") == 0 &&
            (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) &&
            (id == IDOK || id == IDCANCEL || id == IDYES || id == IDNO)) {
            ends.push_back(child);
        }
    }
    const bool messageBox = GetDlgItem(dialog, 0xFFFF) != nullptr && children.size() <= 5;
    if (!messageBox) {
        for (int n = pick(6); n > 0 && !children.empty(); --n) {
            HWND child =
                children[static_cast<std::size_t>(pick(static_cast<int>(children.size())))];
            const std::wstring kind = class_of(child);
            const int id = GetDlgCtrlID(child);
            if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) {
                const int count = static_cast<int>(send(child, CB_GETCOUNT, 0, 0));
                if (count > 0 && chance(70)) {
                    const int entry = pick(count);
                    note("pick " + std::to_string(entry) + " in list " + std::to_string(id));
                    send(child, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
                    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(child));
                } else if (HWND box = GetWindow(child, GW_CHILD)) {
                    const std::wstring text = random_text();
                    note("text into list " + std::to_string(id));
                    send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
                }
            } else if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
                const std::wstring text = random_text();
                note("text (" + std::to_string(text.size()) + ") into box " + std::to_string(id));
                send(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            } else if (_wcsicmp(kind.c_str(), L"ListBox") == 0) {
                const int count = static_cast<int>(send(child, LB_GETCOUNT, 0, 0));
                if (count > 0) {
                    note("row in list box " + std::to_string(id));
                    send(child, LB_SETCURSEL, static_cast<WPARAM>(pick(count)), 0);
                    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(child));
                }
            } else if (_wcsicmp(kind.c_str(), L"Button") == 0 && id != IDOK && id != IDCANCEL) {
                note("button " + narrow(text_of(child)) + " (" + std::to_string(id) + ")");
                press(child);
            }
            Sleep(10);
        }
    }
    if (ends.empty() || (!messageBox && chance(15))) {
        return;  // left open for another round
    }
    HWND end = ends[static_cast<std::size_t>(pick(static_cast<int>(ends.size())))];
    note((messageBox ? "answer " : "close ") + narrow(title) + " with " + narrow(text_of(end)));
    press(end);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: monkey.exe PROGRAM.exe SECONDS SEED APPDATA_FOLDER\n");
        return 2;
    }
    const DWORD seconds = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    const unsigned seed = static_cast<unsigned>(std::wcstoul(argv[3], nullptr, 10));
    // The program reads and keeps its last session there; Wine sets APPDATA itself otherwise.
    SetEnvironmentVariableW(L"APPDATA", argv[4]);
    std::printf("monkey: seed %u, %lu s\n", seed, seconds);
    std::fflush(stdout);
    Monkey monkey(argv[1], seed);
    try {
        monkey.run(seconds * 1000);
        monkey.close_program();
    } catch (const Failure& failure) {
        std::printf("monkey: FAILED with seed %u after %d inputs: %s\n", seed, monkey.inputs(),
                    failure.what.c_str());
        monkey.print_recent(stdout);
        return 1;
    }
    std::printf("monkey: %d inputs, no crash and no unanswered message (seed %u)\n",
                monkey.inputs(), seed);
    monkey.print_recent(stdout);
    return 0;
}
