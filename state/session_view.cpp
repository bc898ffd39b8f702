#include "state/session_view.h"

#include <algorithm>
#include <memory>

#include "state/action_runs.h"

namespace {

constexpr int kNearTolerance = 2;

// The plan's chain as one log: each step's entries after the one before, as many as fit.
void run_plan_into(const TurnPlan& plan, const Tables& tables, LaneRun& run) {
    ConsumptionLog& log = run.log;
    PlanRuns runs;
    run.steps.count = run_plan_chain(plan, tables.randomTable, log.seedIndex, log.position, runs);
    for (int k = 0; k < run.steps.count; ++k) {
        const ConsumptionLog& step = runs[k].log;
        StepSpan& span = run.steps.spans[k];
        span.start = log.count;
        for (int i = 0; i < step.count && log.count < kLogCapacity; ++i, ++log.count) {
            log.codes[log.count] = step.codes[i];
            log.success[log.count] = step.success[i];
        }
        span.end = log.count;
        span.predictSwitch = plan.steps[k].predictSwitch;
        span.predictStart = span.start + step.predictStart;
        span.predictEnd = span.start + step.predictEnd;
        for (int slot = 0; slot < kStrikeStartSlots; ++slot) {
            const std::int32_t first = step.strikeStarts[slot];
            span.strikeStarts[slot] = first == kNoStrikeGroup ? first : span.start + first;
        }
    }
    if (run.steps.count > 0) {
        run.allyHpAfter = runs[0].allyHpAfterBattle;
        run.enemyHpAfter = runs[0].enemyHpAfterBattle;
    }
}

}  // namespace

LaneRun run_lane(const Session& session, const Tables& tables, int lane) {
    LaneRun run{};
    const LaneCursor& cursor = session.lanes[lane];
    run.log.seedIndex = cursor.seedIndex;
    run.log.position = cursor.position;
    if (!ally_is_set(session)) {
        return run;
    }
    if (session.plan.stepCount > 0) {
        run_plan_into(session.plan, tables, run);
        return run;
    }
    SequenceRun events{};
    run_action_into(session.action, tables.randomTable, cursor.seedIndex, cursor.position, events);
    run.log = events.log;
    run.allyHpAfter = events.allyHpAfterBattle;
    run.enemyHpAfter = events.enemyHpAfterBattle;
    return run;
}

MarkReading read_marks(const std::string& marks, const RandomTable& table) {
    MarkReading reading{};
    reading.markCount = parse_mark_pattern(marks.c_str(), reading.marks);
    reading.candidateCount =
        match_seeds(table, reading.marks, reading.markCount, reading.candidates);
    reading.adviceShown = reading.markCount > 0 && reading.candidateCount >= 2;
    if (reading.adviceShown) {
        advise_next_mark(table, reading.markCount, reading.candidates, reading.candidateCount,
                         reading.markAdvice);
    } else if (reading.markCount > 0 && reading.candidateCount == 0) {
        reading.nearCount = std::min(match_near(table, reading.marks, reading.markCount,
                                                kNearTolerance, reading.nearMatches),
                                     kMaxNearShown);
    }
    return reading;
}

TellingEntry telling_entry(const Session& session, const Tables& tables,
                           const MarkReading& reading) {
    TellingEntry telling{};
    telling.entry = -1;
    const NextMarkAdvice& advice = reading.markAdvice;
    if (!reading.adviceShown || advice.groupCount == 0 || advice.marksToSettle != 0 ||
        !ally_is_set(session)) {
        return telling;
    }
    // 64 logs: too large for the stack of the window's thread to spare lightly.
    const auto runs = std::make_unique<SequenceRuns>();
    run_on_sequences(session.action, tables.randomTable, reading.candidates, reading.candidateCount,
                     reading.markCount + 1, *runs);
    find_telling_entry(*runs, reading.candidateCount, telling);
    return telling;
}
