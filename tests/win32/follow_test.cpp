// Following the game in the window: 実行 from its key and its button, 記録, 元に戻す and やり直し,
// and the roster that brings an ally's figures back at the next start. Keys go through the
// program's accelerators with the key state set, as a player's keys do.

#include <windows.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

#include "cli/cli.h"
#include "tests/win32/program_fixture.h"
#include "view/resource.h"
#include "view/session.h"
#include "win32/edit_commands.h"
#include "win32/program.h"
#include "win32/session_files.h"

namespace {

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A sample copied into the working folder, so that saving it leaves the sample as it is, and
// opened as 開く opens it.
std::filesystem::path open_sample(const std::filesystem::path& folder, const wchar_t* name) {
    const std::filesystem::path copy = folder / name;
    std::filesystem::copy_file(std::filesystem::path(SORAMITO_SAMPLES_DIR) / name, copy,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(open_session_file(main_window(), copy.wstring()));
    return copy;
}

// What soramito-cli advance gives for the file, on the window's start-up files.
nlohmann::json advanced(const std::filesystem::path& file, const std::filesystem::path& data) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_cli({"soramito-cli", "--data-dir", utf8(data), "advance", utf8(file), "--json"},
                      out, err),
              0)
        << err.str();
    return nlohmann::json::parse(out.str());
}

// Closes the window as the player does, saving the changed file (はい), and starts it again.
void close_saving_and_start_again() {
    int exitCode = -1;
    with_boxes([&exitCode] { exitCode = close_program(); },
               [](HWND box) { PostMessageW(box, WM_COMMAND, IDYES, 0); });
    EXPECT_EQ(exitCode, 0);
    open_program();
}

HWND advance_button() {
    return GetDlgItem(main_window(), IDM_ADVANCE);
}

// The lines the 記録 window lists, "|" after each, and the line selected.
std::pair<std::wstring, int> record_lines() {
    HWND list = GetWindow(FindWindowW(L"SoramitoRecord", nullptr), GW_CHILD);
    std::wstring lines;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t line[256] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines += std::wstring(line) + L"|";
    }
    return {lines, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0))};
}

TEST_F(Program, CtrlEnterLeavesInTheLastSessionWhatAdvanceGives) {
    // Grey while no ally is set, and 元に戻す with nothing done.
    EXPECT_EQ(std::make_tuple(grayed(IDM_ADVANCE), IsWindowEnabled(advance_button()),
                              grayed(IDM_UNDO), grayed(IDM_REDO)),
              std::make_tuple(true, FALSE, true, true));
    const std::filesystem::path file = open_sample(folder.path, L"worked-battle.json");
    const nlohmann::json expected = advanced(file, folder.path);
    EXPECT_EQ(std::make_pair(grayed(IDM_ADVANCE), IsWindowEnabled(advance_button())),
              std::make_pair(false, TRUE));
    press_key(VK_RETURN, kKeyCtrl);
    EXPECT_EQ(app_state().lanes[0].position, 12);
    close_saving_and_start_again();
    EXPECT_EQ(nlohmann::json::parse(read_file(folder.lastSession)), expected);
}

TEST_F(Program, TwiceAndOneStepBackIsOneAdvanceAndTheRecordFollows) {
    const std::filesystem::path file = open_sample(folder.path, L"worked-battle.json");
    const nlohmann::json expected = advanced(file, folder.path);
    command(IDM_RECORD);
    EXPECT_EQ(record_lines(), std::make_pair(std::wstring(), -1));
    press_key(VK_RETURN, kKeyCtrl);
    press_key(VK_RETURN, kKeyCtrl);
    const auto [two, newest] = record_lines();
    EXPECT_EQ(std::make_pair(two.substr(0, two.find(L'|')), newest),
              std::make_pair(wide("#00 1→12（11個） 戦闘 味方40→40 敵40→0"), 1));
    // Outside an edit box Ctrl+Z is 元に戻す.
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(record_lines(), std::make_pair(two.substr(0, two.find(L'|') + 1), 0));
    EXPECT_EQ(std::make_pair(grayed(IDM_UNDO), grayed(IDM_REDO)), std::make_pair(false, false));
    close_saving_and_start_again();
    EXPECT_EQ(nlohmann::json::parse(read_file(folder.lastSession)), expected);
    EXPECT_EQ(nlohmann::json::parse(read_file(file)), expected);
}

TEST_F(Program, CtrlZInThePatternBoxUndoesTheTypingAndNewForgetsEveryStep) {
    press_key(VK_RIGHT, kKeyAlt);  // lane 0 on: a step
    HWND box = window_handles().markEdit;
    SetFocus(box);
    type_text(L"oox");
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(std::make_tuple(window_text(box), app_state().lanes[0].position),
              std::make_tuple(L"", 2));
    SetFocus(GetDlgItem(main_window(), IDC_SEARCH));
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(app_state().lanes[0].position, 1);
    press_key('Y', kKeyCtrl);
    EXPECT_EQ(app_state().lanes[0].position, 2);
    // 新規 (its changes dropped) leaves nothing to undo or redo.
    with_boxes([] { command(IDM_FILE_NEW); },
               [](HWND shown) { PostMessageW(shown, WM_COMMAND, IDNO, 0); });
    press_key('Z', kKeyCtrl);
    EXPECT_EQ(std::make_tuple(app_state().lanes[0].position, grayed(IDM_UNDO), grayed(IDM_REDO)),
              std::make_tuple(1, true, true));
}

TEST_F(Program, ARefusalSaysWhyAndChangesNothing) {
    const std::filesystem::path file = open_sample(folder.path, L"level-up-search.json");
    std::wstring said;
    // An ally of 9999 HP whose HP grows at the level-up: no session could hold 10000.
    Program::dialog(IDM_STATUS, [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_STATUS_FIRST_FIGURE + 8, L"9999");
        press(dialog, IDOK);
    });
    const std::string before = session_text(app_state());
    with_boxes([] { SendMessageW(advance_button(), BM_CLICK, 0, 0); },
               [&said](HWND shown) {
                   said = window_text(shown) + L"|" + window_text(GetDlgItem(shown, 0xFFFF));
                   PostMessageW(shown, WM_COMMAND, IDOK, 0);
               });
    EXPECT_EQ(said, wide("ソラミト|味方のHPが10000になり9999を超えるため実行できません"));
    EXPECT_EQ(session_text(app_state()), before);
    close_saving_and_start_again();
}

TEST_F(Program, AfterALevelUpTheFiguresComeBackFromTheRosterAtTheNextStart) {
    open_sample(folder.path, L"level-up-search.json");
    SendMessageW(advance_button(), BM_CLICK, 0, 0);
    // The line after the level-up stays until a dialog's OK.
    EXPECT_EQ(check_line(), "力 が上がりました：攻撃を確かめてください");
    Program::dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) { press(dialog, IDOK); });
    EXPECT_EQ(check_line(), "");
    close_saving_and_start_again();
    // A fresh start, the last session gone: the ally's boxes as the roster keeps them once the
    // player picks it, after another unit.
    EXPECT_EQ(close_program(), 0);
    std::filesystem::remove(folder.lastSession);
    open_program();
    std::wstring before;
    std::wstring after;
    Program::dialog(IDM_STATUS, [&](HWND dialog) {
        const int list = IDC_STATUS_ALLY_LIST;
        const auto entry = [dialog](const char* name) {
            return static_cast<int>(SendDlgItemMessageW(
                dialog, IDC_STATUS_ALLY_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                reinterpret_cast<LPARAM>(wide(name).c_str())));
        };
        choose(dialog, list, entry("ミナト"));
        before = texts(dialog, {1021, 1022, 1023, 1029, 1030});
        choose(dialog, list, entry("アルト"));
        after = texts(dialog, {1021, 1022, 1023, 1029, 1030});
        after += IsDlgButtonChecked(dialog, 1008) == BST_CHECKED ? L"連続" : L"";
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(before, L"10|10|10|40|60|");
    EXPECT_EQ(after, wide("11|10|10|41|61|連続"));
}

}  // namespace
