// Every command of the main window as a player gives it: a menu item or a button (notification
// code 0), a key of the program's (code 1), pressed as key presses arrive.

#include <map>

#include "tests/win32/program_fixture.h"
#include "view/session.h"
#include "win32/edit_commands.h"

namespace {

// The worked session with nothing to undo, no tool window shown, the focus in the pattern box.
void start_over() {
    open_session(app_state(), reinterpret_cast<const char*>(kWorkedSession));
    EXPECT_TRUE(type_pattern(wide(app_state().markText)));
    forget_undo_steps();
    enable_unit_items(main_window(), true);
    for (const wchar_t* name : {L"SoramitoResults", L"SoramitoPlan", L"SoramitoRecord"}) {
        ShowWindow(FindWindowW(name, nullptr), SW_HIDE);
    }
    SetActiveWindow(main_window());
    SetFocus(window_handles().markEdit);
}

std::wstring lanes() {
    const AppState& s = app_state();
    return std::to_wstring(s.lanes[0].seedIndex) + L"/" + std::to_wstring(s.lanes[0].position) +
           L" " + std::to_wstring(s.lanes[1].seedIndex) + L"/" +
           std::to_wstring(s.lanes[1].position);
}

// What an action did, from the worked session: the captions of the boxes it showed (each closed
// as Cancel closes it), the lanes it moved, the search it ran, the windows it showed, the unit
// it let go.
std::wstring effect_of(const std::function<void()>& act) {
    start_over();
    const std::wstring lanesBefore = lanes();
    std::wstring effect;
    with_boxes(act, [&effect](HWND box) {
        effect += L"box:" + window_text(box) + L";";
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    });
    pump_messages(0);
    const AppState& s = app_state();
    effect += lanes() != lanesBefore ? L"lanes:" + lanes() + L";" : L"";
    effect += s.searchBasis.made ? L"search;" : L"";
    for (const auto& [name, word] : {std::pair{L"SoramitoResults", L"results;"},
                                     {L"SoramitoPlan", L"plan;"},
                                     {L"SoramitoRecord", L"record;"}}) {
        effect += IsWindowVisible(FindWindowW(name, nullptr)) ? word : L"";
    }
    effect += ally_is_set(s) ? L"" : L"unset;";
    return effect;
}

// What each command does from the worked session; a file dialog's caption is the system's. The
// save question of 新規 is answered キャンセル; 実行 moves lane 0 past the battle's 11 values;
// nothing is there to undo or redo; the entries of the candidates' line are 0, 16 and 51, right
// behind the 20 marks, and nothing past them.
const std::map<int, std::wstring>& expected_effects() {
    static const std::map<int, std::wstring> effects = [] {
        // clang-format off
        std::map<int, std::wstring> all = {
            {IDM_FILE_NEW, wide("box:ソラミト;")}, {IDM_FILE_OPEN, L"box:*"},
            {IDM_FILE_SAVE, L"box:*"}, {IDM_FILE_SAVE_AS, L"box:*"},
            {IDM_STATUS, wide("box:ステータス;")}, {IDM_SEARCH_CONDITIONS, wide("box:検索する条件;")},
            {IDM_MOVE_ROUTE, L""}, {IDM_BATTLE_RESULT, wide("box:戦闘結果条件;")},
            {IDM_LEVEL_UP, wide("box:レベルアップ条件;")}, {IDM_PLAN, L"plan;"},
            {IDM_HAPPENED, wide("box:起きたこと;")}, {IDC_SEARCH, L"search;"},
            {IDC_RESULTS, L"results;"}, {IDM_ADVANCE, L"lanes:17/41 5/100;"},
            {IDM_UNDO, L""}, {IDM_REDO, L""}, {IDM_RECORD, L"record;"},
            {IDC_LANE0_BACK, L"lanes:17/29 5/100;"}, {IDC_LANE0_FORWARD, L"lanes:17/31 5/100;"},
            {IDC_LANE0_SEED_UP, L"lanes:18/30 5/100;"}, {IDC_LANE0_SEED_DOWN, L"lanes:16/30 5/100;"},
            {IDC_LANE1_BACK, L"lanes:17/30 5/99;"}, {IDC_LANE1_FORWARD, L"lanes:17/30 5/101;"},
            {IDC_LANE1_SEED_UP, L"lanes:17/30 6/100;"}, {IDC_LANE1_SEED_DOWN, L"lanes:17/30 4/100;"},
            {IDM_LANE0_ENTRY, L"lanes:0/21 5/100;"}, {IDM_LANE0_ENTRY + 1, L"lanes:16/21 5/100;"},
            {IDM_LANE0_ENTRY + 2, L"lanes:51/21 5/100;"}, {IDM_LANE1_ENTRY, L"lanes:17/30 0/21;"},
            {IDM_LANE1_ENTRY + 1, L"lanes:17/30 16/21;"}, {IDM_LANE1_ENTRY + 2, L"lanes:17/30 51/21;"}};
        // clang-format on
        for (int n = 3; n < 9; ++n) {
            all[IDM_LANE0_ENTRY + n] = all[IDM_LANE1_ENTRY + n] = L"";
        }
        return all;
    }();
    return effects;
}

void expect_effect(int id, const std::wstring& effect, const std::string& how) {
    const auto found = expected_effects().find(id);
    ASSERT_NE(found, expected_effects().end()) << id << " has no expected effect";
    const std::wstring& expected = found->second;
    const bool prefix = !expected.empty() && expected.back() == L'*';
    EXPECT_EQ(prefix ? effect.substr(0, expected.size() - 1) + L"*" : effect, expected)
        << id << " " << how;
}

// Every command item of a menu and its pop-ups, 終了 aside.
void collect_commands(HMENU menu, std::vector<int>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            collect_commands(popup, ids);
        } else if (const UINT id = GetMenuItemID(menu, i);
                   id != 0 && id != static_cast<UINT>(-1) && id != IDM_FILE_EXIT) {
            ids.push_back(static_cast<int>(id));
        }
    }
}

TEST_F(Program, EveryMenuCommandActsWithTheCodeOfAMenuAndOfAKey) {
    std::vector<int> ids;
    collect_commands(GetMenu(main_window()), ids);
    EXPECT_GE(ids.size(), 10u);
    for (const int id : ids) {
        for (const WORD code : {0, 1}) {
            expect_effect(id, effect_of([id, code] { command(MAKEWPARAM(id, code)); }),
                          "code " + std::to_string(code));
        }
    }
    // Another notification code is none of these commands.
    EXPECT_EQ(effect_of([] { command(MAKEWPARAM(IDC_RESULTS, EN_CHANGE)); }), L"");
}

TEST_F(Program, EveryKeyOfTheProgramReachesItsCommand) {
    const HACCEL table = window_handles().accelerators;
    std::vector<ACCEL> keys(static_cast<std::size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
    CopyAcceleratorTableW(table, keys.data(), static_cast<int>(keys.size()));
    EXPECT_GE(keys.size(), 4u);
    for (const ACCEL& key : keys) {
        unsigned modifiers = 0;
        modifiers |= (key.fVirt & FCONTROL) != 0 ? kKeyCtrl : 0;
        modifiers |= (key.fVirt & FSHIFT) != 0 ? kKeyShift : 0;
        modifiers |= (key.fVirt & FALT) != 0 ? kKeyAlt : 0;
        expect_effect(key.cmd, effect_of([&key, modifiers] { press_key(key.key, modifiers); }),
                      "key " + std::to_string(key.key) + "+" + std::to_string(modifiers));
    }
}

TEST(Exit, EndsTheProgramWithTheCodeOfAMenuAndOfAKey) {
    for (const WORD code : {0, 1}) {
        WorkingFolder folder(kUnitFile, kGrowthFile);
        open_program();
        command(MAKEWPARAM(IDM_FILE_EXIT, code));
        EXPECT_FALSE(IsWindow(main_window())) << code;
        EXPECT_EQ(run_message_loop(), 0);
    }
}

}  // namespace
