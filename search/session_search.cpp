#include "search/session_search.h"

#include <algorithm>
#include <memory>

#include "random/marks.h"

namespace {

// Where each chain of the plan begins, and the chains themselves.
void search_session_plan(const Session& session, const Tables& tables, SessionSearch& search) {
    const LaneCursor& lane = session.lanes[0];
    const auto results = std::make_unique<PlanSearchResults>();
    search.found.result =
        search_plan(session.plan, tables, lane.seedIndex, lane.position, *results);
    for (std::int32_t i = 0; i < search.found.result; ++i) {
        search.found.positions.push_back(results->chains[i][0]);
        search.chains.push_back(results->chains[i]);
    }
}

void search_common_positions(const Session& session, const Tables& tables, CommonRule rule,
                             SessionSearch& search) {
    MarkArray marks{};
    const int markCount = parse_mark_pattern(session.marks.c_str(), marks);
    CandidateList candidates;
    const int count = match_seeds(tables.randomTable, marks, markCount, candidates);
    const std::int32_t* first = candidates;
    const std::int32_t* end = first + count;
    search.common = rule == CommonRule::kEveryMatch ||
                    (count >= 2 && std::find(first, end, session.lanes[0].seedIndex) != end);
    if (!search.common) {
        return;
    }
    search.commonSequences.assign(first, end);
    std::vector<std::int32_t> positions(kSearchEnd);
    const auto work = std::make_unique<PlanSearchResults>();
    search.commonResult =
        search_common(session.action, session.plan, tables, search.commonSequences,
                      session.lanes[0].position, *work, positions.data());
    positions.resize(static_cast<std::size_t>(std::max(search.commonResult, 0)));
    search.commonPositions = std::move(positions);
}

}  // namespace

SessionSearch search_session(const Session& session, const Tables& tables, int limit,
                             CommonRule rule) {
    SessionSearch search{};
    if (session.plan.stepCount > 0) {
        search_session_plan(session, tables, search);
    } else {
        const LaneCursor& lane = session.lanes[0];
        search.found =
            search_positions(session.action, tables, lane.seedIndex, lane.position, limit);
    }
    if (rule != CommonRule::kNone) {
        search_common_positions(session, tables, rule, search);
    }
    return search;
}
