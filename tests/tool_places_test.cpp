#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "view/placement.h"
#include "view/window_places.h"

void PrintTo(const ScreenRect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

// JSON in the files' encoding; the sources' plain literals are Shift-JIS.
std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// The main window, 800 × 600 at 96 dpi scaled by scale, its top left corner at (x, y), its
// client area 8 pixels right and 50 down, and its lanes and marks where the layout puts them.
MainWindowPlaces main_at(int x, int y, double scale = 1) {
    const auto s = [scale](int pixels) { return static_cast<int>(pixels * scale); };
    const int cx = x + s(8), cy = y + s(50);
    return {{x, y, x + s(800), y + s(600)},
            {cx, cy, cx + s(784), cy + s(172)},
            {cx + s(436), cy + s(432), cx + s(704), cy + s(512)}};
}

enum class Rule { kBeside, kClear, kCascade };

// Each of 検索結果, 記録 and 手順 opened in turn, the earlier ones still open, none shrunk below
// two thirds of its size.
std::vector<ScreenRect> open_in_turn(const MainWindowPlaces& main, const ScreenRect& workArea) {
    const double scale = (main.frame.right - main.frame.left) / 800.0;
    const int sizes[][2] = {{640, 420}, {560, 280}, {480, 280}};
    std::vector<ScreenRect> open;
    for (int kind = 0; kind < 3; ++kind) {
        const ScreenSize size{static_cast<int>(sizes[kind][0] * scale),
                              static_cast<int>(sizes[kind][1] * scale)};
        const ScreenSize least{(size.width * 2 + 2) / 3, (size.height * 2 + 2) / 3};
        open.push_back(place_tool_window(main, workArea, open, size, least, kind + 1, 32));
    }
    return open;
}

TEST(ToolWindows, OpenInTurnWhereThePlayerCanUseThem) {
    const ScreenRect hd{0, 0, 1920, 1080};
    using Places = std::vector<ScreenRect>;
    // the work area, the main window, the rule all three follow, and where, worked by hand: under
    // the lanes left of the marks, then right of it, then below; right of the marks whole, then
    // shrunk under the lanes, then left of the marks; beside on the right, then under the first,
    // then under the main window; moved right, on the left. On 800×600 the clear places left after
    // the first are under two thirds of the others' sizes, which cascade.
    // clang-format off
    const std::vector<std::tuple<const char*, ScreenRect, MainWindowPlaces, Rule, Places>> cases = {
        {"1024x768", {0, 0, 1024, 768}, main_at(0, 0), Rule::kClear,
         {{0, 222, 444, 642}, {444, 222, 1004, 482}, {444, 562, 924, 768}}},
        {"1366x768", {0, 0, 1366, 738}, main_at(0, 0), Rule::kClear,
         {{712, 222, 1352, 642}, {0, 222, 560, 482}, {0, 482, 444, 738}}},
        {"1600x900", {0, 0, 1600, 900}, main_at(0, 0), Rule::kBeside,
         {{800, 0, 1440, 420}, {800, 420, 1360, 700}, {320, 600, 800, 880}}},
        {"1920x1080", hd, main_at(0, 0), Rule::kBeside, {}},
        {"1920x1080, moved right", hd, main_at(1120, 200), Rule::kBeside,
         {{480, 200, 1120, 620}, {560, 620, 1120, 900}, {0, 200, 480, 480}}},
        {"left of the primary", {-1600, 0, 0, 860}, main_at(-1500, 100), Rule::kClear, {}},
        {"144 dpi", {0, 0, 1920, 1040}, main_at(0, 0, 1.5), Rule::kClear, {}},
        {"800x600", {0, 0, 800, 600}, main_at(0, 0), Rule::kCascade, {}}};
    // clang-format on
    for (const auto& [screen, workArea, main, rule, worked] : cases) {
        const std::vector<ScreenRect> placed = open_in_turn(main, workArea);
        EXPECT_TRUE(worked.empty() || placed == worked) << screen << testing::PrintToString(placed);
        for (std::size_t k = 0; k < placed.size(); ++k) {
            const ScreenRect& p = placed[k];
            const std::string at = std::string(screen) + ", window " + std::to_string(k);
            EXPECT_TRUE(p.left >= workArea.left && p.top >= workArea.top &&
                        p.right <= workArea.right && p.bottom <= workArea.bottom)
                << at;
            for (std::size_t other = 0; other < k; ++other) {
                const ScreenRect& o = placed[other];
                EXPECT_FALSE(rule == Rule::kCascade ? p.left == o.left && p.top == o.top
                                                    : overlaps(p, o))
                    << at;
            }
            if (rule == Rule::kBeside) {
                EXPECT_FALSE(overlaps(p, main.frame)) << at;
            } else if (rule == Rule::kClear) {
                EXPECT_FALSE(overlaps(p, main.lanes) || overlaps(p, main.marks)) << at;
            }
        }
    }
}

TEST(ToolWindows, AKeptPlaceCountsWhileItsTitleBarTouchesAWorkArea) {
    const std::vector<ScreenRect> twoMonitors = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    // the kept place, usable with a 30 pixels high title bar, whose buttons take its last 90
    const std::vector<std::pair<ScreenRect, bool>> cases = {
        {{100, 100, 740, 520}, true},      {{3000, 1000, 3640, 1420}, true},
        {{3000, 1030, 3640, 1450}, false}, {{-500, 10, 140, 430}, true},
        {{-530, 10, 110, 430}, false},     {{100, -15, 740, 405}, true},
        {{100, -16, 740, 404}, false},     {{1900, 500, 2540, 920}, true},
        {{1900, 1020, 2540, 1440}, false}, {{-30000, -30000, -29360, -29580}, false}};
    for (const auto& [place, usable] : cases) {
        EXPECT_EQ(title_bar_reachable(place, 30, twoMonitors), usable)
            << place.left << "," << place.top;
    }
}

TEST(WindowPlaces, AFileIsReadWholeOrNotAtAll) {
    const std::string kept =
        utf8(u8R"({"dpi":144,"検索結果":[-1500,20,960,630],"手順":[10,20,720,420]})") + "\n";
    const auto read = read_window_places(kept);
    ASSERT_TRUE(read);
    EXPECT_EQ(write_window_places(*read), kept);
    WindowPlaces at96 = window_places_at(*read, 96);
    EXPECT_EQ(at96.dpi, 96);
    EXPECT_EQ(at96[ToolWindowKind::kResults], (ScreenRect{-1500, 20, -860, 440}));
    EXPECT_FALSE(at96[ToolWindowKind::kRecord]);
    EXPECT_TRUE(read_window_places(utf8(u8R"({"dpi":960,"見出し":1,"記録":[0,0,1,1]})")));

    // A whole file unreadable, or one record of it.
    std::vector<std::string> unreadable = {
        "", "{", "[96]", R"({"dpi":"96"})", R"({"dpi":47})", R"({"dpi":961})", R"({"dpi":96.0})"};
    unreadable.push_back(R"({"dpi":96})" + std::string(4087, ' '));
    unreadable.push_back(utf8(u8R"({"検索結果":[0,0,640,420]})"));
    for (const char* record :
         {"[0,0,560]", "[0,0,560,280,1]", "[0,0,0,280]", "[0,0,560,-280]", "[0.5,0,560,280]",
          "[0,0,560,18446744073709551615]", "[-9999999,0,560,280]", "null", R"({"x":0})"}) {
        unreadable.push_back(utf8(u8R"({"dpi":96,"記録":)") + record + "}");
    }
    for (const std::string& bytes : unreadable) {
        EXPECT_FALSE(read_window_places(bytes)) << bytes.substr(0, 60);
    }
}

}  // namespace
