// Following the game in the window: 実行, 記録, 元に戻す, やり直し, the roster and 起きたこと.

#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/cli.h"
#include "tests/win32/program_fixture.h"
#include "view/session.h"
#include "view/window_layout.h"

namespace {

// A sample copied into the working folder, so that saving it leaves the sample as it is, and
// opened as 開く opens it.
std::filesystem::path open_sample(const std::filesystem::path& folder, const wchar_t* name) {
    const std::filesystem::path copy = folder / name;
    std::filesystem::copy_file(std::filesystem::path(SORAMITO_SAMPLES_DIR) / name, copy,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(program().files().open_file(copy.wstring()));
    return copy;
}

void close_saving_and_start_again() {
    answer_box([] { EXPECT_EQ(close_program(), 0); }, IDYES);
    open_program();
}

// The lines the 記録 window lists, and the line selected.
std::pair<std::vector<std::wstring>, int> record_lines() {
    HWND list = GetWindow(FindWindowW(L"SoramitoRecord", nullptr), GW_CHILD);
    return {list_box_lines(list), static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0))};
}

// 実行 twice and 元に戻す once leave in the file and the last session what one advance gives.
TEST_F(Program, CtrlEnterAdvancesAndTheRecordUndoAndRosterFollow) {
    // Grey while no ally is set, and 元に戻す with nothing done.
    EXPECT_EQ(std::make_tuple(grayed(IDM_ADVANCE),
                              IsWindowEnabled(GetDlgItem(main_window(), IDM_ADVANCE)),
                              grayed(IDM_UNDO), grayed(IDM_REDO)),
              std::make_tuple(true, FALSE, true, true));
    const std::filesystem::path file = open_sample(folder.path, L"worked-battle.json");
    // What soramito-cli advance gives for the file, on the window's start-up files.
    std::ostringstream out, err;
    EXPECT_EQ(run_cli({"soramito-cli", "--data-dir", folder.path.string(), "advance", file.string(),
                       "--json"},
                      out, err),
              0)
        << err.str();
    const nlohmann::json expected = nlohmann::json::parse(out.str());
    EXPECT_EQ(std::make_pair(grayed(IDM_ADVANCE),
                             IsWindowEnabled(GetDlgItem(main_window(), IDM_ADVANCE))),
              std::make_pair(false, TRUE));
    command(IDM_RECORD);
    EXPECT_EQ(record_lines().second, -1);
    press_key(VK_RETURN, kKeyCtrl);
    EXPECT_EQ(window_state().session.lanes[0].position, 12);
    press_key(VK_RETURN, kKeyCtrl);
    const auto [two, newest] = record_lines();
    ASSERT_EQ(std::make_pair(two.size(), newest), std::make_pair(std::size_t{2}, 1));
    EXPECT_EQ(two[0], wide("#00 1→12（11個） 戦闘 味方40→40 敵40→0"));
    // In the pattern box Ctrl+Z undoes the typing; elsewhere it is 元に戻す, and Ctrl+Y やり直し.
    HWND box = program().mark_edit();
    const std::wstring marks = window_text(box);
    SetFocus(box);
    type_text(L"oox");
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(std::make_pair(window_text(box), record_lines().first.size()),
              std::make_pair(marks, std::size_t{2}));
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    for (const char key : {'Z', 'Y', 'Z'}) {
        press_key(key, kKeyCtrl);
        EXPECT_EQ(record_lines().first.size(), key == 'Y' ? 2u : 1u) << key;
    }
    EXPECT_EQ(record_lines(), std::make_pair(std::vector<std::wstring>{two[0]}, 0));
    EXPECT_EQ(std::make_pair(grayed(IDM_UNDO), grayed(IDM_REDO)), std::make_pair(false, false));
    close_saving_and_start_again();
    EXPECT_EQ(nlohmann::json::parse(read_file(folder.lastSession)), expected);
    EXPECT_EQ(nlohmann::json::parse(read_file(file)), expected);
    // 新規 (its changes dropped) leaves nothing to undo or redo.
    press_key(VK_RIGHT, kKeyAlt);
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(std::make_tuple(window_state().session.lanes[0].position, grayed(IDM_UNDO),
                              grayed(IDM_REDO)),
              std::make_tuple(1, true, true));
    // After a level-up, the figures come back from the roster at the next start.
    open_sample(folder.path, L"level-up-search.json");
    SendDlgItemMessageW(main_window(), IDM_ADVANCE, BM_CLICK, 0, 0);
    // The line after the level-up stays until a dialog's OK.
    EXPECT_EQ(controller().check_line(), "力 が上がりました：攻撃を確かめてください");
    Program::dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) { press(dialog, IDOK); });
    EXPECT_EQ(controller().check_line(), "");
    close_saving_and_start_again();
    // A fresh start, the last session gone: the ally's boxes as the roster keeps them once the
    // player picks it, after another unit, which the roster does not keep.
    EXPECT_EQ(close_program(), 0);
    std::filesystem::remove(folder.lastSession);
    open_program();
    std::wstring shown;
    Program::dialog(IDM_STATUS, [&shown](HWND dialog) {
        for (const char* name : {"ミナト", "アルト"}) {
            choose(dialog, IDC_STATUS_ALLY_LIST,
                   static_cast<int>(SendDlgItemMessageW(
                       dialog, IDC_STATUS_ALLY_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(wide(name).c_str()))));
            shown += texts(dialog, {1021, 1022, 1023, 1029, 1030});
        }
        shown += IsDlgButtonChecked(dialog, 1008) == BST_CHECKED ? L"連続" : L"";
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(shown, wide("10|10|10|40|60|11|10|10|41|61|連続"));
}

// What the window keeps is what the player did. A status OK that changes nothing leaves the
// roster as 実行 left it; 元に戻す and やり直し take the roster back and on with 実行; marks typed
// after a lane move go back first, the move next.
TEST_F(Program, TheRosterAndUndoKeepWhatThePlayerDid) {
    const std::filesystem::path roster = folder.appData / "Soramito" / "roster.json";
    const auto alto = [&roster](const char* figure) {
        return nlohmann::json::parse(
                   read_file(roster))["allies"][reinterpret_cast<const char*>(u8"アルト")][figure]
            .get<int>();
    };
    const auto advance = [] { SendDlgItemMessageW(main_window(), IDM_ADVANCE, BM_CLICK, 0, 0); };
    open_sample(folder.path, L"level-up-search.json");
    advance();
    const std::string one = read_file(roster);
    EXPECT_EQ(std::make_tuple(alto("level"), alto("hp"), alto("maxHp")),
              std::make_tuple(11, 41, 61));
    // アルト at Lv 10 in another session; OK on its status as it stands.
    answer_box([this] { open_sample(folder.path, L"worked-battle.json"); }, IDNO);
    Program::dialog(IDM_STATUS, [](HWND dialog) { press(dialog, IDOK); });
    EXPECT_EQ(std::make_tuple(read_file(roster) == one, grayed(IDM_UNDO),
                              window_text(main_window()).starts_with(L"*")),
              std::make_tuple(true, true, false));
    EXPECT_EQ(answer_box([this] { open_sample(folder.path, L"level-up-search.json"); }, IDNO),
              L"(none)");
    advance();
    advance();
    const std::string two = read_file(roster);
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(read_file(roster), one);
    press_key('Y', kKeyCtrl);
    EXPECT_EQ(std::make_pair(read_file(roster) == two, alto("level")), std::make_pair(true, 12));
    const Session before = window_state().session;
    press_key(VK_RIGHT, kKeyAlt);
    const Session moved = window_state().session;
    HWND box = program().mark_edit();
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0x7FFF, 0x7FFF);
    type_text(L"oxo");
    const std::wstring typed = window_text(box);
    command(IDM_UNDO);
    EXPECT_EQ(std::make_pair(window_state().session, window_text(box)),
              std::make_pair(moved, wide(moved.marks.c_str())));
    command(IDM_UNDO);
    EXPECT_EQ(window_state().session, before);
    command(IDM_REDO);
    command(IDM_REDO);
    EXPECT_EQ(std::make_tuple(window_state().session.lanes, window_text(box), grayed(IDM_REDO)),
              std::make_tuple(moved.lanes, typed, true));
    // A text longer than is read stays whole in the box; 元に戻す sets the box to the marks, the
    // first 499 bytes: 101 x and 199 ○.
    const std::wstring pasted = std::wstring(101, L'x') + std::wstring(499, wide("○")[0]);
    SetWindowTextW(box, pasted.c_str());
    EXPECT_EQ(std::make_pair(window_text(box), window_state().markTextCut),
              std::make_pair(pasted, true));
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    press_key(VK_RIGHT, kKeyAlt);
    command(IDM_UNDO);
    EXPECT_EQ(std::make_pair(window_text(box), window_state().markTextCut),
              std::make_pair(pasted.substr(0, 300), false));
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
}

// ミナト (怒り) against 山賊 (反撃), with figures of their own; the battle and the re-move on, lane
// 0 at 30 of sequence 16, behind marks that leave 0, 16 and 51. The game left the HPs at 22, 14.
const char8_t kHappened[] =
    u8R"({"ally": {"name": "ミナト", "followUpCritFactor": 3,
    "skills": [1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0], "level": 7, "technique": 12, "luck": 8,
    "hitRate": 85, "critRate": 15, "attackSpeed": 12, "attack": 18, "defense": 6, "hp": 30,
    "maxHp": 34}, "enemy": {"name": "山賊", "followUpCritFactor": 0,
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1], "level": 5, "technique": 4, "luck": 2,
    "hitRate": 70, "critRate": 3, "attackSpeed": 6, "attack": 14, "defense": 4, "hp": 28,
    "maxHp": 28}, "eventSwitches": [0, 1, 0, 1],
    "growthRates": [55, 90, 40, 70, 70, 90, 60, 35, 0, 20],
    "lanes": [{"seedIndex": 16, "position": 30}], "marks": "×××○○×××○×○×○○×○×○○×"})";

// soramito-cli locate on the session with --ally-hp 22 --enemy-hp 14 finds 1902 positions, the
// nearest #16: 29 (-1) → 39; advance from 29 of 16 leaves lane 0 at 39, the ally at 22 and the
// enemy at 14. The dialog from Ctrl+K; its message boxes answered with OK, their texts kept.
TEST_F(Program, HappenedFindsWhereTheGameIsFromTheHpsSeenAndOkPutsLaneZeroThere) {
    EXPECT_TRUE(grayed(IDM_HAPPENED));
    open_written("s.json", kHappened);
    EXPECT_FALSE(grayed(IDM_HAPPENED));
    SentMessages balloons(EM_SHOWBALLOONTIP);
    std::vector<std::wstring> said;
    bool shown = false;
    with_boxes(
        [] { press_key('K', kKeyCtrl); },
        [&](HWND box) {
            if (window_text(box) == L"ソラミト") {
                said.push_back(window_text(GetDlgItem(box, 0xFFFF)));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            if (std::exchange(shown, true)) {
                return;  // back after a message box
            }
            // No level-up: its boxes are grey; the re-move's are not.
            EXPECT_EQ(std::make_tuple(window_text(box), GetWindow(box, GW_OWNER),
                                      IsWindowEnabled(GetDlgItem(box, IDC_HAPPENED_LEVEL_UP)),
                                      IsWindowEnabled(GetDlgItem(box, IDC_HAPPENED_RE_MOVE)),
                                      window_text(GetDlgItem(box, IDC_HAPPENED_RE_MOVE))),
                      std::make_tuple(wide("起きたこと"), main_window(), FALSE, TRUE,
                                      wide("見ていない")));
            click(box, IDC_HAPPENED_SEARCH);  // nothing seen
            SetFocus(GetDlgItem(box, IDC_HAPPENED_ALLY_HP));
            type_text(L"22a");
            click(box, IDC_HAPPENED_SEARCH);  // a balloon, and nothing searched
            ASSERT_EQ(SentMessages::seen.size(), 1u);
            EXPECT_EQ(std::make_tuple(SentMessages::seen[0].window, SentMessages::seen[0].text),
                      std::make_tuple(GetDlgItem(box, IDC_HAPPENED_ALLY_HP),
                                      wide("0から9999までの数を入れてください")));
            HWND found = GetDlgItem(box, IDC_HAPPENED_FOUND);
            EXPECT_EQ(std::make_tuple(list_box_lines(found).size(),
                                      LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0))),
                      std::make_tuple(std::size_t{0}, IDC_HAPPENED_SEARCH));
            retype(box, IDC_HAPPENED_ALLY_HP, L"22");
            retype(box, IDC_HAPPENED_ENEMY_HP, L"14");
            click(box, IDC_HAPPENED_SEARCH);
            const auto lines = list_box_lines(found);
            ASSERT_EQ(lines.size(), 200u);
            EXPECT_EQ(std::make_tuple(lines[0], window_text(GetDlgItem(box, IDC_HAPPENED_COUNT))),
                      std::make_tuple(L"-1  #16: 29 " + wide("→ 39"),
                                      wide("見つかった位置：1902個\n（一覧のほか 1702 個）")));
            click(box, IDOK);  // no line chosen: the dialog stays
            // In the list Enter is OK.
            SetFocus(found);
            EXPECT_EQ(LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0)), IDOK);
            SendMessageW(found, LB_SETCURSEL, 0, 0);
            SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_HAPPENED_FOUND, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(found));
            click(box, IDOK);
        });
    EXPECT_TRUE(shown);
    EXPECT_EQ(said,
              (std::vector<std::wstring>{
                  wide("見たことを一つ以上入れてください（HP、レベルアップ、再行動のどれか）。"),
                  wide("位置を選んでください")}));
    const WindowState& state = window_state();
    EXPECT_EQ(std::make_tuple(state.session.lanes[0].seedIndex, state.session.lanes[0].position,
                              state.session.action.ally.hp, state.session.action.enemy.hp,
                              state.session.history.count),
              std::make_tuple(16, 39, 22, 14, 1));
    // A plan in use greys the item.
    ASSERT_TRUE(program().files().open_file(SORAMITO_SAMPLES_DIR L"/turn-plan.json"));
    EXPECT_TRUE(grayed(IDM_HAPPENED));
}

// Whether anything is drawn on the screen in a place under the lanes.
bool inked(UnderLanes place) {
    RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const LayoutBox& box = place_of(place);
    const int dpi = program().dpi();
    HDC screen = GetDC(main_window());
    bool ink = false;
    for (int y = scale_to_dpi(box.top, dpi); y < scale_to_dpi(box.bottom, dpi) && !ink; ++y) {
        for (int x = scale_to_dpi(box.left, dpi); x < scale_to_dpi(box.right, dpi) && !ink; ++x) {
            ink = GetPixel(screen, x, y) != RGB(255, 255, 255);
        }
    }
    ReleaseDC(main_window(), screen);
    return ink;
}

// The last session as the window keeps it on its timer, and lane 0 and the kept places in it.
nlohmann::json last_session(const std::filesystem::path& file) {
    SendMessageW(main_window(), WM_TIMER, IDT_LAST_SESSION, 0);
    return nlohmann::json::parse(read_file(file));
}
std::tuple<int, int, std::size_t> lane_and_kept(const nlohmann::json& session) {
    const nlohmann::json& lane = session["lanes"][0];
    return {lane.value("seedIndex", 0), lane.value("position", 1),
            session.contains("kept") ? session["kept"].size() : 0};
}

// soramito-cli's answer on the last session as the window keeps it, read as JSON.
nlohmann::json cli_json(const std::filesystem::path& folder, std::vector<std::string> arguments) {
    SendMessageW(main_window(), WM_TIMER, IDT_LAST_SESSION, 0);
    std::ostringstream out, err;
    arguments.insert(arguments.begin(), {"soramito-cli", "--data-dir", folder.string()});
    EXPECT_EQ(run_cli(arguments, out, err), 0) << err.str();
    return nlohmann::json::parse(out.str());
}

// A chain with no marks: the worked battle's HPs (40 and 0) over every sequence, 50,399 places
// leading to 45,205, the nearest #0: 1 → 12 (soramito-cli locate --all-sequences); then 起きたこと
// over those alone, 実行 narrowing them as soramito-cli advance does, and both ways to let them
// go. Each is one step 元に戻す takes back.
TEST_F(Program, PlacesKeptFromEverySequenceAreNarrowedByWhatTheGameDoes) {
    open_sample(folder.path, L"worked-battle.json");
    const std::filesystem::path lastFile = folder.lastSession;
    const auto undo_redo = [](char key) {
        SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
        press_key(key, kKeyCtrl);
    };
    with_boxes(
        [] { press_key('K', kKeyCtrl); },
        [](HWND box) {
            EXPECT_EQ(std::make_tuple(IsWindowEnabled(GetDlgItem(box, 1250)),
                                      IsDlgButtonChecked(box, 1250),
                                      IsWindowEnabled(GetDlgItem(box, 1251)),
                                      IsWindowEnabled(GetDlgItem(box, 1252)),
                                      window_text(GetDlgItem(box, 1253))),
                      std::make_tuple(TRUE, UINT{BST_UNCHECKED}, FALSE, FALSE, std::wstring()));
            retype(box, IDC_HAPPENED_ALLY_HP, L"40");
            retype(box, IDC_HAPPENED_ENEMY_HP, L"0");
            click(box, 1250);
            click(box, IDC_HAPPENED_SEARCH);
            EXPECT_EQ(
                std::make_pair(window_text(GetDlgItem(box, IDC_HAPPENED_COUNT)),
                               IsWindowEnabled(GetDlgItem(box, 1251))),
                std::make_pair(wide("見つかった位置：50399個\n（一覧のほか 50199 個）"), TRUE));
            press(box, 1251);
        });
    const nlohmann::json kept = last_session(lastFile);
    EXPECT_EQ(std::make_tuple(lane_and_kept(kept), kept["kept"][0], kept["history"].size(),
                              inked(UnderLanes::kKeptLine)),
              std::make_tuple(std::tuple(0, 12, std::size_t{45205}), nlohmann::json{0, 12},
                              std::size_t{1}, true));
    undo_redo('Z');
    EXPECT_EQ(std::make_pair(lane_and_kept(last_session(lastFile)), inked(UnderLanes::kKeptLine)),
              std::make_pair(std::tuple(0, 1, std::size_t{0}), false));
    undo_redo('Y');
    // Again, over the kept places alone: what lane 0 now shows was seen. OK on the nearest line
    // stands lane 0 where soramito-cli locate says, and lets the places go.
    const LaneRun& shown = window_state().shown.lanes[0];
    const std::string ally = std::to_string(shown.allyHpAfter);
    const std::string enemy = std::to_string(shown.enemyHpAfter);
    const nlohmann::json located = cli_json(folder.path, {"locate", lastFile.string(), "--ally-hp",
                                                          ally, "--enemy-hp", enemy, "--json"});
    with_boxes([] { press_key('K', kKeyCtrl); },
               [&](HWND box) {
                   EXPECT_EQ(std::make_tuple(IsWindowEnabled(GetDlgItem(box, 1250)),
                                             IsWindowEnabled(GetDlgItem(box, 1252)),
                                             window_text(GetDlgItem(box, 1253))),
                             std::make_tuple(FALSE, TRUE, wide("残した位置 45205 個から探します")));
                   retype(box, IDC_HAPPENED_ALLY_HP, wide(ally.c_str()));
                   retype(box, IDC_HAPPENED_ENEMY_HP, wide(enemy.c_str()));
                   click(box, IDC_HAPPENED_SEARCH);
                   HWND found = GetDlgItem(box, IDC_HAPPENED_FOUND);
                   EXPECT_EQ(list_box_lines(found).size(),
                             std::min<std::size_t>(located["found"].size(), 200));
                   SendMessageW(found, LB_SETCURSEL, 0, 0);
                   press(box, IDOK);
               });
    EXPECT_EQ(lane_and_kept(last_session(lastFile)),
              std::tuple(located["found"][0]["seedIndex"].get<int>(),
                         located["found"][0]["next"].get<int>(), std::size_t{0}));
    undo_redo('Z');
    // 実行 with the places kept narrows them as soramito-cli advance does.
    const nlohmann::json advanced = cli_json(folder.path, {"advance", lastFile.string(), "--json"});
    SendDlgItemMessageW(main_window(), IDM_ADVANCE, BM_CLICK, 0, 0);
    EXPECT_TRUE(last_session(lastFile) == advanced);  // too long to print
    EXPECT_EQ(inked(UnderLanes::kMessageLine), !advanced.contains("kept"));
    undo_redo('Z');
    EXPECT_EQ(std::get<2>(lane_and_kept(last_session(lastFile))), 45205u);
    // 残した位置を捨てる from the menu, and from the dialog, where キャンセル keeps the discarding.
    EXPECT_FALSE(grayed(IDM_DISCARD_KEPT));
    command(IDM_DISCARD_KEPT);
    EXPECT_EQ(std::make_tuple(std::get<2>(lane_and_kept(last_session(lastFile))),
                              grayed(IDM_DISCARD_KEPT), inked(UnderLanes::kKeptLine)),
              std::make_tuple(std::size_t{0}, true, false));
    undo_redo('Z');
    // In the dialog the places go at once, and what was found among them with them; keeping
    // places found afresh is a step of its own.
    with_boxes(
        [] { press_key('K', kKeyCtrl); },
        [&](HWND box) {
            retype(box, IDC_HAPPENED_ALLY_HP, L"40");
            retype(box, IDC_HAPPENED_ENEMY_HP, L"0");
            click(box, IDC_HAPPENED_SEARCH);
            click(box, 1252);
            EXPECT_EQ(
                std::make_tuple(
                    IsWindowEnabled(GetDlgItem(box, 1250)), IsWindowEnabled(GetDlgItem(box, 1251)),
                    IsWindowEnabled(GetDlgItem(box, 1252)), window_text(GetDlgItem(box, 1253)),
                    list_box_lines(GetDlgItem(box, IDC_HAPPENED_FOUND))),
                std::make_tuple(TRUE, FALSE, FALSE, std::wstring(), std::vector<std::wstring>{}));
            // Found afresh on lane 0's sequence: what lane 0 shows.
            retype(box, IDC_HAPPENED_ALLY_HP, wide(ally.c_str()));
            retype(box, IDC_HAPPENED_ENEMY_HP, wide(enemy.c_str()));
            click(box, IDC_HAPPENED_SEARCH);
            press(box, 1251);
        });
    for (const std::size_t kept : {std::size_t{0}, std::size_t{45205}}) {
        undo_redo('Z');
        EXPECT_EQ(std::get<2>(lane_and_kept(last_session(lastFile))), kept);
    }
    // A 実行 refused leaves the places as they were, and is no step.
    SetWindowTextW(program().position_edit(0), L"4970");
    SendDlgItemMessageW(main_window(), IDC_LANE0_JUMP, BM_CLICK, 0, 0);
    answer_box([] { SendDlgItemMessageW(main_window(), IDM_ADVANCE, BM_CLICK, 0, 0); }, IDOK);
    EXPECT_EQ(std::get<2>(lane_and_kept(last_session(lastFile))), 45205u);
    undo_redo('Z');
    EXPECT_EQ(lane_and_kept(last_session(lastFile)), std::tuple(0, 12, std::size_t{45205}));
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
}

}  // namespace
