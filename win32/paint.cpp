#include <windows.h>

#include "view/drawing.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"

void MainWindow::paint() {
    RECT client{};
    GetClientRect(window_, &client);
    // Laid out at 96 dpi, then scaled to the window's, for which its fonts and pens were made.
    DrawList& list = *drawing_;
    build_main_window_drawing(controller_->state(),
                              scale_from_dpi(client.right - client.left, dpi_),
                              scale_from_dpi(client.bottom - client.top, dpi_), list,
                              {controller_->check_line(), controller_->message()});
    scale_drawing(list, dpi_);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    // The DC gets its own font and pen back, so that ours are never left selected when the
    // window deletes them.
    const HGDIOBJ oldFont = SelectObject(dc, font(DrawFont::kNormal));
    const HGDIOBJ oldPen = SelectObject(dc, pen(DrawPen::kDefault));
    for (int i = 0; i < list.count; ++i) {
        const DrawStep& step = list.steps[i];
        SelectObject(dc, font(step.font));
        SetTextColor(dc, step.color);
        const WideText text = wide_from_shift_jis(step_text(list, step));
        switch (step.kind) {
            case DrawKind::kRectangle:
                SelectObject(dc, pen(step.pen));
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
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    EndPaint(window_, &paint);
}
