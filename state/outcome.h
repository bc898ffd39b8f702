#pragma once

#include <cstdint>
#include <string>

#include "state/action_runs.h"

// What one action gave from a position, as a player reads it: the battle's HP and hits, the
// stats that grew, the re-move.
struct ActionOutcome {
    bool battle;
    std::int32_t allyHp;  // after the battle
    std::int32_t enemyHp;
    std::int32_t allyHits;  // strikes of the ally that connected
    std::int32_t enemyHits;
    bool levelUp;
    std::uint32_t grown;  // bit k: stat k grew
    bool reMoveTested;
    bool reMove;
};

ActionOutcome outcome_of(const Action& action, const SequenceRun& run);

// The stats whose bit is set, in stat order (Shift-JIS): "HP 力 速", or empty.
std::string stat_words(std::uint32_t stats);

// The pieces of an outcome, in Shift-JIS, each empty where the action had no such event.
std::string hp_words(const ActionOutcome& outcome, bool ally);  // "40"
std::string hits_words(const ActionOutcome& outcome);           // "2/0": the ally's, the enemy's
std::string growth_words(const ActionOutcome& outcome);         // "HP 力 速", or "なし"
std::string re_move_words(const ActionOutcome& outcome);        // "○" or "×"

// The whole outcome in a few words: "味方40 敵0 命中2/0 成長HP 力 速 再行動○".
std::string outcome_words(const ActionOutcome& outcome);
