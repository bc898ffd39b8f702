#pragma once

// What the Win32 tests share: a working folder with the start-up files, the program opened and
// closed in this process, and ways to read back what the window shows.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tools/pictures/session.h"
#include "view/resource.h"
#include "win32/main_window.h"

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void write_file(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh working folder holding the given start-up files (nullptr: no such file), and an empty
// %APPDATA% of its own below it.
struct WorkingFolder {
    WorkingFolder(const char* characterText, const char* growText) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);  // left by a run that was cut short
        std::filesystem::create_directories(appData / "Soramito");
        SetEnvironmentVariableW(L"APPDATA", appData.c_str());
        for (const auto& [name, text] :
             {std::pair{"character.txt", characterText}, std::pair{"grow.txt", growText}}) {
            if (text != nullptr) {
                write_file(path / name, text);
            }
        }
        SetCurrentDirectoryW(path.c_str());
    }
    ~WorkingFolder() {
        SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("soramito-" + std::to_string(GetCurrentProcessId()));
    const std::filesystem::path appData = path / "appdata";
    const std::filesystem::path lastSession = appData / "Soramito" / "last-session.json";
};

// アルト (連続, factor 2) and ミナト (怒り, factor 3) against 山賊ガロ and 山賊 (反撃); アルト's
// and ミナト's growth rows, then the 50 rows a whole file has besides.
inline const char* const kUnitFile =
    "2,2\r\nアルト,2,7,\r\nミナト,3,0,\r\n山賊ガロ,1,15,\r\n山賊,0,15,\r\n";
inline const std::string kGrowthFile = [] {
    std::string rows = "80,50,10,40,60,30,5,45,0,30\r\n55,90,40,70,70,90,60,35,0,20\r\n";
    for (int row = 2; row < 52; ++row) {
        rows += "0,0,0,0,0,0,0,0,0,0\r\n";
    }
    return rows;
}();

// The worked battle, lane 0 on sequence 17 at 30 and lane 1 on 5 at 100, and the marks that leave
// 0, 16 and 51.
inline constexpr char8_t kWorkedSession[] =
    u8R"({"ally": {"name": "アルト", "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0],
    "followUpCritFactor": 2}, "enemy": {"name": "山賊ガロ",
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}, "eventSwitches": [0, 1, 0, 0],
    "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30],
    "lanes": [{"seedIndex": 17, "position": 30}, {"seedIndex": 5, "position": 100}],
    "marks": "×××○○×××○×○×○○×○×○○×"})";

inline std::wstring window_text(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

// The texts of several items of a dialog, "|" after each.
inline std::wstring texts(HWND dialog, std::initializer_list<int> ids) {
    std::wstring joined;
    for (int id : ids) {
        joined += window_text(GetDlgItem(dialog, id)) + L"|";
    }
    return joined;
}

// The program's window while it stands, its controller and what it works on.
inline MainWindow& program() {
    return *MainWindow::current();
}
inline Controller& controller() {
    return *program().controller();
}
inline const WindowState& window_state() {
    return controller().state();
}
inline HWND main_window() {
    return program().window();
}

inline bool grayed(int item) {
    return GetMenuState(GetMenu(main_window()), item, MF_BYCOMMAND) & MF_GRAYED;
}

// The program as a new process starts it, with a session file to open as from the command line
// if one is given; closing it as the user does returns its exit code.
inline void open_program(const std::filesystem::path& file = {}) {
    EXPECT_NE(MainWindow::open(GetModuleHandleW(nullptr), SW_SHOW, file.wstring()), nullptr);
    EXPECT_TRUE(pump_messages(50));
}

inline int close_program() {
    PostMessageW(main_window(), WM_CLOSE, 0, 0);
    return run_message_loop();
}

// The message box shown while action runs, answered with a click on button: its caption and
// text, "(none)" when none showed.
inline std::wstring answer_box(const std::function<void()>& action, int button) {
    std::wstring box = L"(none)";
    with_boxes(action, [&](HWND shown) {
        box = window_text(shown) + L"|" + window_text(GetDlgItem(shown, 0xFFFF));
        click(shown, button);
    });
    return box;
}

// Closing, answering "not saved" should the session differ from its file.
inline void close_program_without_saving() {
    answer_box([] { EXPECT_EQ(close_program(), 0); }, IDNO);
}

inline std::vector<std::wstring> list_box_lines(HWND list) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
        wchar_t line[256] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.emplace_back(line);
    }
    return lines;
}

// The edit box that a dialog's box types into, and text typed there over what it holds.
inline HWND edit_of(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    HWND child = GetWindow(box, GW_CHILD);
    return child != nullptr ? child : box;
}

inline void retype(HWND dialog, int id, const std::wstring& text) {
    HWND edit = edit_of(dialog, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t c : text) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
}

// The messages of one kind sent to the thread's windows while it lives, as a hook sees them
// before they are handled: the window and, for a balloon, its text. A menu opened from the
// keyboard is shut again at once, so that the test goes on.
struct SentMessages {
    using Sent = std::pair<HWND, std::wstring>;
    static inline UINT watched = 0;
    static inline std::vector<Sent> seen;
    static LRESULT CALLBACK record(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent.message == watched) {
            const bool balloon = sent.message == EM_SHOWBALLOONTIP;
            seen.emplace_back(
                sent.hwnd,
                balloon ? reinterpret_cast<const EDITBALLOONTIP*>(sent.lParam)->pszText : L"");
            if (sent.message == WM_SYSCOMMAND && (sent.wParam & 0xFFF0) == SC_KEYMENU) {
                SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
                    KillTimer(nullptr, timer);
                    EndMenu();
                });
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    explicit SentMessages(UINT kind) {
        watched = kind;
        seen.clear();
    }
    ~SentMessages() { UnhookWindowsHookEx(hook); }
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record, nullptr, GetCurrentThreadId());
};

// The program on the worked units, opened in a working folder of its own.
struct Program : ::testing::Test {
    Program() { open_program(); }
    ~Program() override { EXPECT_EQ(close_program(), 0); }
    static void dialog(int menuCommand, std::function<void(HWND)> script) {
        EXPECT_TRUE(with_dialog(menuCommand, std::move(script))) << menuCommand;
    }
    // The session written into the working folder, UTF-8 as files hold it (the sources compile to
    // Shift-JIS), and opened as 開く opens it.
    std::filesystem::path open_written(const char* name, const char8_t* json) {
        const std::filesystem::path path = folder.path / name;
        write_file(path, reinterpret_cast<const char*>(json));
        EXPECT_TRUE(program().files().open_file(path.wstring()));
        return path;
    }
    WorkingFolder folder{kUnitFile, kGrowthFile.c_str()};  // made before the program opens
};
