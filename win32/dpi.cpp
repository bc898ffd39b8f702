#include "win32/dpi.h"

namespace {

// Looked up at run time, so that the program still starts on a Windows that lacks them.
template <class Function>
Function user32_function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int system_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int window_dpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = get_dpi != nullptr && window != nullptr ? static_cast<int>(get_dpi(window)) : 0;
    return dpi > 0 ? dpi : system_dpi();
}

SIZE window_size_for_client(int width, int height, DWORD style, bool menu, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = user32_function<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (adjust == nullptr || !adjust(&rect, style, menu, 0, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, menu, 0);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}
