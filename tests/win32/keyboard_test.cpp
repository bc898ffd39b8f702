// The program without a mouse: the focus, Tab, Enter, keys, and the windows beside the main one.

#include <algorithm>

#include "tests/win32/program_fixture.h"

namespace {

// The worked battle, the enemy to fall, on sequence 0 from 1: no marks typed yet.
const char8_t kBattle[] =
    u8R"({"ally": {"name": "アルト", "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0],
    "followUpCritFactor": 2}, "enemy": {"name": "山賊ガロ",
    "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1]}, "eventSwitches": [0, 1, 0, 0],
    "growthRates": [80, 50, 10, 40, 60, 30, 5, 45, 0, 30],
    "enemyCondition": {"type": 2, "n": 0, "unspecified": 0}})";

// A click of the left button in the middle of a rectangle of a control.
void click_in(HWND control, const RECT& r) {
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(control, WM_LBUTTONUP, 0, point);
}

// A cell of the results, the list's empty first column aside.
std::wstring cell(HWND list, int row, int column) {
    wchar_t text[256] = L"";
    ListView_GetItemText(list, row, column + 1, text, 256);
    return text;
}

// A session with the keyboard alone, then 手順 beside it.
TEST_F(Program, AKeyboardAloneFindsTheSequenceSearchesAndMovesOn) {
    open_written("battle.json", kBattle);
    // From the pattern box Tab goes round the controls in reading order, and Shift+Tab back.
    const std::vector<int> order = {
        IDC_MARK_EDIT,       IDC_LANE0_BACK,     IDC_LANE0_FORWARD,   IDC_LANE0_SEED_UP,
        IDC_LANE0_SEED_DOWN, IDC_LANE0_POSITION, IDC_LANE0_JUMP,      IDC_LANE1_BACK,
        IDC_LANE1_FORWARD,   IDC_LANE1_SEED_UP,  IDC_LANE1_SEED_DOWN, IDC_LANE1_POSITION,
        IDC_LANE1_JUMP,      IDC_SEARCH,         IDC_RESULTS,         IDM_ADVANCE};
    for (int p = 0; p <= 32; ++p) {
        if (p > 0) {
            press_key(VK_TAB, p <= 16 ? 0 : kKeyShift);
        }
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[p <= 16 ? p % 16 : 32 - p]) << p;
    }
    // Enter in a position box moves its lane, in the pattern box nothing; "12abc" is no position,
    // as a balloon on its box says. On a focused button Enter presses it.
    const WindowState& state = window_state();
    SentMessages balloons(EM_SHOWBALLOONTIP);
    for (const auto& [box, text, lane0, lane1] : {std::tuple{IDC_LANE1_POSITION, L"300", 1, 300},
                                                  {IDC_LANE0_POSITION, L"12abc", 1, 300},
                                                  {IDC_MARK_EDIT, L"oo", 1, 300},
                                                  {IDC_LANE1_FORWARD, L"", 1, 301}}) {
        SetFocus(GetDlgItem(main_window(), box));
        SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
        type_text(text);
        press_key(VK_RETURN);
        EXPECT_EQ(std::make_pair(state.session.lanes[0].position, state.session.lanes[1].position),
                  std::make_pair(lane0, lane1))
            << box;
    }
    EXPECT_EQ(balloons.seen,
              (std::vector<SentMessages::Sent>{{GetDlgItem(main_window(), IDC_LANE0_POSITION),
                                                wide("1から4973までの数を入れてください")}}));
    // The marks, Ctrl+1, Ctrl+F.
    SetFocus(program().mark_edit());
    SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
    type_text(wide("×××○○×××○×○×○○×○×○○×"));
    pump_messages(300);
    press_key('1', kKeyCtrl);
    press_key('F', kKeyCtrl);
    EXPECT_EQ(std::make_tuple(state.session.lanes[0].seedIndex, state.session.lanes[0].position,
                              state.search.basis.made),
              std::make_tuple(0, 21, true));
    // Alt goes up after a key of the program's: the menu stays shut, unlike after Alt alone.
    SentMessages menu(WM_SYSCOMMAND);
    press_key(VK_RIGHT, kKeyAlt);
    EXPECT_EQ(std::make_tuple(state.session.lanes[0].position, GetDlgCtrlID(GetFocus()),
                              menu.seen.size()),
              std::make_tuple(22, IDC_MARK_EDIT, std::size_t{0}));
    // 一覧 from its key: its rows sorted and taken by mouse and keys.
    press_key('L', kKeyCtrl);
    HWND results = FindWindowW(L"SoramitoResults", nullptr);
    HWND list = GetDlgItem(results, 101);
    HWND header = ListView_GetHeader(list);
    EXPECT_EQ(std::make_pair(ListView_GetItemCount(list), window_text(GetDlgItem(results, 103))),
              std::make_pair(state.search.resultCount,
                             std::to_wstring(state.search.resultCount) + wide("個")));
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    std::wstring alignments;  // 位置 ずれ 味方HP 敵HP 命中
    for (int c = 1; ListView_GetColumn(list, c, &column); ++c) {
        alignments += (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? L"R" : L"L";
    }
    EXPECT_EQ(alignments, L"RRRRL");
    // Ctrl+C with no row selected copies the header and every row.
    SetFocus(list);
    press_key('C', kKeyCtrl);
    ASSERT_TRUE(OpenClipboard(results));
    const std::wstring copied =
        static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    EXPECT_EQ(std::count(copied.begin(), copied.end(), L'\n'), state.search.resultCount + 1);
    // Two clicks on 位置 sort it the other way, with the arrow; Enter and a double-click take the
    // selected row and leave the results as they are, unlike a change of lane 0's sequence.
    RECT r{};
    Header_GetItemRect(header, 1, &r);
    click_in(header, r);
    click_in(header, r);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, 1, &item);
    EXPECT_NE(item.fmt & HDF_SORTDOWN, 0);
    EXPECT_GT(std::stoi(cell(list, 0, 0)), std::stoi(cell(list, 1, 0)));
    ListView_GetItemRect(list, 2, &r, LVIR_BOUNDS);
    click_in(list, r);
    press_key(VK_RETURN);
    EXPECT_EQ(state.session.lanes[0].position, std::stoi(cell(list, 2, 0)));
    ListView_GetItemRect(list, 3, &r, LVIR_BOUNDS);
    const LPARAM point = MAKELPARAM(r.left + 8, (r.top + r.bottom) / 2);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    }
    EXPECT_EQ(std::make_pair(state.session.lanes[0].position, window_text(results)),
              std::make_pair(std::stoi(cell(list, 3, 0)), wide("検索結果")));
    // どれでも: each sequence's column as wide as its widest text. Tab moves on to the list.
    HWND tabs = GetDlgItem(results, 100);
    TabCtrl_SetCurFocus(tabs, 1);
    EXPECT_EQ(window_text(GetDlgItem(results, 103)),
              std::to_wstring(state.search.commonCount) + wide("個"));
    for (int c = 2; c < Header_GetItemCount(header) - 1; ++c) {
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            EXPECT_GT(ListView_GetColumnWidth(list, c + 1),
                      ListView_GetStringWidth(list, cell(list, row, c).c_str()))
                << c;
        }
    }
    SetFocus(tabs);
    press_key(VK_TAB);
    EXPECT_EQ(GetFocus(), list);
    command(IDC_LANE0_SEED_UP);
    EXPECT_EQ(window_text(results), wide("検索結果（条件が変わりました）"));
    // 手順: its buttons need a step; 全部消す asks in a box of the program's name, and いいえ keeps
    // the step, はい clears it.
    command(IDM_PLAN);
    HWND plan = FindWindowW(L"SoramitoPlan", nullptr);
    const auto enabled = [plan] {
        std::wstring states;
        for (int id = 101; id <= 107; ++id) {
            states += IsWindowEnabled(GetDlgItem(plan, id)) ? L"1" : L"0";
        }
        return states;
    };
    EXPECT_EQ(enabled(), L"1000001");  // 追加 and 全部消す only
    click(plan, 101);                  // 追加 selects the new step
    EXPECT_EQ(enabled(), L"1111111");
    // 削除 by the keyboard on the last of two steps: the step before is selected, and 削除 keeps
    // the focus.
    click(plan, 101);
    SetFocus(GetDlgItem(plan, 104));
    press_key(VK_SPACE);
    EXPECT_EQ(std::make_tuple(window_state().session.plan.stepCount,
                              SendDlgItemMessageW(plan, 100, LB_GETCURSEL, 0, 0), GetFocus()),
              std::make_tuple(1, 0, GetDlgItem(plan, 104)));
    for (const int answer : {IDNO, IDYES}) {
        EXPECT_EQ(answer_box([plan] { click(plan, 107); }, answer).substr(0, 5), wide("ソラミト|"));
        EXPECT_EQ(window_state().session.plan.stepCount, answer == IDNO ? 1 : 0);
    }
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
}

}  // namespace
