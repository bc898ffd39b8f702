#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "ui/program.h"
#include "ui/wide_text.h"

// The source is compiled to Shift-JIS: a literal is what the program holds in its state.
inline std::wstring wide(const char* shiftJis) {
    return wide_from_shift_jis(shiftJis).text;
}

inline std::wstring window_text(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

inline std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Dispatches the thread's messages for a while, so that timers fire and paints happen.
inline void pump_messages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ASSERT_NE(message.message, static_cast<UINT>(WM_QUIT)) << "a quit message came early";
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

// Runs handler on each modal box or dialog ("#32770") once it is shown, from inside its own
// message loop (a timer started as it is activated); the handler ends it.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<void(HWND)> handler) : handler_(std::move(handler)) {
        current() = this;
        hook_ = SetWindowsHookExW(WH_CBT, on_event, nullptr, GetCurrentThreadId());
    }
    ~DialogWatcher() {
        UnhookWindowsHookEx(hook_);
        current() = nullptr;
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    int seen() const { return seen_; }

private:
    static constexpr UINT_PTR kTimer = 0x5A5A;
    static DialogWatcher*& current() {
        static DialogWatcher* watcher = nullptr;
        return watcher;
    }
    static LRESULT CALLBACK on_event(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current() != nullptr) {
            HWND window = reinterpret_cast<HWND>(wParam);
            if (class_of(window) == L"#32770") {
                SetTimer(window, kTimer, 10, on_timer);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK on_timer(HWND window, UINT, UINT_PTR timer, DWORD) {
        KillTimer(window, timer);
        if (DialogWatcher* watcher = current()) {
            ++watcher->seen_;
            watcher->handler_(window);
        }
    }
    HHOOK hook_ = nullptr;
    std::function<void(HWND)> handler_;
    int seen_ = 0;
};

// The static text of a message box.
inline std::wstring message_box_text(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

// A fresh working folder holding the given start-up files (empty name: no such file).
class WorkingFolder {
public:
    WorkingFolder(const char* characterText, const char* growText) {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("soramito-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++serial));
        std::filesystem::create_directories(path_);
        if (characterText != nullptr) {
            std::ofstream(path_ / "character.txt", std::ios::binary) << characterText;
        }
        if (growText != nullptr) {
            std::ofstream(path_ / "grow.txt", std::ios::binary) << growText;
        }
        SetCurrentDirectoryW(path_.c_str());
    }
    ~WorkingFolder() {
        SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path path_;
};

// Every test starts the program from the zeroed state a new process has.
inline void reset_program() {
    std::memset(static_cast<void*>(&app_state()), 0, sizeof(AppState));
    window_handles() = WindowHandles{};
}

inline HWND open_program() {
    reset_program();
    EXPECT_TRUE(open_main_window(GetModuleHandleW(nullptr), SW_SHOW));
    pump_messages(50);
    return window_handles().mainWindow;
}

// Closes the main window the way the user does and runs the loop to its quit message, so
// that no quit message is left for the next test; returns the loop's exit code.
inline int close_program() {
    PostMessageW(window_handles().mainWindow, WM_CLOSE, 0, 0);
    return run_message_loop();
}

inline const char* const kUnitFile =
    "2,2\r\nアルト,2,7,\r\nミナト,3,0,\r\n山賊ガロ,1,15,\r\n山賊,0,15,\r\n";
inline const char* const kGrowthFile =
    "80,50,10,40,60,30,5,45,0,30\r\n55,90,40,70,70,90,60,35,0,20\r\n";
