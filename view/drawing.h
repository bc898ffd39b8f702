#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "view/window_state.h"

// What the main window's paint draws, as a list of steps in drawing order. Each step carries
// the font, text colour and pen that are selected when it is drawn, so the GDI routine that
// renders the list needs no state of its own.

enum class DrawKind : std::uint8_t {
    kRectangle,   // Rectangle(left, top, right, bottom), white inside
    kText,        // TextOut at (left, top)
    kTextInRect,  // DrawText into the rectangle, broken at line feeds only, clipped
};
enum class DrawFont : std::uint8_t { kNormal, kUnderline };
enum class DrawPen : std::uint8_t { kDefault, kBlack, kPredict };

// COLORREF values, 0x00BBGGRR.
constexpr std::uint32_t kColorBlack = 0x000000;
constexpr std::uint32_t kColorBlue = 0xFF0000;
constexpr std::uint32_t kColorRed = 0x0000FF;
constexpr std::uint32_t kColorTeal = 0x808000;
constexpr std::uint32_t kColorOrange = 0x0080FF;
constexpr std::uint32_t kColorPredict = 0xFFC8C8;

struct DrawStep {
    DrawKind kind;
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    DrawFont font;
    std::uint32_t color;
    DrawPen pen;
    std::int32_t textOffset;  // Shift-JIS bytes in the list's text pool
    std::int32_t textLength;
};

constexpr int kDrawStepCapacity = 1024;
constexpr int kDrawTextCapacity = 16384;

struct DrawList {
    std::array<DrawStep, kDrawStepCapacity> steps;
    std::int32_t count;
    std::array<char, kDrawTextCapacity> text;
    std::int32_t textUsed;
    bool dropped;             // a step or some of its text did not fit and is not drawn
    std::int32_t fontHeight;  // of both fonts, in pixels
    std::int32_t penWidth;
};

// The layout is made for 96 dpi; at another it is scaled by dpi / 96.
constexpr int kBaseDpi = 96;

// How wide text (Shift-JIS) is drawn in the window's font of fontHeight pixels: half the height
// a byte, since the font draws a double-byte character twice as wide as a single byte.
constexpr int text_width(std::string_view text, int fontHeight = 16) {
    return static_cast<int>(text.size()) * fontHeight / 2;
}

// value × dpi / 96, rounded half away from zero; and back, value × 96 / dpi, so rounded.
int scale_to_dpi(int value, int dpi);
int scale_from_dpi(int value, int dpi);

// The area the drawing covers at the least, as it always did: 800 by 600 at 96 dpi.
constexpr int kBaseClientWidth = 800;
constexpr int kBaseClientHeight = 600;

// What the window says under the lanes besides the session (Shift-JIS, empty for none): after a
// level-up the figures the player is to check, and what became of a command.
struct SaidUnderLanes {
    std::string_view checkLine;
    std::string_view message;
};

// clientWidth, clientHeight: the window's client area at 96 dpi, which the background covers and
// where the texts wrap.
void build_main_window_drawing(const WindowState& state, int clientWidth, int clientHeight,
                               DrawList& list, const SaidUnderLanes& said = {});

// Every coordinate, the fonts' height and the pens' width of a list made for 96 dpi, for dpi.
void scale_drawing(DrawList& list, int dpi);

std::string_view step_text(const DrawList& list, const DrawStep& step);
