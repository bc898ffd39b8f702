#pragma once

#include <cstdint>

#include "random/marks.h"
#include "state/action_runs.h"

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
