#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "ui/drawing.h"
#include "worked_units.h"

namespace {

// The source is compiled to Shift-JIS, so the literals below are the bytes the list holds.
DrawList& draw(const AppState& state) {
    static DrawList list;
    build_main_window_drawing(state, list);
    return list;
}

std::vector<const DrawStep*> steps_at(const DrawList& list, int x, int y) {
    std::vector<const DrawStep*> found;
    for (int i = 0; i < list.count; ++i) {
        if (list.steps[i].left == x && list.steps[i].top == y) {
            found.push_back(&list.steps[i]);
        }
    }
    return found;
}

// The text drawn last at (x, y), or "(none)".
std::string text_at(const DrawList& list, int x, int y) {
    const auto found = steps_at(list, x, y);
    return found.empty() ? "(none)" : std::string(step_text(list, *found.back()));
}

// The step drawn last at (x, y); a zeroed step when there is none.
DrawStep step_at(const DrawList& list, int x, int y) {
    const auto found = steps_at(list, x, y);
    return found.empty() ? DrawStep{} : *found.back();
}

// The same with its colour, b(lue), r(ed), t(eal), o(range) or k (black), and _ when
// underlined.
std::string styled_at(const DrawList& list, int x, int y) {
    const DrawStep step = step_at(list, x, y);
    const std::map<std::uint32_t, std::string> colours = {{kColorBlue, "b"},
                                                          {kColorRed, "r"},
                                                          {kColorTeal, "t"},
                                                          {kColorOrange, "o"},
                                                          {kColorBlack, "k"}};
    return text_at(list, x, y) + colours.at(step.color) +
           (step.font == DrawFont::kUnderline ? "_" : "");
}

// What the upper lane shows under its first count values.
std::string usage_row(const DrawList& list, int count) {
    std::string row;
    for (int m = 0; m < count; ++m) {
        row += styled_at(list, 69 + 22 * m, 62) + " ";
    }
    return row;
}

TEST(Drawing, AfterStartUp) {
    const DrawList& list = draw(started_state());
    EXPECT_EQ(list.steps[0].kind, DrawKind::kRectangle);
    EXPECT_EQ(list.steps[0].left, -1);
    EXPECT_EQ(list.steps[0].bottom, 601);
    // Both lanes' headers, values and marks, the labels of the boxes; no log and no unit
    // panels yet.
    const std::vector<std::tuple<int, int, std::string>> texts = {
        {260, 0, "ﾏｯﾌﾟ:"},  {5, 22, "乱数値："},  {2, 2, "現在の乱数　　#00:  1"},
        {69, 22, "12"},     {5, 42, "○×法："},    {69 + 22 * 31, 22, "78"},
        {69, 42, "×"},      {5, 62, "使い道："},  {69 + 22 * 3, 42, "○"},
        {69, 114, "12"},    {69, 62, "(none)"},   {2, 94, "現在の乱数　　#00:  1"},
        {512, 316, ""},     {0, 192, "(none)"},   {436, 451, "cx検索："},
        {484, 473, "なし"}, {460, 212, "条件："}, {464, 316, "候補："},
    };
    for (const auto& [x, y, text] : texts) {
        EXPECT_EQ(text_at(list, x, y), text) << x << "," << y;
    }
    EXPECT_EQ(styled_at(list, 69, 22), "12k");
    const DrawStep conditions = step_at(list, 508, 212);
    EXPECT_EQ(conditions.kind, DrawKind::kTextInRect);
    EXPECT_EQ(conditions.right, 800);
    EXPECT_EQ(conditions.bottom, 312);
}

TEST(Drawing, LogEntriesTakeTheColourOfTheirCodeAndSide) {
    AppState& state = status_set_state();
    state.eventSwitches = {0, 1, 1, 1};
    state.enemy.hitRate = 100;  // the enemy's answer hits, so entry 7 passes in red
    rerun_lane(state, 0);
    const DrawList& list = draw(state);
    // The battle in the side's colours, then the level-up in teal and the re-move in orange.
    EXPECT_EQ(usage_row(list, state.lanes[0].count),
              "連b 連b 殺b ？b 命b_ 殺r ？r 命r_ 殺b_ ？b 命b_ "
              "HPt_ 力t_ 魔t 技t 速t 守t 体t 運t 移t ♪o_ ");
    // The lane after it starts black again.
    EXPECT_EQ(step_at(list, 69, 114).color, kColorBlack);
}

TEST(Drawing, PredictedBattleIsAFrame) {
    for (const int end : {0, 1, 3, 4, 11}) {
        AppState& state = status_set_state();
        state.predictSwitch = 1;
        state.lanes[0].predictStart = 0;
        state.lanes[0].predictEnd = end;
        state.lanes[0].count = 12;
        const DrawList& list = draw(state);
        const auto frames = steps_at(list, 69, 62);
        const bool framed = !frames.empty() && frames.front()->kind == DrawKind::kRectangle;
        ASSERT_EQ(framed, end > 0) << end;
        if (framed) {
            EXPECT_EQ(frames.front()->right, 63 + 22 * end);
            EXPECT_EQ(frames.front()->bottom, 78);
            EXPECT_EQ(frames.front()->pen, DrawPen::kPredict);
        }
        // The label needs a frame of four entries; it is centred on the frame.
        EXPECT_EQ(text_at(list, end * 11 + 34, 62) == "予測消費", end >= 4) << end;
        // The predicted entries are not drawn one by one.
        for (int m = 0; m < end; ++m) {
            for (const DrawStep* s : steps_at(list, 69 + 22 * m, 62)) {
                EXPECT_NE(s->kind, DrawKind::kText) << m;
            }
        }
        EXPECT_NE(text_at(list, 69 + 22 * end, 62), "(none)");
    }
}

TEST(Drawing, CandidatesAndSearchResults) {
    AppState& state = started_state();
    state.candidateCount = 9;
    for (int c = 0; c < 9; ++c) {
        state.candidates[c] = c * 7;
    }
    std::string shown;
    for (int c = 0; c < 9; ++c) {
        shown += styled_at(draw(state), 484 + 24 * c, 473) + "|";
    }
    EXPECT_EQ(shown, " 0b_| 7b_|14b_|21b_|28b_|35b_|42b_|49b_|56b_|");
    state.candidateCount = 10;
    EXPECT_EQ(text_at(draw(state), 484, 473), "10個以上");
    EXPECT_EQ(text_at(draw(state), 484 + 24, 473), "(none)");
    for (int r = 0; r < 11; ++r) {
        state.searchResults[r] = 100 + r;
    }
    const std::string ten = "100 101 102 103 104 105 106 107 108 109 ";
    for (const auto& [count, text] : std::vector<std::pair<int, std::string>>{
             {11, ten + "..."}, {10, ten}, {1, "100 "}, {0, ""}, {-1, ""}, {-2, ""}}) {
        state.searchResultCount = count;
        EXPECT_EQ(text_at(draw(state), 512, 316), text) << count;
    }
}

TEST(Drawing, ConditionText) {
    const BattleResultCondition none = {0, 0, 1};
    const LevelUpWanted noWish = {};
    const std::string all = "移動\n予測消費\n戦闘(無 - 無)\nレベルアップ()\n再行動(30%)";
    // switches, prediction, ally's and enemy's conditions, wanted stats, text
    using Case = std::tuple<EventSwitches, int, BattleResultCondition, BattleResultCondition,
                            LevelUpWanted, std::string>;
    // A type outside the list (9) adds no piece; +1 and +2 alike name the stat; the re-move
    // line comes last, without a line feed.
    const std::vector<Case> cases = {
        {{0, 1, 0, 0}, 0, none, {5, 2, 0}, noWish, "戦闘(無 - 被:2↑)\n"},
        {{0, 1, 0, 0}, 0, none, none, noWish, "戦闘(無 - 無)\n"},
        {{0, 1, 0, 0}, 0, {3, 50, 0}, {4, 20, 0}, noWish, "戦闘(HP:50%↑ - HP:20%↓)\n"},
        {{0, 1, 0, 0}, 0, {0, 9, 0}, {2, 0, 0}, noWish, "戦闘(保 - HP:0↓)\n"},
        {{0, 1, 0, 0}, 0, {9, 0, 0}, {6, 1, 0}, noWish, "戦闘被:1↓)\n"},
        {{0, 0, 1, 0}, 0, none, none, noWish, "レベルアップ()\n"},
        {{0, 0, 1, 0}, 0, none, none, {1, 2, 0, 0, 1, 0, 0, 1, 0}, "レベルアップ(HP力速運)\n"},
        {{1, 1, 1, 1}, 1, none, none, noWish, all},
    };
    for (const auto& [switches, predict, ally, enemy, wanted, text] : cases) {
        AppState& state = status_set_state();
        state.eventSwitches = switches;
        state.predictSwitch = predict;
        state.allyCondition = ally;
        state.enemyCondition = enemy;
        state.levelUpWanted = wanted;
        EXPECT_EQ(text_at(draw(state), 508, 212), text);
    }
    // Without an ally there is no re-move rate to show.
    AppState& state = started_state();
    state.eventSwitches = {0, 0, 0, 1};
    EXPECT_EQ(text_at(draw(state), 508, 212), "再行動");
}

TEST(Drawing, UnitPanels) {
    AppState& state = status_set_state();
    // Skills that change nothing in this battle, so lane 0 still fells the enemy.
    for (SkillIndex s : {kSkillWrath, kSkillVantage, kSkillInvincible, kSkillSleep, kSkillPoison}) {
        state.ally.skills[s] = 1;
    }
    state.eventSwitches = {0, 1, 0, 0};
    rerun_lane(state, 0);
    // Lane 1 runs last and leaves its own HP in the units; the panels keep lane 0's.
    state.lanes[1].position = 12;
    rerun_lane(state, 1);
    ASSERT_EQ(state.enemy.hpAfterBattle, 20);
    const DrawList& list = draw(state);
    EXPECT_EQ(text_at(list, 0, 192),
              "アルト\n　Ｌｖ：10\n　ＨＰ：40→40\n　攻撃：20\n　守備：10\n　命中：90\n"
              "　必殺：10\n　攻速：10\n\n　連続10％\n　怒待\n　無眠");
    EXPECT_EQ(text_at(list, 140, 192),
              "山賊ガロ\n　Ｌｖ：10\n　ＨＰ：40→ 0\n　攻撃：20\n　守備：10\n　命中：40\n"
              "　必殺： 2\n　攻速： 5\n\n　\n　");
    EXPECT_EQ(step_at(list, 0, 192).right, 120);
    EXPECT_EQ(step_at(list, 140, 192).bottom, 640);
    EXPECT_EQ(text_at(list, 100, 192), "―→");
    state.eventSwitches = {0, 0, 0, 0};
    for (SkillIndex s : {kSkillPrayer, kSkillGreatShield, kSkillMoonlight, kSkillSunlight,
                         kSkillMeteor, kSkillCharge, kSkillAbsorb, kSkillCurse}) {
        state.enemy.skills[s] = 1;
    }
    EXPECT_EQ(text_at(draw(state), 140, 192),
              "山賊ガロ\n　Ｌｖ：10\n　ＨＰ：40\n　攻撃：20\n　守備：10\n　命中：40\n"
              "　必殺： 2\n　攻速： 5\n\n　祈り15％\n　大盾10％\n　月光5％\n　太陽5％\n"
              "　流星5％\n　突\n　吸呪");
}

TEST(Drawing, StaysInsideItsBuffersWhateverTheState) {
    AppState& state = status_set_state();
    state.eventSwitches = {1, 1, 1, 1};
    state.predictSwitch = 1;
    for (Lane& lane : state.lanes) {
        lane.count = kLogCapacity;
        lane.codes.fill(kCodeHit);
        lane.predictStart = -2147483647 - 1;
        lane.predictEnd = 2147483647;
    }
    state.searchResultCount = 2147483647;
    state.candidateCount = 5;
    state.candidates[0] = -2147483647 - 1;
    const DrawList& list = draw(state);
    EXPECT_LE(list.count, kDrawStepCapacity);
    EXPECT_LE(list.textUsed, kDrawTextCapacity);
    EXPECT_EQ(text_at(list, 484, 473), "-2");
}

}  // namespace
