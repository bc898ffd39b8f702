#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/worked_battle.h"
#include "search/locate.h"
#include "view/locate_form.h"

namespace {

// Where the game may stand after the worked battle left the ally at 40 and the enemy at 0, on
// each of 0, 16 and 51, the sequences that 20 marks of sequence 0 leave, over the whole range.
void BM_LocateBattle(benchmark::State& bench) {
    const Session session = worked_battle();
    const std::int32_t seeds[] = {0, 16, 51};
    Observations seen{};
    seen.allyHp = 40;
    seen.enemyHp = 0;
    std::vector<LocatedPosition> found(std::size(seeds) * kLastLanePosition);
    std::size_t total = 0;
    for (auto _ : bench) {
        total = locate_positions(session.action, bench_tables().randomTable, seeds,
                                 session.lanes[0].position, seen, found);
        benchmark::DoNotOptimize(found.data());
    }
    bench.counters["found"] = static_cast<double>(total);
}

// The same as the window's 探す: the boxes read, the marks of the pattern box matched, the
// nearest 200 kept and their lines made.
void BM_LocateDialog(benchmark::State& bench) {
    const auto state = std::make_unique<WindowState>(fresh_window_state(bench_tables()));
    state->session = worked_battle();
    state->session.marks = "×××○○×××○×○×○○×○×○○×";
    refresh_shown(*state);
    const LocateForm form{"40", "0", false, {}, kReMoveNotSeen};
    std::size_t total = 0;
    for (auto _ : bench) {
        const LocateAnswer answer = locate_from_form(*state, form);
        total = answer.total;
        benchmark::DoNotOptimize(answer.lines.data());
    }
    bench.counters["found"] = static_cast<double>(total);
}

}  // namespace

BENCHMARK(BM_LocateBattle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocateDialog)->Unit(benchmark::kMillisecond);
