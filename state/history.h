#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int kHistoryCapacity = 1000;

// One 実行: where lane 0 stood and how many values the action used there, and what it gave. A
// member that did not apply (no battle, no level-up, no re-move tested) is absent, and the
// session file leaves it out.
struct HistoryEntry {
    std::int32_t seedIndex;
    std::int32_t position;  // before the action
    std::int32_t count;
    bool hasAllyHp;
    bool hasEnemyHp;
    std::array<std::int32_t, 2> allyHp;  // before the battle, after it
    std::array<std::int32_t, 2> enemyHp;
    bool hasGrown;
    std::uint32_t grown;  // bit k: stat k grew
    bool hasReMove;
    bool reMove;

    bool operator==(const HistoryEntry&) const = default;
};

// What was done, oldest first; once it is full, each new entry pushes the oldest out.
struct History {
    std::int32_t count;
    std::array<HistoryEntry, kHistoryCapacity> entries;

    // The same entries in the same order; what lies past count is no part of the record.
    bool operator==(const History& other) const;
};

void append_history(History& history, const HistoryEntry& entry);

// One entry as the record lists it (Shift-JIS): "#00 1→12（11個） 戦闘 味方40→40 敵40→0".
std::string history_line(const HistoryEntry& entry);
