#pragma once

#include <cstddef>
#include <vector>

#include "random/random_table.h"
#include "state/action.h"
#include "state/observations.h"
#include "state/session.h"

// The places the game may stand on, kept from one action to the next: the session's kept list,
// at most 65,536 entries as a file may hold them. A list the program makes holds each place
// once, ascending by sequence, then position.
constexpr std::size_t kKeptCapacity = 65536;

// Each place of the list once, ascending.
std::vector<LaneCursor> distinct_places(const std::vector<LaneCursor>& kept);

// After the action was seen to give what seen holds: the places of the list (each once) at which
// it, run there as lane 0 runs it, gives all of it (every place, when seen holds nothing), each
// moved on by the values it used there. A place moved past 4973 goes. Each place once, ascending.
struct NarrowedPlaces {
    std::vector<LaneCursor> left;
    std::size_t tried;  // the places of the list, each once
};
NarrowedPlaces narrow_kept(const std::vector<LaneCursor>& kept, const Action& action,
                           const RandomTable& table, const Observations& seen);
