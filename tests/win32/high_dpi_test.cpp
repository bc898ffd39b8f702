// The program's window on a screen of 144 dpi, under Wine: it scales itself by 1.5.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "tools/pictures/session.h"
#include "view/resource.h"
#include "win32/program.h"

namespace {

TEST(HighDpi, TheWindowScalesByOneAndAHalf) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "soramito-dpi";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "appdata");
    std::ofstream(folder / "character.txt", std::ios::binary) << "1,1\r\nA,2,7,\r\nB,1,15,\r\n";
    std::string rows;
    for (int row = 0; row < 52; ++row) {
        rows += "80,50,10,40,60,30,5,45,0,30\r\n";
    }
    std::ofstream(folder / "grow.txt", std::ios::binary) << rows;
    SetCurrentDirectoryW(folder.c_str());
    SetEnvironmentVariableW(L"APPDATA", (folder / "appdata").c_str());
    ASSERT_TRUE(open_main_window(GetModuleHandleW(nullptr), SW_SHOW));
    pump_messages(100);
    HWND window = window_handles().mainWindow;
    // At 96 dpi the client area is 792 by 554 here; the controls stand where they stood, × 1.5.
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_GE(client.right, 792 * 3 / 2);
    EXPECT_GE(client.bottom, 554 * 3 / 2);
    RECT search{};
    GetWindowRect(GetDlgItem(window, IDC_SEARCH), &search);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&search), 2);
    EXPECT_EQ(std::make_tuple(search.left, search.top, search.right, search.bottom),
              std::make_tuple(690, 438, 750, 468));
    // A click on the second candidate, where it is drawn at this resolution, moves lane 0.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM((484 + 24 + 12) * 3 / 2, 480 * 3 / 2));
    EXPECT_EQ(std::make_pair(app_state().lanes[0].seedIndex, app_state().lanes[0].position),
              std::make_pair(16, 21));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(run_message_loop(), 0);
    SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
    std::filesystem::remove_all(folder);
}

}  // namespace
