// 起きたこと as a player uses it: Ctrl+K pressed, what was seen typed, 探す, a line chosen, OK.
// What the search finds and what OK does to the state are tested natively; these prove the glue.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/win32/program_fixture.h"
#include "view/key_commands.h"
#include "view/resource.h"
#include "win32/program.h"
#include "win32/session_files.h"

namespace {

// ミナト (怒り) against 山賊 (反撃), with figures of their own; the battle and the re-move on, lane
// 0 at 30 of sequence 16 behind the marks that leave 0, 16 and 51. Lane 0 shows the ally at 30 and
// the enemy at 0; the game left them at 22 and 14.
const char8_t kSession[] =
    u8R"({"ally": {"name": "ミナト", "followUpCritFactor": 3,
    "skills": [1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0], "level": 7, "technique": 12, "luck": 8,
    "hitRate": 85, "critRate": 15, "attackSpeed": 12, "attack": 18, "defense": 6, "hp": 30,
    "maxHp": 34}, "enemy": {"name": "山賊", "followUpCritFactor": 0,
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1], "level": 5, "technique": 4, "luck": 2,
    "hitRate": 70, "critRate": 3, "attackSpeed": 6, "attack": 14, "defense": 4, "hp": 28,
    "maxHp": 28}, "eventSwitches": [0, 1, 0, 1],
    "growthRates": [55, 90, 40, 70, 70, 90, 60, 35, 0, 20],
    "lanes": [{"seedIndex": 16, "position": 30}], "marks": "×××○○×××○×○×○○×○×○○×"})";

// Presses Ctrl+K as the player does, through the program's message loop, and lets script play
// the player in the dialog it opens. The message boxes the dialog shows are answered with OK, and
// their texts kept in said. False when no dialog opened.
bool with_ctrl_k(const std::function<void(HWND)>& script, std::vector<std::wstring>& said) {
    bool shown = false;
    with_boxes([] { press_key('K', kKeyCtrl); },
               [&](HWND box) {
                   if (window_text(box) == L"ソラミト") {
                       said.push_back(window_text(GetDlgItem(box, 0xFFFF)));
                       PostMessageW(box, WM_COMMAND, IDOK, 0);
                   } else if (!shown) {  // not again as it comes back after a message box
                       shown = true;
                       script(box);
                   }
               });
    return shown;
}

// What the list of positions shows: how many lines, then the given ones.
std::wstring list_lines(HWND dialog, std::initializer_list<int> lines) {
    HWND list = GetDlgItem(dialog, IDC_HAPPENED_FOUND);
    std::wstring shown = std::to_wstring(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (const int line : lines) {
        wchar_t text[256] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
        shown += L"|" + std::wstring(text);
    }
    return shown;
}

bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int default_button(HWND dialog) {
    return LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0));
}

// soramito-cli locate on the session with --ally-hp 22 --enemy-hp 14 finds 1902 positions, the
// nearest #16: 29 (-1) → 39; advance from 29 of 16 leaves lane 0 at 39, the ally at 22 and the
// enemy at 14.
TEST_F(Program, HappenedFindsWhereTheGameIsFromTheHpsSeenAndOkPutsLaneZeroThere) {
    std::vector<std::wstring> said;
    EXPECT_TRUE(grayed(IDM_HAPPENED));
    EXPECT_FALSE(with_ctrl_k([](HWND) {}, said));
    const std::filesystem::path path = folder.path / "s.json";
    std::ofstream(path, std::ios::binary) << reinterpret_cast<const char*>(kSession);
    ASSERT_TRUE(open_session_file(main_window(), path.wstring()));
    EXPECT_FALSE(grayed(IDM_HAPPENED));
    SentMessages balloons(EM_SHOWBALLOONTIP);
    const bool shown = with_ctrl_k(
        [](HWND box) {
            // No level-up: its boxes are grey; the re-move's are not.
            EXPECT_EQ(std::make_tuple(window_text(box), GetWindow(box, GW_OWNER),
                                      enabled(box, IDC_HAPPENED_LEVEL_UP),
                                      enabled(box, IDC_HAPPENED_RE_MOVE),
                                      window_text(GetDlgItem(box, IDC_HAPPENED_RE_MOVE))),
                      std::make_tuple(wide("起きたこと"), main_window(), false, true,
                                      wide("見ていない")));
            click(box, IDC_HAPPENED_SEARCH);  // nothing seen
            SetFocus(GetDlgItem(box, IDC_HAPPENED_ALLY_HP));
            type_text(L"22a");
            click(box, IDC_HAPPENED_SEARCH);  // a balloon, and nothing searched
            ASSERT_EQ(SentMessages::seen.size(), 1u);
            EXPECT_EQ(std::make_tuple(SentMessages::seen[0].window, SentMessages::seen[0].text),
                      std::make_tuple(GetDlgItem(box, IDC_HAPPENED_ALLY_HP),
                                      wide("0から9999までの数を入れてください")));
            EXPECT_EQ(std::make_tuple(list_lines(box, {}), default_button(box)),
                      std::make_tuple(L"0", IDC_HAPPENED_SEARCH));
            SetDlgItemTextW(box, IDC_HAPPENED_ALLY_HP, L"22");
            SendDlgItemMessageW(box, IDC_HAPPENED_ENEMY_HP, WM_SETTEXT, 0,
                                reinterpret_cast<LPARAM>(L"14"));
            click(box, IDC_HAPPENED_SEARCH);
            EXPECT_EQ(std::make_tuple(list_lines(box, {0, 200}),
                                      window_text(GetDlgItem(box, IDC_HAPPENED_COUNT))),
                      std::make_tuple(L"201|-1  #16: 29 " + wide("→ 39|ほか 1702 件"),
                                      wide("見つかった位置：1902個")));
            click(box, IDOK);  // no line chosen: the dialog stays
            // In the list Enter is OK.
            SetFocus(GetDlgItem(box, IDC_HAPPENED_FOUND));
            EXPECT_EQ(default_button(box), IDOK);
            SendDlgItemMessageW(box, IDC_HAPPENED_FOUND, LB_SETCURSEL, 0, 0);
            SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_HAPPENED_FOUND, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDC_HAPPENED_FOUND)));
            click(box, IDOK);
        },
        said);
    EXPECT_TRUE(shown);
    EXPECT_EQ(said,
              (std::vector<std::wstring>{
                  wide("見たことを一つ以上入れてください（HP、レベルアップ、再行動のどれか）。"),
                  wide("位置を選んでください")}));
    const AppState& state = app_state();
    EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position, state.ally.hp,
                              state.enemy.hp, state.history.count),
              std::make_tuple(16, 39, 22, 14, 1));
    // A plan in use greys the item.
    ASSERT_TRUE(open_session_file(main_window(), SORAMITO_SAMPLES_DIR L"/turn-plan.json"));
    EXPECT_TRUE(grayed(IDM_HAPPENED));
}

}  // namespace
