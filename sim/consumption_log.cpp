#include "sim/consumption_log.h"

const char* const kConsumptionLabels[kConsumptionCodeCount] = {
    "祈", "祈", "星", "連", "星", "連", "月", "陽", "盾", "殺", "？", "命",
    "呪", "HP", "力", "魔", "技", "速", "守", "体", "運", "移", "♪"};
