// The menus and the keys: every command of the main window as a player gives it, from a menu item
// (notification code 0) or a key of the program's, pressed as key presses arrive.

#include <cwchar>
#include <map>

#include "tests/win32/program_fixture.h"
#include "view/session.h"

namespace {

// What act does to the worked session: the boxes it shows (each cancelled), the lanes it moves,
// the search it runs, the windows it shows, the unit it lets go.
std::wstring effect_of(const std::function<void()>& act) {
    controller().open_session(reinterpret_cast<const char*>(kWorkedSession));
    EXPECT_TRUE(type_pattern(wide(window_state().session.marks.c_str())));
    const wchar_t* const windows[] = {L"SoramitoResults", L"SoramitoPlan", L"SoramitoRecord"};
    for (const wchar_t* name : windows) {
        ShowWindow(FindWindowW(name, nullptr), SW_HIDE);
    }
    SetActiveWindow(main_window());
    SetFocus(program().mark_edit());
    const auto lanes = [&s = window_state()] {
        return std::to_wstring(s.session.lanes[0].seedIndex) + L"/" +
               std::to_wstring(s.session.lanes[0].position) + L" " +
               std::to_wstring(s.session.lanes[1].seedIndex) + L"/" +
               std::to_wstring(s.session.lanes[1].position);
    };
    const std::wstring lanesBefore = lanes();
    std::wstring effect;
    with_boxes(act, [&effect](HWND box) {
        effect += L"box:" + window_text(box) + L";";
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    });
    pump_messages(0);
    effect += lanes() != lanesBefore ? L"lanes:" + lanes() + L";" : L"";
    effect += window_state().search.basis.made ? L"search;" : L"";
    for (const wchar_t* name : windows) {
        effect += IsWindowVisible(FindWindowW(name, nullptr)) ? name + std::wstring(L";") : L"";
    }
    return effect + (ally_is_set(window_state().session) ? L"" : L"unset;");
}

// What each command does from the worked session, any other nothing; a file dialog's caption is
// the system's. The save question of 新規 is answered キャンセル; 実行 moves lane 0 past the
// battle's 11 values; the entries of the candidates' line are 0, 16 and 51, right behind the 20
// marks, and nothing past them.
void expect_effect(int id, const std::function<void()>& act, const std::string& how) {
    static const std::map<int, std::wstring> effects = {
        // clang-format off
        {IDM_FILE_NEW, wide("box:ソラミト;")}, {IDM_FILE_OPEN, L"box:*"},
        {IDM_FILE_SAVE, L"box:*"}, {IDM_FILE_SAVE_AS, L"box:*"}, {IDM_PLAN, L"SoramitoPlan;"},
        {IDM_STATUS, wide("box:ステータス;")}, {IDM_SEARCH_CONDITIONS, wide("box:検索する条件;")},
        {IDM_BATTLE_RESULT, wide("box:戦闘結果条件;")}, {IDM_HAPPENED, wide("box:起きたこと;")},
        {IDM_LEVEL_UP, wide("box:レベルアップ条件;")},
        {IDC_SEARCH, L"search;"}, {IDC_RESULTS, L"SoramitoResults;"},
        {IDM_ADVANCE, L"lanes:17/41 5/100;"}, {IDM_RECORD, L"SoramitoRecord;"},
        {IDC_LANE0_BACK, L"lanes:17/29 5/100;"}, {IDC_LANE0_FORWARD, L"lanes:17/31 5/100;"},
        {IDC_LANE0_SEED_UP, L"lanes:18/30 5/100;"}, {IDC_LANE0_SEED_DOWN, L"lanes:16/30 5/100;"},
        {IDC_LANE1_BACK, L"lanes:17/30 5/99;"}, {IDC_LANE1_FORWARD, L"lanes:17/30 5/101;"},
        {IDC_LANE1_SEED_UP, L"lanes:17/30 6/100;"}, {IDC_LANE1_SEED_DOWN, L"lanes:17/30 4/100;"},
        {IDM_LANE0_ENTRY, L"lanes:0/21 5/100;"}, {IDM_LANE0_ENTRY + 1, L"lanes:16/21 5/100;"},
        {IDM_LANE0_ENTRY + 2, L"lanes:51/21 5/100;"}, {IDM_LANE1_ENTRY, L"lanes:17/30 0/21;"},
        {IDM_LANE1_ENTRY + 1, L"lanes:17/30 16/21;"}, {IDM_LANE1_ENTRY + 2, L"lanes:17/30 51/21;"}};
    // clang-format on
    const auto found = effects.find(id);
    const std::wstring expected = found != effects.end() ? found->second : L"";
    const std::wstring effect = effect_of(act);
    EXPECT_EQ(expected.ends_with(L'*') ? effect.substr(0, expected.size() - 1) + L"*" : effect,
              expected)
        << id << " " << how;
}

// Every item of the menus: an access key, its key shown in the menu, and its command reached with
// a menu's notification code (終了 aside, which ends the program); every key of the program's.
TEST_F(Program, EveryMenuItemAndEveryKeyReachesItsCommand) {
    std::wstring titles;
    std::vector<HMENU> menus = {GetMenu(main_window())};
    int commands = 0;
    for (std::size_t m = 0; m < menus.size(); ++m) {
        for (int i = 0; i < GetMenuItemCount(menus[m]); ++i) {
            wchar_t text[128] = L"";
            GetMenuStringW(menus[m], static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            EXPECT_TRUE(!*text || std::wcschr(text, L'&') != nullptr) << m << "/" << i;
            titles += m == 0 ? text + std::wstring(L"|") : L"";
            const int id = static_cast<int>(GetMenuItemID(menus[m], i));  // -1 a pop-up, 0 a line
            if (HMENU popup = GetSubMenu(menus[m], i)) {
                menus.push_back(popup);
            } else if (id > 0 && id != IDM_FILE_EXIT) {
                expect_effect(
                    id, [id] { command(id); }, "menu");
                ++commands;
            }
        }
    }
    EXPECT_GE(commands, 10);
    EXPECT_EQ(titles, wide("ファイル(&F)|編集(&E)|条件(&C)|レーン(&L)|"));
    for (const auto& [id, shown] :
         {std::pair{IDM_FILE_OPEN, "開く(&O)…\tCtrl+O"},
          {IDC_LANE1_SEED_DOWN, "下のレーンを前の乱数列へ(&R)\tAlt+Shift+↓"},
          {IDM_LANE1_ENTRY + 8, "9番目(&9)\tCtrl+Shift+9"},
          {IDM_STATUS, "ステータス(&S)"}}) {
        wchar_t text[128] = L"";
        GetMenuStringW(GetMenu(main_window()), static_cast<UINT>(id), text, 128, MF_BYCOMMAND);
        EXPECT_EQ(text, wide(shown));
    }
    // Another notification code is none of these commands.
    expect_effect(
        0, [] { command(MAKEWPARAM(IDC_RESULTS, EN_CHANGE)); }, "EN_CHANGE");
    for (const KeyCommand& key : key_commands()) {
        expect_effect(
            key.command, [&key] { press_key(key.key, key.modifiers); },
            "key " + std::to_string(key.key) + "+" + std::to_string(key.modifiers));
    }
    // The edit boxes take the window's font, not the system's.
    for (HWND box :
         {program().mark_edit(), program().position_edit(0), program().position_edit(1)}) {
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)),
                  program().font(DrawFont::kNormal));
    }
}

}  // namespace
