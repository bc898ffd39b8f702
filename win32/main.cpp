#include <windows.h>

#include <shellapi.h>

#include <string>

#include "win32/main_window.h"

// soramito.exe FILE.json opens that session: Explorer's "open with" passes the file so.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring file = arguments != nullptr && count >= 2 ? arguments[1] : L"";
    LocalFree(arguments);
    return run_program(instance, showCommand, file);
}
