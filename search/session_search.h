#pragma once

#include <cstdint>
#include <vector>

#include "search/plan_search.h"
#include "search/position_search.h"
#include "state/session.h"
#include "state/tables.h"

// The searches a session asks for, as both front ends run them: from lane 0's cursor, the
// action's search, or the plan's while one is in use; then, as the front end's rule says, the
// positions that hold whichever of the sequences the marks match it is.

enum class CommonRule {
    kNone,
    // The command line, once marks are given: on every sequence they match, none when they
    // match none.
    kEveryMatch,
    // The window: only when they match two or more and lane 0 stands on one of them.
    kSeveralWithLaneZero,
};

struct SessionSearch {
    // The positions found (with a plan, where each chain begins), or -1/-2.
    SearchFound found;
    std::vector<PlanChain> chains;  // with a plan: each chain, as found lists its first positions
    bool common;                    // whether the common search ran
    std::vector<std::int32_t> commonSequences;
    // Its positions, ascending, from lane 0's on; commonResult their count, or -1/-2.
    std::vector<std::int32_t> commonPositions;
    std::int32_t commonResult;
};

// limit: how many results the action's battle and re-move searches stop at (a plan's search
// and a level-up's never stop early).
SessionSearch search_session(const Session& session, const Tables& tables, int limit,
                             CommonRule rule);
