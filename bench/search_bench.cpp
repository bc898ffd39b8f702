#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <set>

#include "search/plan_search.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"
#include "view/main_commands.h"
#include "view/result_table.h"

namespace {

// The worked units and rates: an ally with 連続 against an enemy with 反撃, from position 1 of
// sequence 0.
std::unique_ptr<AppState> worked_state() {
    auto state = std::make_unique<AppState>();
    AppState& s = *state;
    generate_random_tables(s.randomTable);
    set_start_up_defaults(s);
    s.allyUnitCount = 1;
    std::strcpy(s.allyUnits[0].name, "アルト");
    s.growthTable[0] = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};
    s.growthRates = s.growthTable[0];
    s.ally.followUpCritFactor = 2;
    std::strcpy(s.ally.name, "アルト");
    std::strcpy(s.enemy.name, "山賊ガロ");
    s.enemy.followUpCritFactor = 1;
    s.enemy.skills[kSkillCounter] = 1;
    s.levelUpWanted = {1, 1, 0, 0, 1, 0, 0, 1, 0};
    return state;
}

void run_search(benchmark::State& bench, AppState& s, double battlesPerSearch) {
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_positions(s, 0, 1);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["results"] = result;
    if (battlesPerSearch > 0) {
        bench.counters["battles/s"] =
            benchmark::Counter(battlesPerSearch * static_cast<double>(bench.iterations()),
                               benchmark::Counter::kIsRate);
    }
}

void BM_BattleSearchNeverMet(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 1, 0, 0};
    s->enemyCondition = {kResultHpAtLeast, 1000, 0};
    run_search(bench, *s, kSearchEnd - 1);
}

void BM_ReMoveSearch(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 0, 0, 1};
    run_search(bench, *s, 0);
}

void BM_LevelUpSearch(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 0, 1, 0};
    run_search(bench, *s, 0);
}

// Distinct battle start positions a level-up search with a battle simulates.
double battles_before_level_ups(AppState& s) {
    const EventSwitches switches = s.eventSwitches;
    s.eventSwitches = {0, 0, 1, 0};
    const std::int32_t candidates = search_positions(s, 0, 1);
    s.eventSwitches = switches;
    std::int32_t window = estimate_battle_consumption(s.ally, s.enemy);
    window *= s.predictSwitch == 1 ? 2 : 1;
    std::set<int> starts;
    for (std::int32_t i = 0; i < candidates; ++i) {
        for (int w = 1; w <= window && s.searchResults[i] > window; ++w) {
            starts.insert(s.searchResults[i] - w);
        }
    }
    return static_cast<double>(starts.size());
}

void BM_LevelUpAfterPredictedBattle(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 1, 1, 0};
    s->predictSwitch = 1;
    s->enemyCondition = {kResultHpAtMost, 0, 0};
    const double battles = battles_before_level_ups(*s);
    run_search(bench, *s, battles);
}

// A whole turn: the worked battle in which the enemy falls, the same battle with 予測消費 and any
// outcome, a level-up that raises HP, 力, 速 and 運, then a re-move.
TurnPlan four_step_plan(AppState& s) {
    TurnPlan plan{};
    plan.stepCount = 4;
    const auto step = [&](EventSwitches switches, std::int32_t predict, bool enemyFalls) {
        s.eventSwitches = switches;
        s.predictSwitch = predict;
        s.enemyCondition = enemyFalls ? BattleResultCondition{kResultHpAtMost, 0, 0}
                                      : BattleResultCondition{kResultHpUnchanged, 0, 1};
        return static_cast<const Action&>(s);
    };
    plan.steps[0] = step({0, 1, 0, 0}, 0, true);
    plan.steps[1] = step({0, 1, 0, 0}, 1, false);
    plan.steps[2] = step({0, 0, 1, 0}, 0, false);
    plan.steps[3] = step({0, 0, 0, 1}, 0, false);
    return plan;
}

// Over the whole range of sequence 0.
void BM_FourStepPlan(benchmark::State& bench) {
    auto s = worked_state();
    const TurnPlan plan = four_step_plan(*s);
    const auto results = std::make_unique<PlanSearchResults>();
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_plan(*s, plan, 0, 1, *results);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["results"] = result;
}

// The positions that hold on each of 0, 16 and 51, the sequences that 20 marks of sequence 0
// leave, over the whole range.
void run_common(benchmark::State& bench, AppState& s, const TurnPlan& plan) {
    const std::int32_t seeds[] = {0, 16, 51};
    const auto work = std::make_unique<PlanSearchResults>();
    std::int32_t positions[kSearchEnd];
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_common(s, plan, seeds, 3, 1, *work, positions);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["results"] = result;
}

void BM_CommonBattle(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 1, 0, 0};
    s->enemyCondition = {kResultHpAtMost, 0, 0};
    run_common(bench, *s, TurnPlan{});
}

void BM_CommonFourStepPlan(benchmark::State& bench) {
    auto s = worked_state();
    run_common(bench, *s, four_step_plan(*s));
}

// The table of 検索結果 over the whole range: the worked battle with any outcome holds everywhere,
// 4004 rows, each with its battle run again for its columns.
void BM_ResultTable(benchmark::State& bench) {
    auto s = worked_state();
    s->eventSwitches = {0, 1, 0, 1};
    s->enemyCondition = {kResultHpUnchanged, 0, 1};
    s->growthRates[kReMoveRateIndex] = 100;
    s->growthTable[0][kReMoveRateIndex] = 100;
    search_from_lane_zero(*s);
    ResultTable table;
    for (auto _ : bench) {
        fill_results_table(*s, table);
        benchmark::DoNotOptimize(table.order.data());
    }
    bench.counters["rows"] = static_cast<double>(table.order.size());
}

}  // namespace

BENCHMARK(BM_ResultTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourStepPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommonBattle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommonFourStepPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BattleSearchNeverMet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReMoveSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelUpSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelUpAfterPredictedBattle)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
