#include "win32_harness.h"

#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/resource.h"

namespace {

HWND main_window() { return window_handles().mainWindow; }

// Opens a dialog from the menu and lets script play the user inside it.
void with_dialog(int menuCommand, const std::function<void(HWND)>& script) {
    DialogWatcher watcher(script);
    SendMessageW(main_window(), WM_COMMAND, menuCommand, 0);
    EXPECT_EQ(watcher.seen(), 1) << "menu command " << menuCommand;
}

void click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

// A pick in a list, as the user makes it: the selection, then its notification.
void choose(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::wstring item_text(HWND dialog, int id) { return window_text(GetDlgItem(dialog, id)); }
bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// The main window started on the worked units: アルト (連続, factor 2) and 山賊ガロ (反撃).
class Dialogs : public ::testing::Test {
protected:
    Dialogs() : folder_(kUnitFile, kGrowthFile) { open_program(); }
    ~Dialogs() override { EXPECT_EQ(close_program(), 0); }
    void confirm_status() {
        with_dialog(IDM_STATUS, [](HWND dialog) { press(dialog, IDOK); });
    }

private:
    WorkingFolder folder_;
};

TEST_F(Dialogs, StatusOpensOnTheStartUpState) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("ステータス"));
        EXPECT_EQ(item_text(dialog, 1000), wide("アルト"));
        EXPECT_EQ(item_text(dialog, 1100), wide("山賊ガロ"));
        EXPECT_EQ(item_text(dialog, 1041), wide("追撃必殺係数:2"));
        EXPECT_EQ(item_text(dialog, 1141), wide("追撃必殺係数:1"));
        const std::vector<std::pair<int, const wchar_t*>> figures = {
            {1021, L"10"}, {1024, L"90"}, {1029, L"40"}, {1030, L"60"},
            {1121, L"10"}, {1124, L"40"}, {1125, L"2"},  {1126, L"5"}};
        for (const auto& [id, text] : figures) {
            EXPECT_EQ(item_text(dialog, id), text) << id;
        }
        EXPECT_EQ(SendDlgItemMessageW(dialog, 1024, CB_GETCOUNT, 0, 0), 101);
        EXPECT_EQ(SendDlgItemMessageW(dialog, 1029, CB_GETCOUNT, 0, 0), 80);
        EXPECT_TRUE(checked(dialog, 1008));
        EXPECT_FALSE(checked(dialog, 1108));
        EXPECT_TRUE(checked(dialog, 1116));
        press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(ally_is_set(app_state()));
    EXPECT_NE(GetMenuState(GetMenu(main_window()), IDM_LEVEL_UP, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(Dialogs, StatusListsSetTheUnitsSkillBoxes) {
    with_dialog(IDM_STATUS, [](HWND dialog) {
        click(dialog, 1009);  // 勇者, the user's own
        choose(dialog, 1000, 1);  // ミナト: 怒り, no 連続
        EXPECT_EQ(item_text(dialog, 1041), wide("追撃必殺係数:3"));
        EXPECT_TRUE(checked(dialog, 1001));
        EXPECT_FALSE(checked(dialog, 1008));
        EXPECT_TRUE(checked(dialog, 1009));
        click(dialog, 1116);  // 反撃 off, and the enemy's unit change leaves it off
        choose(dialog, 1100, 1);
        EXPECT_EQ(item_text(dialog, 1141), wide("追撃必殺係数:0"));
        EXPECT_FALSE(checked(dialog, 1116));
        SetDlgItemTextW(dialog, 1022, L"12a");
        SetDlgItemTextW(dialog, 1023, L"abc");
        SetDlgItemTextW(dialog, 1027, L"-5");
        SetDlgItemTextW(dialog, 1028, L"9999");
        SetDlgItemTextW(dialog, 1130, L"");
        press(dialog, IDOK);
    });
    const AppState& state = app_state();
    EXPECT_EQ(std::string(state.ally.name), "ミナト");
    EXPECT_EQ(state.ally.followUpCritFactor, 3);
    EXPECT_EQ(state.ally.listIndex, 1);
    EXPECT_EQ(state.ally.skills[0], 1);
    EXPECT_EQ(state.ally.skills[8], 1);
    EXPECT_EQ(state.ally.technique, 12);
    EXPECT_EQ(state.ally.luck, 0);
    EXPECT_EQ(state.ally.attack, -5);
    EXPECT_EQ(state.ally.defense, 999);
    EXPECT_EQ(std::string(state.enemy.name), "山賊");
    EXPECT_EQ(state.enemy.skills[kSkillCounter], 0);
    EXPECT_EQ(state.enemy.maxHp, 0);
    EXPECT_EQ(state.growthRates[kReMoveRateIndex], 20);
    for (const int item : {IDM_SEARCH_CONDITIONS, IDM_MOVE_ROUTE, IDM_BATTLE_RESULT, IDM_LEVEL_UP}) {
        EXPECT_EQ(GetMenuState(GetMenu(main_window()), item, MF_BYCOMMAND) & MF_GRAYED, 0u);
    }
    // The next opening shows 反撃 checked again, and an empty box for a value with no entry.
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_TRUE(checked(dialog, 1116));
        EXPECT_EQ(item_text(dialog, 1028), L"");
        EXPECT_EQ(item_text(dialog, 1000), wide("ミナト"));
        press(dialog, IDCANCEL);
    });
}

TEST_F(Dialogs, SearchConditionsKeepPredictionWithTheBattle) {
    confirm_status();
    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("検索する条件"));
        for (int id = 2000; id <= 2004; ++id) {
            EXPECT_FALSE(checked(dialog, id)) << id;
        }
        EXPECT_FALSE(enabled(dialog, 2004));
        click(dialog, 2001);
        EXPECT_TRUE(checked(dialog, 2004));
        EXPECT_TRUE(enabled(dialog, 2004));
        click(dialog, 2004);
        click(dialog, 2002);
        press(dialog, IDOK);
    });
    const AppState& state = app_state();
    EXPECT_EQ(state.eventSwitches, (EventSwitches{0, 1, 1, 0}));
    EXPECT_EQ(state.predictSwitch, 0);
    EXPECT_EQ(state.lanes[0].count, 11 + 9);

    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        click(dialog, 2001);  // off: 予測消費 disabled, its mark left as it was
        click(dialog, 2001);  // on again: 予測消費 checked again
        EXPECT_TRUE(checked(dialog, 2004));
        click(dialog, 2001);
        EXPECT_TRUE(checked(dialog, 2004));
        EXPECT_FALSE(enabled(dialog, 2004));
        press(dialog, IDOK);
    });
    EXPECT_EQ(state.eventSwitches[kSwitchBattle], 0);
    EXPECT_EQ(state.predictSwitch, 0);
    EXPECT_EQ(state.lanes[0].count, 9);
}

TEST_F(Dialogs, BattleResultConditionsAreStoredOnlyAtOk) {
    confirm_status();
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("戦闘結果条件"));
        EXPECT_EQ(item_text(dialog, 1000), wide("アルト"));
        EXPECT_EQ(item_text(dialog, 1100), wide("山賊ガロ"));
        EXPECT_EQ(item_text(dialog, 1300), wide("HP:現在の値"));
        EXPECT_EQ(item_text(dialog, 1057), L"0");
        EXPECT_TRUE(checked(dialog, 2000));
        EXPECT_TRUE(checked(dialog, 2001));
        choose(dialog, 1301, 2);
        SetDlgItemTextW(dialog, 1058, L"12345");
        SetDlgItemTextW(dialog, 1057, L"-7");
        click(dialog, 2001);
        press(dialog, IDOK);
    });
    AppState& state = app_state();
    EXPECT_EQ(state.enemyCondition.type, 2);
    EXPECT_EQ(state.enemyCondition.n, 123);
    EXPECT_EQ(state.enemyCondition.unspecified, 0);
    EXPECT_EQ(state.allyCondition.n, -7);
    EXPECT_EQ(state.allyCondition.unspecified, 1);
    with_dialog(IDM_BATTLE_RESULT, [](HWND dialog) {
        EXPECT_EQ(item_text(dialog, 1058), L"123");
        EXPECT_EQ(item_text(dialog, 1301), wide("HP:残りn以下"));
        SetDlgItemTextW(dialog, 1058, L"abc");
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(state.enemyCondition.n, 123);
}

TEST_F(Dialogs, LevelUpShowsRatesAndStoresBooksAtOnce) {
    confirm_status();
    with_dialog(IDM_LEVEL_UP, [](HWND dialog) {
        EXPECT_EQ(window_text(dialog), wide("レベルアップ条件"));
        EXPECT_EQ(item_text(dialog, 1000), wide("アルト"));
        EXPECT_EQ(item_text(dialog, 4100), L" 80%");
        EXPECT_EQ(item_text(dialog, 4106), L"  5%");
        EXPECT_EQ(item_text(dialog, 4000), L"+1");
        click(dialog, 2000);  // ヘズルの書
        EXPECT_EQ(item_text(dialog, 4100), L"110%");
        EXPECT_EQ(item_text(dialog, 4101), L" 60%");
        EXPECT_EQ(item_text(dialog, 4107), L" 35%");
        press(dialog, IDCANCEL);
    });
    AppState& state = app_state();
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

TEST(DialogsOnEmptyTables, StatusStoresNoAllyAndNothingBreaks) {
    WorkingFolder folder("0,0\r\n", "");
    open_program();
    with_dialog(IDM_STATUS, [](HWND dialog) {
        EXPECT_EQ(item_text(dialog, 1000), L"");
        EXPECT_EQ(item_text(dialog, 1041), wide("追撃必殺係数:"));
        choose(dialog, 1000, 0);
        choose(dialog, 1100, 0);
        press(dialog, IDOK);
    });
    EXPECT_FALSE(ally_is_set(app_state()));
    EXPECT_EQ(app_state().lanes[0].count, 0);
    // The condition dialogs stay closed without an ally; the search does nothing.
    SendMessageW(main_window(), WM_COMMAND, IDM_BATTLE_RESULT, 0);
    SendMessageW(main_window(), WM_COMMAND, IDM_LEVEL_UP, 0);
    SendMessageW(main_window(), WM_COMMAND, IDC_SEARCH, 0);
    EXPECT_EQ(close_program(), 0);
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
TEST_F(Dialogs, PlayersSessionFindsTheWorkedPositions) {
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
    SendMessageW(main_window(), WM_COMMAND, IDC_SEARCH, 0);
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
    SendMessageW(main_window(), WM_COMMAND, IDC_SEARCH, 0);
    EXPECT_EQ(app_state().searchResultCount, 98);
    EXPECT_EQ(search_line().rfind("19 63 83 89 111 118 ", 0), 0u) << search_line();

    with_dialog(IDM_SEARCH_CONDITIONS, [](HWND dialog) {
        click(dialog, 2002);
        click(dialog, 2001);
        click(dialog, 2001);  // 予測消費 checked again with the battle
        press(dialog, IDOK);
    });
    SendMessageW(main_window(), WM_COMMAND, IDC_SEARCH, 0);
    EXPECT_EQ(search_line(), "5 25 27 28 33 46 49 52 55 58 ...");
}

}  // namespace
