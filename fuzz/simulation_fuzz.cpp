// Two units with any 32-bit figures and any skill flags, a seed, a lane position, the switches,
// the conditions and the rates, all decoded from the input: the event runner and the search
// run on them, and the turn-plan search on that action twice, and must keep the log and the
// results within their bounds.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_check.h"
#include "search/plan_search.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"
#include "state/session_view.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto tables = [] {
        auto made = std::make_unique<Tables>();
        generate_random_tables(made->randomTable);
        made->allyUnitCount = 1;
        std::strcpy(made->allyUnits[0].name, "A");
        return made;
    }();
    InputBytes in{data, size};
    Session s = default_session();
    Action& a = s.action;
    a.ally = CombatantState{};
    a.enemy = CombatantState{};
    decode_unit(in, a.ally);
    decode_unit(in, a.enemy);
    // The ally's growth row is found by name for the re-move rate, or not at all.
    std::strcpy(a.ally.name, in.byte() % 2 == 0 ? "A" : "B");
    for (std::int32_t& rate : tables->growthTable[0]) {
        rate = in.int32();
    }
    for (std::int32_t& rate : a.growthRates) {
        rate = in.int32();
    }
    for (std::int32_t& on : a.eventSwitches) {
        on = in.byte() % 3;
    }
    a.predictSwitch = in.byte() % 3;
    decode_condition(in, a.allyCondition);
    decode_condition(in, a.enemyCondition);
    for (std::int32_t& wanted : a.levelUpWanted) {
        wanted = in.byte() % 3;
    }
    const int seed = in.byte() % kSeedCount;
    const int position =
        kFirstLanePosition +
        static_cast<int>(static_cast<std::uint32_t>(in.int32()) % kLastLanePosition);
    s.lanes[0] = LaneCursor{seed, position};
    check_log(run_lane(s, *tables, 0).log);

    const SearchFound found = search_positions(a, *tables, seed, position);
    const std::int32_t result = found.result;
    FUZZ_CHECK(result >= kSearchNoWish);
    FUZZ_CHECK(found.positions.size() == static_cast<std::size_t>(std::max(result, 0)));
    const bool levelUp = a.eventSwitches[kSwitchLevelUp] == 1;
    const bool battle = a.eventSwitches[kSwitchBattle] == 1;
    if (!levelUp) {
        FUZZ_CHECK(result <= kShortSearchLimit);
    }
    // Battles before a level-up start up to the estimated window before the first position.
    std::int64_t earliest = position;
    if (levelUp && battle) {
        earliest -= std::int64_t{estimate_battle_consumption(a.ally, a.enemy)} *
                    (a.predictSwitch == 1 ? 2 : 1);
    }
    for (const std::int32_t p : found.positions) {
        FUZZ_CHECK(p >= earliest && p >= kFirstLanePosition && p < kSearchEnd);
    }

    // The same action twice in a row: every chain starts from the position on, in order, and
    // never goes back.
    static TurnPlan plan;
    static PlanSearchResults chains;
    plan.stepCount = 2;
    plan.steps[0] = plan.steps[1] = a;
    const std::int32_t planned = search_plan(plan, *tables, seed, position, chains);
    FUZZ_CHECK(planned >= kSearchNoWish && (planned >= 0) == (result >= 0));
    for (std::int32_t r = 0; r < planned; ++r) {
        FUZZ_CHECK(chains.chains[r][0] >= position && chains.chains[r][1] < kSearchEnd);
        FUZZ_CHECK(chains.chains[r][0] <= chains.chains[r][1]);
        FUZZ_CHECK(r == 0 || chains.chains[r - 1][0] < chains.chains[r][0]);
    }
    return 0;
}
