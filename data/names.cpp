#include "data/names.h"

const char* const kSkillNames[kSkillCount] = {"怒り", "祈り", "大盾", "待伏", "月光", "太陽",
                                              "流星", "連続", "勇者", "突撃", "無敵", "吸収",
                                              "呪い", "眠り", "毒",   "反撃"};

const char* const kStatNames[kStatCount] = {"HP", "力", "魔", "技", "速", "守", "体", "運", "移"};

const UnitFigure kUnitFigures[kFigureCount] = {
    {&UnitRecord::level, "level", "Lv"},
    {&UnitRecord::technique, "technique", "技"},
    {&UnitRecord::luck, "luck", "幸運"},
    {&UnitRecord::hitRate, "hitRate", "命中"},
    {&UnitRecord::critRate, "critRate", "必殺"},
    {&UnitRecord::attackSpeed, "attackSpeed", "攻速"},
    {&UnitRecord::attack, "attack", "攻撃"},
    {&UnitRecord::defense, "defense", "防御"},
    {&UnitRecord::hp, "hp", "HP"},
    {&UnitRecord::maxHp, "maxHp", "MAX"},
};
