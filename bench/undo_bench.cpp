#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/worked_battle.h"
#include "view/main_commands.h"
#include "view/session.h"
#include "view/undo_history.h"

namespace {

// The worked battle with a full record: a thousand 実行, a session of about 320 KB.
std::unique_ptr<WindowState> battle_with_full_record() {
    auto state = std::make_unique<WindowState>(fresh_window_state(bench_tables()));
    state->session = worked_battle();
    for (int i = 0; i < kHistoryCapacity; ++i) {
        HistoryEntry entry{0,       1 + i % 4000, 11,    true, true, {40, 40},
                           {40, 0}, true,         0x1FF, true, true};
        append_history(state->session.history, entry);
    }
    refresh_shown(*state);
    return state;
}

// What one change costs 元に戻す: the snapshot before it and the comparison after it, with the
// step kept; a lane move's own re-run is left out (the lane goes forward and back by turns).
void BM_UndoStepAroundALaneMove(benchmark::State& bench) {
    const auto state = battle_with_full_record();
    bench.counters["sessionBytes"] = static_cast<double>(session_text(state->session).size());
    UndoHistory history;
    bool forward = true;
    for (auto _ : bench) {
        change_as_one_step(history, *state, [&] {
            state->session.lanes[0].position += forward ? 1 : -1;
            forward = !forward;
        });
    }
    benchmark::DoNotOptimize(history.undo.size());
}
BENCHMARK(BM_UndoStepAroundALaneMove)->Unit(benchmark::kMicrosecond);

// The same around a change that changes nothing, which is no step.
void BM_UndoStepAroundNoChange(benchmark::State& bench) {
    const auto state = battle_with_full_record();
    UndoHistory history;
    for (auto _ : bench) {
        change_as_one_step(history, *state, [] {});
    }
    benchmark::DoNotOptimize(history.undo.size());
}
BENCHMARK(BM_UndoStepAroundNoChange)->Unit(benchmark::kMicrosecond);

// A lane move as the window makes it: the lane's re-run inside the step.
void BM_LaneMoveAsOneStep(benchmark::State& bench) {
    const auto state = battle_with_full_record();
    UndoHistory history;
    bool forward = true;
    for (auto _ : bench) {
        change_as_one_step(history, *state, [&] {
            move_lane(*state, forward ? IDC_LANE0_FORWARD : IDC_LANE0_BACK);
            forward = !forward;
        });
    }
    benchmark::DoNotOptimize(history.undo.size());
}
BENCHMARK(BM_LaneMoveAsOneStep)->Unit(benchmark::kMicrosecond);

// For comparison: writing that session as its file's text, as the window saves it.
void BM_SessionTextWithAFullRecord(benchmark::State& bench) {
    const auto state = battle_with_full_record();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(session_text(state->session).size());
    }
}
BENCHMARK(BM_SessionTextWithAFullRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
