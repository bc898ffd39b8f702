#include "win32/message_box.h"

int say(HWND owner, const std::wstring& text, UINT style) {
    return MessageBoxW(owner, text.c_str(), L"ソラミト", style);
}
