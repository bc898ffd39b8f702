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

// A key with Ctrl away from the pattern box, where Ctrl+Z and Ctrl+Y are the window's.
void ctrl_at_search(char key) {
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    press_key(key, kKeyCtrl);
}

// soramito-cli's answer on the last session as the window keeps it, read as JSON.
nlohmann::json cli_json(const std::filesystem::path& folder, std::vector<std::string> arguments) {
    SendMessageW(main_window(), WM_TIMER, IDT_LAST_SESSION, 0);
    std::ostringstream out, err;
    arguments.insert(arguments.begin(), {"soramito-cli", "--data-dir", folder.string()});
    EXPECT_EQ(run_cli(arguments, out, err), 0) << err.str();
    return nlohmann::json::parse(out.str());
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
    const nlohmann::json expected = cli_json(folder.path, {"advance", file.string(), "--json"});
    EXPECT_EQ(std::make_pair(grayed(IDM_ADVANCE),
                             IsWindowEnabled(GetDlgItem(main_window(), IDM_ADVANCE))),
              std::make_pair(false, TRUE));
    command(IDM_RECORD);
    EXPECT_EQ(record_lines().second, -1);
    press_key(VK_RETURN, kKeyCtrl);
    press_key(VK_RETURN, kKeyCtrl);
    const auto [two, newest] = record_lines();
    ASSERT_EQ(std::make_pair(two.size(), newest), std::make_pair(std::size_t{2}, 1));
    // In the pattern box Ctrl+Z undoes the typing; elsewhere it is 元に戻す, and Ctrl+Y やり直し.
    HWND box = program().mark_edit();
    const std::wstring marks = window_text(box);
    SetFocus(box);
    type_text(L"oox");
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(std::make_pair(window_text(box), record_lines().first.size()),
              std::make_pair(marks, std::size_t{2}));
    for (const char key : {'Z', 'Y', 'Z'}) {
        ctrl_at_search(key);
        EXPECT_EQ(record_lines().first.size(), key == 'Y' ? 2u : 1u) << key;
    }
    EXPECT_EQ(record_lines(), std::make_pair(std::vector<std::wstring>{two[0]}, 0));
    EXPECT_EQ(std::make_pair(grayed(IDM_UNDO), grayed(IDM_REDO)), std::make_pair(false, false));
    close_saving_and_start_again();
    EXPECT_EQ(std::make_pair(nlohmann::json::parse(read_file(folder.lastSession)),
                             nlohmann::json::parse(read_file(file))),
              std::make_pair(expected, expected));
    // The line after a level-up stays until a dialog's OK.
    open_sample(folder.path, L"level-up-search.json");
    click(main_window(), IDM_ADVANCE);
    EXPECT_NE(controller().check_line(), "");
    Program::dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) { press(dialog, IDOK); });
    EXPECT_EQ(controller().check_line(), "");
    // A fresh start, the last session gone: the ally's boxes as the roster keeps them once the
    // player picks it, after another unit, which the roster does not keep.
    close_program_without_saving();
    std::filesystem::remove(folder.lastSession);
    open_program();
    std::wstring shown;
    Program::dialog(IDM_STATUS, [&shown](HWND dialog) {
        for (const int entry : {1, 0}) {  // ミナト, then アルト, in the sorted list
            choose(dialog, IDC_STATUS_ALLY_LIST, entry);
            shown += texts(dialog, {1021, 1022, 1023, 1029, 1030});
        }
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(shown, L"10|10|10|40|60|11|10|10|41|61|");
}

// What the window keeps is what the player did: 元に戻す and やり直し take the roster's file back
// and on with 実行, and marks typed back and on in their box.
TEST_F(Program, TheRosterAndUndoKeepWhatThePlayerDid) {
    const std::filesystem::path roster = folder.appData / "Soramito" / "roster.json";
    open_sample(folder.path, L"level-up-search.json");
    click(main_window(), IDM_ADVANCE);
    const std::string one = read_file(roster);
    click(main_window(), IDM_ADVANCE);
    const std::string two = read_file(roster);
    ctrl_at_search('Z');
    EXPECT_EQ(read_file(roster), one);
    press_key('Y', kKeyCtrl);
    EXPECT_EQ(std::make_pair(read_file(roster), one == two), std::make_pair(two, false));
    press_key(VK_RIGHT, kKeyAlt);
    HWND box = program().mark_edit();
    const std::wstring marks = window_text(box);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0x7FFF, 0x7FFF);
    type_text(L"oxo");
    const std::wstring typed = window_text(box);
    command(IDM_UNDO);
    EXPECT_EQ(window_text(box), marks);
    command(IDM_REDO);
    EXPECT_EQ(std::make_pair(window_text(box), grayed(IDM_REDO)), std::make_pair(typed, true));
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

// The worked battle's HPs, 40 and 0, seen on lane 0's sequence: the nearest place is where lane 0
// stands, #0: 1 → 12. The dialog from Ctrl+K; its message boxes answered with OK, their texts
// kept.
TEST_F(Program, HappenedFindsWhereTheGameIsFromTheHpsSeenAndOkPutsLaneZeroThere) {
    open_sample(folder.path, L"worked-battle.json");
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
            EXPECT_EQ(GetWindow(box, GW_OWNER), main_window());
            click(box, IDC_HAPPENED_SEARCH);  // nothing seen
            SetFocus(GetDlgItem(box, IDC_HAPPENED_ALLY_HP));
            type_text(L"22a");
            click(box, IDC_HAPPENED_SEARCH);  // a balloon, and nothing searched
            EXPECT_EQ(
                balloons.seen,
                (std::vector<SentMessages::Sent>{{GetDlgItem(box, IDC_HAPPENED_ALLY_HP),
                                                  wide("0から9999までの数を入れてください")}}));
            HWND found = GetDlgItem(box, IDC_HAPPENED_FOUND);
            EXPECT_EQ(std::make_tuple(list_box_lines(found).size(),
                                      LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0))),
                      std::make_tuple(std::size_t{0}, IDC_HAPPENED_SEARCH));
            retype(box, IDC_HAPPENED_ALLY_HP, L"40");
            retype(box, IDC_HAPPENED_ENEMY_HP, L"0");
            click(box, IDC_HAPPENED_SEARCH);
            const auto lines = list_box_lines(found);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(std::make_pair(lines[0], window_text(GetDlgItem(box, IDC_HAPPENED_COUNT))
                                                   .starts_with(wide("見つかった位置："))),
                      std::make_pair(wide("±0  #0: 1 → 12"), true));
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
    EXPECT_EQ(std::make_pair(window_state().session.lanes[0].seedIndex,
                             window_state().session.lanes[0].position),
              std::make_pair(0, 12));
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
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

// Lane 0 and the number of places kept in the last session, as the window keeps it on its timer.
std::tuple<int, int, std::size_t> lane_and_kept(const std::filesystem::path& file) {
    SendMessageW(main_window(), WM_TIMER, IDT_LAST_SESSION, 0);
    const nlohmann::json session = nlohmann::json::parse(read_file(file));
    const nlohmann::json& lane = session["lanes"][0];
    return {lane.value("seedIndex", 0), lane.value("position", 1),
            session.contains("kept") ? session["kept"].size() : 0};
}

// Whether 全部の乱数列 (1250), 残す (1251) and 捨てる (1252) are enabled, and the kept places'
// line.
std::wstring kept_controls(HWND box) {
    std::wstring shown;
    for (const int id : {1250, 1251, 1252}) {
        shown += IsWindowEnabled(GetDlgItem(box, id)) ? L"1" : L"0";
    }
    return shown + L"|" + window_text(GetDlgItem(box, 1253));
}

// A chain with no marks: the worked battle's HPs (40 and 0) over every sequence, the places they
// lead to kept, lane 0 on the nearest, #0: 1 → 12, in the last session and drawn under the lanes.
// 実行 narrows them; 残した位置を捨てる and the dialog let them go. Each is one step 元に戻す takes
// back.
TEST_F(Program, PlacesKeptFromEverySequenceAreNarrowedByWhatTheGameDoes) {
    open_sample(folder.path, L"worked-battle.json");
    const std::filesystem::path& lastFile = folder.lastSession;
    const auto kept = [&lastFile] { return std::get<2>(lane_and_kept(lastFile)); };
    with_boxes([] { press_key('K', kKeyCtrl); },
               [](HWND box) {
                   EXPECT_EQ(std::make_pair(kept_controls(box), IsDlgButtonChecked(box, 1250)),
                             std::make_pair(std::wstring(L"100|"), UINT{BST_UNCHECKED}));
                   retype(box, IDC_HAPPENED_ALLY_HP, L"40");
                   retype(box, IDC_HAPPENED_ENEMY_HP, L"0");
                   click(box, 1250);
                   click(box, IDC_HAPPENED_SEARCH);
                   EXPECT_EQ(kept_controls(box), L"110|");
                   press(box, 1251);
               });
    EXPECT_EQ(std::make_pair(lane_and_kept(lastFile), inked(UnderLanes::kKeptLine)),
              std::make_pair(std::tuple(0, 12, std::size_t{45205}), true));
    ctrl_at_search('Z');
    EXPECT_EQ(std::make_pair(lane_and_kept(lastFile), inked(UnderLanes::kKeptLine)),
              std::make_pair(std::tuple(0, 1, std::size_t{0}), false));
    ctrl_at_search('Y');
    // 実行 narrows the places, or says under the lanes that none is left.
    click(main_window(), IDM_ADVANCE);
    EXPECT_EQ(inked(UnderLanes::kMessageLine), kept() == 0);
    ctrl_at_search('Z');
    EXPECT_EQ(kept(), 45205u);
    EXPECT_FALSE(grayed(IDM_DISCARD_KEPT));
    command(IDM_DISCARD_KEPT);
    EXPECT_EQ(std::make_tuple(kept(), grayed(IDM_DISCARD_KEPT), inked(UnderLanes::kKeptLine)),
              std::make_tuple(std::size_t{0}, true, false));
    ctrl_at_search('Z');
    // The dialog searches the kept places alone. There they go at once, and what was found among
    // them with them; keeping places found afresh, on lane 0's sequence, is a step of its own.
    const LaneRun& shown = window_state().shown.lanes[0];
    const std::wstring ally = std::to_wstring(shown.allyHpAfter);
    const std::wstring enemy = std::to_wstring(shown.enemyHpAfter);
    with_boxes([] { press_key('K', kKeyCtrl); },
               [&](HWND box) {
                   EXPECT_EQ(kept_controls(box), wide("001|残した位置 45205 個から探します"));
                   retype(box, IDC_HAPPENED_ALLY_HP, L"40");
                   retype(box, IDC_HAPPENED_ENEMY_HP, L"0");
                   click(box, IDC_HAPPENED_SEARCH);
                   click(box, 1252);
                   EXPECT_EQ(std::make_pair(kept_controls(box),
                                            list_box_lines(GetDlgItem(box, IDC_HAPPENED_FOUND))),
                             std::make_pair(std::wstring(L"100|"), std::vector<std::wstring>{}));
                   retype(box, IDC_HAPPENED_ALLY_HP, ally);
                   retype(box, IDC_HAPPENED_ENEMY_HP, enemy);
                   click(box, IDC_HAPPENED_SEARCH);
                   press(box, 1251);
               });
    for (const std::size_t left : {std::size_t{0}, std::size_t{45205}}) {
        ctrl_at_search('Z');
        EXPECT_EQ(kept(), left);
    }
    // A 実行 refused is told in a box.
    SetWindowTextW(program().position_edit(0), L"4970");
    click(main_window(), IDC_LANE0_JUMP);
    EXPECT_NE(answer_box([] { click(main_window(), IDM_ADVANCE); }, IDOK), L"(none)");
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
}

}  // namespace
