#include "tools/pictures/session.h"

#include <cstring>
#include <utility>

#include "view/resource.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"

namespace {

std::function<void(HWND)> boxScript;

LRESULT CALLBACK on_cbt(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
    if (code == HCBT_ACTIVATE && std::wstring(name) == L"#32770") {
        SetTimer(reinterpret_cast<HWND>(wParam), 1, 10, [](HWND box, UINT, UINT_PTR t, DWORD) {
            KillTimer(box, t);
            boxScript(box);
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::wstring wide(const char* shiftJis) {
    return wide_string_from_shift_jis(shiftJis);
}

bool pump_messages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return false;
            }
            if (MainWindow* window = MainWindow::current()) {
                window->process_message(message);
            } else {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
    return true;
}

void press_key(UINT key, unsigned modifiers) {
    BYTE before[256] = {};
    GetKeyboardState(before);
    BYTE held[256];
    std::memcpy(held, before, sizeof held);
    HWND target = GetFocus() != nullptr ? GetFocus() : GetActiveWindow();
    // With Alt down a key arrives as a system key, with the context bit set.
    const bool alt = (modifiers & kKeyAlt) != 0;
    const auto post = [target, alt](UINT virtualKey, bool down) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM context = alt ? LPARAM{1} << 29 : 0;
        const UINT message = alt    ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP)
                             : down ? WM_KEYDOWN
                                    : WM_KEYUP;
        PostMessageW(target, message, virtualKey,
                     1 | scan | context | (down ? 0 : LPARAM{3} << 30));
        pump_messages(0);
    };
    const std::pair<unsigned, UINT> modifierKeys[] = {
        {kKeyCtrl, VK_CONTROL}, {kKeyShift, VK_SHIFT}, {kKeyAlt, VK_MENU}};
    for (const auto& [modifier, virtualKey] : modifierKeys) {
        if ((modifiers & modifier) != 0) {
            held[virtualKey] = 0x80;
            SetKeyboardState(held);
            post(virtualKey, true);
        }
    }
    post(key, true);
    for (const auto& [modifier, virtualKey] : modifierKeys) {
        if ((modifiers & modifier) != 0) {
            post(virtualKey, false);
        }
    }
    SetKeyboardState(before);
    post(key, false);
}

void type_text(const std::wstring& text) {
    for (const wchar_t c : text) {
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
    }
    pump_messages(0);
}

bool type_pattern(const std::wstring& text) {
    MainWindow& main = *MainWindow::current();
    SetWindowTextW(main.mark_edit(), text.c_str());
    char expected[2 * kMarkTextCapacity];
    shift_jis_from_wide(text.c_str(), expected, sizeof expected);
    for (int wait = 0; wait < 300; ++wait) {
        if (main.controller()->session().marks ==
            std::string(expected, strnlen(expected, kMarkTextCapacity - 1))) {
            return true;
        }
        pump_messages(10);
    }
    return false;
}

void command(WPARAM id) {
    SendMessageW(MainWindow::current()->window(), WM_COMMAND, id, 0);
}

void click(HWND dialog, int id) {
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

void press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void choose(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void with_boxes(const std::function<void()>& action, std::function<void(HWND)> script) {
    boxScript = std::move(script);
    HHOOK hook = SetWindowsHookExW(WH_CBT, on_cbt, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
}

bool with_dialog(int menuCommand, std::function<void(HWND)> script) {
    bool shown = false;
    with_boxes([&] { command(menuCommand); },
               [&](HWND dialog) {
                   shown = true;
                   script(dialog);
               });
    return shown;
}
