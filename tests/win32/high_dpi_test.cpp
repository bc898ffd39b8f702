// The program's window on a screen of 144 dpi, under Wine: it scales itself by 1.5.

#include "tests/win32/program_fixture.h"
#include "view/window_layout.h"

namespace {

TEST_F(Program, TheWindowScalesByOneAndAHalf) {
    // At 96 dpi the client area is 792 by 554 here; the controls stand where they stood, × 1.5.
    RECT client{}, search{};
    GetClientRect(main_window(), &client);
    GetWindowRect(GetDlgItem(main_window(), IDC_SEARCH), &search);
    MapWindowPoints(nullptr, main_window(), reinterpret_cast<POINT*>(&search), 2);
    EXPECT_TRUE(client.right >= 792 * 3 / 2 && client.bottom >= 554 * 3 / 2);
    EXPECT_EQ(std::make_tuple(search.left, search.top, search.right, search.bottom),
              std::make_tuple(690, 438, 750, 468));
    // A click on the second candidate, where it is drawn at this resolution, moves lane 0.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_LBUTTONUP, 0,
                 MAKELPARAM(scale_to_dpi(number_left(kCandidateRow, 1) + 12, 144),
                            scale_to_dpi(kCandidateRow.top + 7, 144)));
    EXPECT_EQ(std::make_pair(window_state().session.lanes[0].seedIndex,
                             window_state().session.lanes[0].position),
              std::make_pair(16, 21));
}

}  // namespace
