#include <benchmark/benchmark.h>

#include <memory>
#include <set>

#include "bench/worked_battle.h"
#include "search/plan_search.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"
#include "view/main_commands.h"
#include "view/result_table.h"

namespace {

// The worked units and rates: an ally with 連続 against an enemy with 反撃, from position 1 of
// sequence 0, wishing that HP, 力, 速 and 運 grow.
Action worked_action() {
    Action action = worked_battle().action;
    action.levelUpWanted = {1, 1, 0, 0, 1, 0, 0, 1, 0};
    return action;
}

void run_search(benchmark::State& bench, const Action& action, double battlesPerSearch) {
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_positions(action, bench_tables(), 0, 1).result;
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
    Action a = worked_action();
    a.eventSwitches = {0, 1, 0, 0};
    a.enemyCondition = {kResultHpAtLeast, 1000, 0};
    run_search(bench, a, kSearchEnd - 1);
}

void BM_ReMoveSearch(benchmark::State& bench) {
    Action a = worked_action();
    a.eventSwitches = {0, 0, 0, 1};
    run_search(bench, a, 0);
}

void BM_LevelUpSearch(benchmark::State& bench) {
    Action a = worked_action();
    a.eventSwitches = {0, 0, 1, 0};
    run_search(bench, a, 0);
}

// Distinct battle start positions a level-up search with a battle simulates.
double battles_before_level_ups(const Action& action) {
    Action levelUp = action;
    levelUp.eventSwitches = {0, 0, 1, 0};
    const SearchFound candidates = search_positions(levelUp, bench_tables(), 0, 1);
    std::int32_t window = estimate_battle_consumption(action.ally, action.enemy);
    window *= action.predictSwitch == 1 ? 2 : 1;
    std::set<int> starts;
    for (const std::int32_t c : candidates.positions) {
        for (int w = 1; w <= window && c > window; ++w) {
            starts.insert(c - w);
        }
    }
    return static_cast<double>(starts.size());
}

void BM_LevelUpAfterPredictedBattle(benchmark::State& bench) {
    Action a = worked_action();
    a.eventSwitches = {0, 1, 1, 0};
    a.predictSwitch = 1;
    a.enemyCondition = {kResultHpAtMost, 0, 0};
    run_search(bench, a, battles_before_level_ups(a));
}

// A whole turn: the worked battle in which the enemy falls, the same battle with 予測消費 and any
// outcome, a level-up that raises HP, 力, 速 and 運, then a re-move.
TurnPlan four_step_plan() {
    TurnPlan plan{};
    plan.stepCount = 4;
    const auto step = [](EventSwitches switches, std::int32_t predict, bool enemyFalls) {
        Action a = worked_action();
        a.eventSwitches = switches;
        a.predictSwitch = predict;
        a.enemyCondition = enemyFalls ? BattleResultCondition{kResultHpAtMost, 0, 0}
                                      : BattleResultCondition{kResultHpUnchanged, 0, 1};
        return a;
    };
    plan.steps[0] = step({0, 1, 0, 0}, 0, true);
    plan.steps[1] = step({0, 1, 0, 0}, 1, false);
    plan.steps[2] = step({0, 0, 1, 0}, 0, false);
    plan.steps[3] = step({0, 0, 0, 1}, 0, false);
    return plan;
}

// Over the whole range of sequence 0.
void BM_FourStepPlan(benchmark::State& bench) {
    const TurnPlan plan = four_step_plan();
    const auto results = std::make_unique<PlanSearchResults>();
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_plan(plan, bench_tables(), 0, 1, *results);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["results"] = result;
}

// The positions that hold on each of 0, 16 and 51, the sequences that 20 marks of sequence 0
// leave, over the whole range.
void run_common(benchmark::State& bench, const Action& action, const TurnPlan& plan) {
    const std::int32_t seeds[] = {0, 16, 51};
    const auto work = std::make_unique<PlanSearchResults>();
    std::int32_t positions[kSearchEnd];
    std::int32_t result = 0;
    for (auto _ : bench) {
        result = search_common(action, plan, bench_tables(), seeds, 1, *work, positions);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["results"] = result;
}

void BM_CommonBattle(benchmark::State& bench) {
    Action a = worked_action();
    a.eventSwitches = {0, 1, 0, 0};
    a.enemyCondition = {kResultHpAtMost, 0, 0};
    run_common(bench, a, TurnPlan{});
}

void BM_CommonFourStepPlan(benchmark::State& bench) {
    run_common(bench, worked_action(), four_step_plan());
}

// The table of 検索結果 over the whole range: the worked battle with any outcome holds everywhere,
// 4004 rows, each with its battle run again for its columns.
void BM_ResultTable(benchmark::State& bench) {
    static Tables tables;
    generate_random_tables(tables.randomTable);
    tables.allyUnitCount = 1;
    tables.allyUnits[0] = bench_tables().allyUnits[0];
    tables.growthTable[0] = bench_tables().growthTable[0];
    tables.growthTable[0][kReMoveRateIndex] = 100;
    const auto s = std::make_unique<WindowState>(fresh_window_state(tables));
    Action& a = s->session.action;
    a = worked_action();
    a.eventSwitches = {0, 1, 0, 1};
    a.enemyCondition = {kResultHpUnchanged, 0, 1};
    a.growthRates[kReMoveRateIndex] = 100;
    refresh_shown(*s);
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
