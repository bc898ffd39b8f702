#pragma once

#include <vector>

#include "sim/consumption_log.h"

// The log's codes of entries 0 to count - 1.
inline std::vector<int> codes_of(const ConsumptionLog& log) {
    return std::vector<int>(log.codes.begin(), log.codes.begin() + log.count);
}

// Every entry marked passed, over the whole log.
inline std::vector<int> passed_of(const ConsumptionLog& log) {
    std::vector<int> passed;
    for (int i = 0; i < kLogCapacity; ++i) {
        if (log.success[i] != 0) {
            passed.push_back(i);
        }
    }
    return passed;
}
