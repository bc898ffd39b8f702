#pragma once

#include <array>
#include <cstdint>

constexpr int kSkillCount = 16;
constexpr int kUnitNameCapacity = 32;

// Skill flags in the order of the status dialog's check boxes.
enum SkillIndex : int {
    kSkillWrath = 0,        // 怒り
    kSkillPrayer = 1,       // 祈り
    kSkillGreatShield = 2,  // 大盾
    kSkillVantage = 3,      // 待伏
    kSkillMoonlight = 4,    // 月光
    kSkillSunlight = 5,     // 太陽
    kSkillMeteor = 6,       // 流星
    kSkillContinue = 7,     // 連続
    kSkillBrave = 8,        // 勇者
    kSkillCharge = 9,       // 突撃
    kSkillInvincible = 10,  // 無敵
    kSkillAbsorb = 11,      // 吸収
    kSkillCurse = 12,       // 呪い
    kSkillSleep = 13,       // 眠り
    kSkillPoison = 14,      // 毒
    kSkillCounter = 15,     // 反撃
};

// One unit as the unit file gives it, and the same record with its figures filled as a side of
// a battle. The file fills only name, followUpCritFactor and skills. The name's bytes after its
// NUL are all NUL, so that two records of the same unit compare equal. hpAfterBattle is what a
// battle writes into its own copies of the units; a session's units never hold it.
struct UnitRecord {
    char name[kUnitNameCapacity];  // Shift-JIS, NUL-terminated; empty = no unit chosen
    std::int32_t followUpCritFactor;
    std::array<std::int32_t, kSkillCount> skills;
    std::int32_t level;
    std::int32_t technique;
    std::int32_t luck;
    std::int32_t hitRate;
    std::int32_t critRate;
    std::int32_t attackSpeed;
    std::int32_t attack;
    std::int32_t defense;
    std::int32_t hp;
    std::int32_t maxHp;
    std::int32_t hpAfterBattle;

    bool operator==(const UnitRecord&) const = default;
};

using CombatantState = UnitRecord;

// A flag counts only when it is exactly 1.
inline bool has_skill(const UnitRecord& unit, SkillIndex skill) {
    return unit.skills[skill] == 1;
}
