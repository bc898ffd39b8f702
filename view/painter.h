#pragma once

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "view/drawing.h"

// What the parts of the main window's drawing share while they build the list.

constexpr int kTextBufferSize = 512;

// The device context's state while the list is built: what a text step is drawn with.
struct Painter {
    DrawList& list;
    DrawFont font = DrawFont::kNormal;
    std::uint32_t color = kColorBlack;
    DrawPen pen = DrawPen::kDefault;

    void add(DrawKind kind, int left, int top, int right, int bottom, const char* text,
             int length) {
        if (list.count >= kDrawStepCapacity) {
            list.dropped = true;
            return;
        }
        const int kept = std::clamp(length, 0, kDrawTextCapacity - list.textUsed);
        list.dropped = list.dropped || kept < length;
        std::memcpy(list.text.data() + list.textUsed, text, static_cast<std::size_t>(kept));
        list.steps[list.count++] =
            DrawStep{kind, left, top, right, bottom, font, color, pen, list.textUsed, kept};
        list.textUsed += kept;
    }
    void text(int x, int y, const char* bytes, int length) {
        add(DrawKind::kText, x, y, x, y, bytes, length);
    }
    void text(int x, int y, const char* bytes) {
        text(x, y, bytes, static_cast<int>(std::strlen(bytes)));
    }
    void text_in_rect(int left, int top, int right, int bottom, const char* bytes) {
        add(DrawKind::kTextInRect, left, top, right, bottom, bytes,
            static_cast<int>(std::strlen(bytes)));
    }
    void rectangle(int left, int top, int right, int bottom) {
        add(DrawKind::kRectangle, left, top, right, bottom, "", 0);
    }
};

// Bounded formatting at the end of a fixed buffer, as the texts are built piece by piece.
template <std::size_t N>
void append(char (&buffer)[N], const char* format, ...) {
    const std::size_t used = std::strlen(buffer);
    if (used + 1 >= N) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer + used, N - used, format, args);
    va_end(args);
}

// Text laid out piece by piece from (left, top), a line break wherever the next piece would
// cross right; a line always takes at least one piece, and a piece's separator from the one
// before it is dropped where it starts a line. 8 pixels a byte, as the font draws.
struct FlowingText {
    Painter& painter;
    int left;
    int top;
    int lineHeight;
    int right;
    char line[kTextBufferSize] = "";

    template <class... Args>
    void add(const char* separator, const char* format, Args... args) {
        char piece[kTextBufferSize];
        if constexpr (sizeof...(Args) == 0) {
            std::snprintf(piece, sizeof piece, "%s", format);
        } else {
            std::snprintf(piece, sizeof piece, format, args...);
        }
        const std::size_t used = std::strlen(line);
        const std::size_t width = used + std::strlen(separator) + std::strlen(piece);
        if (used > 0 && left + static_cast<int>(width) * 8 > right) {
            painter.text(left, top, line);
            line[0] = '\0';
            top += lineHeight;
        }
        append(line, "%s%s", line[0] == '\0' ? "" : separator, piece);
    }
    void finish() { painter.text(left, top, line); }
};

// A sequence's number, clickable: blue and underlined, right-aligned in two columns from x; the
// underline under the digits alone.
inline void draw_sequence_number(Painter& painter, int x, int y, std::int32_t seedIndex) {
    char number[kTextBufferSize];
    const int length = std::snprintf(number, sizeof number, "%d", seedIndex);
    painter.color = kColorBlue;
    painter.font = DrawFont::kUnderline;
    painter.text(length == 1 ? x + 8 : x, y, number, std::clamp(length, 0, 2));
    painter.font = DrawFont::kNormal;
    painter.color = kColorBlack;
}
