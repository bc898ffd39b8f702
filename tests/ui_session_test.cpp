#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "view/run_marker.h"
#include "view/scenario_fault_words.h"
#include "view/session.h"
#include "worked_units.h"

namespace {

TEST(SessionChanges, WhatAsksBeforeLeaving) {
    // file open, baseline, what 新規 gives, the session now: changed, asks on closing, asks on
    // 新規 / 開く / a drop
    const std::vector<std::tuple<bool, const char*, const char*, const char*, bool, bool, bool>>
        cases = {{true, "saved", "fresh", "saved", false, false, false},
                 {true, "saved", "fresh", "moved", true, true, true},
                 {true, "fresh", "fresh", "fresh", false, false, false},
                 {false, "fresh", "fresh", "fresh", false, false, false},
                 // Restored at start: unchanged, yet the player's work.
                 {false, "restored", "fresh", "restored", false, false, true},
                 {false, "restored", "fresh", "moved", true, false, true},
                 {false, "restored", "fresh", "fresh", true, false, false}};
    for (const auto& [fileOpen, baseline, fresh, now, changed, closing, replacing] : cases) {
        const SessionBaseline b{fileOpen, baseline, fresh};
        EXPECT_EQ(std::make_tuple(session_changed(b, now), asks_to_save(b, now, Leaving::kClosing),
                                  asks_to_save(b, now, Leaving::kReplacing)),
                  std::make_tuple(changed, closing, replacing))
            << fileOpen << " " << baseline << " " << now;
    }
    // What 新規 gives is the window as it starts.
    EXPECT_EQ(new_session_text(status_set_state()), session_text(started_state()));
}

// The kinds a roster file can have (an object, a range, an array's exact length, a member) are
// worded in the roster's tests.
TEST(ScenarioFaultWords, SayEveryKindInJapanese) {
    using K = ScenarioFaultKind;
    // clang-format off
    const std::vector<std::pair<ScenarioFault, std::string>> cases = {
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
         "steps[2].eventSwitches では、戦闘・レベルアップ・再行動のどれかを 1 にしてください"},
        // The file's UTF-8, and a character that Shift-JIS lacks.
        {{.kind = K::kUnknownMember, .member = "\xE5\x90\x8D\xF0\x9F\x98\x80"},
         "名? という項目はありません。項目の名前を確かめてください"}};
    // clang-format on
    for (const auto& [fault, words] : cases) {
        EXPECT_EQ(scenario_fault_words(fault), words) << fault.member;
    }
}

TEST(RunMarker, TellsWhetherTheRunBeforeEndedCleanly) {
    EXPECT_EQ(run_marker_text({4242, 133525000000000001}), "4242 133525000000000001\r\n");
    RunMarker read{};
    EXPECT_TRUE(read_run_marker("4 18446744073709551615\r\n", read));
    EXPECT_EQ(std::make_pair(read.processId, read.creationTime),
              std::make_pair(4u, 18446744073709551615u));
    for (const char* text : {"", "4242", "4242 1", "4242 1\r\n\r\n", " 4242 1\r\n", "-4 1\r\n",
                             "4294967296 1\r\n", "4242  1\r\n", "4242 x\r\n"}) {
        EXPECT_FALSE(read_run_marker(text, read)) << text;
    }
    // marker, last session kept: ask first, take the marker
    // clang-format off
    const std::vector<std::tuple<MarkerFound, bool, bool, bool>> cases = {
        {MarkerFound::kNone, true, false, true}, {MarkerFound::kNone, false, false, true},
        {MarkerFound::kOwnerGone, true, true, true}, {MarkerFound::kOwnerGone, false, false, true},
        {MarkerFound::kOwnerRuns, true, false, false}};
    // clang-format on
    for (const auto& [found, kept, ask, take] : cases) {
        const StartUpPlan plan = plan_start_up(found, kept);
        EXPECT_EQ(std::make_pair(plan.askFirst, plan.takeMarker), std::make_pair(ask, take))
            << static_cast<int>(found) << kept;
    }
}

}  // namespace
