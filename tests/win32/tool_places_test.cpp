// Where the tool windows open on the screen the test runs on, and that each reopens where the
// player left it, in the same run and after a restart.

#include "tests/win32/program_fixture.h"
#include "view/window_layout.h"
#include "view/window_places.h"

namespace {

const wchar_t* const kClasses[] = {L"SoramitoResults", L"SoramitoRecord", L"SoramitoPlan"};

// Opens 検索結果 by its key, 記録 or 手順 from the menu; where it stands.
ScreenRect open_tool(int kind) {
    SetActiveWindow(main_window());
    kind == 0 ? press_key('L', kKeyCtrl) : command(kind == 1 ? IDM_RECORD : IDM_PLAN);
    pump_messages(50);
    HWND tool = FindWindowW(kClasses[kind], nullptr);
    EXPECT_TRUE(IsWindowVisible(tool)) << kind;
    RECT r{};
    GetWindowRect(tool, &r);
    return {r.left, r.top, r.right, r.bottom};
}

std::wstring shown(const ScreenRect& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
           std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

struct ToolPlaces : Program {
    ToolPlaces() { open_written("worked.json", kWorkedSession); }
    std::filesystem::path placesFile = folder.appData / "Soramito" / "windows.json";
};

TEST_F(ToolPlaces, OpenInTurnClearOfEachOtherReopenWhereTheyWereLeftAndForgetAPlaceOffScreen) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main_window(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT frame{}, box{}, client{};
    GetWindowRect(main_window(), &frame);
    GetWindowRect(program().mark_edit(), &box);
    GetClientRect(main_window(), &client);
    MapWindowPoints(main_window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const ScreenRect lanes{client.left, client.top, client.right, client.top + kLanesBottom};
    std::vector<ScreenRect> opened;
    for (int kind = 0; kind < 3; ++kind) {
        const ScreenRect at = open_tool(kind);
        const std::wstring where = std::to_wstring(work.right) + L": " + shown(at);
        EXPECT_TRUE(at.left >= work.left && at.top >= work.top && at.right <= work.right &&
                    at.bottom <= work.bottom)
            << where;
        EXPECT_FALSE(overlaps(at, {box.left, box.top, box.right, box.bottom}) ||
                     overlaps(at, lanes))
            << where;
        // Wide screens have room beside the main window.
        EXPECT_EQ(overlaps(at, {frame.left, frame.top, frame.right, frame.bottom}),
                  work.right < 1600)
            << where;
        for (const ScreenRect& other : opened) {
            EXPECT_FALSE(overlaps(at, other)) << where;
        }
        opened.push_back(at);
    }

    // 記録 moved and made larger, then closed by its close button, reopens so.
    opened[1] = {work.right - 700, work.bottom - 330, work.right - 10, work.bottom - 10};
    HWND record = FindWindowW(kClasses[1], nullptr);
    MoveWindow(record, work.right - 700, work.bottom - 330, 690, 320, TRUE);
    SendMessageW(record, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(record));
    const auto kept = read_window_places(read_file(placesFile));
    EXPECT_TRUE(kept && kept->places[1] == opened[1]);
    EXPECT_EQ(shown(open_tool(1)), shown(opened[1]));

    // After a restart, each where it was at the end.
    EXPECT_EQ(close_program(), 0);
    open_program();
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_EQ(shown(open_tool(kind)), shown(opened[kind])) << kClasses[kind];
    }
    // A file that cannot be read, or a place off the screens, counts as none, with no word of
    // it, and the file is written afresh at the end.
    const ScreenRect first = opened[0];
    for (const char8_t* kept : {u8R"({"dpi": 96, "検索結果": [0, 0)",
                                u8R"({"dpi": 96, "検索結果": [-30000, -30000, 640, 420]})"}) {
        EXPECT_EQ(close_program(), 0);
        write_file(placesFile, reinterpret_cast<const char*>(kept));
        EXPECT_EQ(answer_box([] { open_program(); }, IDOK), L"(none)");
        EXPECT_EQ(shown(open_tool(0)), shown(first));
    }
    EXPECT_EQ(close_program(), 0);
    const auto rewritten = read_window_places(read_file(placesFile));
    EXPECT_TRUE(rewritten && rewritten->places[0] == first);
    open_program();
}

}  // namespace
