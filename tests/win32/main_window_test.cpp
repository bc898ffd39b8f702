#include "win32_harness.h"

#include <vector>

#include "ui/resource.h"

namespace {

struct Control {
    int id;
    const wchar_t* className;
    const char* text;
    RECT rect;  // left, top, right, bottom in the client area
};

TEST(MainWindow, StartsUpAsTheShellSays) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    HWND window = open_program();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(class_of(window), L"template");
    EXPECT_EQ(window_text(window), wide("ソラミト  ver 0.00a"));
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 800);
    EXPECT_EQ(frame.bottom - frame.top, 600);

    const std::vector<Control> controls = {
        {4001, L"Button", "←", {200, 0, 225, 20}},   {4000, L"Button", "→", {230, 0, 255, 20}},
        {4002, L"Button", "↑", {300, 0, 320, 20}},   {4003, L"Button", "↓", {325, 0, 345, 20}},
        {3000, L"Edit", "", {500, 450, 700, 472}},   {6001, L"Button", "移動", {424, 1, 464, 21}},
        {6000, L"Edit", "", {380, 0, 420, 22}},      {4005, L"Button", "←", {200, 92, 225, 112}},
        {4004, L"Button", "→", {230, 92, 255, 112}}, {4006, L"Button", "↑", {300, 92, 320, 112}},
        {4007, L"Button", "↓", {325, 92, 345, 112}}, {6003, L"Button", "移動", {424, 93, 464, 113}},
        {6002, L"Edit", "", {380, 92, 420, 114}},    {5000, L"Button", "検索", {460, 292, 500, 312}},
    };
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
    }
    EXPECT_EQ(children, 14);
    for (const Control& c : controls) {
        HWND child = GetDlgItem(window, c.id);
        ASSERT_NE(child, nullptr) << c.id;
        EXPECT_EQ(_wcsicmp(class_of(child).c_str(), c.className), 0) << c.id;
        EXPECT_EQ(window_text(child), wide(c.text)) << c.id;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(EqualRect(&rect, &c.rect)) << c.id << ": " << rect.left << "," << rect.top
                                               << "," << rect.right << "," << rect.bottom;
    }
    // An edit box takes WS_BORDER out of its style as it is created and draws the border
    // itself, so only the rest of the style can be read back.
    EXPECT_EQ(GetWindowLongW(GetDlgItem(window, 3000), GWL_STYLE) & 0x50000080, 0x50000080);

    HMENU menu = GetMenu(window);
    struct Item {
        int id;
        bool grayed;
    };
    for (const Item item : {Item{40002, false}, Item{40003, false}, Item{40008, true},
                            Item{40013, true}, Item{40014, true}, Item{40015, true}}) {
        EXPECT_EQ((GetMenuState(menu, item.id, MF_BYCOMMAND) & MF_GRAYED) != 0, item.grayed)
            << item.id;
    }
    wchar_t label[64] = {};
    GetMenuStringW(menu, 0, label, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(label), wide("ファイル"));
    GetMenuStringW(GetSubMenu(menu, 2), 4, label, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(label), wide("レベルアップ"));

    LOGFONTW font{};
    GetObjectW(window_handles().underlineFont, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_EQ(std::wstring(font.lfFaceName), wide("ＭＳ ゴシック"));
    LOGPEN pen{};
    GetObjectW(window_handles().predictPen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnColor, RGB(200, 200, 255));

    const AppState& state = app_state();
    EXPECT_EQ(state.allyUnitCount, 2);
    EXPECT_EQ(state.growthTable[1][kReMoveRateIndex], 20);
    EXPECT_EQ(state.ally.hitRate, 90);
    EXPECT_EQ(state.levelUpWanted[8], 1);
    EXPECT_EQ(close_program(), 0);
}

TEST(MainWindow, ReportsAStartUpFileThatCannotBeOpened) {
    struct Case {
        const char* name;
        const char* characterText;
        const char* growText;
        const char* message;
        int allies;
    };
    const Case cases[] = {
        {"no character.txt", nullptr, kGrowthFile, "キャラデータを読み込めません＞＜", 0},
        {"no grow.txt", kUnitFile, nullptr, "成長率を読み込めません＞＜", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkingFolder folder(c.characterText, c.growText);
        std::vector<std::wstring> messages;
        std::vector<std::wstring> captions;
        HWND window = nullptr;
        {
            DialogWatcher watcher([&](HWND box) {
                messages.push_back(message_box_text(box));
                captions.push_back(window_text(box));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            });
            window = open_program();
        }
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], wide(c.message));
        EXPECT_EQ(captions[0], L"");
        // The reduced window: no controls, no unit defaults, every menu item enabled.
        EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);
        EXPECT_EQ(app_state().allyUnitCount, c.allies);
        EXPECT_EQ(app_state().ally.hitRate, 0);
        EXPECT_EQ(app_state().lanes[1].position, 1);
        for (const int item : {40008, 40013, 40014, 40015}) {
            EXPECT_EQ(GetMenuState(GetMenu(window), item, MF_BYCOMMAND) & MF_GRAYED, 0u);
        }
        // Nothing needing a unit happens in it, and it still paints and closes.
        SendMessageW(window, WM_COMMAND, IDM_BATTLE_RESULT, 0);
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(490, 480));
        InvalidateRect(window, nullptr, FALSE);
        pump_messages(50);
        EXPECT_EQ(close_program(), 0);
    }
}

TEST(MainWindow, StartsOnEmptyAndMalformedFiles) {
    const char* const units[] = {"", "70,abc\r\n,,,\r\n", "2,1\r\n名前\r\n"};
    const char* const growth[] = {"", "1,2,x\r\n", "1,2,3,4,5,6,7,8,9,10,11\r\n"};
    for (int i = 0; i < 3; ++i) {
        WorkingFolder folder(units[i], growth[i]);
        HWND window = open_program();
        ASSERT_NE(window, nullptr) << i;
        EXPECT_NE(GetDlgItem(window, IDC_SEARCH), nullptr) << i;
        EXPECT_EQ(close_program(), 0) << i;
    }
}

TEST(MainWindow, LaneButtonsAndPositionBoxes) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    HWND window = open_program();
    AppState& state = app_state();
    SendMessageW(window, WM_COMMAND, IDC_LANE0_FORWARD, 0);
    SendMessageW(window, WM_COMMAND, IDC_LANE0_SEED_UP, 0);
    SendMessageW(window, WM_COMMAND, IDC_LANE1_SEED_DOWN, 0);
    SendMessageW(window, WM_COMMAND, IDC_LANE1_BACK, 0);
    EXPECT_EQ(state.lanes[0].position, 2);
    EXPECT_EQ(state.lanes[0].seedIndex, 1);
    EXPECT_EQ(state.lanes[1].position, 1);
    EXPECT_EQ(state.lanes[1].seedIndex, 0);
    // Before the status is set no events run: the logs stay empty.
    EXPECT_EQ(state.lanes[0].count, 0);

    struct Case {
        const wchar_t* text;
        int position;
    };
    const Case cases[] = {{L"12", 12},  {L"0", 12},   {L"4974", 12}, {L"-5", 12},
                          {L"abc", 12}, {L"25x", 25}, {L"1234567890", 25}, {L"000004973", 4973},
                          {L"\x2603", 4973}};
    for (const Case& c : cases) {
        SetWindowTextW(GetDlgItem(window, IDC_LANE1_POSITION), c.text);
        SendMessageW(window, WM_COMMAND, IDC_LANE1_JUMP, 0);
        EXPECT_EQ(state.lanes[1].position, c.position) << c.text;
    }
    // A notification (not a click) with the button's id does nothing.
    SetWindowTextW(GetDlgItem(window, IDC_LANE1_POSITION), L"7");
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LANE1_JUMP, BN_SETFOCUS), 0);
    EXPECT_EQ(state.lanes[1].position, 4973);
    SendMessageW(window, WM_COMMAND, IDC_LANE1_FORWARD, 0);
    EXPECT_EQ(state.lanes[1].position, 4973);
    // "検索" before the status dialog: nothing.
    state.eventSwitches[kSwitchReMove] = 1;
    SendMessageW(window, WM_COMMAND, IDC_SEARCH, 0);
    EXPECT_EQ(state.searchResultCount, 0);
    EXPECT_EQ(close_program(), 0);
}

TEST(MainWindow, FollowsTheTypedPatternAndItsCandidates) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    HWND window = open_program();
    AppState& state = app_state();
    HWND box = GetDlgItem(window, IDC_MARK_EDIT);
    SetWindowTextW(box, wide("×××○○×××○×○×○○×○×○○×").c_str());
    pump_messages(250);
    EXPECT_EQ(state.markCount, 20);
    ASSERT_EQ(state.candidateCount, 3);
    EXPECT_EQ(state.candidates[1], 16);

    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(484 + 24 + 8, 480));
    EXPECT_EQ(state.lanes[0].seedIndex, 16);
    EXPECT_EQ(state.lanes[0].position, 21);
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(484 + 48, 473));
    EXPECT_EQ(state.lanes[1].seedIndex, 51);
    EXPECT_EQ(state.lanes[1].position, 21);
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(484 + 17, 480));
    EXPECT_EQ(state.lanes[1].seedIndex, 51);

    struct Case {
        std::wstring text;
        int marks;
    };
    const Case cases[] = {
        {L"", 0},
        {std::wstring(5000, L'x'), 499},
        // no Shift-JIS form, and no look-alike "o" either
        {L"\x014D\x2603\xD83D\xDE00", 0},
        {L"o\x2603x", 2},
    };
    for (const Case& c : cases) {
        SetWindowTextW(box, c.text.c_str());
        pump_messages(250);
        EXPECT_EQ(state.markCount, c.marks) << c.text.size();
    }
    EXPECT_EQ(close_program(), 0);
}

// Counts the pixels of one colour in a rectangle of the painted client area.
int pixels_of(HWND window, RECT area, COLORREF color) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(window);
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            found += GetPixel(screen, x, y) == color ? 1 : 0;
        }
    }
    ReleaseDC(window, screen);
    return found;
}

TEST(MainWindow, PaintsTheDrawingSteps) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    HWND window = open_program();
    // The candidate numbers are blue, the lane's values black, the space between them white.
    SetWindowTextW(GetDlgItem(window, IDC_MARK_EDIT), wide("×××○○×××○×○×○○×○×○○×").c_str());
    pump_messages(250);
    EXPECT_GT(pixels_of(window, {484, 473, 501, 489}, RGB(0, 0, 255)), 10);
    EXPECT_GT(pixels_of(window, {69, 22, 86, 38}, RGB(0, 0, 0)), 10);
    EXPECT_EQ(pixels_of(window, {600, 150, 640, 180}, RGB(255, 255, 255)), 40 * 30);
    EXPECT_EQ(close_program(), 0);
}

// The whole program as the entry runs it: the loop ends on the close with exit code 0.
TEST(MainWindow, ExitsWithCodeZero) {
    WorkingFolder folder(kUnitFile, kGrowthFile);
    reset_program();
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        PostMessageW(window_handles().mainWindow, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run_program(GetModuleHandleW(nullptr), SW_SHOW), 0);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(IsWindow(window_handles().mainWindow));
}

}  // namespace
