// The command line's scenario reader, on JSON of any shape and size: either it refuses the
// text with its one kind of error, or what it stores lies within the ranges it promises.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/scenario.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<AppState> state = std::make_unique<AppState>();
    std::memset(static_cast<void*>(state.get()), 0, sizeof(AppState));
    set_lane_defaults(*state);
    set_unit_defaults(*state);
    set_condition_defaults(*state);
    try {
        apply_scenario_text(std::string(reinterpret_cast<const char*>(data), size), *state);
    } catch (const CliError&) {
        return 0;
    }
    for (const Lane& lane : state->lanes) {
        FUZZ_CHECK(lane.seedIndex >= 0 && lane.seedIndex < kSeedCount);
        FUZZ_CHECK(lane.position >= kFirstLanePosition && lane.position <= kLastLanePosition);
    }
    for (const CombatantState* unit : {&state->ally, &state->enemy}) {
        FUZZ_CHECK(std::memchr(unit->name, '\0', sizeof unit->name) != nullptr);
        FUZZ_CHECK(unit->level >= -999 && unit->level <= 9999);
        FUZZ_CHECK(unit->maxHp >= -999 && unit->maxHp <= 9999);
    }
    for (const std::int32_t wanted : state->levelUpWanted) {
        FUZZ_CHECK(wanted >= 0 && wanted <= 2);
    }
    FUZZ_CHECK(state->allyCondition.unspecified <= 1 && state->enemyCondition.unspecified <= 1);
    return 0;
}
