#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "view/dialog_forms.h"
#include "view/main_commands.h"
#include "worked_units.h"

namespace {

TEST(HappenedDialog, OpensWithAnAllyAndNoPlanAndGreysWhatTheActionDoesNotHave) {
    EXPECT_EQ(dialog_for_menu(started_state(), IDM_HAPPENED), MainDialog::kNone);
    // switches, the re-move rate; the HP boxes, レベルアップを見た, the 再行動 combo
    using Case = std::tuple<EventSwitches, std::int32_t, bool, bool, bool>;
    const std::vector<Case> cases = {
        {{0, 1, 1, 1}, 30, true, true, true},   {{0, 1, 0, 0}, 30, true, false, false},
        {{0, 0, 1, 0}, 30, false, true, false}, {{0, 0, 0, 1}, 30, false, false, true},
        {{0, 0, 0, 1}, 0, false, false, false}, {{1, 2, -1, 3}, 30, false, false, false}};
    for (const auto& [switches, rate, hpBoxes, levelUp, reMove] : cases) {
        AppState& state = status_set_state();
        state.eventSwitches = switches;
        state.growthRates[kReMoveRateIndex] = rate;
        EXPECT_EQ(dialog_for_menu(state, IDM_HAPPENED), MainDialog::kHappened);
        const DialogView view = happened_view(state);
        const auto enabled = [&view](int id) { return control_in(view, id).enabled; };
        // The grown stats wait for レベルアップを見た.
        EXPECT_EQ(std::make_tuple(enabled(IDC_HAPPENED_ALLY_HP), enabled(IDC_HAPPENED_ENEMY_HP),
                                  enabled(IDC_HAPPENED_LEVEL_UP), enabled(IDC_HAPPENED_RE_MOVE),
                                  enabled(IDC_HAPPENED_FIRST_GROWN)),
                  std::make_tuple(hpBoxes, hpBoxes, levelUp, reMove, false))
            << switches[1] << switches[2] << switches[3] << " " << rate;
        state.plan.stepCount = 1;
        EXPECT_EQ(dialog_for_menu(state, IDM_HAPPENED), MainDialog::kNone);
    }
}

// The worked battle and the level-up after it, lane 0 at 1 of sequence 0 behind the marks that
// leave 0, 16 and 51; the game left the ally at 40 and the enemy at 0, and HP and 力 grew.
struct Seen {
    AppState& state = status_set_state();
    LocateForm form{"40", "0", true, {true, true}, kReMoveNotSeen};

    Seen() {
        state.eventSwitches = {0, 1, 1, 0};
        std::strcpy(state.markText, "×××○○×××○×○×○○×○×○○×");
        rerun_both_lanes(state);
    }
};

// soramito-cli locate finds 74 positions, the second #51: 79 → 102; advance from 79 of 51 moves
// lane 0 to 102 with Lv 11, HP 41, MAX 61 and the enemy at 0.
TEST(HappenedDialog, OkPutsLaneZeroWhereTheGameStandsAndTheUnitsTakeTheOutcome) {
    Seen seen;
    seen.form.allyHp = "41";
    EXPECT_EQ(located_count_words(locate_from_form(seen.state, seen.form)), "見つかった位置：なし");
    seen.form.allyHp = "40";
    const LocateAnswer answer = locate_from_form(seen.state, seen.form);
    EXPECT_EQ(located_count_words(answer), "見つかった位置：74個");
    ASSERT_EQ(answer.lines.at(1), "+78  #51: 79 → 102");
    const LocatedAdvance advance = advance_from_located(seen.state, answer, 1);
    EXPECT_EQ(std::make_tuple(advance.refusal, located_refusal_words(advance)),
              std::make_tuple(LocatedRefusal::kNone, std::string()));
    const AppState& state = seen.state;
    EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position, state.ally.level,
                              state.ally.hp, state.ally.maxHp, state.enemy.hp),
              std::make_tuple(51, 102, 11, 41, 61, 0));
    ASSERT_EQ(state.history.count, 1);
    const HistoryEntry& entry = state.history.entries[0];
    EXPECT_EQ(std::make_tuple(entry.seedIndex, entry.position, entry.count, entry.grown),
              std::make_tuple(51, 79, 23, 0b11u));
}

// Each refusal says why and leaves lane 0, the units and the record as they were. Only the HPs
// seen: more positions than the list has lines.
TEST(HappenedDialog, OkRefusesWithoutAPositionOrWhenItNoLongerHoldsAndChangesNothing) {
    using Change = void (*)(AppState&);
    using Case = std::tuple<const char*, Change, Change, int, LocatedRefusal, std::string>;
    const Change none = [](AppState&) {};
    const std::string noLine = "位置を選んでください";
    const std::string changed = "探したあとで条件か手順が変わりました。もう一度探してください";
    const std::vector<Case> cases = {
        {"none chosen", none, none, -1, LocatedRefusal::kNoLine, noLine},
        {"the line of how many more", none, none, 200, LocatedRefusal::kNoLine, noLine},
        {"the ally's HP changed", none, [](AppState& s) { s.ally.hp = 39; }, 0,
         LocatedRefusal::kChanged, changed},
        {"a plan came into use", none, [](AppState& s) { s.plan.stepCount = 1; }, 0,
         LocatedRefusal::kChanged, changed},
        // Lane 0's sequence alone from 4973: the nearest is #0: 4965 → 4985.
        {"past the last position",
         [](AppState& s) {
             s.markText[0] = '\0';
             s.lanes[0].position = 4973;
             rerun_both_lanes(s);
         },
         none, 0, LocatedRefusal::kAdvance, "位置が4985になり4973を越えるため実行できません"},
    };
    for (const auto& [name, before, after, line, refusal, words] : cases) {
        Seen seen;
        AppState& state = seen.state;
        seen.form = LocateForm{"40", "0", false, {}, kReMoveNotSeen};
        before(state);
        const LocateAnswer answer = locate_from_form(state, seen.form);
        after(state);
        const Lane lane = state.lanes[0];
        const CombatantState ally = state.ally;
        const LocatedAdvance advance = advance_from_located(state, answer, line);
        EXPECT_EQ(std::make_tuple(advance.refusal, located_refusal_words(advance)),
                  std::make_tuple(refusal, words))
            << name;
        EXPECT_EQ(std::make_tuple(state.lanes[0].seedIndex, state.lanes[0].position,
                                  codes_of(state.lanes[0]), state.ally.hp, state.ally.level,
                                  state.enemy.hp, state.history.count),
                  std::make_tuple(lane.seedIndex, lane.position, codes_of(lane), ally.hp,
                                  ally.level, 40, 0))
            << name;
    }
}

}  // namespace
