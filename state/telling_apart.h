#pragma once

#include <array>
#include <cstdint>

#include "random/marks.h"
#include "random/random_table.h"
#include "sim/consumption_log.h"
#include "state/action.h"

// What an action gives on one sequence from one position: its log and both units' HP after
// its battle.
struct SequenceRun {
    ConsumptionLog log;
    std::int32_t allyHpAfterBattle;
    std::int32_t enemyHpAfterBattle;
};
using SequenceRuns = std::array<SequenceRun, kSeedCount>;

// Runs the action's events as lane 0 would, once on each of count sequences (at most 64), each
// from position.
void run_on_sequences(const Action& action, const RandomTable& table, const std::int32_t* seeds,
                      int count, int position, SequenceRuns& runs);

enum TellingSide { kTellingPasses = 0, kTellingFails = 1 };

// The first log entry whose test passes on some of the runs and fails on others: for each side,
// the runs' sequences in run order and the entry's code.
struct TellingEntry {
    std::int32_t entry;  // -1: no entry within the shortest log tells the runs apart
    std::int32_t counts[2];
    CandidateList seeds[2];
    std::int32_t codes[2];
};

void find_telling_entry(const SequenceRuns& runs, int count, TellingEntry& telling);
