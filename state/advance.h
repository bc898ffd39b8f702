#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/names.h"
#include "state/figure_limits.h"
#include "state/outcome.h"
#include "state/session.h"

// Why 実行 did nothing.
enum class AdvanceRefusal {
    kNone,
    kNoAlly,       // no status set yet
    kNothingUsed,  // neither 戦闘, レベルアップ nor 再行動 is on: 移動 alone uses no value
    kFullLog,      // the log's 256 entries are not all that the action used
    kPastLastPosition,  // lane 0 would pass 4973
    kFigureTooHigh,     // a figure would pass 9999
    kFigureTooLow,      // a figure would fall below -999, which no session file can hold
};

// One figure of a unit, before the action and after it.
struct FigureChange {
    bool ally;   // else the enemy
    int figure;  // index into kUnitFigures
    std::int64_t before;
    std::int64_t after;
};

// What 実行 did, or would have done when it was refused.
struct AdvanceReport {
    AdvanceRefusal refusal;
    // The record's entry: lane 0's sequence, its position before and the count; the HPs before
    // and after the battle, the stats that grew, the re-move, where they applied.
    HistoryEntry entry;
    ActionOutcome outcome;  // the same as the run gave it
    std::int32_t positionAfter;
    // Every figure that changed, the ally's first, each unit's in the status dialog's order.
    int changeCount;
    std::array<FigureChange, 2 * kFigureCount> changes;
    FigureChange refusedFigure;  // the figure at fault, on kFigureTooHigh and kFigureTooLow
    // With kept places: how many (each once) were tried, and how many gave what lane 0 gave.
    std::size_t keptTried;
    std::size_t keptLeft;
};

// Whether 実行 can act: an ally is set, and the action lane 0 shows (the plan's first step while
// a plan is in use) switches on an event that uses values.
bool advance_available(const Session& session);

// 実行, "I did what lane 0 shows": lane 0 moves on by all that the action used there, its units
// take its outcome (the battle's HPs; for a level-up Lv, and HP and MAX, 技 and 幸運 for the
// stats that grew) and the record gains an entry. While a plan is in use,
// its first step is the action, and the plan loses it; a unit of a later step, or of the
// current status, that is that step's unit unchanged takes the outcome too. The kept places
// are narrowed to those that give what lane 0 gave, each moved on; when one is left, lane 0
// stands on it instead, and when one or none is left the list is emptied. A refusal changes
// nothing.
AdvanceReport advance_past_action(Session& session, const RandomTable& table);

// After a level-up, the line that names the grown stats that may change figures the program
// does not compute (Shift-JIS): "力 速 が上がりました：攻撃・攻速を確かめてください"; empty
// when none of them grew.
std::string figures_to_check_line(std::uint32_t grown);

// Why 実行 was refused, as the window says it (Shift-JIS).
std::string refusal_words(const AdvanceReport& report);
