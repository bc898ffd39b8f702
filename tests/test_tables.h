#pragma once

#include "random/random_table.h"

// The generated sequences, built once for the whole test binary.
inline const RandomTable& generated_table() {
    static RandomTable* table = [] {
        static RandomTable storage;
        generate_random_tables(storage);
        return &storage;
    }();
    return *table;
}
