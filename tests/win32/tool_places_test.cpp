// Where the tool windows open on the screen the test runs on, and that each reopens where the
// player left it, in the same run and after a restart.

#include "tests/win32/program_fixture.h"
#include "view/window_layout.h"
#include "view/window_places.h"

namespace {

const wchar_t* const kClasses[] = {L"SoramitoResults", L"SoramitoRecord", L"SoramitoPlan"};

// 検索結果 by its key, 記録 and 手順 from the menu.
void open_tool(int kind) {
    SetActiveWindow(main_window());
    if (kind == 0) {
        press_key('L', kKeyCtrl);
    } else {
        command(kind == 1 ? IDM_RECORD : IDM_PLAN);
    }
    pump_messages(50);
}

RECT rect_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

ScreenRect screen_rect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::wstring shown(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
           std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

struct ToolPlaces : Program {
    ToolPlaces() { open_written("worked.json", kWorkedSession); }
    std::filesystem::path placesFile = folder.appData / "Soramito" / "windows.json";
};

TEST_F(ToolPlaces, OpenInTurnClearOfEachOtherAndReopenWhereTheyWereLeft) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main_window(), MONITOR_DEFAULTTONEAREST), &monitor);
    POINT client{0, 0};
    ClientToScreen(main_window(), &client);
    RECT clientArea{};
    GetClientRect(main_window(), &clientArea);
    const ScreenRect lanes{client.x, client.y, client.x + clientArea.right,
                           client.y + kLanesBottom};
    const ScreenRect patternBox = screen_rect(rect_of(program().mark_edit()));
    const ScreenRect mainFrame = screen_rect(rect_of(main_window()));
    std::vector<RECT> opened;
    for (int kind = 0; kind < 3; ++kind) {
        open_tool(kind);
        HWND tool = FindWindowW(kClasses[kind], nullptr);
        ASSERT_TRUE(IsWindowVisible(tool)) << kind;
        const RECT at = rect_of(tool);
        const std::wstring where =
            std::to_wstring(screenWidth) + L": " + kClasses[kind] + L" at " + shown(at);
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &at, &monitor.rcWork) && EqualRect(&inside, &at))
            << where;
        EXPECT_FALSE(overlaps(screen_rect(at), patternBox) || overlaps(screen_rect(at), lanes))
            << where;
        // Wide screens have room beside the main window.
        EXPECT_EQ(overlaps(screen_rect(at), mainFrame), screenWidth < 1600) << where;
        for (const RECT& other : opened) {
            EXPECT_FALSE(overlaps(screen_rect(at), screen_rect(other))) << where;
        }
        opened.push_back(at);
    }

    // 記録 moved and made larger, then closed by its close button, reopens so.
    HWND record = FindWindowW(kClasses[1], nullptr);
    const RECT left{monitor.rcWork.right - 700, monitor.rcWork.bottom - 330,
                    monitor.rcWork.right - 10, monitor.rcWork.bottom - 10};
    MoveWindow(record, left.left, left.top, left.right - left.left, left.bottom - left.top, TRUE);
    SendMessageW(record, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(record));
    const auto kept = read_window_places(read_file(placesFile));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->places[1], screen_rect(left));
    open_tool(1);
    EXPECT_EQ(shown(rect_of(record)), shown(left));

    // After a restart, each where it was at the end.
    opened[1] = left;
    EXPECT_EQ(close_program(), 0);
    open_program();
    for (int kind = 0; kind < 3; ++kind) {
        open_tool(kind);
        EXPECT_EQ(shown(rect_of(FindWindowW(kClasses[kind], nullptr))), shown(opened[kind]))
            << kClasses[kind];
    }
}

TEST_F(ToolPlaces, AFileThatCannotBeReadOrAPlaceOffTheScreensCountsAsNone) {
    open_tool(0);
    const RECT fresh = rect_of(FindWindowW(kClasses[0], nullptr));
    for (const std::string& kept :
         {std::string("{\"dpi\": 96, \"検索結果\": [0, 0"),
          std::string(reinterpret_cast<const char*>(
              u8R"({"dpi": 96, "検索結果": [-30000, -30000, 640, 420]})"))}) {
        EXPECT_EQ(close_program(), 0);
        write_file(placesFile, kept);
        EXPECT_EQ(answer_box([] { open_program(); }, IDOK), L"(none)");
        open_tool(0);
        EXPECT_EQ(shown(rect_of(FindWindowW(kClasses[0], nullptr))), shown(fresh));
    }
    // Written afresh at the end.
    EXPECT_EQ(close_program(), 0);
    const auto rewritten = read_window_places(read_file(placesFile));
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->places[0], screen_rect(fresh));
    open_program();
}

}  // namespace
