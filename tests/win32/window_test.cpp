// The program's own window and dialogs, run in this process under Wine. The full tables of
// what the commands and dialogs do are native; these prove the Win32 glue.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tools/pictures/session.h"
#include "ui/program.h"
#include "ui/resource.h"
#include "ui/wide_text.h"

namespace {

// A fresh working folder holding the given start-up files (nullptr: no such file).
class WorkingFolder {
public:
    WorkingFolder(const char* characterText, const char* growText) {
        static int serial = 0;
        path_ =
            std::filesystem::temp_directory_path() /
            ("soramito-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(path_);
        for (const auto& [name, text] :
             {std::pair{"character.txt", characterText}, std::pair{"grow.txt", growText}}) {
            if (text != nullptr) {
                std::ofstream(path_ / name, std::ios::binary) << text;
            }
        }
        SetCurrentDirectoryW(path_.c_str());
    }
    ~WorkingFolder() {
        SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    std::filesystem::path path_;
};

const char* const kUnitFile =
    "2,2\r\nアルト,2,7,\r\nミナト,3,0,\r\n山賊ガロ,1,15,\r\n山賊,0,15,\r\n";
const char* const kGrowthFile = "80,50,10,40,60,30,5,45,0,30\r\n55,90,40,70,70,90,60,35,0,20\r\n";

// The program in this process, started from the zeroed state a new process has, on the worked
// units: アルト (連続, factor 2) and 山賊ガロ (反撃). The helpers play the user.
class Program : public ::testing::Test {
public:
    static void open() {
        std::memset(static_cast<void*>(&app_state()), 0, sizeof(AppState));
        window_handles() = WindowHandles{};
        EXPECT_TRUE(open_main_window(GetModuleHandleW(nullptr), SW_SHOW));
        EXPECT_TRUE(pump_messages(50));
    }
    // Closes the main window the way the user does and runs the loop to its quit message, so
    // that no quit message is left for the next test; returns the loop's exit code.
    static int close() {
        PostMessageW(main_window(), WM_CLOSE, 0, 0);
        return run_message_loop();
    }
    // The source is compiled to Shift-JIS: a literal is what the program holds in its state.
    static std::wstring wide(const char* shiftJis) { return wide_from_shift_jis(shiftJis).text; }
    static std::wstring window_text(HWND window) {
        wchar_t text[4096] = {};
        GetWindowTextW(window, text, 4096);
        return text;
    }
    static HWND main_window() { return window_handles().mainWindow; }
    static bool grayed(int item) {
        return GetMenuState(GetMenu(main_window()), item, MF_BYCOMMAND) & MF_GRAYED;
    }
    // The texts of several items, "|" after each, and "1" for each checked box, "0" else.
    static std::wstring texts(HWND dialog, std::initializer_list<int> ids) {
        std::wstring joined;
        for (int id : ids) {
            joined += window_text(GetDlgItem(dialog, id)) + L"|";
        }
        return joined;
    }
    static std::string checks(HWND dialog, std::initializer_list<int> ids) {
        std::string marks;
        for (int id : ids) {
            marks += IsDlgButtonChecked(dialog, id) == BST_CHECKED ? "1" : "0";
        }
        return marks;
    }
    // Opens a dialog from the menu and lets script play the user inside it.
    static void with_dialog(int menuCommand, std::function<void(HWND)> script) {
        EXPECT_TRUE(::with_dialog(menuCommand, std::move(script))) << menuCommand;
    }

protected:
    Program() { open(); }
    ~Program() override { EXPECT_EQ(close(), 0); }

private:
    WorkingFolder folder_{kUnitFile, kGrowthFile};
};

// Counts the pixels of one colour in a rectangle of the painted client area.
int pixels_of(HWND window, RECT area, COLORREF color) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(window);
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            found += GetPixel(screen, x, y) == color ? 1 : 0;
        }
    }
    ReleaseDC(window, screen);
    return found;
}

TEST(StartUp, ReportsAFileThatCannotBeOpenedAndLeavesNoDrawingObjectsBehind) {
    // character.txt, grow.txt, the message, the allies read
    const std::vector<std::tuple<const char*, const char*, const char*, int>> cases = {
        {nullptr, kGrowthFile, "キャラデータを読み込めません＞＜", 0},
        {kUnitFile, nullptr, "成長率を読み込めません＞＜", 2}};
    std::vector<DWORD> objects;
    for (const auto& [characterText, growText, message, allies] : cases) {
        WorkingFolder folder(characterText, growText);
        std::vector<std::wstring> boxes;  // each box's caption and text
        with_boxes(Program::open, [&](HWND box) {
            boxes.push_back(Program::window_text(box) + L"|" +
                            Program::window_text(GetDlgItem(box, 0xFFFF)));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(boxes, std::vector<std::wstring>{L"|" + Program::wide(message)});
        // The reduced window: no controls, no unit defaults, every menu item enabled; nothing
        // needing a unit happens in it, and it still closes.
        EXPECT_EQ(
            std::make_tuple(GetWindow(Program::main_window(), GW_CHILD), app_state().allyUnitCount,
                            app_state().ally.hitRate, Program::grayed(40015)),
            std::make_tuple(HWND{}, allies, 0, false));
        command(IDM_BATTLE_RESULT);
        // Wine counts no GDI objects (0 always); Windows does. The font's handle tells under both.
        const HFONT font = window_handles().normalFont;
        EXPECT_EQ(Program::close(), 0);
        EXPECT_EQ(GetObjectType(font), 0u);
        objects.push_back(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    }
    EXPECT_EQ(objects[0], objects[1]);
    const std::string text = "a" + std::string(2 * 2100, '\x83');  // "a", then 2100 ャ
    const WideText wide = wide_from_shift_jis(text);
    EXPECT_EQ(std::wstring(wide.text, wide.length),
              L"a" + std::wstring(kWideTextCapacity - 2, Program::wide("\x83\x83")[0]));
    EXPECT_EQ(wide_from_shift_jis("\x83\x41\x83").length, 2);  // a lead byte at the end
}

TEST_F(Program, CommandsAndTypedTextReachTheStateAndThePaint) {
    HWND window = main_window();
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
    }
    EXPECT_EQ(
        std::make_tuple(window_text(window), children, window_text(GetDlgItem(window, IDC_SEARCH)),
                        grayed(40003), grayed(40008), grayed(40015)),
        std::make_tuple(wide("ソラミト  ver 0.00a"), 14, wide("検索"), false, true, true));
    AppState& state = app_state();
    command(IDC_LANE0_SEED_UP);
    // The position box is read in Shift-JIS, nine characters of it at most; a notification
    // (not a click) with the button's id does nothing, and before the status neither does 検索.
    for (const wchar_t* text : {L"25x", L"1234567890", L"\x2603"}) {
        SetWindowTextW(GetDlgItem(window, IDC_LANE1_POSITION), text);
        command(IDC_LANE1_JUMP);
    }
    SetWindowTextW(GetDlgItem(window, IDC_LANE1_POSITION), L"7");
    command(MAKEWPARAM(IDC_LANE1_JUMP, BN_SETFOCUS));
    state.eventSwitches[kSwitchReMove] = 1;
    state.searchResultCount = 7;
    command(IDC_SEARCH);
    EXPECT_EQ(
        std::make_tuple(state.lanes[0].seedIndex, state.lanes[1].position, state.searchResultCount),
        std::make_tuple(1, 25, 7));
    // Characters with no Shift-JIS form are no marks, nor is a look-alike "o".
    EXPECT_TRUE(type_pattern(L"\x014D\x2603\xD83D\xDE00o\x2603x"));
    EXPECT_EQ(state.markCount, 2);
    // A left click on a candidate sets the upper lane, a right click the lower; with one mark
    // typed wrong, a click on the first near sequence.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(484 + 48, 473));
    EXPECT_GT(pixels_of(window, {484, 473, 501, 489}, RGB(0, 0, 255)), 10);
    EXPECT_TRUE(type_pattern(wide("×××○○×○×○×○×○○×○×○○×")));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(484 + 24 + 8, 500));
    EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position,
                              state.lanes[1].seedIndex, state.lanes[1].position),
              std::make_tuple(16, 21, 51, 21));
    EXPECT_GT(pixels_of(window, {484, 495, 501, 511}, RGB(0, 0, 255)), 10);
    EXPECT_EQ(pixels_of(window, {600, 150, 640, 180}, RGB(255, 255, 255)), 40 * 30);
}

// A player's session through every dialog, from its opening to its OK, then the searches.
TEST_F(Program, PlayersSession) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_EQ(texts(dialog, {1000, 1100, 1041, 1141, 1021, 1024, 1030, 1125}),
                  wide("アルト|山賊ガロ|追撃必殺係数:2|追撃必殺係数:1|10|90|60|2|"));
        EXPECT_EQ(checks(dialog, {1008, 1108, 1116}), "101");  // 連続, the enemy's 連続, 反撃
        choose(dialog, 1000, 1);                               // ミナト: 怒り, no 連続
        EXPECT_EQ(texts(dialog, {1041}) + wide(checks(dialog, {1001, 1008}).c_str()),
                  wide("追撃必殺係数:3|10"));
        choose(dialog, 1000, 0);
        press(dialog, IDOK);
    });
    AppState& state = app_state();
    EXPECT_EQ(std::make_tuple(std::string(state.ally.name), state.growthRates[kReMoveRateIndex],
                              grayed(IDM_LEVEL_UP)),
              std::make_tuple(std::string("アルト"), 30, false));
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        EXPECT_EQ(checks(dialog, {2000, 2001, 2002, 2003, 2004}), "00000");
        click(dialog, 2001);  // 戦闘 checks and enables 予測消費; take it off again
        click(dialog, 2004);
        press(dialog, IDOK);
    });
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        EXPECT_EQ(texts(dialog, {1000, 1100, 1300, 1057}), wide("アルト|山賊ガロ|HP:現在の値|0|"));
        choose(dialog, 1301, 2);
        SetDlgItemTextW(dialog, 1058, L"0");
        click(dialog, 2001);
        press(dialog, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(std::make_tuple(state.predictSwitch, state.searchResultCount, state.searchResults[2]),
              std::make_tuple(0, 11, 6));
    // From a four-digit position the results take a second line, inside the window.
    for (const wchar_t* position : {L"3000", L"1"}) {
        SetWindowTextW(GetDlgItem(main_window(), IDC_LANE0_POSITION), position);
        command(IDC_LANE0_JUMP);
        command(IDC_SEARCH);
        EXPECT_EQ(pixels_of(main_window(), {512, 332, 784, 348}, RGB(0, 0, 0)) > 10,
                  position[1] != L'\0');
    }
    with_dialog(IDM_LEVEL_UP, [](HWND dialog) {
        EXPECT_EQ(texts(dialog, {1000, 4100, 4106, 4000}), wide("アルト| 80%|  5%|+1|"));
        click(dialog, 2000);  // ヘズルの書, stored at once
        EXPECT_EQ(texts(dialog, {4100, 4101, 4107}), L"110%| 60%| 35%|");
        click(dialog, 2000);
        for (int k : {2, 3, 5, 6, 8}) {
            choose(dialog, 4000 + k, 0);
        }
        press(dialog, IDOK);
    });
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        click(dialog, 2002);
        press(dialog, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(std::make_pair(state.booksHeld[0], state.searchResultCount), std::make_pair(0, 98));
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        SetDlgItemTextW(dialog, 1058, L"12");
        press(dialog, IDCANCEL);  // keeps what was stored
    });
    EXPECT_EQ(state.enemyCondition.n, 0);
}

// A player types figures key by key into the status dialog's boxes, three characters each; a
// "&" in a unit's name is shown as itself, not as an underline.
TEST_F(Program, FiguresAreTypedKeyByKeyAndNamesShownAsWritten) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        for (const auto& [id, text] : std::vector<std::pair<int, std::wstring>>{
                 {1024, L"100"}, {1125, L"120"}, {1122, L"-10"}, {1030, L"999"}}) {
            HWND edit = GetWindow(GetDlgItem(dialog, id), GW_CHILD);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (const wchar_t c : text) {
                SendMessageW(edit, WM_CHAR, c, 0);
            }
        }
        press(dialog, IDOK);
    });
    AppState& state = app_state();
    EXPECT_EQ(std::make_tuple(state.ally.hitRate, state.enemy.critRate, state.enemy.technique,
                              state.ally.maxHp),
              std::make_tuple(100, 120, -10, 999));
    std::strcpy(state.ally.name, "A&B");
    for (const int menu : {IDM_BATTLE_RESULT, IDM_LEVEL_UP}) {
        with_dialog(menu, [](HWND dialog) {
            HWND name = GetDlgItem(dialog, 1000);
            EXPECT_EQ(window_text(name), L"A&B");
            EXPECT_TRUE(GetWindowLongW(name, GWL_STYLE) & SS_NOPREFIX);
            press(dialog, IDCANCEL);
        });
    }
}

}  // namespace
