#include <benchmark/benchmark.h>

#include <numeric>

#include "random/mark_advice.h"
#include "random/near_match.h"

namespace {

constexpr int kTypedMarks = 499;

const RandomTable& generated_table() {
    static RandomTable table;
    [[maybe_unused]] static const bool generated = (generate_random_tables(table), true);
    return table;
}

// The most marks the pattern box holds, those of sequence 0 from position 1: 0, 16 and 51
// show them all, so three sequences run the whole length and the rest drop out early.
void typed_marks(MarkArray& marks) {
    for (int k = 0; k < kTypedMarks; ++k) {
        marks[k] = mark_at(generated_table(), 0, k + 1);
    }
}

void BM_ExactMatch(benchmark::State& bench) {
    MarkArray marks;
    typed_marks(marks);
    CandidateList candidates;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(match_seeds(generated_table(), marks, kTypedMarks, candidates));
    }
}

// The same marks with slips a tolerance forgives, one wrong near the start and one left out
// near the end, so the three sequences carry their edits through the band.
void BM_NearMatch(benchmark::State& bench) {
    MarkArray marks;
    typed_marks(marks);
    marks[10] = 1 - marks[10];
    std::copy(marks + 401, marks + kTypedMarks, marks + 400);
    const int tolerance = static_cast<int>(bench.range(0));
    NearMatchList near;
    int count = 0;
    for (auto _ : bench) {
        count = match_near(generated_table(), marks, kTypedMarks - 1, tolerance, near);
        benchmark::DoNotOptimize(near);
    }
    bench.counters["near"] = count;
}

// No mark: all 64 match, the most the advice ever compares.
void BM_NextMarkAdvice(benchmark::State& bench) {
    CandidateList all;
    std::iota(std::begin(all), std::end(all), 0);
    NextMarkAdvice advice;
    for (auto _ : bench) {
        advise_next_mark(generated_table(), 0, all, kSeedCount, advice);
        benchmark::DoNotOptimize(advice);
    }
}

}  // namespace

BENCHMARK(BM_ExactMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearMatch)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextMarkAdvice)->Unit(benchmark::kMicrosecond);
