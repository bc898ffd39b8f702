#include "win32/keyboard.h"

#include <string>
#include <vector>

#include "view/key_commands.h"
#include "win32/wide_text.h"

HACCEL create_key_table() {
    std::vector<ACCEL> table;
    for (const KeyCommand& key : key_commands()) {
        BYTE flags = FVIRTKEY;
        flags |= (key.modifiers & kKeyCtrl) != 0 ? FCONTROL : 0;
        flags |= (key.modifiers & kKeyShift) != 0 ? FSHIFT : 0;
        flags |= (key.modifiers & kKeyAlt) != 0 ? FALT : 0;
        table.push_back(ACCEL{flags, static_cast<WORD>(key.key), static_cast<WORD>(key.command)});
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

void show_keys_in_menu(HMENU menu) {
    for (const KeyCommand& key : key_commands()) {
        wchar_t text[256] = L"";
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(key.command), FALSE, &item)) {
            continue;
        }
        std::wstring shown = text;
        shown =
            shown.substr(0, shown.find(L'\t')) + L"\t" + wide_string_from_shift_jis(key_name(key));
        item.dwTypeData = shown.data();
        SetMenuItemInfoW(menu, static_cast<UINT>(key.command), FALSE, &item);
    }
}

bool key_for_edit_box(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    wchar_t className[16] = L"";
    GetClassNameW(GetFocus(), className, 16);
    if (lstrcmpiW(className, L"Edit") != 0) {
        return false;
    }
    unsigned modifiers = 0;
    modifiers |= GetKeyState(VK_CONTROL) < 0 ? kKeyCtrl : 0;
    modifiers |= GetKeyState(VK_SHIFT) < 0 ? kKeyShift : 0;
    modifiers |= GetKeyState(VK_MENU) < 0 ? kKeyAlt : 0;
    return edit_box_keeps_key(key_commands(), static_cast<int>(message.wParam), modifiers);
}

bool keep_control_focus(HWND window, UINT message, WPARAM wParam, HWND& kept) {
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) {
            kept = focus;
        }
        return false;
    }
    if (message == WM_SETFOCUS && kept != nullptr && IsWindow(kept)) {
        SetFocus(kept);
        return true;
    }
    return false;
}
