#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/worked_battle.h"
#include "state/kept_positions.h"
#include "view/controller.h"
#include "view/main_commands.h"
#include "view/session.h"

namespace {

// The worked battle with a full record: a thousand 実行, a session of about 320 KB.
std::unique_ptr<Controller> battle_with_full_record() {
    Session session = worked_battle();
    for (int i = 0; i < kHistoryCapacity; ++i) {
        HistoryEntry entry{0,       1 + i % 4000, 11,    true, true, {40, 40},
                           {40, 0}, true,         0x1FF, true, true};
        append_history(session.history, entry);
    }
    auto controller = std::make_unique<Controller>(bench_tables());
    controller->open_session(session_text(session));
    return controller;
}

// What one change costs 元に戻す: the copy of the session before it and the comparison after
// it, with the step kept; a lane move's own re-run is left out (the lane goes forward and back
// by turns).
void move_lane_back_and_forth(benchmark::State& bench, Controller& controller) {
    bool forward = true;
    for (auto _ : bench) {
        controller.change([&forward](WindowState& state) {
            state.session.lanes[0].position += forward ? 1 : -1;
            forward = !forward;
            return true;
        });
    }
    benchmark::DoNotOptimize(controller.can_undo());
}

void BM_UndoStepAroundALaneMove(benchmark::State& bench) {
    const auto controller = battle_with_full_record();
    bench.counters["sessionBytes"] =
        static_cast<double>(session_text(controller->session()).size());
    move_lane_back_and_forth(bench, *controller);
}
BENCHMARK(BM_UndoStepAroundALaneMove)->Unit(benchmark::kMicrosecond);

// The same around a change that changes nothing, which is no step.
void BM_UndoStepAroundNoChange(benchmark::State& bench) {
    const auto controller = battle_with_full_record();
    for (auto _ : bench) {
        controller->change([](WindowState&) { return false; });
    }
    benchmark::DoNotOptimize(controller->can_undo());
}
BENCHMARK(BM_UndoStepAroundNoChange)->Unit(benchmark::kMicrosecond);

// A lane move as the window makes it: the lane's re-run inside the step.
void BM_LaneMoveAsOneStep(benchmark::State& bench) {
    const auto controller = battle_with_full_record();
    bool forward = true;
    for (auto _ : bench) {
        controller->change([&forward](WindowState& state) {
            forward = !forward;
            return move_lane(state, forward ? IDC_LANE0_BACK : IDC_LANE0_FORWARD);
        });
    }
    benchmark::DoNotOptimize(controller->can_undo());
}
BENCHMARK(BM_LaneMoveAsOneStep)->Unit(benchmark::kMicrosecond);

// For comparison: writing that session as its file's text, as the window saves it.
void BM_SessionTextWithAFullRecord(benchmark::State& bench) {
    const auto controller = battle_with_full_record();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(session_text(controller->session()).size());
    }
}
BENCHMARK(BM_SessionTextWithAFullRecord)->Unit(benchmark::kMicrosecond);

// The worked battle with as many kept places as a file holds: sequences 0 to 13, from the start.
Session battle_with_full_kept_list() {
    Session session = worked_battle();
    for (std::size_t i = 0; i < kKeptCapacity; ++i) {
        session.kept.push_back({static_cast<std::int32_t>(i / kLastLanePosition),
                                static_cast<std::int32_t>(1 + i % kLastLanePosition)});
    }
    return session;
}

// A session of 65,536 kept places read from its file's text, as 開く reads it.
void BM_FullKeptListRead(benchmark::State& bench) {
    const std::string text = session_text(battle_with_full_kept_list());
    bench.counters["sessionBytes"] = static_cast<double>(text.size());
    for (auto _ : bench) {
        benchmark::DoNotOptimize(read_scenario(text, kScenarioCodec).session.kept.size());
    }
}
BENCHMARK(BM_FullKeptListRead)->Unit(benchmark::kMillisecond);

// The same written, as 保存 and the last session write it.
void BM_FullKeptListWritten(benchmark::State& bench) {
    const Session session = battle_with_full_kept_list();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(session_text(session).size());
    }
}
BENCHMARK(BM_FullKeptListWritten)->Unit(benchmark::kMillisecond);

// One change around a lane move with those places kept: the copy of the session and the roster
// before it and the comparison after it, as 元に戻す keeps a step.
void BM_UndoStepWithAFullKeptList(benchmark::State& bench) {
    auto controller = std::make_unique<Controller>(bench_tables());
    controller->open_session(session_text(battle_with_full_kept_list()));
    move_lane_back_and_forth(bench, *controller);
}
BENCHMARK(BM_UndoStepWithAFullKeptList)->Unit(benchmark::kMicrosecond);

}  // namespace
