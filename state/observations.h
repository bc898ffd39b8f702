#pragma once

#include <cstdint>
#include <optional>

#include "state/action.h"
#include "state/outcome.h"

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

// Whether the action can show everything seen.
bool action_shows_all(const Action& action, const Observations& seen);

// Whether the action's run gives each observation given.
bool run_gives(const Action& action, const SequenceRun& run, const Observations& seen);

// An outcome taken as seen: every part of it that the action shows (both HPs as they are, also
// below 0).
Observations seen_as(const Action& action, const ActionOutcome& outcome);
