#include "tools/pictures/session.h"

#include <cstring>

#include "ui/program.h"
#include "ui/resource.h"
#include "ui/wide_text.h"

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
            process_message(message);
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
    for (const auto& [modifier, keys] : {std::pair{kKeyCtrl, std::pair{VK_CONTROL, VK_LCONTROL}},
                                         std::pair{kKeyShift, std::pair{VK_SHIFT, VK_LSHIFT}},
                                         std::pair{kKeyAlt, std::pair{VK_MENU, VK_LMENU}}}) {
        const BYTE state = (modifiers & modifier) != 0 ? 0x80 : 0;
        held[keys.first] = held[keys.second] = state;
    }
    SetKeyboardState(held);
    HWND target = GetFocus() != nullptr ? GetFocus() : GetActiveWindow();
    // With Alt held, a key arrives as a system key with the context bit set.
    const bool alt = (modifiers & kKeyAlt) != 0;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM context = alt ? LPARAM{1} << 29 : 0;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | scan | context);
    pump_messages(0);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 1 | scan | context | (LPARAM{3} << 30));
    pump_messages(0);
    SetKeyboardState(before);
}

void type_text(const std::wstring& text) {
    for (const wchar_t c : text) {
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
    }
    pump_messages(0);
}

bool type_pattern(const std::wstring& text) {
    SetWindowTextW(GetDlgItem(window_handles().mainWindow, IDC_MARK_EDIT), text.c_str());
    char expected[2 * kMarkTextCapacity];
    shift_jis_from_wide(text.c_str(), expected, sizeof expected);
    for (int wait = 0; wait < 300; ++wait) {
        if (std::strcmp(app_state().lastMarkText, expected) == 0) {
            return true;
        }
        pump_messages(10);
    }
    return false;
}

void command(WPARAM id) {
    SendMessageW(window_handles().mainWindow, WM_COMMAND, id, 0);
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
