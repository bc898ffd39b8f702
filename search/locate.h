#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "random/marks.h"
#include "state/action.h"
#include "state/observations.h"
#include "state/position_set.h"

// A place where the game may have run the action.
struct LocatedPosition {
    std::int32_t seedIndex;
    std::int32_t position;
    std::int32_t offset;  // position less lane 0's
    std::int32_t next;    // position plus the values the action used: where the game stands now

    bool operator==(const LocatedPosition&) const = default;
};

// The sequences to look in: those the marks of markText (the pattern box's text) match exactly,
// ascending; lane 0's alone when they match none, or every one as when there are no marks.
struct LocateSequences {
    int count;
    CandidateList seeds;
    bool byMarks;  // the marks' sequences, not lane 0's
};
LocateSequences locate_sequences(const RandomTable& table, const char* markText, int laneSeed);

// Every lane position of each of the sequences.
PositionSet every_position_of(std::span<const std::int32_t> seeds);

// Every place of where at which the action, run there as lane 0 runs it, gives each observation
// given; nearest to from (lane 0's position) first: by |offset|, then offset, then sequence. The
// first found.size() of them go to found; returns how many there are in all. An observation of
// an event the action does not have matches nowhere.
std::size_t locate_positions(const Action& action, const RandomTable& table,
                             const PositionSet& where, int from, const Observations& seen,
                             std::span<LocatedPosition> found);

// An offset as the lists show it (Shift-JIS): "+3", "-2", "±0".
std::string offset_words(std::int32_t offset);
