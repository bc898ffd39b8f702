// The program's own window and dialogs, run in this process under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ui/drawing.h"
#include "ui/program.h"
#include "ui/resource.h"
#include "ui/wide_text.h"

namespace {

// Dispatches the thread's messages for a while, so that timers fire and paints happen.
void pump_messages(DWORD milliseconds) {
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

// Types text into the pattern box and dispatches messages until the timer has read it (on a
// busy machine that may take several periods).
void type_pattern(const std::wstring& text) {
    HWND box = GetDlgItem(window_handles().mainWindow, IDC_MARK_EDIT);
    SetWindowTextW(box, text.c_str());
    wchar_t shown[kMarkTextCapacity] = {};
    GetWindowTextW(box, shown, kMarkTextCapacity);
    char expected[2 * kMarkTextCapacity];
    shift_jis_from_wide(shown, expected, sizeof expected);
    expected[kMarkTextCapacity - 1] = '\0';
    for (int wait = 0; wait < 300 && std::strcmp(app_state().lastMarkText, expected) != 0; ++wait) {
        pump_messages(10);
    }
    EXPECT_STREQ(app_state().lastMarkText, expected);
}

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
    static HWND open() {
        std::memset(static_cast<void*>(&app_state()), 0, sizeof(AppState));
        window_handles() = WindowHandles{};
        EXPECT_TRUE(open_main_window(GetModuleHandleW(nullptr), SW_SHOW));
        pump_messages(50);
        return window_handles().mainWindow;
    }
    // Closes the main window the way the user does and runs the loop to its quit message, so
    // that no quit message is left for the next test; returns the loop's exit code.
    static int close() {
        PostMessageW(window_handles().mainWindow, WM_CLOSE, 0, 0);
        return run_message_loop();
    }
    // The source is compiled to Shift-JIS: a literal is what the program holds in its state.
    static std::wstring wide(const char* shiftJis) { return wide_from_shift_jis(shiftJis).text; }
    static std::wstring window_text(HWND window) {
        wchar_t text[4096] = {};
        GetWindowTextW(window, text, 4096);
        return text;
    }
    static std::wstring class_of(HWND window) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return name;
    }
    static HWND main_window() { return window_handles().mainWindow; }
    static bool grayed(int item) {
        return GetMenuState(GetMenu(main_window()), item, MF_BYCOMMAND) & MF_GRAYED;
    }
    static void command(WPARAM id) { SendMessageW(main_window(), WM_COMMAND, id, 0); }
    static void click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }
    static void press(HWND dialog, int id) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    static std::wstring item_text(HWND dialog, int id) {
        return window_text(GetDlgItem(dialog, id));
    }
    static bool checked(HWND dialog, int id) {
        return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    }
    static bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }
    // A pick in a list, as the user makes it: the selection, then its notification.
    static void choose(HWND dialog, int id, int position) {
        SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // The texts of several items, "|" after each, to compare a dialog's boxes at once.
    static std::wstring texts(HWND dialog, std::initializer_list<int> ids) {
        std::wstring joined;
        for (int id : ids) {
            joined += item_text(dialog, id) + L"|";
        }
        return joined;
    }
    // Whether each of the boxes is checked, as "1" and "0".
    static std::string checks(HWND dialog, std::initializer_list<int> ids) {
        std::string marks;
        for (int id : ids) {
            marks += checked(dialog, id) ? "1" : "0";
        }
        return marks;
    }
    // Runs action while script answers each dialog or message box ("#32770") it shows, from
    // inside the box's own message loop (a timer started as the box is activated); the script
    // ends the box. Returns how many boxes there were.
    static int with_boxes(const std::function<void()>& action, std::function<void(HWND)> script) {
        script_ = std::move(script);
        seen_ = 0;
        HHOOK hook = SetWindowsHookExW(WH_CBT, on_cbt, nullptr, GetCurrentThreadId());
        action();
        UnhookWindowsHookEx(hook);
        return seen_;
    }
    // Opens a dialog from the menu and lets script play the user inside it.
    static void with_dialog(int menuCommand, std::function<void(HWND)> script) {
        EXPECT_EQ(with_boxes([&] { command(menuCommand); }, std::move(script)), 1) << menuCommand;
    }
    static void confirm_status() {
        with_dialog(IDM_STATUS, [](HWND dialog) { press(dialog, IDOK); });
    }

protected:
    Program() { open(); }
    ~Program() override { EXPECT_EQ(close(), 0); }

private:
    static LRESULT CALLBACK on_cbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && class_of(reinterpret_cast<HWND>(wParam)) == L"#32770") {
            SetTimer(reinterpret_cast<HWND>(wParam), 1, 10, on_timer);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK on_timer(HWND box, UINT, UINT_PTR timer, DWORD) {
        KillTimer(box, timer);
        ++seen_;
        script_(box);
    }
    static inline std::function<void(HWND)> script_;
    static inline int seen_ = 0;
    WorkingFolder folder_{kUnitFile, kGrowthFile};
};

TEST_F(Program, StartsUpAsTheShellSays) {
    HWND window = main_window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(class_of(window), L"template");
    EXPECT_EQ(window_text(window), wide("ソラミト  ver 0.00a"));
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 800);
    EXPECT_EQ(frame.bottom - frame.top, 600);
    // id, class, text, rectangle in the client area
    const std::vector<std::tuple<int, const wchar_t*, const char*, RECT>> controls = {
        {4001, L"Button", "←", {200, 0, 225, 20}},
        {4000, L"Button", "→", {230, 0, 255, 20}},
        {4002, L"Button", "↑", {300, 0, 320, 20}},
        {4003, L"Button", "↓", {325, 0, 345, 20}},
        {3000, L"Edit", "", {500, 450, 700, 472}},
        {6001, L"Button", "移動", {424, 1, 464, 21}},
        {6000, L"Edit", "", {380, 0, 420, 22}},
        {4005, L"Button", "←", {200, 92, 225, 112}},
        {4004, L"Button", "→", {230, 92, 255, 112}},
        {4006, L"Button", "↑", {300, 92, 320, 112}},
        {4007, L"Button", "↓", {325, 92, 345, 112}},
        {6003, L"Button", "移動", {424, 93, 464, 113}},
        {6002, L"Edit", "", {380, 92, 420, 114}},
        {5000, L"Button", "検索", {460, 292, 500, 312}},
    };
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
    }
    EXPECT_EQ(children, 14);
    for (const auto& [id, className, text, expected] : controls) {
        HWND child = GetDlgItem(window, id);
        ASSERT_NE(child, nullptr) << id;
        EXPECT_EQ(_wcsicmp(class_of(child).c_str(), className), 0) << id;
        EXPECT_EQ(window_text(child), wide(text)) << id;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(EqualRect(&rect, &expected)) << id << ": " << rect.left << "," << rect.top
                                                 << "," << rect.right << "," << rect.bottom;
    }
    // An edit box takes WS_BORDER out of its style as it is created and draws the border
    // itself, so only the rest of the style can be read back.
    EXPECT_EQ(GetWindowLongW(GetDlgItem(window, 3000), GWL_STYLE) & 0x50000080, 0x50000080);
    // ファイル and ステータス are open, the condition menus grey until the status is set.
    EXPECT_EQ((std::vector<bool>{grayed(40002), grayed(40003), grayed(40008), grayed(40013),
                                 grayed(40014), grayed(40015)}),
              (std::vector<bool>{false, false, true, true, true, true}));
    wchar_t label[64] = {};
    GetMenuStringW(GetMenu(window), 0, label, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(label), wide("ファイル"));
    GetMenuStringW(GetSubMenu(GetMenu(window), 2), 4, label, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(label), wide("レベルアップ"));
    LOGFONTW font{};
    GetObjectW(window_handles().underlineFont, sizeof font, &font);
    EXPECT_EQ(std::make_tuple(font.lfHeight, font.lfCharSet, font.lfUnderline),
              std::make_tuple(16L, BYTE{SHIFTJIS_CHARSET}, BYTE{1}));
    EXPECT_EQ(std::wstring(font.lfFaceName), wide("ＭＳ ゴシック"));
    LOGPEN pen{};
    GetObjectW(window_handles().predictPen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnColor, RGB(200, 200, 255));
    // Both files were read, and the unit defaults set.
    EXPECT_EQ(app_state().allyUnitCount, 2);
    EXPECT_EQ(app_state().growthTable[1][kReMoveRateIndex], 20);
    EXPECT_EQ(app_state().ally.hitRate, 90);
}

TEST(StartUp, ReportsAFileThatCannotBeOpenedAndReducesTheWindow) {
    // character.txt, grow.txt, the message, the allies read
    const std::vector<std::tuple<const char*, const char*, const char*, int>> cases = {
        {nullptr, kGrowthFile, "キャラデータを読み込めません＞＜", 0},
        {kUnitFile, nullptr, "成長率を読み込めません＞＜", 2},
    };
    for (const auto& [characterText, growText, message, allies] : cases) {
        SCOPED_TRACE(message);
        WorkingFolder folder(characterText, growText);
        std::vector<std::wstring> boxes;  // each box's caption and text
        EXPECT_EQ(
            Program::with_boxes([] { Program::open(); },
                                [&](HWND box) {
                                    boxes.push_back(Program::window_text(box) + L"|" +
                                                    Program::window_text(GetDlgItem(box, 0xFFFF)));
                                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                                }),
            1);
        HWND window = Program::main_window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(boxes, std::vector<std::wstring>{L"|" + Program::wide(message)});
        // The reduced window: no controls, no unit defaults, every menu item enabled.
        EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);
        EXPECT_EQ(app_state().allyUnitCount, allies);
        EXPECT_EQ(app_state().ally.hitRate, 0);
        EXPECT_EQ(app_state().lanes[1].position, 1);
        EXPECT_FALSE(Program::grayed(40008) || Program::grayed(40013) || Program::grayed(40014) ||
                     Program::grayed(40015));
        // Nothing needing a unit happens in it, and it still paints and closes.
        Program::command(IDM_BATTLE_RESULT);
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(490, 480));
        InvalidateRect(window, nullptr, FALSE);
        pump_messages(50);
        EXPECT_EQ(Program::close(), 0);
    }
}

// The full tables of what the commands do are native; these prove the window's glue.
TEST_F(Program, CommandsReachTheLanes) {
    AppState& state = app_state();
    for (const int id : {IDC_LANE0_FORWARD, IDC_LANE0_SEED_UP, IDC_LANE1_FORWARD, IDC_LANE1_BACK}) {
        command(id);
    }
    EXPECT_EQ(
        std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position, state.lanes[1].position),
        std::make_tuple(1, 2, 1));
    // The box is read in Shift-JIS, nine characters of it at most.
    for (const auto& [text, position] : std::vector<std::pair<const wchar_t*, int>>{
             {L"25x", 25}, {L"1234567890", 25}, {L"000004973", 4973}, {L"\x2603", 4973}}) {
        SetWindowTextW(GetDlgItem(main_window(), IDC_LANE1_POSITION), text);
        command(IDC_LANE1_JUMP);
        EXPECT_EQ(state.lanes[1].position, position) << text;
    }
    // A notification (not a click) with the button's id does nothing.
    SetWindowTextW(GetDlgItem(main_window(), IDC_LANE1_POSITION), L"7");
    command(MAKEWPARAM(IDC_LANE1_JUMP, BN_SETFOCUS));
    EXPECT_EQ(state.lanes[1].position, 4973);
    // Before the status dialog no lane runs and "検索" does nothing.
    EXPECT_EQ(state.lanes[0].count, 0);
    state.eventSwitches[kSwitchReMove] = 1;
    command(IDC_SEARCH);
    EXPECT_EQ(state.searchResultCount, 0);
}

TEST_F(Program, FollowsTheTypedPatternAndItsCandidates) {
    AppState& state = app_state();
    type_pattern(wide("×××○○×××○×○×○○×○×○○×"));
    EXPECT_EQ(state.markCount, 20);
    ASSERT_EQ(state.candidateCount, 3);
    // A left click sets the upper lane, a right click the lower one, a click beside nothing.
    SendMessageW(main_window(), WM_LBUTTONUP, 0, MAKELPARAM(484 + 24 + 8, 480));
    SendMessageW(main_window(), WM_RBUTTONUP, 0, MAKELPARAM(484 + 48, 473));
    SendMessageW(main_window(), WM_RBUTTONUP, 0, MAKELPARAM(484 + 17, 480));
    EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position,
                              state.lanes[1].seedIndex, state.lanes[1].position),
              std::make_tuple(16, 21, 51, 21));
    // Characters with no Shift-JIS form are no marks, nor is a look-alike "o".
    for (const auto& [text, marks] : std::vector<std::pair<const wchar_t*, int>>{
             {L"", 0}, {L"\x014D\x2603\xD83D\xDE00", 0}, {L"o\x2603x", 2}}) {
        type_pattern(text);
        EXPECT_EQ(state.markCount, marks) << text;
    }
}

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

TEST_F(Program, PaintsTheDrawingSteps) {
    // The candidate numbers are blue, the lane's values black, the space between them white.
    type_pattern(wide("×××○○×××○×○×○○×○×○○×"));
    EXPECT_GT(pixels_of(main_window(), {484, 473, 501, 489}, RGB(0, 0, 255)), 10);
    EXPECT_GT(pixels_of(main_window(), {69, 22, 86, 38}, RGB(0, 0, 0)), 10);
    EXPECT_EQ(pixels_of(main_window(), {600, 150, 640, 180}, RGB(255, 255, 255)), 40 * 30);
}

// The whole program as the entry runs it: the loop ends on the close with exit code 0.
TEST(StartUp, ProgramExitsWithCodeZero) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    std::memset(static_cast<void*>(&app_state()), 0, sizeof(AppState));
    window_handles() = WindowHandles{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        PostMessageW(window_handles().mainWindow, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run_program(GetModuleHandleW(nullptr), SW_SHOW), 0);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(IsWindow(window_handles().mainWindow));
}

TEST_F(Program, StatusOpensOnTheStartUpState) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("ステータス"));
        EXPECT_EQ(texts(dialog, {1000, 1100, 1041, 1141}),
                  wide("アルト|山賊ガロ|追撃必殺係数:2|追撃必殺係数:1|"));
        // 技 命中 HP MAX of the ally, 技 命中 必殺 攻速 of the enemy, and two lists' lengths
        EXPECT_EQ(texts(dialog, {1021, 1024, 1029, 1030, 1121, 1124, 1125, 1126}),
                  L"10|90|40|60|10|40|2|5|");
        EXPECT_EQ(SendDlgItemMessageW(dialog, 1024, CB_GETCOUNT, 0, 0), 101);
        EXPECT_EQ(SendDlgItemMessageW(dialog, 1029, CB_GETCOUNT, 0, 0), 80);
        EXPECT_EQ(checks(dialog, {1008, 1108, 1116}), "101");  // 連続, the enemy's 連続, 反撃
        press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(ally_is_set(app_state()));
    EXPECT_TRUE(grayed(IDM_LEVEL_UP));
}

TEST_F(Program, StatusListsSetTheUnitsSkillBoxes) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        click(dialog, 1009);      // 勇者, the user's own
        choose(dialog, 1000, 1);  // ミナト: 怒り, no 連続
        EXPECT_EQ(item_text(dialog, 1041), wide("追撃必殺係数:3"));
        EXPECT_EQ(checks(dialog, {1001, 1008, 1009}), "101");
        click(dialog, 1116);  // 反撃 off, and the enemy's unit change leaves it off
        choose(dialog, 1100, 1);
        EXPECT_EQ(item_text(dialog, 1141), wide("追撃必殺係数:0"));
        EXPECT_FALSE(checked(dialog, 1116));
        SetDlgItemTextW(dialog, 1022, L"12a");
        SetDlgItemTextW(dialog, 1028, L"9999");
        press(dialog, IDOK);
    });
    const CombatantState& ally = app_state().ally;
    EXPECT_EQ(std::string(ally.name), "ミナト");
    EXPECT_EQ((std::vector<int>{ally.followUpCritFactor, ally.listIndex, ally.skills[0],
                                ally.skills[8], ally.technique, ally.defense}),
              (std::vector<int>{3, 1, 1, 1, 12, 999}));
    EXPECT_EQ(std::string(app_state().enemy.name), "山賊");
    EXPECT_EQ(app_state().enemy.skills[kSkillCounter], 0);
    EXPECT_EQ(app_state().growthRates[kReMoveRateIndex], 20);
    EXPECT_FALSE(grayed(IDM_LEVEL_UP));
    // The next opening shows 反撃 checked again, and an empty box for a value with no entry.
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_TRUE(checked(dialog, 1116));
        EXPECT_EQ(texts(dialog, {1028, 1000}), L"|" + wide("ミナト|"));
        press(dialog, IDCANCEL);
    });
}

TEST_F(Program, SearchConditionsKeepPredictionWithTheBattle) {
    confirm_status();
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("検索する条件"));
        EXPECT_EQ(checks(dialog, {2000, 2001, 2002, 2003, 2004}), "00000");
        EXPECT_FALSE(enabled(dialog, 2004));
        click(dialog, 2001);  // 戦闘 on: 予測消費 enabled and checked; off: disabled, still checked
        EXPECT_TRUE(checked(dialog, 2004) && enabled(dialog, 2004));
        click(dialog, 2001);
        EXPECT_TRUE(checked(dialog, 2004) && !enabled(dialog, 2004));
        click(dialog, 2001);
        click(dialog, 2004);
        click(dialog, 2002);
        press(dialog, IDOK);
    });
    const AppState& state = app_state();
    EXPECT_EQ(state.eventSwitches, (EventSwitches{0, 1, 1, 0}));
    EXPECT_EQ(state.predictSwitch, 0);
    EXPECT_EQ(state.lanes[0].count, 11 + 9);
}

TEST_F(Program, BattleResultConditionsAreStoredOnlyAtOk) {
    confirm_status();
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("戦闘結果条件"));
        EXPECT_EQ(texts(dialog, {1000, 1100, 1300, 1057}), wide("アルト|山賊ガロ|HP:現在の値|0|"));
        EXPECT_EQ(checks(dialog, {2000, 2001}), "11");
        choose(dialog, 1301, 2);
        SetDlgItemTextW(dialog, 1058, L"12345");
        click(dialog, 2001);
        press(dialog, IDOK);
    });
    const BattleResultCondition& enemy = app_state().enemyCondition;
    EXPECT_EQ((std::vector<int>{enemy.type, enemy.n, enemy.unspecified}),
              (std::vector<int>{2, 123, 0}));
    EXPECT_EQ(app_state().allyCondition.unspecified, 1);
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        EXPECT_EQ(texts(dialog, {1058, 1301}), L"123|" + wide("HP:残りn以下|"));
        SetDlgItemTextW(dialog, 1058, L"abc");
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(enemy.n, 123);
}

TEST_F(Program, LevelUpShowsRatesAndStoresBooksAtOnce) {
    confirm_status();
    with_dialog(IDM_LEVEL_UP, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("レベルアップ条件"));
        EXPECT_EQ(texts(dialog, {1000, 4100, 4106, 4000}), wide("アルト| 80%|  5%|+1|"));
        click(dialog, 2000);  // ヘズルの書
        EXPECT_EQ(texts(dialog, {4100, 4101, 4107}), L"110%| 60%| 35%|");
        press(dialog, IDCANCEL);
    });
    // The books are stored as they are clicked, the rates and wishes only at OK.
    const AppState& state = app_state();
    EXPECT_EQ(state.booksHeld[0], 1);
    EXPECT_EQ(state.growthRates[0], 80);
    with_dialog(IDM_LEVEL_UP, [](HWND dialog) {
        EXPECT_TRUE(checked(dialog, 2000));
        EXPECT_EQ(item_text(dialog, 4100), L" 80%");
        choose(dialog, 4002, 0);
        choose(dialog, 4000, 2);
        press(dialog, IDOK);
    });
    EXPECT_EQ(state.growthRates[0], 110);
    EXPECT_EQ(state.growthRates[kReMoveRateIndex], 30);
    EXPECT_EQ(state.levelUpWanted, (LevelUpWanted{2, 1, 0, 1, 1, 1, 1, 1, 1}));
}

std::string search_line() {
    static DrawList list;
    build_main_window_drawing(app_state(), list);
    for (int i = 0; i < list.count; ++i) {
        if (list.steps[i].left == 512 && list.steps[i].top == 316) {
            return std::string(step_text(list, list.steps[i]));
        }
    }
    return "(none)";
}

// A player's session: the status, the conditions, then the searches.
TEST_F(Program, PlayersSessionFindsTheWorkedPositions) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_EQ(item_text(dialog, 1000), wide("アルト"));
        EXPECT_EQ(item_text(dialog, 1027), L"20");
        EXPECT_EQ(item_text(dialog, 1126), L"5");
        press(dialog, IDOK);
    });
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        click(dialog, 2001);
        click(dialog, 2004);
        press(dialog, IDOK);
    });
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        choose(dialog, 1301, 2);
        SetDlgItemTextW(dialog, 1058, L"0");
        click(dialog, 2001);
        press(dialog, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(search_line(), "1 5 6 16 19 36 38 39 44 57 ...");

    with_dialog(IDM_LEVEL_UP, [](HWND dialog) {
        for (int k = 0; k < kStatCount; ++k) {
            const bool wanted = k == 0 || k == 1 || k == 4 || k == 7;
            choose(dialog, 4000 + k, wanted ? 1 : 0);
        }
        press(dialog, IDOK);
    });
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        EXPECT_FALSE(checked(dialog, 2004));
        click(dialog, 2002);
        press(dialog, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(app_state().searchResultCount, 98);
    EXPECT_EQ(search_line().rfind("19 63 83 89 111 118 ", 0), 0u) << search_line();

    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        click(dialog, 2002);
        click(dialog, 2001);
        click(dialog, 2001);  // 予測消費 checked again with the battle
        press(dialog, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(search_line(), "5 25 27 28 33 46 49 52 55 58 ...");
}

}  // namespace
