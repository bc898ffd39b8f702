#include "view/drawing.h"

#include <span>

#include "data/names.h"
#include "view/locate_form.h"
#include "view/main_commands.h"
#include "view/painter.h"
#include "view/seed_hints.h"
#include "view/window_layout.h"

namespace {

constexpr int kLaneColumns = 32;
constexpr int kPanelBufferSize = 2048;

std::uint32_t code_color(std::int32_t code, int entry, const StepSpan& span,
                         std::uint32_t current) {
    switch (code) {
        case kCodeAttackerPrayer:
        case kCodeAttackerMeteor:
        case kCodeAttackerContinue:
            return kColorBlue;
        case kCodeDefenderPrayer:
        case kCodeDefenderMeteor:
        case kCodeDefenderContinue:
            return kColorRed;
        case kCodeReMove:
            return kColorOrange;
        default:
            break;
    }
    if (code >= kCodeFirstGrowth && code < kCodeReMove) {
        return kColorTeal;
    }
    if (code < kCodeMoonlight || code > kCodeCurse) {
        return current;
    }
    // A strike's entries take the colour of the side whose group starts there; the rest of
    // the group keeps it.
    std::uint32_t color = current;
    for (int slot = 0; slot < kStrikeStartSlots; slot += 2) {
        if (entry == span.strikeStarts[slot]) {
            color = kColorBlue;
        }
    }
    for (int slot = 1; slot < kStrikeStartSlots; slot += 2) {
        if (entry == span.strikeStarts[slot]) {
            color = kColorRed;
        }
    }
    return color;
}

// The labels of one action's entries under the values they used, from the line y: while its
// predicted battle is shown, a frame (and, from four entries on, a label) stands in for that
// battle's own entries.
void draw_span(Painter& painter, const ConsumptionLog& lane, const StepSpan& span, int y) {
    int first = span.start;
    if (span.predictSwitch == 1) {
        const std::int64_t s = span.predictStart;
        const std::int64_t e = span.predictEnd;
        first = span.predictEnd;
        if (e - s >= 1) {
            painter.pen = DrawPen::kPredict;
            painter.rectangle(static_cast<int>(69 + 22 * s), y, static_cast<int>(63 + 22 * e),
                              y + 16);
            painter.pen = DrawPen::kBlack;
        }
        if (e - s >= 4) {
            painter.color = kColorPredict;
            painter.text(static_cast<int>(22 * span.start + (e - s) * 11 + 34), y, "予測消費");
        }
    }
    const int end = std::clamp(span.end, 0, kLogCapacity);
    for (int m = std::max(first, 0); m < end; ++m) {
        const std::int32_t code = lane.codes[m];
        if (code < 0 || code >= kConsumptionCodeCount) {
            continue;
        }
        painter.color = code_color(code, m, span, painter.color);
        painter.font = lane.success[m] == 1 ? DrawFont::kUnderline : DrawFont::kNormal;
        painter.text(69 + 22 * m, y, kConsumptionLabels[code], 2);
    }
}

void draw_lane(Painter& painter, const WindowState& state, int k) {
    const LaneCursor& cursor = state.session.lanes[k];
    const ConsumptionLog& lane = state.shown.lanes[k].log;
    const int y0 = 22 + 92 * k;
    char buffer[kTextBufferSize];
    painter.text(260, y0 - 22, "ﾏｯﾌﾟ:");
    std::snprintf(buffer, sizeof buffer, "現在の乱数　　#%02d:%3d", cursor.seedIndex,
                  cursor.position);
    painter.text(2, y0 - 20, buffer);
    for (int j = 0; j < kLaneColumns; ++j) {
        const int x = 69 + 22 * j;
        const int d = display_value(
            random_value(state.tables->randomTable, cursor.seedIndex, cursor.position + j));
        std::snprintf(buffer, sizeof buffer, "%02d ", d);
        painter.text(x, y0, buffer, 2);
        painter.text(x, y0 + 20, mark_of(d) == 1 ? "○ " : "× ", 2);
    }
    painter.text(5, y0, "乱数値：");
    painter.text(5, y0 + 20, "○×法：");
    painter.text(5, y0 + 40, "使い道：");

    const LaneSteps& steps = state.shown.lanes[k].steps;
    if (steps.count <= 0) {
        draw_span(painter, lane,
                  StepSpan{0, lane.count, state.session.action.predictSwitch, lane.predictStart,
                           lane.predictEnd, lane.strikeStarts},
                  y0 + 40);
    }
    // A plan's steps one after another, each later one behind a thin mark where it begins.
    for (int s = 0; s < std::min(steps.count, kMaxPlanSteps); ++s) {
        const StepSpan& span = steps.spans[s];
        if (s > 0) {
            painter.pen = DrawPen::kBlack;
            painter.rectangle(66 + 22 * span.start, y0 + 38, 67 + 22 * span.start, y0 + 58);
        }
        draw_span(painter, lane, span, y0 + 40);
    }
    painter.font = DrawFont::kNormal;
    painter.color = kColorBlack;
}

// hpAfter: the HP after the action's battle, shown when it has one.
void build_panel(const CombatantState& unit, const std::int32_t* hpAfter,
                 char (&panel)[kPanelBufferSize]) {
    panel[0] = '\0';
    if (hpAfter != nullptr) {
        append(panel,
               "%s\n　Ｌｖ：%2d\n　ＨＰ：%2d→%2d\n　攻撃：%2d\n　守備：%2d\n　命中：%2d\n"
               "　必殺：%2d\n　攻速：%2d\n\n",
               unit.name, unit.level, unit.hp, *hpAfter, unit.attack, unit.defense, unit.hitRate,
               unit.critRate, unit.attackSpeed);
    } else {
        append(panel,
               "%s\n　Ｌｖ：%2d\n　ＨＰ：%2d\n　攻撃：%2d\n　守備：%2d\n　命中：%2d\n"
               "　必殺：%2d\n　攻速：%2d\n\n",
               unit.name, unit.level, unit.hp, unit.attack, unit.defense, unit.hitRate,
               unit.critRate, unit.attackSpeed);
    }
    struct RateLine {
        SkillIndex skill;
        const char* format;
        std::int64_t value;
    };
    const RateLine rates[] = {
        {kSkillPrayer, "　祈り%lld％\n", std::int64_t{unit.luck} * 3},
        {kSkillGreatShield, "　大盾%lld％\n", unit.level},
        {kSkillMoonlight, "　月光%lld％\n", unit.technique},
        {kSkillSunlight, "　太陽%lld％\n", unit.technique},
        {kSkillMeteor, "　流星%lld％\n", unit.technique},
        {kSkillContinue, "　連続%lld％\n", unit.attackSpeed},
    };
    for (const RateLine& line : rates) {
        if (has_skill(unit, line.skill)) {
            append(panel, line.format, static_cast<long long>(line.value));
        }
    }
    char marks[kPanelBufferSize] = "";
    if (has_skill(unit, kSkillWrath)) {
        append(marks, "怒");
    }
    const std::pair<SkillIndex, const char*> firstRow[] = {
        {kSkillVantage, "待"}, {kSkillBrave, "勇"}, {kSkillCharge, "突"}};
    for (const auto& [skill, mark] : firstRow) {
        if (has_skill(unit, skill)) {
            append(marks, "%s", mark);
        }
    }
    append(marks, "\n　");
    const std::pair<SkillIndex, const char*> secondRow[] = {
        {kSkillInvincible, "無"}, {kSkillAbsorb, "吸"}, {kSkillCurse, "呪"}, {kSkillSleep, "眠"}};
    for (const auto& [skill, mark] : secondRow) {
        if (has_skill(unit, skill)) {
            append(marks, "%s", mark);
        }
    }
    append(panel, "　%s", marks);
}

void draw_in(Painter& painter, UnderLanes place, const char* text) {
    const LayoutBox& box = place_of(place);
    painter.text_in_rect(box.left, box.top, box.right, box.bottom, text);
}

// The units of the action lane 0 runs first, as it runs them, with their HP after its battle.
void draw_panels(Painter& painter, const WindowState& state) {
    if (!ally_is_set(state.session)) {
        return;
    }
    const Action& action = lane_zero_action(state.session);
    const bool battle = action.eventSwitches[kSwitchBattle] == 1;
    char panel[kPanelBufferSize];
    build_panel(action.ally, battle ? &state.shown.lanes[0].allyHpAfter : nullptr, panel);
    draw_in(painter, UnderLanes::kAllyPanel, panel);
    build_panel(action.enemy, battle ? &state.shown.lanes[0].enemyHpAfter : nullptr, panel);
    draw_in(painter, UnderLanes::kEnemyPanel, panel);
    painter.text(place_of(UnderLanes::kArrow).left, place_of(UnderLanes::kArrow).top, "―→");
}

void draw_candidates(Painter& painter, const WindowState& state) {
    painter.text(436, 451, "cx検索：");
    // Over the pattern box: how many marks count, once anything is typed.
    if (!state.session.marks.empty() || state.markTextCut) {
        char count[kTextBufferSize];
        std::snprintf(count, sizeof count, state.markTextCut ? "%d個まで読みます" : "%d個",
                      state.shown.marks.markCount);
        painter.text(500, 432, count);
    }
    painter.text(436, 471, "候補：");
    if (state.shown.marks.candidateCount == 0) {
        painter.text(kCandidateRow.left, kCandidateRow.top, "なし");
        return;
    }
    if (state.shown.marks.candidateCount >= 10) {
        painter.text(kCandidateRow.left, kCandidateRow.top, "10個以上");
        return;
    }
    for (int c = 0; c < state.shown.marks.candidateCount && c < kSeedCount; ++c) {
        draw_sequence_number(painter, number_left(kCandidateRow, c), kCandidateRow.top,
                             state.shown.marks.candidates[c]);
    }
}

void append_condition(char (&text)[kTextBufferSize], const BattleResultCondition& condition,
                      bool ally) {
    if (condition.unspecified != 0) {
        append(text, ally ? "(無 - " : "無)");
        return;
    }
    static const char* const kAllyPieces[] = {"(保 - ",       "(HP:%d↑ - ",   "(HP:%d↓ - ",
                                              "(HP:%d%%↑ - ", "(HP:%d%%↓ - ", "(被:%d↑ - ",
                                              "(被:%d↓ - "};
    static const char* const kEnemyPieces[] = {"保)",       "HP:%d↑)", "HP:%d↓)", "HP:%d%%↑)",
                                               "HP:%d%%↓)", "被:%d↑)", "被:%d↓)"};
    if (condition.type >= 0 && condition.type <= kResultHitsAtMost) {
        append(text, (ally ? kAllyPieces : kEnemyPieces)[condition.type], condition.n);
    }
}

// What lane 0's first action switches on and what a search wants of it.
void draw_conditions(Painter& painter, const WindowState& state) {
    painter.text(460, 212, "条件：");
    const Action& action = lane_zero_action(state.session);
    char text[kTextBufferSize] = "";
    if (action.eventSwitches[kSwitchMove] == 1) {
        append(text, "移動\n");
    }
    if (action.predictSwitch == 1) {
        append(text, "予測消費\n");
    }
    if (action.eventSwitches[kSwitchBattle] == 1) {
        char battle[kTextBufferSize] = "";
        append_condition(battle, action.allyCondition, true);
        append_condition(battle, action.enemyCondition, false);
        append(text, "戦闘%s\n", battle);
    }
    if (action.eventSwitches[kSwitchLevelUp] == 1) {
        char stats[kTextBufferSize] = "";
        for (int k = 0; k < kStatCount; ++k) {
            if (action.levelUpWanted[k] >= 1) {
                append(stats, "%s", kStatNames[k]);
            }
        }
        append(text, "レベルアップ(%s)\n", stats);
    }
    if (action.eventSwitches[kSwitchReMove] == 1) {
        if (ally_is_set(state.session)) {
            append(text, "再行動(%d%%)", re_move_rate_of(*state.tables, action.ally));
        } else {
            append(text, "再行動");
        }
    }
    painter.text_in_rect(508, 212, 800, 312, text);
}

// The first ten positions of a list then "...", 16 pixels a line from (left, top), each line
// starting at left; returns the top of the last line. The breaks are laid out for a width of at
// least two of the widest positions, so that the lines stay above the pattern box however narrow
// the window.
int draw_positions(Painter& painter, int left, int top, std::span<const std::int32_t> positions,
                   int clientWidth, bool stale = false) {
    FlowingText flow{painter, left, top, 16, std::max(clientWidth, left + 2 * 5 * 8)};
    for (std::size_t r = 0; r < positions.size(); ++r) {
        if (r == 10) {
            flow.add("", "...");
            break;
        }
        flow.add("", "%d ", positions[r]);
    }
    if (stale) {
        flow.add("", "（条件が変わりました）");
    }
    flow.finish();
    return flow.top;
}

// The last search's positions, and whether they still hold; under them, where the marks leave
// several sequences, those that hold on every one of them.
void draw_search_results(Painter& painter, const WindowState& state, int clientWidth) {
    painter.text(464, 316, "候補：");
    const int last = draw_positions(painter, 512, 316, state.search.results, clientWidth,
                                    search_results_stale(state));
    if (!state.search.commonShown) {
        return;
    }
    painter.text(464, last + 16, "どれでも：");
    if (state.search.commonCount <= 0) {
        painter.text(544, last + 16, "なし");
        return;
    }
    draw_positions(painter, 544, last + 16, state.search.commonPositions, clientWidth);
}

}  // namespace

int scale_to_dpi(int value, int dpi) {
    const std::int64_t scaled = std::int64_t{value} * dpi;
    return static_cast<int>((scaled >= 0 ? scaled + kBaseDpi / 2 : scaled - kBaseDpi / 2) /
                            kBaseDpi);
}

int scale_from_dpi(int value, int dpi) {
    if (dpi <= 0) {
        return value;
    }
    const std::int64_t scaled = std::int64_t{value} * kBaseDpi;
    return static_cast<int>((scaled >= 0 ? scaled + dpi / 2 : scaled - dpi / 2) / dpi);
}

void build_main_window_drawing(const WindowState& state, int clientWidth, int clientHeight,
                               DrawList& list, const SaidUnderLanes& said) {
    list.count = 0;
    list.textUsed = 0;
    list.dropped = false;
    list.fontHeight = 16;
    list.penWidth = 1;
    Painter painter{list};
    // The whole client area, however large, its frame just outside it.
    painter.rectangle(-1, -1, std::max(clientWidth, kBaseClientWidth) + 1,
                      std::max(clientHeight, kBaseClientHeight) + 1);
    for (int k = 0; k < kLaneCount; ++k) {
        draw_lane(painter, state, k);
    }
    const std::string keptLine = kept_line(state.session);
    for (const auto& [place, text] : {std::pair{UnderLanes::kCheckLine, said.checkLine},
                                      {UnderLanes::kMessageLine, said.message},
                                      {UnderLanes::kKeptLine, std::string_view(keptLine)}}) {
        if (!text.empty()) {
            const LayoutBox& line = place_of(place);
            painter.text(line.left, line.top, text.data(), static_cast<int>(text.size()));
        }
    }
    draw_panels(painter, state);
    draw_candidates(painter, state);
    draw_conditions(painter, state);
    draw_search_results(painter, state, clientWidth);
    draw_seed_hints(painter, state, clientWidth);
}

void scale_drawing(DrawList& list, int dpi) {
    for (int i = 0; i < list.count; ++i) {
        DrawStep& step = list.steps[i];
        for (std::int32_t* coordinate : {&step.left, &step.top, &step.right, &step.bottom}) {
            *coordinate = scale_to_dpi(*coordinate, dpi);
        }
    }
    list.fontHeight = scale_to_dpi(list.fontHeight, dpi);
    list.penWidth = scale_to_dpi(list.penWidth, dpi);
}

std::string_view step_text(const DrawList& list, const DrawStep& step) {
    return std::string_view(list.text.data() + step.textOffset,
                            static_cast<std::size_t>(step.textLength));
}
