#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <tuple>

#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "worked_units.h"

namespace {

TEST(ScenarioFile, WhatIsWrittenReadsBackAlike) {
    AppState& s = status_set_state();
    s.lanes[0] = Lane{};
    std::tie(s.lanes[0].seedIndex, s.lanes[0].position) = std::pair(5, 100);
    std::tie(s.lanes[1].seedIndex, s.lanes[1].position) = std::pair(63, 4973);
    s.eventSwitches = {1, 1, 0, 1};
    s.predictSwitch = 1;
    s.allyCondition = {kResultPercentAtMost, -7, 0};
    s.enemyCondition = {9, 2, 1};
    s.levelUpWanted = {0, 1, 2, 0, 1, 2, 0, 1, 2};
    s.booksHeld = {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    s.growthRates = {-999, 9999, 0, 1, 2, 3, 4, 5, 6, 7};
    s.enemy.skills[kSkillPrayer] = -3;
    std::strcpy(s.markText, "○×\x81");  // the box's text cut inside a character
    s.plan.stepCount = 2;
    s.plan.steps[0] = s;
    s.plan.steps[1] = s;
    s.plan.steps[1].eventSwitches = {0, 0, 1, 0};
    std::strcpy(s.plan.steps[1].enemy.name, "山賊");
    s.plan.steps[1].enemy.hp = 34;
    const std::string written = write_scenario(s, kScenarioCodec);

    AppState& read = started_state();
    read_scenario(written, kScenarioCodec, read);
    EXPECT_EQ(write_scenario(read, kScenarioCodec), written);
    EXPECT_EQ(
        std::make_tuple(read.lanes[1].seedIndex, read.lanes[1].position, read.enemy.skills[1],
                        read.plan.stepCount, read.plan.steps[1].enemy.hp,
                        std::string(read.plan.steps[1].enemy.name), std::string(read.markText)),
        std::make_tuple(63, 4973, -3, 2, 34, std::string("山賊"), std::string("○×")));
    // The file speaks UTF-8.
    EXPECT_NE(written.find("\"name\": \"" + shift_jis_to_utf8("アルト") + "\""), std::string::npos);
}

TEST(ScenarioFile, ARefusedScenarioChangesNothing) {
    AppState& s = started_state();
    std::tie(s.lanes[0].seedIndex, s.lanes[0].position) = std::pair(7, 9);
    const std::string text = R"({"lanes": [{"seedIndex": 3, "position": 5}],
        "eventSwitches": [0, 1, 0, 0], "steps": [{}, {"ally": {"level": 10000}}]})";
    EXPECT_THROW(read_scenario(text, kScenarioCodec, s), ScenarioError);
    EXPECT_EQ(std::make_tuple(s.lanes[0].seedIndex, s.lanes[0].position,
                              s.eventSwitches[kSwitchBattle], s.plan.stepCount),
              std::make_tuple(7, 9, 0, 0));
}

}  // namespace
