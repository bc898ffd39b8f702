#include "state/telling_apart.h"

#include <algorithm>

void find_telling_entry(const SequenceRuns& runs, int count, TellingEntry& telling) {
    count = std::clamp(count, 0, kSeedCount);
    telling.entry = -1;
    int shortest = kLogCapacity;
    for (int c = 0; c < count; ++c) {
        shortest = std::min(shortest, static_cast<int>(runs[c].log.count));
    }
    for (int m = 0; m < shortest && telling.entry < 0; ++m) {
        telling.counts[kTellingPasses] = telling.counts[kTellingFails] = 0;
        for (int c = 0; c < count; ++c) {
            const ConsumptionLog& log = runs[c].log;
            const int side = log.success[m] == 1 ? kTellingPasses : kTellingFails;
            telling.seeds[side][telling.counts[side]++] = log.seedIndex;
            telling.codes[side] = log.codes[m];
        }
        if (telling.counts[kTellingPasses] > 0 && telling.counts[kTellingFails] > 0) {
            telling.entry = m;
        }
    }
}
