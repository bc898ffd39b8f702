#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "state/kept_positions.h"
#include "view/dialog_forms.h"
#include "view/locate_form.h"
#include "view/main_commands.h"
#include "window_states.h"

namespace {

const char* const kMarks = "×××○○×××○×○×○○×○×○○×";  // they leave sequences 0, 16 and 51

// The worked battle, lane 0 at 1 of sequence 0, with the given events on.
WindowState worked_state(EventSwitches switches) {
    WindowState state = status_set_state();
    state.session.action.eventSwitches = switches;
    rerun_both_lanes(state);
    return state;
}

TEST(HappenedDialog, ListsWhatItFindsGreysWhatTheActionLacksAndSearchesWhatTheRestSaysWasSeen) {
    const std::vector<LocatedPosition> found = {{16, 45, 3, 62}, {0, 40, -2, 51}, {51, 42, 0, 60}};
    EXPECT_EQ(located_lines(found), (std::vector<std::string>{"+3  #16: 45 → 62", "-2  #0: 40 → 51",
                                                              "±0  #51: 42 → 60"}));
    // Every line is a position, 200 at the most; the count line says how many the list leaves
    // out.
    for (const auto& [total, words] :
         {std::pair{std::size_t{200}, "見つかった位置：200個"},
          {std::size_t{238}, "見つかった位置：238個\n（一覧のほか 38 個）"}}) {
        LocateAnswer answer{};
        answer.found.assign(total, found[0]);
        answer.lines = located_lines(answer.found);
        EXPECT_EQ(std::make_pair(answer.lines.size(), located_count_words(answer)),
                  std::make_pair(kMostLocatedLines, std::string(words)));
    }
    // The dialog opens when 実行 acts without a plan, greys what the action does not have,
    // searches what its boxes say was seen and refuses a bad box or nothing seen.
    // HP and 力 grew, as after the worked battle from position 1, and the re-move happened.
    const LocateForm four{"４０", "0", true, {true, true}, kReMoveHappened, false};
    const LocateAnswer answer = locate_from_form(worked_state({0, 1, 1, 1}), four);
    EXPECT_EQ(std::make_pair(answer.problem, answer.found.size()),
              std::make_pair(LocateProblem::kNone, std::size_t{5}));
    // Grey controls are not read: with the battle off, a refused HP box is no problem.
    using Case =
        std::tuple<std::string, EventSwitches, std::string, std::string, bool, int, LocateProblem>;
    const LocateProblem none = LocateProblem::kNone, nothing = LocateProblem::kNothingSeen;
    const std::vector<Case> cases = {
        {"nothing", {0, 1, 1, 1}, "", "", false, kReMoveNotSeen, nothing},
        {"bad ally box", {0, 1, 1, 1}, "4o", "0", true, kReMoveDidNot, LocateProblem::kAllyHpBox},
        {"bad enemy box", {0, 1, 1, 1}, "40", "１００００", false, 0, LocateProblem::kEnemyHpBox},
        {"grey HP boxes", {0, 0, 1, 1}, "4o", "x", false, kReMoveDidNot, none},
        {"grey boxes only", {0, 0, 1, 0}, "40", "0", false, kReMoveDidNot, nothing},
        {"grey level-up", {0, 1, 0, 1}, "", "", true, 0, nothing},
        {"grey re-move", {0, 1, 1, 0}, "", "", false, kReMoveHappened, nothing},
        {"re-move only", {0, 1, 1, 1}, "", "", false, kReMoveDidNot, none}};
    for (const auto& [name, switches, ally, enemy, levelUp, reMove, problem] : cases) {
        const LocateAnswer answer =
            locate_from_form(worked_state(switches), {ally, enemy, levelUp, {}, reMove, false});
        EXPECT_EQ(std::make_pair(answer.problem, answer.lines.empty()),
                  std::make_pair(problem, problem != none))
            << name;
    }
    EXPECT_EQ(dialog_for_menu(started_state(), IDM_HAPPENED), MainDialog::kNone);
    // switches, the re-move rate; whether it opens, as 実行 acts; the HP boxes, レベルアップを見た,
    // the 再行動 combo
    using Greying = std::tuple<EventSwitches, std::int32_t, bool, bool, bool, bool>;
    const std::vector<Greying> greyings = {{{0, 1, 1, 1}, 30, true, true, true, true},
                                           {{0, 1, 0, 0}, 30, true, true, false, false},
                                           {{0, 0, 1, 0}, 30, true, false, true, false},
                                           {{0, 0, 0, 1}, 30, true, false, false, true},
                                           {{0, 0, 0, 1}, 0, true, false, false, false},
                                           {{1, 0, 0, 0}, 30, false, false, false, false}};
    for (const auto& [switches, rate, opens, hpBoxes, levelUp, reMove] : greyings) {
        WindowState state = status_set_state();
        state.session.action.eventSwitches = switches;
        state.session.action.growthRates[kReMoveRateIndex] = rate;
        EXPECT_EQ(dialog_for_menu(state, IDM_HAPPENED),
                  opens ? MainDialog::kHappened : MainDialog::kNone);
        const DialogView view = happened_view(state);
        const auto enabled = [&view](int id) { return control_in(view, id).enabled; };
        // The grown stats wait for レベルアップを見た.
        EXPECT_EQ(std::make_tuple(enabled(IDC_HAPPENED_ALLY_HP), enabled(IDC_HAPPENED_ENEMY_HP),
                                  enabled(IDC_HAPPENED_LEVEL_UP), enabled(IDC_HAPPENED_RE_MOVE),
                                  enabled(IDC_HAPPENED_FIRST_GROWN)),
                  std::make_tuple(hpBoxes, hpBoxes, levelUp, reMove, false))
            << switches[1] << switches[2] << switches[3] << " " << rate;
        state.session.plan.stepCount = 1;
        state.session.plan.steps[0] = state.session.action;
        EXPECT_EQ(dialog_for_menu(state, IDM_HAPPENED), MainDialog::kNone);
    }
}

// The worked battle and the level-up after it behind the marks; the game left the ally at 40 and
// the enemy at 0, and HP and 力 grew. The second position found is #51: 79 → 102; advance from
// 79 of 51 moves lane 0 to 102 with Lv 11. 残す keeps where every line leads.
TEST(HappenedDialog, OkPutsLaneZeroWhereTheGameStandsOrRefusesAndChangesNothingKeepKeepsAll) {
    WindowState state = worked_state({0, 1, 1, 0});
    state.session.marks = kMarks;
    LocateForm form{"41", "0", true, {true, true}, kReMoveNotSeen, false};
    EXPECT_EQ(located_count_words(locate_from_form(state, form)), "見つかった位置：なし");
    form.allyHp = "40";
    const LocateAnswer answer = locate_from_form(state, form);
    ASSERT_EQ(answer.lines.at(1), "+78  #51: 79 → 102");
    const LocatedAdvance advance = advance_from_located(state, answer, 1);
    EXPECT_EQ(std::make_tuple(advance.refusal, located_refusal_words(advance)),
              std::make_tuple(LocatedRefusal::kNone, std::string()));
    // The lanes run again from where lane 0 now stands.
    EXPECT_EQ(
        std::make_tuple(state.session.lanes[0].seedIndex, state.session.lanes[0].position,
                        state.shown.lanes[0].log.position, state.session.action.ally.level,
                        state.session.history.count, state.session.history.entries[0].position),
        std::make_tuple(51, 102, 102, 11, 1, 79));
    // Each refusal says why and leaves lane 0, the units and the record as they were.
    using Change = void (*)(WindowState&);
    const Change none = [](WindowState&) {};
    const std::string noLine = "位置を選んでください";
    const std::string changed = "探したあとで条件か手順が変わりました。もう一度探してください";
    // searched from 4973 without marks (the nearest is #0: 4965 → 4985), a change after 探す, the
    // line chosen (200: past the last line; none chosen is met under Wine), the refusal
    const std::vector<std::tuple<bool, Change, int, LocatedRefusal, std::string>> cases = {
        {false, none, 200, LocatedRefusal::kNoLine, noLine},
        {false, [](WindowState& s) { s.session.action.ally.hp = 39; }, 0, LocatedRefusal::kChanged,
         changed},
        {false, [](WindowState& s) { s.session.plan.stepCount = 1; }, 0, LocatedRefusal::kChanged,
         changed},
        {true, none, 0, LocatedRefusal::kAdvance,
         "位置が4985になり4973を越えるため実行できません"}};
    for (const auto& [fromTheEnd, after, line, refusal, words] : cases) {
        state = worked_state({0, 1, 1, 0});
        state.session.lanes[0].position = fromTheEnd ? 4973 : 1;
        state.session.marks = fromTheEnd ? "" : kMarks;
        const LocateAnswer seen =
            locate_from_form(state, {"40", "0", false, {}, kReMoveNotSeen, false});
        after(state);
        const Session session = state.session;
        const std::vector<int> codes = codes_of(state.shown.lanes[0].log);
        const LocatedAdvance refused = advance_from_located(state, seen, line);
        EXPECT_EQ(std::make_tuple(refused.refusal, located_refusal_words(refused), state.session,
                                  codes_of(state.shown.lanes[0].log)),
                  std::make_tuple(refusal, words, session, codes))
            << line;
    }
    // 残す: the worked battle's two HPs over every sequence lead to 45,205 (sequence, next) pairs,
    // the nearest #0: 1 → 12; lane 0 goes there and every place they lead to is kept.
    state = worked_state({0, 1, 0, 0});
    const LocateAnswer all = locate_from_form(state, {"40", "0", false, {}, kReMoveNotSeen, true});
    EXPECT_TRUE(can_keep_located(all));
    const LocatedAdvance kept = keep_located(state, all);
    EXPECT_EQ(std::make_tuple(kept.refusal, state.session.lanes[0].seedIndex,
                              state.session.lanes[0].position, state.session.history.count,
                              state.session.kept == all.leadsTo, kept_search_words(state.session)),
              std::make_tuple(LocatedRefusal::kNone, 0, 12, 1, true,
                              std::string("残した位置 45205 個から探します")));
    // With places kept, 探す tries those alone (which places they are is the engine tests'),
    // whatever the check says; OK on a line lets them go.
    const LocateAnswer again =
        locate_from_form(state, {"40", "0", false, {}, kReMoveNotSeen, true});
    ASSERT_FALSE(again.found.empty());
    EXPECT_EQ(advance_from_located(state, again, 0).refusal, LocatedRefusal::kNone);
    EXPECT_EQ(std::make_pair(state.session.kept.empty(), kept_line(state.session)),
              std::make_pair(true, std::string()));
    // A re-move that did not happen, on every sequence: 70% of all places, more than a session
    // keeps. Nothing changes.
    state = worked_state({0, 0, 0, 1});
    const Session before = state.session;
    const LocateAnswer many = locate_from_form(state, {"", "", false, {}, kReMoveDidNot, true});
    const LocatedAdvance refused = keep_located(state, many);
    EXPECT_EQ(std::make_tuple(refused.refusal, state.session == before),
              std::make_tuple(LocatedRefusal::kTooMany, true));
    EXPECT_EQ(located_refusal_words(refused), "位置が多すぎます（" +
                                                  std::to_string(many.leadsTo.size()) +
                                                  "個）。見たことをもっと入れてください");
}

}  // namespace
