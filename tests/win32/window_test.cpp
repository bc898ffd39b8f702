// The program's own window and dialogs, run in this process under Wine. What the commands and
// dialogs do is tested natively; these prove the Win32 glue.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/win32/program_fixture.h"
#include "view/drawing.h"
#include "view/resource.h"
#include "win32/program.h"
#include "win32/session_files.h"
#include "win32/wide_text.h"

namespace {

TEST(StartUp, ReportsAFileThatCannotBeOpenedAndLeavesNoDrawingObjectsBehind) {
    // character.txt, grow.txt, the message, the allies read
    const std::vector<std::tuple<const char*, const char*, const char*, int>> cases = {
        {nullptr, kGrowthFile, "キャラデータを読み込めません＞＜", 0},
        {kUnitFile, nullptr, "成長率を読み込めません＞＜", 2}};
    for (const auto& [characterText, growText, message, allies] : cases) {
        WorkingFolder folder(characterText, growText);
        std::wstring box;  // its caption and text
        with_boxes(open_program, [&](HWND shown) {
            box = window_text(shown) + L"|" + window_text(GetDlgItem(shown, 0xFFFF));
            PostMessageW(shown, WM_COMMAND, IDOK, 0);
        });
        // The reduced window: no controls, no unit defaults, every menu item enabled.
        EXPECT_EQ(
            std::make_tuple(box, GetWindow(main_window(), GW_CHILD), app_state().allyUnitCount,
                            app_state().ally.hitRate, grayed(IDM_LEVEL_UP)),
            std::make_tuple(L"ソラミト|" + wide(message), HWND{}, allies, 0, false));
        // Wine counts no GDI objects; the font's handle tells whether they were deleted.
        const HFONT font = window_handles().normalFont;
        EXPECT_EQ(close_program(), 0);
        EXPECT_EQ(GetObjectType(font), 0u);
    }
    const WideText cut = wide_from_shift_jis("a" + std::string(2 * 2100, '\x83'));  // 2100 ャ
    EXPECT_EQ(std::wstring(cut.text, cut.length),
              L"a" + std::wstring(kWideTextCapacity - 2, wide("\x83\x83")[0]));
    EXPECT_EQ(wide_from_shift_jis("\x83\x41\x83").length, 2);  // a lead byte at the end
}

TEST_F(Program, CommandsAndTypedTextReachTheStateAndThePaint) {
    // At 96 dpi the window is 800 by 600, as it always was.
    RECT frame{}, client{};
    GetWindowRect(main_window(), &frame);
    GetClientRect(main_window(), &client);
    EXPECT_EQ(std::make_tuple(frame.right - frame.left, frame.bottom - frame.top, client.right,
                              client.bottom),
              std::make_tuple(800, 600, 792, 554));
    EXPECT_EQ(std::make_tuple(window_text(main_window()),
                              window_text(GetDlgItem(main_window(), IDC_SEARCH)),
                              grayed(IDM_STATUS), grayed(IDM_SEARCH_CONDITIONS)),
              std::make_tuple(wide("ソラミト  ver 0.00a"), wide("検索"), false, true));
    // The position box is read in Shift-JIS; a notification (not a click) with the button's id
    // does nothing.
    for (const wchar_t* text : {L"25", L"\x2603", L"7"}) {
        SetWindowTextW(GetDlgItem(main_window(), IDC_LANE1_POSITION), text);
        command(text[0] == L'7' ? MAKEWPARAM(IDC_LANE1_JUMP, BN_SETFOCUS) : IDC_LANE1_JUMP);
    }
    AppState& state = app_state();
    EXPECT_EQ(state.lanes[1].position, 25);
    // Characters with no Shift-JIS form are no marks, nor is a look-alike "o".
    EXPECT_TRUE(type_pattern(L"\x014D\x2603\xD83D\xDE00o\x2603x"));
    EXPECT_EQ(state.markCount, 2);
    // A right click on a candidate sets the lower lane; with one mark typed wrong, a left click
    // on the first near sequence the upper one.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_RBUTTONUP, 0, MAKELPARAM(484 + 48, 473));
    EXPECT_TRUE(type_pattern(wide("×××○○×○×○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_LBUTTONUP, 0, MAKELPARAM(484 + 24 + 8, 500));
    EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position,
                              state.lanes[1].seedIndex, state.lanes[1].position),
              std::make_tuple(16, 21, 51, 21));
    // The first near sequence is painted blue.
    RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(main_window());
    int blue = 0;
    for (int y = 495; y < 511; ++y) {
        for (int x = 484; x < 501; ++x) {
            blue += GetPixel(screen, x, y) == RGB(0, 0, 255) ? 1 : 0;
        }
    }
    ReleaseDC(main_window(), screen);
    EXPECT_GT(blue, 10);
}

// A player's session through every dialog, from its opening to its OK, then the searches.
TEST_F(Program, PlayersSession) {
    dialog(IDM_STATUS, [](HWND box) {
        EXPECT_EQ(texts(box, {1000, 1100, 1041, 1141, 1024, 1125}),
                  wide("アルト|山賊ガロ|追撃必殺係数:2|追撃必殺係数:1|90|2|"));
        choose(box, 1000, 1);  // ミナト
        EXPECT_EQ(texts(box, {1041}), wide("追撃必殺係数:3|"));
        choose(box, 1000, 0);
        press(box, IDOK);
    });
    AppState& state = app_state();
    EXPECT_EQ(std::make_tuple(std::string(state.ally.name), state.growthRates[kReMoveRateIndex],
                              grayed(IDM_LEVEL_UP)),
              std::make_tuple(std::string("アルト"), 30, false));
    dialog(IDM_SEARCH_CONDITIONS, [](HWND box) {
        click(box, 2001);  // 戦闘 checks and enables 予測消費; take it off again
        click(box, 2004);
        press(box, IDOK);
    });
    dialog(IDM_BATTLE_RESULT, [](HWND box) {
        EXPECT_EQ(texts(box, {1000, 1100, 1300, 1057}), wide("アルト|山賊ガロ|HP:現在の値|0|"));
        choose(box, 1301, 2);
        click(box, 2001);
        press(box, IDOK);
    });
    command(IDC_SEARCH);
    EXPECT_EQ(std::make_tuple(state.predictSwitch, state.searchResultCount, state.searchResults[2]),
              std::make_tuple(0, 1044, 6));  // the whole range, for the table
    // Marks that leave 0, 16 and 51, lane 0 on 0 right behind them: the positions that hold on
    // all three are drawn under the results.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_LBUTTONUP, 0, MAKELPARAM(484 + 8, 480));
    command(IDC_SEARCH);
    EXPECT_EQ(drawn_after(wide("どれでも：")).substr(0, 3), L"38 ");
    // 一覧 lists every result; a double-click on the third row puts lane 0 there, which leaves
    // the results as they are, unlike a change of lane 0's sequence.
    command(IDC_RESULTS);
    HWND results = FindWindowW(L"SoramitoResults", nullptr);
    HWND list = GetDlgItem(results, 101);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListView_GetItemCount(list), state.searchResultCount);
    // Ctrl+C with no row selected copies the header and every row.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(list, WM_KEYDOWN, 'C', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(OpenClipboard(results));
    const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = static_cast<const wchar_t*>(GlobalLock(memory));
    GlobalUnlock(memory);
    CloseClipboard();
    EXPECT_EQ(std::count(copied.begin(), copied.end(), L'\n'), state.searchResultCount + 1);
    RECT row{};
    ListView_GetItemRect(list, 2, &row, LVIR_BOUNDS);
    const LPARAM point = MAKELPARAM(row.left + 8, (row.top + row.bottom) / 2);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    }
    EXPECT_EQ(state.lanes[0].position, state.searchResults[2]);
    EXPECT_EQ(window_text(results), wide("検索結果"));
    command(IDC_LANE0_SEED_UP);
    EXPECT_EQ(window_text(results), wide("検索結果（条件が変わりました）"));
    dialog(IDM_LEVEL_UP, [](HWND box) {
        EXPECT_EQ(texts(box, {1000, 4100, 4000}), wide("アルト| 80%|+1|"));
        click(box, 2000);  // ヘズルの書, stored at once
        EXPECT_EQ(texts(box, {4100}), L"110%|");
        choose(box, 4002, 0);
        press(box, IDOK);
    });
    EXPECT_EQ(std::make_tuple(state.booksHeld[0], state.growthRates[0], state.levelUpWanted[2]),
              std::make_tuple(1, 110, 0));
    dialog(IDM_BATTLE_RESULT, [](HWND box) {
        SetDlgItemTextW(box, 1058, L"12");
        press(box, IDCANCEL);  // keeps what was stored
    });
    EXPECT_EQ(state.enemyCondition.n, 0);
    // Figures typed key by key; a name's "&" is no underline.
    dialog(IDM_STATUS, [](HWND box) {
        for (const auto& [id, text] : std::vector<std::pair<int, std::wstring>>{
                 {1024, L"100"}, {1125, L"120"}, {1122, L"-10"}, {1030, L"999"}}) {
            HWND edit = GetWindow(GetDlgItem(box, id), GW_CHILD);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            for (const wchar_t c : text) {
                SendMessageW(edit, WM_CHAR, c, 0);
            }
        }
        press(box, IDOK);
    });
    EXPECT_EQ(std::make_tuple(state.ally.hitRate, state.enemy.critRate, state.enemy.technique,
                              state.ally.maxHp),
              std::make_tuple(100, 120, -10, 999));
    std::strcpy(state.ally.name, "A&B");
    for (const int menu : {IDM_BATTLE_RESULT, IDM_LEVEL_UP}) {
        dialog(menu, [](HWND box) {
            EXPECT_EQ(window_text(GetDlgItem(box, 1000)), L"A&B");
            EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, 1000), GWL_STYLE) & SS_NOPREFIX);
            press(box, IDCANCEL);
        });
    }
}

// The worked battle on sequence 0 at 21, behind the marks that leave 0, 16 and 51.
const char8_t kSession[] =
    u8R"({"ally": {"name": "アルト", "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0],
    "followUpCritFactor": 2}, "enemy": {"name": "山賊ガロ",
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}, "eventSwitches": [0, 1, 0, 0],
    "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30], "lanes": [{"position": 21}],
    "marks": "×××○○×××○×○×○○×○×○○×"})";

TEST_F(Program, SessionsAreSavedOpenedAndKept) {
    const std::filesystem::path path = folder.path / "s.json";
    std::ofstream(path, std::ios::binary) << reinterpret_cast<const char*>(kSession);
    // Opened as if its status had been confirmed; saved after a change, renewed, opened again.
    EXPECT_TRUE(open_session_file(main_window(), path.wstring()));
    command(IDC_LANE0_FORWARD);
    EXPECT_TRUE(session_changed());
    command(IDM_FILE_SAVE);
    const std::string saved = drawing();
    EXPECT_EQ(std::make_tuple(session_changed(), grayed(IDM_LEVEL_UP), app_state().candidateCount),
              std::make_tuple(false, false, 3));
    command(IDM_FILE_NEW);
    EXPECT_EQ(std::make_tuple(window_text(main_window()), grayed(IDM_LEVEL_UP), open_file_path()),
              std::make_tuple(wide("ソラミト  ver 0.00a"), true, std::wstring()));
    EXPECT_TRUE(open_session_file(main_window(), path.wstring()));
    EXPECT_EQ(drawing(), saved);
    EXPECT_EQ(window_text(main_window()), wide("s.json - ソラミト  ver 0.00a"));
    // A refused file changes nothing, and the message names the file and the member.
    std::ofstream(folder.path / "bad.json", std::ios::binary) << R"({"lanes": [{"position": 0}]})";
    std::wstring message;
    with_boxes([&] { open_session_file(main_window(), (folder.path / "bad.json").wstring()); },
               [&](HWND box) {
                   message = window_text(GetDlgItem(box, 0xFFFF));
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
               });
    EXPECT_NE(message.find(L"bad.json"), std::wstring::npos) << message;
    EXPECT_NE(message.find(L"lanes[0].position"), std::wstring::npos) << message;
    EXPECT_EQ(drawing(), saved);
    // A save that cannot replace the file (another program holds it; as root under Wine no
    // folder is read-only) says so and leaves the file as it was.
    command(IDC_LANE0_FORWARD);
    const std::string before = read_file(path);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    message.clear();
    with_boxes([] { command(IDM_FILE_SAVE); },
               [&](HWND box) {
                   message = window_text(GetDlgItem(box, 0xFFFF));
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
               });
    CloseHandle(held);
    EXPECT_EQ(read_file(path), before);
    EXPECT_EQ(message.rfind(L"保存できません：" + path.wstring(), 0), 0u) << message;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 5);
    command(IDM_FILE_SAVE);  // once the file is free
    EXPECT_NE(read_file(path), before);
}

TEST_F(Program, TheLastSessionComesBackAndABadOneIsKeptAside) {
    const std::filesystem::path path = folder.path / "s.json";
    std::ofstream(path, std::ios::binary) << reinterpret_cast<const char*>(kSession);
    EXPECT_TRUE(open_session_file(main_window(), path.wstring()));
    const std::string shown = drawing();
    EXPECT_EQ(close_program(), 0);
    open_program();
    EXPECT_EQ(std::make_tuple(drawing(), window_text(main_window()), grayed(IDM_LEVEL_UP)),
              std::make_tuple(shown, wide("ソラミト  ver 0.00a"), false));
    EXPECT_EQ(close_program(), 0);
    std::ofstream(folder.lastSession, std::ios::binary) << "{bad";
    std::ofstream(folder.appData / "Soramito" / "last-session.bad.json") << "older";
    std::wstring message;
    with_boxes(open_program, [&](HWND box) {
        message = window_text(GetDlgItem(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(read_file(folder.appData / "Soramito" / "last-session.bad.json"), "{bad");
    EXPECT_EQ(std::make_tuple(std::filesystem::exists(folder.lastSession), ally_is_set(app_state()),
                              grayed(IDM_LEVEL_UP),
                              message.find(L"last-session.bad.json") != std::wstring::npos),
              std::make_tuple(false, false, true, true));
}

TEST_F(Program, APlanFileIsOpenedAndSearched) {
    EXPECT_TRUE(open_session_file(main_window(), SORAMITO_SAMPLES_DIR L"/turn-plan.json"));
    command(IDC_SEARCH);
    EXPECT_EQ(drawn_after(wide("候補：")).substr(0, 4), L"103 ");
}

}  // namespace
