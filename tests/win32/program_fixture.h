#pragma once

// What the Win32 tests share: a working folder with the start-up files, the program opened and
// closed in this process, and ways to read back what the window shows. It brings what every test
// file of the window uses.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "tools/pictures/session.h"
#include "view/resource.h"
#include "win32/program.h"
#include "win32/session_files.h"

// A fresh working folder holding the given start-up files (nullptr: no such file), and an empty
// %APPDATA% of its own below it.
struct WorkingFolder {
    WorkingFolder(const char* characterText, const char* growText);
    ~WorkingFolder();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("soramito-" + std::to_string(GetCurrentProcessId()));
    const std::filesystem::path appData = path / "appdata";
    const std::filesystem::path lastSession = appData / "Soramito" / "last-session.json";
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, std::string_view text);
// A session's JSON, UTF-8 as files hold it (the sources compile to Shift-JIS).
void write_file(const std::filesystem::path& path, const char8_t* text);

// アルト (連続, factor 2) and ミナト (怒り, factor 3) against 山賊ガロ and 山賊 (反撃), with
// アルト's and ミナト's growth rows.
extern const char* const kUnitFile;
extern const char* const kGrowthFile;

// The worked battle, lane 0 on sequence 17 at 30 and lane 1 on 5 at 100, and the marks that leave
// 0, 16 and 51.
inline constexpr char8_t kWorkedSession[] =
    u8R"({"ally": {"name": "アルト", "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0],
    "followUpCritFactor": 2}, "enemy": {"name": "山賊ガロ",
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}, "eventSwitches": [0, 1, 0, 0],
    "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30],
    "lanes": [{"seedIndex": 17, "position": 30}, {"seedIndex": 5, "position": 100}],
    "marks": "×××○○×××○×○×○○×○×○○×"})";

std::wstring window_text(HWND window);

// The texts of several items of a dialog, "|" after each.
std::wstring texts(HWND dialog, std::initializer_list<int> ids);

HWND main_window();

// The program from a new process's zeroed state, also with a session file to open as from the
// command line; closing it as the user does returns its exit code.
void open_program();
void open_program_with(const std::filesystem::path& file);
int close_program();
// The same, answering "not saved" should the session differ from its file.
int close_program_without_saving();

// Everything the window draws, where and in which font and colour.
std::string drawing();

// The lines of a list box.
std::vector<std::wstring> list_box_lines(HWND list);

// The text drawn right after the last drawn text that is label.
std::wstring drawn_after(const std::wstring& label);

bool grayed(int item);

// The message box shown while action runs, answered with a click on button: its caption and
// text, "(none)" when none showed.
std::wstring answer_box(const std::function<void()>& action, int button);

// The edit box that a dialog's box types into, and text typed there over what it holds.
HWND edit_of(HWND dialog, int id);
void retype(HWND dialog, int id, const std::wstring& text);

// The messages of one kind sent to the thread's windows while it lives, as a hook sees them
// before they are handled: the window, the word parameter and, for a balloon, its text. A menu
// opened from the keyboard is shut again at once, so that the test goes on.
struct SentMessages {
    explicit SentMessages(UINT kind);
    ~SentMessages();
    struct Sent {
        HWND window;
        WPARAM wParam;
        std::wstring text;
    };
    static inline UINT watched = 0;
    static inline std::vector<Sent> seen;
    HHOOK hook;
};

// The program on the worked units, opened in a working folder of its own.
struct Program : ::testing::Test {
    Program() { open_program(); }
    ~Program() override { EXPECT_EQ(close_program(), 0); }
    static void dialog(int menuCommand, std::function<void(HWND)> script) {
        EXPECT_TRUE(with_dialog(menuCommand, std::move(script))) << menuCommand;
    }
    // The session written into the working folder and opened as 開く opens it.
    std::filesystem::path open_written(const char* name, const char8_t* json) {
        const std::filesystem::path path = folder.path / name;
        write_file(path, json);
        EXPECT_TRUE(open_session_file(main_window(), path.wstring()));
        return path;
    }
    WorkingFolder folder{kUnitFile, kGrowthFile};  // made before the program opens
};
