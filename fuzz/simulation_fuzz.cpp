// Two units with any 32-bit figures and any skill flags, a seed, a lane position, the switches,
// the conditions and the rates, all decoded from the input: the event runner and the search
// run on them, and the turn-plan search on that action twice, and must keep the log, the units
// and the results within their bounds.
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_check.h"
#include "search/plan_search.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"

namespace {

// Reads the input front to back; what is missing reads as zero.
struct InputBytes {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() {
        if (size == 0) {
            return 0;
        }
        --size;
        return *data++;
    }
    std::int32_t int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(byte()) << (8 * i);
        }
        return static_cast<std::int32_t>(value);
    }
};

void decode_unit(InputBytes& in, CombatantState& unit) {
    for (std::int32_t* figure :
         {&unit.followUpCritFactor, &unit.level, &unit.technique, &unit.luck, &unit.hitRate,
          &unit.critRate, &unit.attackSpeed, &unit.attack, &unit.defense, &unit.hp, &unit.maxHp}) {
        *figure = in.int32();
    }
    for (std::int32_t& flag : unit.skills) {
        flag = in.byte() % 3;
    }
}

void decode_condition(InputBytes& in, BattleResultCondition& condition) {
    condition.type = static_cast<std::int8_t>(in.byte());
    condition.n = in.int32();
    condition.unspecified = in.byte() % 2;
}

void check_log(const ConsumptionLog& log) {
    FUZZ_CHECK(log.count >= 0 && log.count <= kLogCapacity);
    for (const std::int32_t start : log.strikeStarts) {
        FUZZ_CHECK(start == kNoStrikeGroup || (start >= 0 && start <= log.count));
    }
    for (int i = 0; i < log.count; ++i) {
        FUZZ_CHECK(log.codes[i] >= 0 && log.codes[i] < kConsumptionCodeCount);
    }
    FUZZ_CHECK(log.attackerHitsLanded >= 0 && log.defenderHitsLanded >= 0);
    FUZZ_CHECK(log.attackerHitsLanded + log.defenderHitsLanded <= log.count);
}

void check_units_kept(const CombatantState& before, const CombatantState& after) {
    FUZZ_CHECK(after.hp == before.hp);
    FUZZ_CHECK(after.critRate == before.critRate);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<AppState> state = [] {
        auto s = std::make_unique<AppState>();
        generate_random_tables(s->randomTable);
        return s;
    }();
    AppState& s = *state;
    InputBytes in{data, size};
    s.ally = CombatantState{};
    s.enemy = CombatantState{};
    decode_unit(in, s.ally);
    decode_unit(in, s.enemy);
    // The ally's growth row is found by name for the re-move rate, or not at all.
    s.allyUnitCount = 1;
    std::strcpy(s.allyUnits[0].name, "A");
    std::strcpy(s.ally.name, in.byte() % 2 == 0 ? "A" : "B");
    for (std::int32_t& rate : s.growthTable[0]) {
        rate = in.int32();
    }
    for (std::int32_t& rate : s.growthRates) {
        rate = in.int32();
    }
    for (std::int32_t& on : s.eventSwitches) {
        on = in.byte() % 3;
    }
    s.predictSwitch = in.byte() % 3;
    decode_condition(in, s.allyCondition);
    decode_condition(in, s.enemyCondition);
    for (std::int32_t& wanted : s.levelUpWanted) {
        wanted = in.byte() % 3;
    }
    const int seed = in.byte() % kSeedCount;
    const int position =
        kFirstLanePosition +
        static_cast<int>(static_cast<std::uint32_t>(in.int32()) % kLastLanePosition);

    const CombatantState ally = s.ally;
    const CombatantState enemy = s.enemy;
    Lane& lane = s.lanes[0];
    lane = Lane{};
    lane.seedIndex = seed;
    lane.position = position;
    rerun_lane(s, 0);
    check_log(lane);
    check_units_kept(ally, s.ally);
    check_units_kept(enemy, s.enemy);

    const std::int32_t result = search_positions(s, seed, position);
    check_units_kept(ally, s.ally);
    check_units_kept(enemy, s.enemy);
    FUZZ_CHECK(result >= kSearchNoWish);
    const bool levelUp = s.eventSwitches[kSwitchLevelUp] == 1;
    const bool battle = s.eventSwitches[kSwitchBattle] == 1;
    if (!levelUp) {
        FUZZ_CHECK(result <= kShortSearchLimit);
    }
    // Battles before a level-up start up to the estimated window before the first position.
    std::int64_t earliest = position;
    if (levelUp && battle) {
        earliest -= std::int64_t{estimate_battle_consumption(s.ally, s.enemy)} *
                    (s.predictSwitch == 1 ? 2 : 1);
    }
    for (std::int32_t r = 0; r < result; ++r) {
        FUZZ_CHECK(s.searchResults[r] >= earliest && s.searchResults[r] >= kFirstLanePosition);
        FUZZ_CHECK(s.searchResults[r] < kSearchEnd);
    }

    // The same action twice in a row: every chain starts from the position on, in order, and
    // never goes back.
    static TurnPlan plan;
    static PlanSearchResults found;
    plan.stepCount = 2;
    plan.steps[0] = plan.steps[1] = s;
    const std::int32_t planned = search_plan(s, plan, seed, position, found);
    check_units_kept(ally, s.ally);
    FUZZ_CHECK(planned >= kSearchNoWish && (planned >= 0) == (result >= 0));
    for (std::int32_t r = 0; r < planned; ++r) {
        FUZZ_CHECK(found.chains[r][0] >= position && found.chains[r][1] < kSearchEnd);
        FUZZ_CHECK(found.chains[r][0] <= found.chains[r][1]);
        FUZZ_CHECK(r == 0 || found.chains[r - 1][0] < found.chains[r][0]);
    }
    return 0;
}
