// The unit panels as the screen shows them, at the window's resolution: a figure of three or four
// digits is drawn whole.

#include "tests/win32/program_fixture.h"
#include "view/drawing.h"
#include "view/window_layout.h"

namespace {

// The rightmost column inked (not white) in a band of rows of a device context, from left; -1 for
// none.
int ink_end(HDC dc, int left, int top, int right, int bottom) {
    for (int x = right - 1; x >= left; --x) {
        for (int y = top; y < bottom; ++y) {
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                return x - left;
            }
        }
    }
    return -1;
}

TEST_F(Program, ThreeDigitHpsAreDrawnWholeInTheUnitPanels) {
    open_written("s.json", kWorkedSession);
    dialog(IDM_STATUS, [](HWND box) {
        for (const auto& [id, hp] :
             {std::pair{1029, L"120"}, {1030, L"120"}, {1129, L"150"}, {1130, L"150"}}) {
            retype(box, id, hp);
        }
        press(box, IDOK);
    });
    RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    static DrawList list;
    build_main_window_drawing(window_state(), 784, 600, list);
    const int dpi = program().dpi(), height = scale_to_dpi(16, dpi);
    HDC screen = GetDC(main_window());
    // The same HP line drawn whole off screen, in the window's font.
    HDC whole = CreateCompatibleDC(screen);
    const HGDIOBJ bitmap = SelectObject(whole, CreateCompatibleBitmap(screen, 40 * height, height));
    SelectObject(whole, program().font(DrawFont::kNormal));
    for (const auto& [place, hp] : {std::pair{UnderLanes::kAllyPanel, "ＨＰ：120→"},
                                    std::pair{UnderLanes::kEnemyPanel, "ＨＰ：150→"}}) {
        const LayoutBox& panel = place_of(place);
        std::string shown;
        for (int i = 0; i < list.count; ++i) {
            const DrawStep& step = list.steps[i];
            shown =
                step.left == panel.left && step.top == panel.top ? step_text(list, step) : shown;
        }
        const std::size_t from = shown.find("　ＨＰ：");  // the panel's third line
        const std::wstring line = wide(shown.substr(from, shown.find('\n', from) - from).c_str());
        ASSERT_NE(shown.find(hp), std::string::npos) << shown;
        PatBlt(whole, 0, 0, 40 * height, height, WHITENESS);
        TextOutW(whole, 0, 0, line.c_str(), static_cast<int>(line.size()));
        const int top = scale_to_dpi(panel.top, dpi) + 2 * height;
        EXPECT_EQ(ink_end(screen, scale_to_dpi(panel.left, dpi), top,
                          scale_to_dpi(panel.right, dpi), top + height),
                  ink_end(whole, 0, 0, 40 * height, height))
            << dpi;
    }
    DeleteObject(SelectObject(whole, bitmap));
    DeleteDC(whole);
    ReleaseDC(main_window(), screen);
    answer_box([] { command(IDM_FILE_NEW); }, IDNO);
}

}  // namespace

namespace {

// In a window larger than 800 by 600 the search's line runs past 800; after 新規 takes it away,
// the whole client area is drawn afresh.
TEST_F(Program, ALargerWindowRepaintsAllOfItself) {
    SetWindowPos(main_window(), nullptr, 0, 0, scale_to_dpi(1300, program().dpi()),
                 scale_to_dpi(700, program().dpi()), SWP_NOMOVE | SWP_NOZORDER);
    open_written("s.json", kWorkedSession);
    command(IDC_SEARCH);
    RECT client{};
    GetClientRect(main_window(), &client);
    const int from = scale_to_dpi(kBaseClientWidth + 8, program().dpi());
    const auto inked_past_800 = [&client, from] {
        RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC screen = GetDC(main_window());
        int inked = 0;
        for (int y = 0; y < client.bottom; y += 2) {
            for (int x = from; x < client.right; x += 2) {
                inked += GetPixel(screen, x, y) != RGB(255, 255, 255) ? 1 : 0;
            }
        }
        ReleaseDC(main_window(), screen);
        return inked;
    };
    EXPECT_GT(inked_past_800(), 0);
    command(IDM_FILE_NEW);
    EXPECT_EQ(inked_past_800(), 0);
}

}  // namespace
