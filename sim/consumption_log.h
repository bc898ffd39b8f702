#pragma once

#include <array>
#include <cstdint>

constexpr int kLogCapacity = 256;
constexpr int kStrikeStartSlots = 8;
constexpr std::int32_t kNoStrikeGroup = 255;

// What the value of a log entry is used for.
enum ConsumptionCode : std::int32_t {
    kCodeAttackerPrayer = 0,
    kCodeDefenderPrayer = 1,
    kCodeAttackerMeteor = 2,
    kCodeAttackerContinue = 3,
    kCodeDefenderMeteor = 4,
    kCodeDefenderContinue = 5,
    kCodeMoonlight = 6,
    kCodeSunlight = 7,
    kCodeGreatShield = 8,
    kCodeCritical = 9,
    kCodeUntested = 10,
    kCodeHit = 11,
    kCodeCurse = 12,
    kCodeFirstGrowth = 13,  // 13 to 21: HP 力 魔 技 速 守 体 運 移
    kCodeReMove = 22,
};
constexpr int kConsumptionCodeCount = 23;

// The two-byte Shift-JIS label drawn under a consumed value, by code.
extern const char* const kConsumptionLabels[kConsumptionCodeCount];

// Entry i stands for the value at position + i of sequence seedIndex. A lane is this record,
// with seedIndex and position as its cursor.
struct ConsumptionLog {
    std::array<std::uint8_t, kLogCapacity> success;
    std::array<std::int32_t, kLogCapacity> codes;
    std::int32_t count;
    std::int32_t seedIndex;
    std::int32_t position;
    std::int32_t predictStart;
    std::int32_t predictEnd;
    // Even slots the attacker's strike groups, odd slots the defender's.
    std::array<std::int32_t, kStrikeStartSlots> strikeStarts;
    std::int32_t attackerHitsLanded;
    std::int32_t defenderHitsLanded;
};

inline bool log_is_full(const ConsumptionLog& log) {
    return log.count >= kLogCapacity;
}
