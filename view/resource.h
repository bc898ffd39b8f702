#pragma once

// Resources and control identifiers of the program; read by the resource compiler as well.

#define IDR_MAIN_MENU 101
#define IDD_STATUS 102
#define IDD_SEARCH_CONDITIONS 103
#define IDD_BATTLE_RESULT 104
#define IDD_LEVEL_UP 105
#define IDD_HAPPENED 107

#define IDM_FILE_NEW 40020
#define IDM_FILE_OPEN 40021
#define IDM_FILE_SAVE 40022
#define IDM_FILE_SAVE_AS 40023
#define IDM_FILE_EXIT 40024
#define IDM_STATUS 40003
#define IDM_SEARCH_CONDITIONS 40008
#define IDM_MOVE_ROUTE 40013
#define IDM_BATTLE_RESULT 40014
#define IDM_LEVEL_UP 40015
#define IDM_PLAN 40016
// 実行 is the command of the menu item and of the button beside 一覧.
#define IDM_ADVANCE 40030
#define IDM_UNDO 40031
#define IDM_REDO 40032
#define IDM_HAPPENED 40033
#define IDM_RECORD 40034
// Lane 0 (lane 1) on the n-th entry of the candidates' line: IDM_LANE0_ENTRY + n - 1.
#define IDM_LANE0_ENTRY 40040
#define IDM_LANE1_ENTRY 40050

#define IDC_LANE0_FORWARD 4000
#define IDC_LANE0_BACK 4001
#define IDC_LANE0_SEED_UP 4002
#define IDC_LANE0_SEED_DOWN 4003
#define IDC_LANE1_FORWARD 4004
#define IDC_LANE1_BACK 4005
#define IDC_LANE1_SEED_UP 4006
#define IDC_LANE1_SEED_DOWN 4007
#define IDC_MARK_EDIT 3000
#define IDC_SEARCH 5000
#define IDC_RESULTS 5001
#define IDC_LANE0_POSITION 6000
#define IDC_LANE0_JUMP 6001
#define IDC_LANE1_POSITION 6002
#define IDC_LANE1_JUMP 6003

#define IDT_LAST_SESSION 3501

// The status dialog; the enemy's controls are the ally's plus IDC_STATUS_ENEMY_OFFSET.
#define IDC_STATUS_ALLY_LIST 1000
#define IDC_STATUS_FIRST_SKILL 1001
#define IDC_STATUS_FIRST_FIGURE 1021
#define IDC_STATUS_FACTOR 1041
#define IDC_STATUS_ENEMY_OFFSET 100
#define IDC_STATUS_ENEMY_LIST 1100

// The search-condition dialog: 移動, 戦闘, レベルアップ, 再行動, then 予測消費.
#define IDC_SEARCH_FIRST_SWITCH 2000
#define IDC_SEARCH_BATTLE 2001
#define IDC_SEARCH_PREDICT 2004

// The battle-result condition dialog.
#define IDC_RESULT_ALLY_NAME 1000
#define IDC_RESULT_ENEMY_NAME 1100
#define IDC_RESULT_ALLY_TYPE 1300
#define IDC_RESULT_ENEMY_TYPE 1301
#define IDC_RESULT_ALLY_N 1057
#define IDC_RESULT_ENEMY_N 1058
#define IDC_RESULT_ALLY_UNSPECIFIED 2000
#define IDC_RESULT_ENEMY_UNSPECIFIED 2001

// The level-up condition dialog.
#define IDC_LEVEL_FIRST_BOOK 2000
#define IDC_LEVEL_ALLY_NAME 1000
#define IDC_LEVEL_FIRST_WANTED 4000
#define IDC_LEVEL_FIRST_RATE 4100

// The 起きたこと dialog: what was seen, 探す, and the positions found.
#define IDC_HAPPENED_ALLY_HP 1201
#define IDC_HAPPENED_ENEMY_HP 1202
#define IDC_HAPPENED_LEVEL_UP 1210
#define IDC_HAPPENED_FIRST_GROWN 1211
#define IDC_HAPPENED_RE_MOVE 1220
#define IDC_HAPPENED_SEARCH 1230
#define IDC_HAPPENED_FOUND 1240
#define IDC_HAPPENED_COUNT 1241
