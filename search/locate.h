#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "random/marks.h"
#include "state/action.h"

// What the player saw the action do in the game, each part only where it was seen.
struct Observations {
    // The HP each side kept after the battle.
    std::optional<std::int32_t> allyHp;
    std::optional<std::int32_t> enemyHp;
    // Bit k: whether level-up entry k (HP 力 魔 技 速 守 体 運 移) passed.
    std::optional<std::uint32_t> grown;
    // Whether the unit could move again.
    std::optional<bool> reMove;
};

inline bool anything_seen(const Observations& seen) {
    return seen.allyHp || seen.enemyHp || seen.grown || seen.reMove;
}

enum class Observed { kAllyHp, kEnemyHp, kGrown, kReMove };

// Whether the action has the event an observation is about: a battle for either HP, a level-up
// for the growths, a re-move whose rate is not 0 (at 0 no value is used for it).
bool action_shows(const Action& action, Observed what);

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

// Every position from 1 to 4973 of each of the seeds at which the action, run there as lane 0
// runs it, gives each observation given; nearest to from (lane 0's position) first: by |offset|,
// then offset, then sequence. The first found.size() of them go to found; returns how many there
// are in all. An observation of an event the action does not have matches nowhere.
std::size_t locate_positions(const Action& action, const RandomTable& table,
                             std::span<const std::int32_t> seeds, int from,
                             const Observations& seen, std::span<LocatedPosition> found);

// An offset as the lists show it (Shift-JIS): "+3", "-2", "±0".
std::string offset_words(std::int32_t offset);
