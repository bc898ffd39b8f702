#pragma once

// Scenarios that 実行 refuses, for the engine's tests and the command line's alike: ASCII JSON over
// the start-up defaults, each with the refusal, the window's words and the command line's line.

#include "state/advance.h"

struct RefusedAdvance {
    const char* scenario;
    AdvanceRefusal refusal;
    const char* windowWords;
    const char* commandLine;
};

// clang-format off
inline const RefusedAdvance kRefusedAdvances[] = {
    {R"({"eventSwitches": [0, 1, 0, 0]})", AdvanceRefusal::kNoAlly,
     "ステータスで味方を決めてから実行してください",
     "advance には味方が要ります。シナリオの ally.name が空です"},
    {R"({"ally": {"name": "A"}, "eventSwitches": [1, 0, 0, 0]})", AdvanceRefusal::kNothingUsed,
     "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください",
     "advance には eventSwitches で戦闘・レベルアップ・再行動のどれかを 1 にしてください"
     "（ほかは乱数を使いません）"},
    {R"({"ally": {"name": "A"}, "eventSwitches": [0, 0, 0, 1], "growthRates": [0, 0, 0, 0, 0, 0,
        0, 0, 0, 30], "lanes": [{"position": 4973}]})", AdvanceRefusal::kPastLastPosition,
     "位置が4974になり4973を越えるため実行できません",
     "上のレーンが 4973 から 4974 になり、4973 を越えるため進められません"},
    // 流星 always passes and 勇者 doubles: six groups (突撃, and 反撃) of ten strikes that deal
    // nothing, twice over with the predicted battle.
    {R"({"ally": {"name": "A", "skills": [0,0,0,0,0,0,1,0,1,1,0,0,0,0,0,0], "technique": 100,
        "attack": 0, "hp": 9999}, "enemy": {"skills": [0,0,0,0,0,0,1,0,1,1,0,0,0,0,0,1],
        "technique": 100, "attack": 0, "hp": 9999}, "eventSwitches": [0, 1, 0, 0],
        "predictSwitch": 1})", AdvanceRefusal::kFullLog,
     "乱数を256個以上使う行動は、使った数が分からないため実行できません",
     "乱数を256個以上使う行動は、使った数が分からないため進められません"},
    {R"({"ally": {"name": "A", "level": 9999}, "eventSwitches": [0, 0, 1, 0]})",
     AdvanceRefusal::kFigureTooHigh, "味方のLvが10000になり9999を超えるため実行できません",
     "ally.level が 10000 になり、9999 を超えるため進められません"},
    {R"({"ally": {"name": "A", "hp": 9999}, "eventSwitches": [0, 0, 1, 0],
        "growthRates": [100, 0, 0, 0, 0, 0, 0, 0, 0, 0]})", AdvanceRefusal::kFigureTooHigh,
     "味方のHPが10000になり9999を超えるため実行できません",
     "ally.hp が 10000 になり、9999 を超えるため進められません"},
    // 呪い always passes at luck -999 and costs the ally its attack: after a first strike that
    // fells the enemy, 40 - 9999 leaves -9959; 40 - 1040 leaves -1000 in the record of the battle,
    // although the level-up's HP then makes it -999.
    {R"({"ally": {"name": "A", "skills": [0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0], "luck": -999,
        "hitRate": 100, "attack": 9999, "defense": 0}, "eventSwitches": [0, 1, 0, 0]})",
     AdvanceRefusal::kFigureTooLow, "味方のHPが-9959になり-999を下回るため実行できません",
     "ally.hp が -9959 になり、-999 を下回るため進められません"},
    {R"({"ally": {"name": "A", "skills": [0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0], "luck": -999,
        "hitRate": 100, "attack": 1040, "defense": 0}, "eventSwitches": [0, 1, 1, 0],
        "growthRates": [100, 0, 0, 0, 0, 0, 0, 0, 0, 0]})",
     AdvanceRefusal::kFigureTooLow, "味方のHPが-1000になり-999を下回るため実行できません",
     "ally.hp が -1000 になり、-999 を下回るため進められません"}};
// clang-format on
