// The scenario reader, on JSON of any shape and size: either it refuses the text with its one
// kind of error, or the session it reads, at the top level, in every step and in the record,
// lies within the ranges it promises, and what the writer makes of that
// reads back alike. 実行 on what was read either refuses, changing nothing, or leaves a session
// that reads back too.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "state/advance.h"
#include "state/scenario_file.h"
#include "text/scenario_codec.h"

namespace {

void check_step(const Action& step) {
    for (const CombatantState* unit : {&step.ally, &step.enemy}) {
        FUZZ_CHECK(std::memchr(unit->name, '\0', sizeof unit->name) != nullptr);
        FUZZ_CHECK(unit->level >= -999 && unit->level <= 9999);
        FUZZ_CHECK(unit->maxHp >= -999 && unit->maxHp <= 9999);
    }
    for (const std::int32_t wanted : step.levelUpWanted) {
        FUZZ_CHECK(wanted >= 0 && wanted <= 2);
    }
    for (const std::int32_t rate : step.growthRates) {
        FUZZ_CHECK(rate >= -999 && rate <= 9999);
    }
    FUZZ_CHECK(step.allyCondition.unspecified <= 1 && step.enemyCondition.unspecified <= 1);
}

}  // namespace

// The sequences, generated once.
const RandomTable& table() {
    static const auto random = [] {
        auto made = std::make_unique<RandomTable>();
        generate_random_tables(*made);
        return made;
    }();
    return *random;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session session;
    try {
        session =
            read_scenario(std::string(reinterpret_cast<const char*>(data), size), kScenarioCodec)
                .session;
    } catch (const ScenarioError&) {
        return 0;
    }
    for (const LaneCursor& lane : session.lanes) {
        FUZZ_CHECK(lane.seedIndex >= 0 && lane.seedIndex < kSeedCount);
        FUZZ_CHECK(lane.position >= kFirstLanePosition && lane.position <= kLastLanePosition);
    }
    check_step(session.action);
    const TurnPlan& plan = session.plan;
    FUZZ_CHECK(plan.stepCount >= 0 && plan.stepCount <= kMaxPlanSteps);
    for (int k = 0; k < plan.stepCount; ++k) {
        check_step(plan.steps[k]);
        FUZZ_CHECK(action_acts(plan.steps[k]));
    }
    const History& history = session.history;
    FUZZ_CHECK(history.count >= 0 && history.count <= kHistoryCapacity);
    for (int i = 0; i < history.count; ++i) {
        const HistoryEntry& entry = history.entries[i];
        FUZZ_CHECK(entry.position >= kFirstLanePosition && entry.position <= kLastLanePosition);
        FUZZ_CHECK(entry.count >= 0 && entry.count <= kLogCapacity && entry.grown < 512u);
    }
    FUZZ_CHECK(session.marks.find('\0') == std::string::npos);
    const std::string written = write_scenario(session, kScenarioCodec);
    FUZZ_CHECK(write_scenario(read_scenario(written, kScenarioCodec).session, kScenarioCodec) ==
               written);

    const Session before = session;
    if (advance_past_action(session, table()).refusal != AdvanceRefusal::kNone) {
        FUZZ_CHECK(session == before);
        return 0;
    }
    bool readsBack = true;
    try {
        read_scenario(write_scenario(session, kScenarioCodec), kScenarioCodec);
    } catch (const ScenarioError&) {
        readsBack = false;
    }
    FUZZ_CHECK(readsBack);
    return 0;
}
