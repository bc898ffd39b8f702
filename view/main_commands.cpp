#include "view/main_commands.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "search/plan_search.h"
#include "search/position_search.h"
#include "view/locate_form.h"
#include "view/number_boxes.h"
#include "view/resource.h"

namespace {

// Candidate k is drawn as a two-character number at x = 484 + 24k, y = 473; the first 17
// pixels of each 24-pixel cell are the number.
constexpr int kCandidateLeft = 484;
constexpr int kCandidateRight = 692;
constexpr int kCandidateTop = 473;
constexpr int kCandidateHeight = 16;
constexpr int kCandidateCell = 24;
constexpr int kCandidateNumberWidth = 17;
constexpr int kMaxClickableCandidates = 9;
// The near sequences are drawn the same way on the line below.
constexpr int kNearTop = 495;
constexpr int kWindowTolerance = 2;

void set_lane(AppState& state, int lane, int seedIndex, int position) {
    state.lanes[lane].seedIndex = seedIndex;
    state.lanes[lane].position = position;
    rerun_lane(state, lane);
}

// When the marks leave two or more sequences and lane 0 follows one of them: the positions that
// hold on each of them, from lane 0's on.
void search_common_positions(AppState& state) {
    const int count = std::clamp(state.candidateCount, 0, kSeedCount);
    const std::int32_t* begin = state.candidates;
    const std::int32_t* end = begin + count;
    state.commonShown = count >= 2 && std::find(begin, end, state.lanes[0].seedIndex) != end;
    if (!state.commonShown) {
        return;
    }
    state.commonSequenceCount = count;
    std::copy(begin, end, state.commonSequences);
    const auto work = std::make_unique<PlanSearchResults>();
    state.commonCount = search_common(state, state.plan, state.candidates, count,
                                      state.lanes[0].position, *work, state.commonPositions.data());
}

// The plan's results: where each chain begins.
std::int32_t search_plan_from_lane_zero(AppState& state) {
    const auto found = std::make_unique<PlanSearchResults>();
    const std::int32_t result =
        search_plan(state, state.plan, state.lanes[0].seedIndex, state.lanes[0].position, *found);
    for (std::int32_t i = 0; i < result; ++i) {
        state.searchResults[static_cast<std::size_t>(i)] = found->chains[i][0];
    }
    return result;
}

}  // namespace

bool move_lane(AppState& state, int commandId) {
    if (commandId < IDC_LANE0_FORWARD || commandId > IDC_LANE1_SEED_DOWN) {
        return false;
    }
    const int lane = commandId >= IDC_LANE1_FORWARD ? 1 : 0;
    const Lane& current = state.lanes[lane];
    int seed = current.seedIndex;
    int position = current.position;
    switch ((commandId - IDC_LANE0_FORWARD) % 4) {
        case 0:
            if (position >= kLastLanePosition) {
                return false;
            }
            ++position;
            break;
        case 1:
            if (position <= kFirstLanePosition) {
                return false;
            }
            --position;
            break;
        case 2:
            if (seed >= kSeedCount - 1) {
                return false;
            }
            ++seed;
            break;
        default:
            if (seed <= 0) {
                return false;
            }
            --seed;
            break;
    }
    set_lane(state, lane, seed, position);
    return true;
}

bool put_lane_at(AppState& state, int lane, std::int32_t position) {
    if (position < kFirstLanePosition || position > kLastLanePosition) {
        return false;
    }
    set_lane(state, lane, state.lanes[lane].seedIndex, position);
    return true;
}

bool jump_lane(AppState& state, int lane, std::string_view boxText) {
    const std::optional<std::int32_t> position = read_lane_position(boxText);
    return position.has_value() && put_lane_at(state, lane, *position);
}

bool search_from_lane_zero(AppState& state) {
    const bool anySwitch = std::any_of(state.eventSwitches.begin(), state.eventSwitches.end(),
                                       [](std::int32_t s) { return s == 1; });
    const bool planInUse = state.plan.stepCount > 0;
    if ((!anySwitch && !planInUse) || !ally_is_set(state)) {
        return false;
    }
    const Action action = state;
    state.searchResultCount = planInUse ? search_plan_from_lane_zero(state)
                                        : search_positions(state, state.lanes[0].seedIndex,
                                                           state.lanes[0].position, kSearchEnd);
    search_common_positions(state);
    SearchBasis& basis = state.searchBasis;
    basis.made = true;
    basis.seedIndex = state.lanes[0].seedIndex;
    basis.action = action;
    basis.plan = state.plan;
    std::memcpy(basis.marks, state.markText, sizeof basis.marks);
    return true;
}

bool search_results_stale(const AppState& state) {
    const SearchBasis& basis = state.searchBasis;
    if (!basis.made) {
        return false;
    }
    bool samePlan = basis.plan.stepCount == state.plan.stepCount;
    for (int k = 0; samePlan && k < std::clamp(state.plan.stepCount, 0, kMaxPlanSteps); ++k) {
        samePlan = same_action(basis.plan.steps[k], state.plan.steps[k]);
    }
    return !samePlan || basis.seedIndex != state.lanes[0].seedIndex ||
           !same_action(basis.action, state) ||
           std::strncmp(basis.marks, state.markText, kMarkTextCapacity) != 0;
}

bool refresh_seed_candidates(AppState& state, const char* patternText) {
    std::memset(state.markText, 0, sizeof state.markText);
    std::strncpy(state.markText, patternText, kMarkTextCapacity - 1);
    const bool cut = std::strlen(patternText) > kMarkTextCapacity - 1;
    const bool cutChanged = cut != state.markTextCut;
    state.markTextCut = cut;
    if (std::strncmp(state.markText, state.lastMarkText, kMarkTextCapacity) == 0) {
        return cutChanged;
    }
    std::memcpy(state.lastMarkText, state.markText, kMarkTextCapacity);
    state.markCount = parse_mark_pattern(state.markText, state.marks);
    state.candidateCount =
        match_seeds(state.randomTable, state.marks, state.markCount, state.candidates);
    state.nearCount = 0;
    state.adviceShown = state.markCount > 0 && state.candidateCount >= 2;
    if (state.adviceShown) {
        advise_next_mark(state.randomTable, state.markCount, state.candidates, state.candidateCount,
                         state.markAdvice);
    } else if (state.markCount > 0 && state.candidateCount == 0) {
        state.nearCount = std::min(match_near(state.randomTable, state.marks, state.markCount,
                                              kWindowTolerance, state.nearMatches),
                                   kMaxNearShown);
    }
    refresh_telling_entry(state);
    return true;
}

namespace {

// The cell of a listed number under (x, y), on the line whose numbers are drawn at top, or -1.
int cell_at(int x, int y, int top, int count) {
    if (x < kCandidateLeft || x > kCandidateRight || y < top || y > top + kCandidateHeight) {
        return -1;
    }
    const int k = (x - kCandidateLeft) / kCandidateCell;
    const int offset = (x - kCandidateLeft) % kCandidateCell;
    return offset >= kCandidateNumberWidth || k >= count ? -1 : k;
}

bool candidates_clickable(const AppState& state) {
    return state.candidateCount >= 1 && state.candidateCount <= kMaxClickableCandidates;
}

// Puts the lane on entry k of the candidates' line: a candidate right behind the marks, a near
// sequence at its lane position; false past the line's last entry.
bool take_entry(AppState& state, int lane, int k) {
    if (candidates_clickable(state)) {
        if (k < 0 || k >= state.candidateCount) {
            return false;
        }
        set_lane(state, lane, state.candidates[k], state.markCount + 1);
        return true;
    }
    if (k < 0 || k >= std::min(state.nearCount, kMaxNearShown)) {
        return false;
    }
    set_lane(state, lane, state.nearMatches[k].seedIndex, state.nearMatches[k].lanePosition);
    return true;
}

}  // namespace

bool click_candidate(AppState& state, int lane, int x, int y) {
    const bool onCandidates = candidates_clickable(state);
    return take_entry(state, lane,
                      onCandidates ? cell_at(x, y, kCandidateTop, state.candidateCount)
                                   : cell_at(x, y, kNearTop, state.nearCount));
}

bool put_lane_on_entry(AppState& state, int commandId) {
    for (const auto& [lane, first] :
         {std::pair{0, IDM_LANE0_ENTRY}, std::pair{1, IDM_LANE1_ENTRY}}) {
        if (commandId >= first && commandId < first + kMaxClickableCandidates) {
            return take_entry(state, lane, commandId - first);
        }
    }
    return false;
}

MainDialog dialog_for_menu(const AppState& state, int commandId) {
    switch (commandId) {
        case IDM_STATUS:
            return MainDialog::kStatus;
        case IDM_SEARCH_CONDITIONS:
            return MainDialog::kSearchConditions;
        case IDM_BATTLE_RESULT:
            return ally_is_set(state) ? MainDialog::kBattleResult : MainDialog::kNone;
        case IDM_LEVEL_UP:
            return ally_is_set(state) ? MainDialog::kLevelUp : MainDialog::kNone;
        case IDM_HAPPENED:
            return happened_available(state) ? MainDialog::kHappened : MainDialog::kNone;
        default:
            return MainDialog::kNone;
    }
}
