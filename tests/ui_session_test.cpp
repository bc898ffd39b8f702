#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "text/scenario_codec.h"
#include "text/scenario_fault_words.h"
#include "text/text_encoding.h"
#include "view/controller.h"
#include "view/dialog_forms.h"
#include "view/main_commands.h"
#include "view/plan_steps.h"
#include "view/resource.h"
#include "view/roster.h"
#include "view/run_marker.h"
#include "view/session.h"
#include "view/undo_history.h"
#include "window_states.h"

namespace {

// Each member of the session, changed in a file read back: the title's "*", 元に戻す and the
// question before leaving all see it. Without a change, none does.
TEST(SessionChanges, EachMemberChangedInAFileIsSeenByTheTitleUndoAndTheQuestion) {
    const auto session_of = [](const std::string& members) {
        return read_scenario("{" + members + "}", kScenarioCodec).session;
    };
    const std::string base = R"("ally": {"name": "Alt"}, "marks": "ox")";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> changes = {
        {"", ""},
        {"action", R"(, "enemy": {"hp": 39})"},
        {"lanes", R"(, "lanes": [{"position": 2}])"},
        {"plan", R"(, "steps": [{"eventSwitches": [0, 1, 0, 0]}])"},
        {"history", R"(, "history": [{"seedIndex": 0, "position": 1, "count": 3}])"},
        {"marks", R"(, "marks": "oxo")"},
        {"kept", R"(, "kept": [[0, 1]])"}};
    // clang-format on
    for (const auto& [member, change] : changes) {
        const Session before = session_of(base);
        const Session after = session_of(base + change);
        UndoHistory history;
        const bool changed = !member.empty();
        for (const bool fileOpen : {true, false}) {
            const SessionBaseline baseline{fileOpen, before};
            EXPECT_EQ(std::make_tuple(window_title(L"s.json", session_changed(baseline, after)),
                                      keep_undo_step(history, {before, {}}, {after, {}}),
                                      asks_to_save(baseline, after, Leaving::kClosing)),
                      std::make_tuple(changed ? L"*s.json - ソラミト  ver 0.00a"
                                              : L"s.json - ソラミト  ver 0.00a",
                                      changed, changed && fileOpen))
                << member;
        }
    }
    // With no file open, 新規 and 開く ask whenever the session is not what 新規 gives: a session
    // restored at start is the player's work too.
    const SessionBaseline restored{false, session_of(base)};
    EXPECT_EQ(std::make_pair(asks_to_save(restored, session_of(base), Leaving::kReplacing),
                             asks_to_save(restored, default_session(), Leaving::kReplacing)),
              std::make_pair(true, false));
    // The marker of a run: read whole or not at all.
    RunMarker read{};
    EXPECT_TRUE(read_run_marker("4 18446744073709551615\r\n", read));
    EXPECT_EQ(std::make_pair(read.processId, read.creationTime),
              std::make_pair(4u, 18446744073709551615u));
    for (const char* text : {"", "4242", "4242 1", "4242 1\r\n\r\n", " 4242 1\r\n", "-4 1\r\n",
                             "4294967296 1\r\n", "4242  1\r\n", "4242 x\r\n"}) {
        EXPECT_FALSE(read_run_marker(text, read)) << text;
    }
}

// The worked battle behind the marks of 0, 16 and 51, opened in a controller of its own.
std::unique_ptr<Controller> battle_controller() {
    WindowState state = status_set_state();
    apply_search_conditions(state, {{false, true, false, false}, false});
    state.session.marks = "×××○○×××○×○×○○×○×○○×";
    auto controller = std::make_unique<Controller>(worked_tables());
    controller->open_session(session_text(state.session));
    return controller;
}

// A view that counts what it is told.
struct Told : ControllerView {
    int shows = 0;
    int rosters = 0;
    void show(const Controller&) override { ++shows; }
    void keep_roster(const Roster&) override { ++rosters; }
};

// Each change that changes the session is one step, a change made while another runs part of
// that one; 元に戻す and やり直し walk the same sessions, the oldest steps go, and every change is
// told to the views.
TEST(Controller, EachChangeIsOneStepBackAndOnAndEveryViewIsTold) {
    const auto controller = battle_controller();
    Told told;
    controller->add_view(told);
    // each change of a mixed run, and whether it changes the session
    using Change = std::function<bool(WindowState&)>;
    // clang-format off
    const std::vector<std::pair<Change, bool>> changes = {
        {[](WindowState& s) { return move_lane(s, IDC_LANE0_FORWARD); }, true},
        {[](WindowState& s) { return move_lane(s, IDC_LANE0_BACK); }, true},
        {[](WindowState& s) { return move_lane(s, IDC_LANE0_BACK); }, false},  // at 1 already
        {[](WindowState& s) { return advance_lane_zero(s).refusal == AdvanceRefusal::kNone; }, true},
        {[](WindowState& s) { return search_from_lane_zero(s); }, false},
        {[](WindowState& s) { return press_plan_button(s, PlanButton::kAdd, -1).changed; }, true}};
    // clang-format on
    std::vector<std::string> sessions = {session_text(controller->session())};
    for (const auto& [change, changesSession] : changes) {
        controller->change(change);
        if (changesSession) {
            sessions.push_back(session_text(controller->session()));
        }
    }
    // A change inside another: one step, each told.
    controller->change([&](WindowState& outer) {
        move_lane(outer, IDC_LANE1_FORWARD);
        return controller->change(
            [](WindowState& inner) { return move_lane(inner, IDC_LANE1_FORWARD); });
    });
    sessions.push_back(session_text(controller->session()));
    EXPECT_EQ(told.shows, static_cast<int>(changes.size()) + 2);
    for (std::size_t k = sessions.size() - 1; k > 0; --k) {
        EXPECT_TRUE(controller->undo());
        EXPECT_EQ(session_text(controller->session()), sessions[k - 1]) << k;
    }
    EXPECT_FALSE(controller->undo());
    for (std::size_t k = 1; k < sessions.size(); ++k) {
        EXPECT_TRUE(controller->redo());
        EXPECT_EQ(session_text(controller->session()), sessions[k]) << k;
    }
    EXPECT_FALSE(controller->can_redo());
    // Typing is a step of its own, open until another change, the focus leaving or 元に戻す:
    // back first to the marks as they were, with what they match, then over the lane. Typing
    // that comes back to where it began is none.
    const std::string marks = controller->session().marks;
    controller->change([](WindowState& s) { return move_lane(s, IDC_LANE1_FORWARD); });
    const Session moved = controller->session();
    controller->read_marks("×");
    controller->read_marks("×××");
    controller->undo();
    EXPECT_EQ(std::make_tuple(controller->session(), controller->state().shown.marks.markCount),
              std::make_tuple(moved, 20));
    controller->undo();
    EXPECT_NE(controller->session().lanes, moved.lanes);
    controller->redo();
    controller->redo();
    EXPECT_EQ(controller->session().marks, "×××");
    controller->read_marks("○");
    controller->read_marks("×××");
    controller->close_typing();
    controller->read_marks("○");
    controller->change([](WindowState& s) { return move_lane(s, IDC_LANE1_FORWARD); });
    for (const std::string& marksBack : {std::string("○"), std::string("×××"), marks}) {
        controller->undo();
        EXPECT_EQ(controller->session().marks, marksBack);
    }
    for (int k = 0; k < kUndoDepth + 5; ++k) {
        controller->change([](WindowState& s) { return move_lane(s, IDC_LANE1_FORWARD); });
    }
    int back = 0;
    while (controller->undo()) {
        ++back;
    }
    EXPECT_EQ(back, kUndoDepth);
}

// 実行 brings the line after a level-up and the acting ally to the roster, whose views are told;
// a step back takes both back, another session the line only. What the session is measured against
// follows the baseline taken. The kept places go with a message.
TEST(Controller, AdvanceKeepsTheLineTheRosterAndTheKeptPlacesAndTheBaselineMeasuresTheSession) {
    const auto controller = battle_controller();
    Told told;
    controller->add_view(told);
    controller->take_as_baseline(true);
    EXPECT_FALSE(controller->changed());
    controller->change([](WindowState& s) {
        apply_search_conditions(s, {{false, false, true, false}, false});
        return true;
    });
    const AdvanceReport report = controller->advance();
    EXPECT_EQ(std::make_tuple(report.refusal, controller->check_line().empty(), told.rosters,
                              controller->roster().count("アルト"), controller->changed(),
                              controller->asks_to_save(Leaving::kClosing)),
              std::make_tuple(AdvanceRefusal::kNone, false, 1, 1u, true, true));
    // 元に戻す and やり直し take the roster back and on with the step that wrote it.
    const Roster one = controller->roster();
    controller->advance();
    const Roster two = controller->roster();
    controller->undo();
    EXPECT_EQ(std::make_tuple(controller->check_line().empty(), controller->roster() == one,
                              told.rosters),
              std::make_tuple(true, true, 3));
    controller->redo();
    EXPECT_EQ(std::make_pair(controller->roster() == two, two == one), std::make_pair(true, false));
    controller->start_new_session();
    EXPECT_EQ(std::make_tuple(controller->can_undo(), controller->session() == default_session(),
                              controller->roster() == two),
              std::make_tuple(false, true, true));
    EXPECT_THROW(controller->open_session("{"), ScenarioError);
    EXPECT_EQ(controller->session(), default_session());
    // 実行 narrows the kept places, or lets them go with a plan in use, and says so under the lanes
    // until the next change; 元に戻す brings them back.
    const std::string noneLeft = "残した位置のどれとも合いませんでした。残した位置を捨てました";
    const std::string plan = "手順があるので残した位置を捨てました";
    const std::vector<LaneCursor> apart = {{7, 4000},
                                           {9, 4000}};  // neither gives what lane 0 gives
    // the places kept, whether a plan is in use, lane 0's position (4973: 実行 is refused, and
    // nothing changes), what is said
    const std::vector<std::tuple<std::vector<LaneCursor>, bool, int, std::string>> cases = {
        {apart, false, 1, noneLeft},
        {apart, true, 1, plan},
        {{}, true, 1, ""},
        {apart, false, 4973, ""},
        {apart, true, 4973, ""}};
    for (const auto& [places, withPlan, position, words] : cases) {
        const auto fresh = battle_controller();
        fresh->change([&](WindowState& s) {
            s.session.kept = places;
            s.session.lanes[0].position = position;
            if (withPlan) {
                s.session.plan.stepCount = 1;
                s.session.plan.steps[0] = s.session.action;
            }
            return true;
        });
        const Session before = fresh->session();
        const bool refused = fresh->advance().refusal != AdvanceRefusal::kNone;
        EXPECT_EQ(std::make_tuple(fresh->message(), fresh->session().kept.empty(),
                                  fresh->session() == before),
                  std::make_tuple(words, !refused, refused))
            << words << position;
        fresh->undo();
        EXPECT_EQ(std::make_pair(fresh->message(), fresh->session().kept ==
                                                       (refused ? default_session().kept : places)),
                  std::make_pair(std::string(), true))
            << position;
    }
}

const std::string kRosterFile = R"({"allies": {"アルト": {
"level": 11, "technique": 10, "luck": 11, "hitRate": 90, "critRate": 10, "attackSpeed": 10,
"attack": 20, "defense": 10, "hp": -999, "maxHp": 9999,
"skills": [0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0]}}})";

TEST(Roster, KeepsEachAllysFiguresAndSkillsReadsThemBackAndRefusesAFileInJapanese) {
    Roster roster;
    CombatantState alto = worked_attacker();
    alto.skills[kSkillBrave] = 5;  // only 1 counts
    std::tie(alto.level, alto.luck, alto.hp, alto.maxHp) = std::tuple(11, 11, -999, 9999);
    EXPECT_TRUE(confirm_in_roster(roster, alto));
    EXPECT_FALSE(confirm_in_roster(roster, alto));
    CombatantState unnamed = alto;
    unnamed.name[0] = '\0';
    EXPECT_FALSE(confirm_in_roster(roster, unnamed));
    // What is written reads back, and so does the file above (UTF-8 as files are; the literal
    // here is Shift-JIS, as the engine's texts are).
    EXPECT_EQ(read_roster(write_roster(roster, kScenarioCodec), kScenarioCodec), roster);
    const Roster read = read_roster(shift_jis_to_utf8(kRosterFile), kScenarioCodec);
    EXPECT_EQ(read, roster);
    EXPECT_EQ(roster_entry(read, "ミナト"), nullptr);
    // The file with one piece replaced, in UTF-8 as the file holds it.
    const auto with = [](const std::string& from, const std::string& to) {
        std::string text = kRosterFile;
        return shift_jis_to_utf8(text.replace(text.find(from), from.size(), to));
    };
    // the file, what the window says of it
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{", "JSON として読めません（1 行目の 1 文字目で、書き方が正しくありません）"},
        {"[]", "ファイル全体は { } で囲んだ JSON のオブジェクトにしてください（[...] が書かれています）"},
        {R"({"allies": {"a": 3}})", "allies.a は { } で囲んだ JSON のオブジェクトにしてください（3 が書かれています）"},
        {with("allies", "enemies"), "enemies という項目はありません。項目の名前を確かめてください"},
        {with("\"level\": 11", "\"level\": 10000"), "allies.アルト.level は -999 から 9999 までの整数にしてください（10000 が書かれています）"},
        {with("\"attack\": 20", "\"attack\": 2.5"), "allies.アルト.attack は -999 から 9999 までの整数にしてください（2.5 が書かれています）"},
        {with("0, 1, 0", "0, 2, 0"), "allies.アルト.skills[7] は 0 から 1 までの整数にしてください（2 が書かれています）"},
        {with("0, 0, 0, 0, 0, 0, 0, 1", "0, 0, 0, 0, 0, 0, 1"), "allies.アルト.skills は値を 16 個並べた [ ] の配列にしてください（15 個あります）"},
        {with("\"luck\": 11,", ""), "allies.アルト.luck がありません。この項目は省けません"},
        {with("アルト", "アルトアルトアルトアルトアルトアルト"), "allies.アルトアルトアルトアルトアルトアルト は Shift-JIS で 31 バイトまでにしてください（36 バイトあります。全角の文字は 2 バイトです）"},
        {with("アルト", R"(\ud83d\ude00)"), "allies.? に Shift-JIS で書けない文字があります（絵文字などは使えません）"}};
    // clang-format on
    for (const auto& [file, words] : cases) {
        try {
            read_roster(file, kScenarioCodec);
            ADD_FAILURE() << file;
        } catch (const ScenarioError& error) {
            EXPECT_EQ(scenario_fault_words(error.fault), words) << file;
        }
    }
    // The kinds a session file has besides those a roster file can have.
    using K = ScenarioFaultKind;
    const std::vector<std::pair<ScenarioFault, std::string>> faults = {
        {{.kind = K::kBadJson}, "JSON として読めません（扱えないほど大きな数があります）"},
        {{.kind = K::kWrongArrayLength, .member = "lanes", .low = 0, .high = 2, .written = "{...}"},
         "lanes は値を 2 個まで並べた [ ] の配列にしてください（{...} が書かれています）"},
        {{.kind = K::kWrongArrayLength, .member = "steps", .low = 1, .high = 16, .size = 0},
         "steps は値を 1 から 16 個まで並べた [ ] の配列にしてください（0 個あります）"},
        {{.kind = K::kNotAString, .member = "marks", .written = "true"},
         "marks は \" \" で囲んだ文字列にしてください（true が書かれています）"},
        {{.kind = K::kNulInName, .member = "steps[0].ally.name"},
         "steps[0].ally.name に NUL 文字（\\u0000）は使えません"},
        {{.kind = K::kNoEvent, .member = "steps[2].eventSwitches"},
         "steps[2].eventSwitches では、戦闘・レベルアップ・再行動のどれかを 1 にしてください"}};
    for (const auto& [fault, words] : faults) {
        EXPECT_EQ(scenario_fault_words(fault), words) << fault.member;
    }
}

}  // namespace
