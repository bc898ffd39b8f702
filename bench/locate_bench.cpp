#include <benchmark/benchmark.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "bench/worked_battle.h"
#include "search/locate.h"
#include "state/kept_positions.h"
#include "view/locate_form.h"

namespace {

// Where the game may stand after the worked battle left the ally at 40 and the enemy at 0, on
// the given sequences over the whole range.
void locate_worked_battle(benchmark::State& bench, std::span<const std::int32_t> seeds) {
    const Session session = worked_battle();
    Observations seen{};
    seen.allyHp = 40;
    seen.enemyHp = 0;
    std::vector<LocatedPosition> found(seeds.size() * kLastLanePosition);
    std::size_t total = 0;
    for (auto _ : bench) {
        total = locate_positions(session.action, bench_tables().randomTable,
                                 every_position_of(seeds), session.lanes[0].position, seen, found);
        benchmark::DoNotOptimize(found.data());
    }
    bench.counters["found"] = static_cast<double>(total);
}

// On 0, 16 and 51, the sequences that 20 marks of sequence 0 leave.
void BM_LocateBattle(benchmark::State& bench) {
    const std::int32_t seeds[] = {0, 16, 51};
    locate_worked_battle(bench, seeds);
}

// On every sequence.
void BM_LocateAllSequences(benchmark::State& bench) {
    std::int32_t seeds[kSeedCount];
    for (int s = 0; s < kSeedCount; ++s) {
        seeds[s] = s;
    }
    locate_worked_battle(bench, seeds);
}

// 実行 with as many kept places as a file holds (sequences 0 to 13, from the start): each tried
// against what lane 0 gave.
void BM_NarrowFullKeptList(benchmark::State& bench) {
    const Session session = worked_battle();
    std::vector<LaneCursor> kept;
    for (std::size_t i = 0; i < kKeptCapacity; ++i) {
        kept.push_back({static_cast<std::int32_t>(i / kLastLanePosition),
                        static_cast<std::int32_t>(1 + i % kLastLanePosition)});
    }
    const RandomTable& table = bench_tables().randomTable;
    const SequenceRun lane = run_action_at(session.action, table, 0, 1);
    const Observations seen = seen_as(session.action, outcome_of(session.action, lane));
    std::size_t left = 0;
    for (auto _ : bench) {
        left = narrow_kept(kept, session.action, table, seen).left.size();
    }
    bench.counters["left"] = static_cast<double>(left);
}

// The same as the window's 探す: the boxes read, the marks of the pattern box matched (with 1:
// every sequence searched instead), the nearest 200 lines made and where every place leads.
void BM_LocateDialog(benchmark::State& bench) {
    const auto state = std::make_unique<WindowState>(fresh_window_state(bench_tables()));
    state->session = worked_battle();
    state->session.marks = "×××○○×××○×○×○○×○×○○×";
    refresh_shown(*state);
    const LocateForm form{"40", "0", false, {}, kReMoveNotSeen, bench.range(0) == 1};
    std::size_t total = 0;
    for (auto _ : bench) {
        const LocateAnswer answer = locate_from_form(*state, form);
        total = answer.found.size();
        benchmark::DoNotOptimize(answer.lines.data());
    }
    bench.counters["found"] = static_cast<double>(total);
}

}  // namespace

BENCHMARK(BM_LocateBattle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocateAllSequences)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NarrowFullKeptList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocateDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
