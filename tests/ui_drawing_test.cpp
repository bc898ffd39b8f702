#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "state/advance.h"
#include "state/kept_positions.h"
#include "view/dialog_forms.h"
#include "view/drawing.h"
#include "view/main_commands.h"
#include "view/window_layout.h"
#include "window_states.h"

namespace {

// The source is compiled to Shift-JIS, so the literals below are the bytes the list holds.
// The client area of the 800-pixel window is 784 pixels wide.
DrawList draw(const WindowState& state, int clientWidth = 784, const SaidUnderLanes& said = {}) {
    DrawList list;
    build_main_window_drawing(state, clientWidth, 600, list, said);
    return list;
}

DrawStep step_at(const DrawList& list, int x, int y) {
    DrawStep found{};
    found.textLength = -1;
    for (int i = 0; i < list.count; ++i) {
        if (list.steps[i].left == x && list.steps[i].top == y) {
            found = list.steps[i];
        }
    }
    return found;
}

std::string text_at(const DrawList& list, int x, int y) {
    const DrawStep step = step_at(list, x, y);
    return step.textLength < 0 ? "(none)" : std::string(step_text(list, step));
}

// What is drawn in a place under the lanes, "(none)" when nothing is, "(not its place)" when it
// is drawn elsewhere than the place says.
std::string panel_text(const DrawList& list, UnderLanes place) {
    const LayoutBox& box = place_of(place);
    const DrawStep step = step_at(list, box.left, box.top);
    const bool inRect = step.kind == DrawKind::kTextInRect;
    if (inRect && (step.right != box.right || step.bottom != box.bottom)) {
        return "(not its place)";
    }
    return text_at(list, box.left, box.top);
}

// The same with its colour (b, r, t, o, or k for black), and _ when underlined.
std::string styled_at(const DrawList& list, int x, int y) {
    const DrawStep step = step_at(list, x, y);
    const std::uint32_t colours[] = {kColorBlue, kColorRed, kColorTeal, kColorOrange, kColorBlack};
    const auto colour = std::find(std::begin(colours), std::end(colours), step.color) - colours;
    return text_at(list, x, y) + "brtok?"[colour] + (step.font == DrawFont::kUnderline ? "_" : "");
}

std::string row_at(const DrawList& list, int y, int left) {
    std::string row;
    for (int i = 0; i < list.count; ++i) {
        const DrawStep& step = list.steps[i];
        if (step.top == y && step.left >= left && step.kind != DrawKind::kRectangle) {
            row += std::string(step_text(list, step)) + " ";
        }
    }
    return row;
}

TEST(Drawing, TheLanesAfterStartUpAtEachResolutionAndTheirLogs) {
    WindowState state = started_state();
    std::tie(state.session.lanes[1].seedIndex, state.session.lanes[1].position,
             state.session.action.eventSwitches) = std::tuple(63, 4973, EventSwitches{0, 0, 0, 1});
    DrawList list = draw(state);
    // The headings; no log, no unit panels and no re-move rate without an ally.
    EXPECT_EQ(
        std::make_tuple(text_at(list, 2, 94), text_at(list, 260, 92), text_at(list, 69, 62),
                        panel_text(list, UnderLanes::kAllyPanel),
                        text_at(list, kCandidateRow.left, kCandidateRow.top),
                        text_at(list, 512, 316), text_at(list, 508, 212), text_at(list, 436, 451)),
        std::make_tuple("現在の乱数　　#63:4973", "ﾏｯﾌﾟ:", "(none)", "(none)", "なし", "", "再行動",
                        "cx検索："));
    // Exactly 32 values and marks a lane, 22 pixels apart from x = 69.
    EXPECT_EQ(row_at(list, 22, 69),
              "12 54 40 46 46 28 89 53 05 29 32 48 13 11 76 88 92 49 52 23 07 83 29 10 88 73 62 76 "
              "52 36 16 78 ");
    EXPECT_EQ(row_at(list, 42, 69),
              "× × × ○ ○ × × × ○ × ○ × ○ ○ × ○ × ○ ○ × ○ ○ × ○ ○ × × × ○ ○ ○ × ");
    // dpi: the heading, the first two values and the background's corner, then the fonts' height
    // and the pens' width, all × dpi / 96, rounded half away from zero.
    const std::vector<std::pair<int, std::string>> cases = {{120, "3,3 86,28 114,28 -1,-1 20 1"},
                                                            {144, "3,3 104,33 137,33 -2,-2 24 2"}};
    for (const auto& [dpi, expected] : cases) {
        DrawList scaled = list;
        scale_drawing(scaled, dpi);
        std::string got;
        for (const auto& [x, y] : {std::pair{2, 2}, {69, 22}, {91, 22}, {-1, -1}}) {
            for (int i = 0; i < list.count; ++i) {
                const DrawStep& s = scaled.steps[i];
                if (list.steps[i].left == x && list.steps[i].top == y) {
                    got += std::to_string(s.left) + "," + std::to_string(s.top) + " ";
                }
            }
        }
        EXPECT_EQ(got + std::to_string(scaled.fontHeight) + " " + std::to_string(scaled.penWidth),
                  expected);
    }
    // The log shows colours, a predicted battle's frame and a plan's marks.
    state = started_state();
    ConsumptionLog& lane = state.shown.lanes[0].log;
    const std::vector<int> codes = {0,  1,  2,  3,  4,  5,  9,  10, 11, 6,  7,  8,  9,  10,
                                    11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 11, 9};
    std::copy(codes.begin(), codes.end(), lane.codes.begin());
    lane.count = static_cast<int>(codes.size());
    for (int passed : {1, 8, 14, 16, 25}) {
        lane.success[passed] = 1;
    }
    // The ally's group from entry 6, the enemy's from entries 9 and 27; entry 26, a hit that
    // starts no group, keeps the colour before it.
    lane.strikeStarts = {6, 9, 255, 27, 255, 255, 255, 255};
    list = draw(state);
    std::string row;
    for (int m = 0; m < lane.count; ++m) {
        row += styled_at(list, 69 + 22 * m, 62) + " ";
    }
    EXPECT_EQ(row,
              "祈b 祈r_ 星b 連b 星r 連r 殺b ？b 命b_ 月r 陽r 盾r 殺r ？r 命r_ 呪r HPt_ 力t 魔t "
              "技t 速t 守t 体t 運t 移t ♪o_ 命o 殺r ");
    EXPECT_EQ(step_at(list, 69, 114).color, kColorBlack);  // the next lane starts black
    // Lane 0's entries 2 to 5, framed in the predicted battle's pen and, being four, labelled at
    // its middle.
    state = status_set_state();
    std::tie(state.session.action.predictSwitch, lane.predictStart, lane.predictEnd, lane.count) =
        std::tuple(1, 2, 6, 6);
    const DrawStep frame = step_at(draw(state), 113, 62);
    EXPECT_EQ(std::make_tuple(frame.kind, frame.right, frame.bottom, frame.pen,
                              text_at(draw(state), 78, 62)),
              std::make_tuple(DrawKind::kRectangle, 195, 78, DrawPen::kPredict, "予測消費"));
    // The worked battle uses 11 values; the level-up's first label follows it, behind a mark.
    std::tie(state.session.action.predictSwitch, state.session.plan.stepCount) = std::pair(0, 2);
    state.session.plan.steps[0] = state.session.plan.steps[1] = state.session.action;
    std::tie(state.session.plan.steps[0].eventSwitches, state.session.plan.steps[1].eventSwitches) =
        std::pair(EventSwitches{0, 1, 0, 0}, EventSwitches{0, 0, 1, 0});
    rerun_both_lanes(state);
    list = draw(state);
    const DrawStep mark = step_at(list, 66 + 22 * 11, 60);
    EXPECT_EQ(std::make_tuple(mark.kind, mark.right, mark.bottom, styled_at(list, 69 + 22 * 10, 62),
                              styled_at(list, 69 + 22 * 11, 62)),
              std::make_tuple(DrawKind::kRectangle, 67 + 22 * 11, 80, std::string("命b_"),
                              std::string("HPt_")));
}

TEST(Drawing, CandidatesSearchResultsAndAdviceWrapInsideTheWindow) {
    WindowState state = started_state();
    state.shown.marks.candidateCount = 9;
    std::iota(state.shown.marks.candidates, state.shown.marks.candidates + 9, 8);
    std::string shown;
    // A one-digit number stands right in its two columns, underlined alone.
    for (int c = 0; c < 9; ++c) {
        shown += styled_at(draw(state), number_left(kCandidateRow, c) + (c < 2 ? 8 : 0),
                           kCandidateRow.top) +
                 "|";
    }
    EXPECT_EQ(shown, "8b_|9b_|10b_|11b_|12b_|13b_|14b_|15b_|16b_|");
    EXPECT_EQ(styled_at(draw(state), 460, 212), "条件：k");  // the candidates' style is undone
    state.shown.marks.candidateCount = 10;
    EXPECT_EQ(row_at(draw(state), kCandidateRow.top, kCandidateRow.left), "10個以上 ");
    // the result count, the first result (the others follow one apart), the client width, the
    // lines drawn: ten at most, then "..."; nothing for no result
    const std::string ten = "10 11 12 13 14 15 16 17 18 19 ";
    // clang-format off
    const std::vector<std::tuple<int, int, int, std::vector<std::string>>> cases = {
        {11, 10, 784, {ten + "..."}}, {10, 10, 784, {ten}}, {0, 10, 784, {""}},
        {11, 4960, 784, {"4960 4961 4962 4963 4964 4965 ", "4966 4967 4968 4969 ..."}},
        {11, 995, 784, {"995 996 997 998 999 1000 1001 ", "1002 1003 1004 ..."}},
        // Exactly at the edge still fits; the "..." wraps alone.
        {11, 100, 512 + 32 * 10, {"100 101 102 103 104 105 106 107 108 109 ", "..."}},
        // However narrow the window, two positions a line, above the pattern box.
        {11, 4960, 100, {"4960 4961 ", "4962 4963 ", "4964 4965 ", "4966 4967 ", "4968 4969 ", "..."}}};
    // clang-format on
    for (const auto& [count, first, width, lines] : cases) {
        state.search.results.resize(static_cast<std::size_t>(count));
        std::iota(state.search.results.begin(), state.search.results.end(), first);
        DrawList list = draw(state, width);
        std::vector<std::string> shown;
        for (int i = 0; i < list.count; ++i) {
            const DrawStep& step = list.steps[i];
            if (step.left == 512 && step.top == 316 + 16 * static_cast<int>(shown.size())) {
                shown.emplace_back(step_text(list, step));
            }
        }
        EXPECT_EQ(shown, lines) << first << "/" << width;
    }
    // Under them, when the marks leave several sequences: those that hold on all, or "なし".
    std::tie(state.search.resultCount, state.search.results, state.search.commonShown) =
        std::tuple(1, std::vector<std::int32_t>{10}, true);
    for (const auto& [count, row] : {std::pair{0, "どれでも： なし "}, {2, "どれでも： 3 4  "}}) {
        state.search.commonCount = count;
        state.search.commonPositions = {3, 4};
        EXPECT_EQ(row_at(draw(state), 332, 464), row);
    }
    // Under the candidates, near sequences or advice on the next mark.
    state = status_set_state();
    state.session.action.eventSwitches = {0, 1, 0, 0};
    // the pattern, the lines under the candidates
    const std::vector<std::pair<std::string, std::vector<std::string>>> advice = {
        {"", {}},
        {"×××○○×○×○×○×○○×○×○○×", {"近い： 0 16 51 ", "0：7個目が違う "}},
        {"○○○○○○○○○○○○○○○○", {"近い： なし "}},
        {"○", {"次の印：○→12本 ×→22本 あと6個 "}},
        {"×××○○×××○×○×○○×○×○○×",
         {"次の印：○→0 16 51 ×→なし ", "○×では見分けられない（検索で「どれでも」 ",
          "の位置が出ます） 連：0成功／16 51失敗 "}},
        {"×××○○×××○×○×○○×",
         {"次の印：○→0 16 51 ×→なし ", "○×では見分けられない（検索で「どれでも」 ",
          "の位置が出ます） 命：0 51当たる／16外れる "}}};
    for (const auto& [pattern, lines] : advice) {
        refresh_seed_candidates(state, pattern.c_str());
        DrawList list = draw(state);
        std::vector<std::string> shown;
        for (int y = 493; y <= 533; y += 20) {
            const std::string row = row_at(list, y, 436) + row_at(list, y + 2, 436);
            if (!row.empty()) {
                shown.push_back(row);
            }
        }
        EXPECT_EQ(shown, lines) << pattern;
    }
    // Over the pattern box, how many marks count, and when the box holds more than is read.
    refresh_seed_candidates(state, "xx ox");
    EXPECT_EQ(text_at(draw(state), 500, 432), "4個");
    refresh_seed_candidates(state, std::string(300, 'o').append(std::string(200, 'x')).c_str());
    EXPECT_EQ(text_at(draw(state), 500, 432), "499個まで読みます");
    refresh_seed_candidates(state, "×××○○×××○×○×○○×");
    // However narrow the window, a line that starts with the failing side keeps its "／".
    for (int width = 560; width <= 1000; width += 4) {
        std::string all;
        for (int y = 493; y <= 613; y += 20) {
            all += row_at(draw(state, width), y, 436);
        }
        EXPECT_NE(all.find("／16外れる"), std::string::npos) << width;
    }
}

TEST(Drawing, ConditionTextAndUnitPanels) {
    const BattleResultCondition none = {0, 0, 1};
    const LevelUpWanted noWish = {};
    // switches, prediction, conditions, wanted stats, text: a type outside the list (9) adds no
    // piece; +1 and +2 alike name the stat; the re-move line comes last, without a line feed.
    using Case = std::tuple<EventSwitches, int, BattleResultCondition, BattleResultCondition,
                            LevelUpWanted, std::string>;
    // clang-format off
    const std::vector<Case> cases = {
        {{0, 1, 0, 0}, 0, none, {5, 2, 0}, noWish, "戦闘(無 - 被:2↑)\n"},
        {{0, 1, 0, 0}, 0, {3, 50, 0}, {4, 20, 0}, noWish, "戦闘(HP:50%↑ - HP:20%↓)\n"},
        {{0, 1, 0, 0}, 0, {9, 0, 0}, {5, 1, 1}, noWish, "戦闘無)\n"},
        {{0, 1, 0, 0}, 0, {6, 3, 0}, {0, 0, 0}, noWish, "戦闘(被:3↓ - 保)\n"},
        {{0, 1, 0, 0}, 0, {2, 4, 0}, {3, 5, 0}, noWish, "戦闘(HP:4↓ - HP:5%↑)\n"},
        {{0, 1, 0, 0}, 0, {5, 2, 0}, {9, 0, 0}, noWish, "戦闘(被:2↑ - \n"},
        {{0, 0, 1, 0}, 0, none, none, {1, 2, 0, 0, 1, 0, 0, 1, 0}, "レベルアップ(HP力速運)\n"},
        {{1, 1, 1, 1}, 1, none, none, noWish, "移動\n予測消費\n戦闘(無 - 無)\nレベルアップ()\n再行動(30%)"}};
    // clang-format on
    for (const auto& [switches, predict, ally, enemy, wanted, text] : cases) {
        WindowState state = status_set_state();
        std::tie(state.session.action.eventSwitches, state.session.action.predictSwitch,
                 state.session.action.allyCondition, state.session.action.enemyCondition,
                 state.session.action.levelUpWanted) =
            std::tie(switches, predict, ally, enemy, wanted);
        EXPECT_EQ(text_at(draw(state), 508, 212), text);
    }
    // The unit panels show the action lane 0 runs first, a plan's first step, with the HP after
    // its battle on lane 0: the enemy falls there, not in the second step, from 12, nor on lane 1,
    // at 12, where it keeps 20. Skills are shown only.
    WindowState state = status_set_state();
    state.session.action.eventSwitches = {0, 1, 0, 0};
    state.session.plan.steps[0] = state.session.plan.steps[1] = state.session.action;
    std::tie(state.session.plan.stepCount, state.session.lanes[1].position) = std::pair(2, 12);
    rerun_both_lanes(state);
    Action& first = state.session.plan.steps[0];
    first.ally = with_skills(
        first.ally, {kSkillWrath, kSkillVantage, kSkillInvincible, kSkillSleep, kSkillPoison});
    first.enemy = with_skills(first.enemy,
                              {kSkillPrayer, kSkillGreatShield, kSkillMoonlight, kSkillSunlight,
                               kSkillMeteor, kSkillCharge, kSkillBrave, kSkillAbsorb, kSkillCurse});
    DrawList list = draw(state);
    EXPECT_EQ(panel_text(list, UnderLanes::kAllyPanel),
              "アルト\n　Ｌｖ：10\n　ＨＰ：40→40\n　攻撃：20\n　守備：10\n　命中：90\n"
              "　必殺：10\n　攻速：10\n\n　連続10％\n　怒待\n　無眠");
    EXPECT_EQ(panel_text(list, UnderLanes::kEnemyPanel),
              "山賊ガロ\n　Ｌｖ：10\n　ＨＰ：40→ 0\n　攻撃：20\n　守備：10\n　命中：40\n"
              "　必殺： 2\n　攻速： 5\n\n　祈り15％\n　大盾10％\n　月光5％\n　太陽5％\n"
              "　流星5％\n　勇突\n　吸呪");
    EXPECT_EQ(panel_text(list, UnderLanes::kArrow), "―→");
    // A first step without a battle has no HP after; the conditions are its own too.
    std::tie(first.eventSwitches, first.levelUpWanted) =
        std::pair(EventSwitches{0, 0, 1, 0}, LevelUpWanted{1});
    list = draw(state);
    EXPECT_EQ(std::make_pair(
                  panel_text(list, UnderLanes::kEnemyPanel).find("ＨＰ：40\n") != std::string::npos,
                  text_at(list, 508, 212)),
              std::make_pair(true, std::string("レベルアップ(HP)\n")));
}

// Everything the window draws at once: both units with every skill, the longest names and each
// figure at either end of what a session holds, every event, a plan's steps, full logs,
// candidates, results, the advice under them, the line after a level-up, the longest message and
// the most places a session keeps. It fits the list. At 96 and 144 dpi, what a place under the
// lanes holds fits it, a panel's name aside, which may be cut; nothing else, the lanes' drawing nor
// another place's text, crosses a place.
TEST(Drawing, TheFullestWindowFitsTheListAndEachPlaceUnderTheLanes) {
    const std::string kNoneLeft = "残した位置のどれとも合いませんでした。残した位置を捨てました";
    const std::string longest = figures_to_check_line(0x1FF);  // the longest of them all
    for (const std::int32_t figure : {kLowestFigure, kHighestFigure}) {
        WindowState state = status_set_state();
        std::tie(state.session.action.eventSwitches, state.session.action.predictSwitch) =
            std::pair(EventSwitches{1, 1, 1, 1}, 1);
        refresh_seed_candidates(state, "×××○○×××○×○×○○×○×○○×");
        for (CombatantState* unit : {&state.session.action.ally, &state.session.action.enemy}) {
            std::memset(unit->name, '\x88', kUnitNameCapacity - 1);
            unit->skills.fill(1);
            for (const FigureBox& box : kFigureBoxes) {
                unit->*box.field = figure;
            }
        }
        state.session.plan.stepCount = 2;
        state.session.plan.steps[0] = state.session.plan.steps[1] = state.session.action;
        for (LaneRun& lane : state.shown.lanes) {
            lane.log.count = kLogCapacity;
            lane.log.codes.fill(kCodeFirstGrowth);
            std::tie(lane.log.predictStart, lane.log.predictEnd) = std::pair(0, 1);
        }
        state.shown.lanes[0].allyHpAfter = state.shown.lanes[0].enemyHpAfter = figure;
        std::tie(state.shown.marks.candidateCount, state.search.resultCount) = std::pair(9, 11);
        state.search.results.assign(11, 4999);
        for (std::size_t k = 0; k < kKeptCapacity; ++k) {
            state.session.kept.push_back({static_cast<std::int32_t>(k / kLastLanePosition),
                                          static_cast<std::int32_t>(1 + k % kLastLanePosition)});
        }
        EXPECT_FALSE(draw(state, 0).dropped);
        for (const int dpi : {96, 144}) {
            DrawList list = draw(state, 784, {longest, kNoneLeft});
            EXPECT_EQ(std::make_tuple(list.dropped, panel_text(list, UnderLanes::kCheckLine),
                                      panel_text(list, UnderLanes::kMessageLine),
                                      panel_text(list, UnderLanes::kKeptLine)),
                      std::make_tuple(false, longest, kNoneLeft,
                                      std::string("残した位置：65536個（起きたことで絞れます）")));
            scale_drawing(list, dpi);
            const int height = list.fontHeight;
            for (int i = 1; i < list.count; ++i) {  // the background aside
                const DrawStep& s = list.steps[i];
                const std::string_view text = step_text(list, s);
                const bool inRect = s.kind == DrawKind::kTextInRect;
                int widest = 0, lines = 0;
                for (std::size_t at = 0; at <= text.size(); ++lines) {
                    const std::size_t end = std::min(text.find('\n', at), text.size());
                    const int width = text_width(text.substr(at, end - at), height);
                    widest = lines == 0 && inRect ? widest : std::max(widest, width);
                    at = end + 1;
                }
                const bool isText = s.kind == DrawKind::kText;
                const LayoutBox drawn{s.left, s.top, isText ? s.left + widest : s.right,
                                      isText ? s.top + height : s.bottom};
                for (const LayoutBox& box : kUnderLanes) {
                    const LayoutBox place{scale_to_dpi(box.left, dpi), scale_to_dpi(box.top, dpi),
                                          scale_to_dpi(box.right, dpi),
                                          scale_to_dpi(box.bottom, dpi)};
                    const bool own = s.left == place.left && s.top == place.top;
                    const bool fits =
                        s.left + widest <= place.right && s.top + lines * height <= place.bottom;
                    const bool apart = drawn.right <= place.left || drawn.left >= place.right ||
                                       drawn.bottom <= place.top || drawn.top >= place.bottom;
                    EXPECT_TRUE(own ? fits : apart) << text << " " << figure << " at " << dpi;
                }
            }
        }
    }
}

}  // namespace
