#include <windows.h>

#include "view/drawing.h"
#include "win32/edit_commands.h"
#include "win32/program.h"
#include "win32/wide_text.h"

namespace {

HGDIOBJ font_object(DrawFont font) {
    const WindowHandles& handles = window_handles();
    return font == DrawFont::kUnderline ? handles.underlineFont : handles.normalFont;
}

HGDIOBJ pen_object(DrawPen pen) {
    const WindowHandles& handles = window_handles();
    switch (pen) {
        case DrawPen::kPredict:
            return handles.predictPen;
        case DrawPen::kBlack:
            return handles.blackPen;
        case DrawPen::kDefault:
        default:
            return GetStockObject(BLACK_PEN);
    }
}

void render(HDC dc, const DrawList& list) {
    for (int i = 0; i < list.count; ++i) {
        const DrawStep& step = list.steps[i];
        SelectObject(dc, font_object(step.font));
        SetTextColor(dc, step.color);
        const WideText text = wide_from_shift_jis(step_text(list, step));
        switch (step.kind) {
            case DrawKind::kRectangle:
                SelectObject(dc, pen_object(step.pen));
                Rectangle(dc, step.left, step.top, step.right, step.bottom);
                break;
            case DrawKind::kText:
                TextOutW(dc, step.left, step.top, text.text, text.length);
                break;
            case DrawKind::kTextInRect: {
                RECT rect{step.left, step.top, step.right, step.bottom};
                // No prefix: an "&" in a unit's name is shown as it is.
                DrawTextW(dc, text.text, text.length, &rect, DT_LEFT | DT_TOP | DT_NOPREFIX);
                break;
            }
        }
    }
}

}  // namespace

void paint_main_window(HWND window) {
    static DrawList list;
    RECT client{};
    GetClientRect(window, &client);
    // Laid out at 96 dpi, then scaled to the window's, for which its fonts and pens were made.
    const int dpi = window_handles().dpi;
    build_main_window_drawing(app_state(), scale_from_dpi(client.right - client.left, dpi), list,
                              check_line());
    scale_drawing(list, dpi);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // The DC gets its own font and pen back, so that ours are never left selected when the
    // window deletes them.
    const HGDIOBJ font = SelectObject(dc, font_object(DrawFont::kNormal));
    const HGDIOBJ pen = SelectObject(dc, pen_object(DrawPen::kDefault));
    render(dc, list);
    SelectObject(dc, font);
    SelectObject(dc, pen);
    EndPaint(window, &paint);
}
