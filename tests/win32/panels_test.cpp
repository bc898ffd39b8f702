// The unit panels as the screen shows them, at the window's resolution: a figure of three or four
// digits is drawn whole.

#include "tests/win32/program_fixture.h"
#include "view/drawing.h"
#include "view/window_layout.h"

namespace {

// The rightmost column a device context shows inked (not white) in a band of rows; -1 for none.
int rightmost_ink(HDC dc, int left, int top, int right, int bottom) {
    for (int x = right - 1; x >= left; --x) {
        for (int y = top; y < bottom; ++y) {
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                return x;
            }
        }
    }
    return -1;
}

// Where text ends when drawn whole at x 0 in the window's font, off screen.
int whole_text_end(HDC screen, const std::wstring& text, int height) {
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40 * height, height);
    const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    const HGDIOBJ oldFont = SelectObject(memory, window_handles().normalFont);
    PatBlt(memory, 0, 0, 40 * height, height, WHITENESS);
    TextOutW(memory, 0, 0, text.c_str(), static_cast<int>(text.size()));
    const int end = rightmost_ink(memory, 0, 0, 40 * height, height);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return end;
}

TEST_F(Program, ThreeDigitHpsAreDrawnWholeInTheUnitPanels) {
    open_written("s.json", kWorkedSession);
    dialog(IDM_STATUS, [](HWND box) {
        for (const auto& [id, figure] :
             {std::pair{1029, L"120"}, {1030, L"120"}, {1129, L"150"}, {1130, L"150"}}) {
            retype(box, id, figure);
        }
        press(box, IDOK);
    });
    RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int dpi = window_handles().dpi;
    const int lineHeight = scale_to_dpi(16, dpi);
    static DrawList list;
    build_main_window_drawing(app_state(), 784, list);
    HDC screen = GetDC(main_window());
    // The HP line is a panel's third; the painter's text is whole.
    for (const auto& [place, before] : {std::pair{UnderLanes::kAllyPanel, "ＨＰ：120→"},
                                        std::pair{UnderLanes::kEnemyPanel, "ＨＰ：150→"}}) {
        const LayoutBox& panel = place_of(place);
        std::string text;
        for (int i = 0; i < list.count; ++i) {
            const DrawStep& step = list.steps[i];
            text = step.left == panel.left && step.top == panel.top ? step_text(list, step) : text;
        }
        const std::size_t from = text.find("　ＨＰ：");
        const std::string line = text.substr(from, text.find('\n', from) - from);
        ASSERT_NE(line.find(before), std::string::npos) << line;
        const int left = scale_to_dpi(panel.left, dpi);
        const int top = scale_to_dpi(panel.top, dpi) + 2 * lineHeight;
        EXPECT_EQ(
            rightmost_ink(screen, left, top, scale_to_dpi(panel.right, dpi), top + lineHeight) -
                left,
            whole_text_end(screen, wide(line.c_str()), lineHeight))
            << dpi;
    }
    ReleaseDC(main_window(), screen);
    close_program_without_saving();
    open_program();
}

}  // namespace
