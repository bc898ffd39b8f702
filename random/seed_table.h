#pragma once

#include <cstdint>

constexpr int kSeedCount = 64;
constexpr int kBlockLength = 55;

// Row s holds the 55 start values of sequence s, each 0 to 99.
using SeedTable = std::int32_t[kSeedCount][kBlockLength];

extern const SeedTable kSeedTable;
