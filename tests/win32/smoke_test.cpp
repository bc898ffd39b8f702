// Proves the cross-build and Wine harness: a Japanese window title and a Japanese message box
// survive the Shift-JIS literal → UTF-16 path under a non-Japanese locale.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Literals are Shift-JIS bytes (-fexec-charset=CP932); the system code page under test is not.
std::wstring FromShiftJis(const char* text) {
  const int length = MultiByteToWideChar(932, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool QuitIsQueued() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

TEST(Win32Smoke, JapaneseWindowTitleRoundTrips) {
  const std::wstring title = FromShiftJis("ソラミト");
  ASSERT_EQ(title, L"\u30bd\u30e9\u30df\u30c8");

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"SoramitoSmokeWindow";
  ASSERT_NE(RegisterClassExW(&window_class), 0);

  HWND window = CreateWindowExW(0, window_class.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance,
                                nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), title);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_TRUE(UnregisterClassW(window_class.lpszClassName, instance));
  EXPECT_FALSE(QuitIsQueued());
}

// The hook cannot take arguments, so the box it meets reports here.
struct SeenBox {
  HHOOK hook = nullptr;
  bool closed = false;
  std::vector<std::wstring> statics;
};
SeenBox seen;

BOOL CALLBACK CollectStatic(HWND child, LPARAM) {
  wchar_t class_name[16] = {};
  GetClassNameW(child, class_name, 16);
  if (lstrcmpiW(class_name, L"Static") == 0) seen.statics.push_back(WindowText(child));
  return TRUE;
}

// The box is fully built by the time it is activated, and activation happens inside
// MessageBoxW's own loop, so this is where it can be read and dismissed.
LRESULT CALLBACK CloseFirstBox(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && !seen.closed) {
    const HWND box = reinterpret_cast<HWND>(wparam);
    wchar_t class_name[16] = {};
    GetClassNameW(box, class_name, 16);
    if (lstrcmpW(class_name, L"#32770") == 0) {
      seen.closed = true;
      EnumChildWindows(box, CollectStatic, 0);
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }
  return CallNextHookEx(seen.hook, code, wparam, lparam);
}

TEST(Win32Smoke, JapaneseMessageBoxShowsItsText) {
  const std::wstring text = FromShiftJis("乱数の並びが見つかりました");
  const std::wstring caption = FromShiftJis("ソラミト");
  ASSERT_FALSE(text.empty());

  seen = SeenBox{};
  seen.hook = SetWindowsHookExW(WH_CBT, CloseFirstBox, nullptr, GetCurrentThreadId());
  ASSERT_NE(seen.hook, nullptr);
  const int answer = MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
  UnhookWindowsHookEx(seen.hook);
  seen.hook = nullptr;

  EXPECT_TRUE(seen.closed);
  EXPECT_EQ(answer, IDOK);
  bool found = false;
  for (const std::wstring& shown : seen.statics) found = found || shown == text;
  EXPECT_TRUE(found) << "the box's static texts did not include the message";
  EXPECT_FALSE(QuitIsQueued());
}

}  // namespace
