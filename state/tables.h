#pragma once

#include "data/game_tables.h"
#include "random/random_table.h"

// What the program builds or reads once at start-up and never changes: the unit lists with the
// allies' growth rows (GameTables), and the 64 sequences. It is passed by reference and never
// copied: the sequences alone are 1.4 MB.
struct Tables : GameTables {
    RandomTable randomTable;

    Tables() = default;
    Tables(const Tables&) = delete;
    Tables& operator=(const Tables&) = delete;
};
