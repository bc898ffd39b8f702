#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui_state.h"

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

const DrawStep& step_at(const DrawList& list, int x, int y) {
    const auto found = steps_at(list, x, y);
    EXPECT_FALSE(found.empty()) << x << "," << y;
    static const DrawStep kMissing{};
    return found.empty() ? kMissing : *found.back();
}

TEST(Drawing, AfterStartUp) {
    const AppState& state = started_state();
    const DrawList& list = draw(state);
    EXPECT_EQ(list.steps[0].kind, DrawKind::kRectangle);
    EXPECT_EQ(list.steps[0].left, -1);
    EXPECT_EQ(list.steps[0].bottom, 601);
    struct Text {
        int x;
        int y;
        std::string text;
    };
    const std::vector<Text> texts = {
        {260, 0, "ﾏｯﾌﾟ:"},   {2, 2, "現在の乱数　　#00:  1"}, {69, 22, "12"},
        {69 + 22 * 2, 22, "40"}, {69, 42, "×"},   {69 + 22 * 3, 42, "○"},
        {69 + 22 * 31, 22, "78"}, {5, 22, "乱数値："}, {5, 42, "○×法："},
        {5, 62, "使い道："}, {260, 92, "ﾏｯﾌﾟ:"}, {2, 94, "現在の乱数　　#00:  1"},
        {69, 114, "12"}, {436, 451, "cx検索："}, {436, 471, "候補："}, {484, 473, "なし"},
        {460, 212, "条件："}, {508, 212, ""}, {464, 316, "候補："}, {512, 316, ""},
        {100, 192, "(none)"}, {0, 192, "(none)"}, {69, 62, "(none)"},
    };
    for (const Text& t : texts) {
        EXPECT_EQ(text_at(list, t.x, t.y), t.text) << t.x << "," << t.y;
    }
    EXPECT_EQ(step_at(list, 508, 212).kind, DrawKind::kTextInRect);
    EXPECT_EQ(step_at(list, 508, 212).right, 800);
    EXPECT_EQ(step_at(list, 508, 212).bottom, 312);
    EXPECT_EQ(step_at(list, 69, 22).color, kColorBlack);
}

TEST(Drawing, LogEntriesTakeTheColourOfTheirCodeAndSide) {
    AppState& state = status_set_state();
    state.eventSwitches = {0, 1, 1, 1};
    state.enemy.hitRate = 100;  // the enemy's answer hits, so entry 7 passes in red
    rerun_lane(state, 0);
    const DrawList& list = draw(state);
    struct Entry {
        int m;
        std::string label;
        std::uint32_t color;
        DrawFont font;
    };
    const std::vector<Entry> entries = {
        {0, "連", kColorBlue, DrawFont::kNormal},  {2, "殺", kColorBlue, DrawFont::kNormal},
        {4, "命", kColorBlue, DrawFont::kUnderline}, {5, "殺", kColorRed, DrawFont::kNormal},
        {7, "命", kColorRed, DrawFont::kUnderline},  {8, "殺", kColorBlue, DrawFont::kUnderline},
    };
    for (const Entry& e : entries) {
        const DrawStep& step = step_at(list, 69 + 22 * e.m, 62);
        EXPECT_EQ(step_text(list, step), e.label) << e.m;
        EXPECT_EQ(step.color, e.color) << e.m;
        EXPECT_EQ(step.font, e.font) << e.m;
    }
    // After the battle: the level-up entries in teal, then the re-move entry in orange.
    const int levelUp = state.lanes[0].count - 10;
    EXPECT_EQ(text_at(list, 69 + 22 * levelUp, 62), "HP");
    EXPECT_EQ(step_at(list, 69 + 22 * levelUp, 62).color, kColorTeal);
    EXPECT_EQ(text_at(list, 69 + 22 * (levelUp + 9), 62), "♪");
    EXPECT_EQ(step_at(list, 69 + 22 * (levelUp + 9), 62).color, kColorOrange);
    // The lane after it starts black again.
    EXPECT_EQ(step_at(list, 69, 114).color, kColorBlack);
}

TEST(Drawing, PredictedBattleIsAFrame) {
    struct Case {
        int start;
        int end;
        bool label;
    };
    for (const Case c : {Case{0, 1, false}, Case{0, 3, false}, Case{0, 4, true},
                         Case{0, 11, true}, Case{0, 0, false}}) {
        AppState& state = status_set_state();
        state.predictSwitch = 1;
        state.lanes[0].predictStart = c.start;
        state.lanes[0].predictEnd = c.end;
        state.lanes[0].count = 12;
        const DrawList& list = draw(state);
        const auto frames = steps_at(list, 69 + 22 * c.start, 62);
        const bool framed = !frames.empty() && frames.front()->kind == DrawKind::kRectangle;
        EXPECT_EQ(framed, c.end > c.start) << c.end;
        if (framed) {
            EXPECT_EQ(frames.front()->right, 63 + 22 * c.end);
            EXPECT_EQ(frames.front()->bottom, 78);
            EXPECT_EQ(frames.front()->pen, DrawPen::kPredict);
        }
        const int labelX = (c.end - c.start) * 11 + 34;
        EXPECT_EQ(text_at(list, labelX, 62) == "予測消費", c.label) << c.end;
        // The predicted entries are not drawn one by one.
        for (int m = 0; m < c.end; ++m) {
            for (const DrawStep* s : steps_at(list, 69 + 22 * m, 62)) {
                EXPECT_NE(s->kind, DrawKind::kText) << m;
            }
        }
        EXPECT_NE(text_at(list, 69 + 22 * c.end, 62), "(none)");
    }
}

TEST(Drawing, CandidatesAndSearchResults) {
    AppState& state = started_state();
    state.candidateCount = 9;
    for (int c = 0; c < 9; ++c) {
        state.candidates[c] = c * 7;
    }
    DrawList* list = &draw(state);
    for (int c = 0; c < 9; ++c) {
        const DrawStep& step = step_at(*list, 484 + 24 * c, 473);
        char expected[4];
        std::snprintf(expected, sizeof expected, "%2d", c * 7);
        EXPECT_EQ(step_text(*list, step), expected);
        EXPECT_EQ(step.color, kColorBlue);
        EXPECT_EQ(step.font, DrawFont::kUnderline);
    }
    state.candidateCount = 10;
    list = &draw(state);
    EXPECT_EQ(text_at(*list, 484, 473), "10個以上");
    EXPECT_EQ(text_at(*list, 484 + 24, 473), "(none)");

    struct Case {
        int count;
        std::string text;
    };
    for (int r = 0; r < 11; ++r) {
        state.searchResults[r] = 100 + r;
    }
    for (const Case& c : {Case{11, "100 101 102 103 104 105 106 107 108 109 ..."},
                          Case{10, "100 101 102 103 104 105 106 107 108 109 "},
                          Case{1, "100 "}, Case{0, ""}, Case{-1, ""}, Case{-2, ""}}) {
        state.searchResultCount = c.count;
        EXPECT_EQ(text_at(draw(state), 512, 316), c.text) << c.count;
    }
}

TEST(Drawing, ConditionText) {
    struct Case {
        const char* name;
        EventSwitches switches;
        int predict;
        BattleResultCondition ally;
        BattleResultCondition enemy;
        LevelUpWanted wanted;
        bool allySet;
        std::string text;
    };
    const BattleResultCondition none = {0, 0, 1};
    const LevelUpWanted noWish = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<Case> cases = {
        {"battle, enemy hits", {0, 1, 0, 0}, 0, none, {5, 2, 0}, noWish, true,
         "戦闘(無 - 被:2↑)\n"},
        {"battle, both unspecified", {0, 1, 0, 0}, 0, none, none, noWish, true,
         "戦闘(無 - 無)\n"},
        {"every piece", {0, 1, 0, 0}, 0, {3, 50, 0}, {4, 20, 0}, noWish, true,
         "戦闘(HP:50%↑ - HP:20%↓)\n"},
        {"HP kept and HP below", {0, 1, 0, 0}, 0, {0, 9, 0}, {2, 0, 0}, noWish, true,
         "戦闘(保 - HP:0↓)\n"},
        {"a type outside the list adds no piece", {0, 1, 0, 0}, 0, {9, 0, 0}, {6, 1, 0},
         noWish, true, "戦闘被:1↓)\n"},
        {"level-up with no stat wanted", {0, 0, 1, 0}, 0, none, none, noWish, true,
         "レベルアップ()\n"},
        {"level-up stats, +1 and +2 alike", {0, 0, 1, 0}, 0, none, none,
         {1, 2, 0, 0, 1, 0, 0, 1, 0}, true, "レベルアップ(HP力速運)\n"},
        {"everything, re-move last without a line feed", {1, 1, 1, 1}, 1, none, none, noWish,
         true, "移動\n予測消費\n戦闘(無 - 無)\nレベルアップ()\n再行動(30%)"},
        {"re-move without an ally", {0, 0, 0, 1}, 0, none, none, noWish, false, "再行動"},
    };
    for (const Case& c : cases) {
        AppState& state = c.allySet ? status_set_state() : started_state();
        state.eventSwitches = c.switches;
        state.predictSwitch = c.predict;
        state.allyCondition = c.ally;
        state.enemyCondition = c.enemy;
        state.levelUpWanted = c.wanted;
        EXPECT_EQ(text_at(draw(state), 508, 212), c.text) << c.name;
    }
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
