#include "view/main_commands.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "search/session_search.h"
#include "view/locate_form.h"
#include "view/number_boxes.h"
#include "view/resource.h"
#include "view/window_layout.h"

namespace {

void set_lane(WindowState& state, int lane, int seedIndex, int position) {
    state.session.lanes[lane] = LaneCursor{seedIndex, position};
    rerun_lane(state, lane);
}

}  // namespace

bool move_lane(WindowState& state, int commandId) {
    if (commandId < IDC_LANE0_FORWARD || commandId > IDC_LANE1_SEED_DOWN) {
        return false;
    }
    const int lane = commandId >= IDC_LANE1_FORWARD ? 1 : 0;
    const LaneCursor& current = state.session.lanes[lane];
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

bool put_lane_at(WindowState& state, int lane, std::int32_t position) {
    if (position < kFirstLanePosition || position > kLastLanePosition) {
        return false;
    }
    set_lane(state, lane, state.session.lanes[lane].seedIndex, position);
    return true;
}

bool jump_lane(WindowState& state, int lane, std::string_view boxText) {
    const NumberReading position = read_number(boxText, NumberRule::kLanePosition);
    return position.box == NumberBox::kNumber && put_lane_at(state, lane, position.value);
}

const char* search_refusal(const Session& session) {
    if (!ally_is_set(session)) {
        return "ステータスで味方を決めてから検索してください";
    }
    if (session.plan.stepCount <= 0 && !action_acts(session.action)) {
        return "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください";
    }
    return nullptr;
}

bool search_from_lane_zero(WindowState& state) {
    const Session& session = state.session;
    if (search_refusal(session) != nullptr) {
        return false;
    }
    SessionSearch found =
        search_session(session, *state.tables, kSearchEnd, CommonRule::kSeveralWithLaneZero);
    LastSearch& search = state.search;
    ++search.number;
    search.resultCount = found.found.result;
    search.results = std::move(found.found.positions);
    search.commonShown = found.common;
    search.commonSequences = std::move(found.commonSequences);
    search.commonCount = found.commonResult;
    search.commonPositions = std::move(found.commonPositions);
    search.basis =
        SearchBasis{true, session.lanes[0].seedIndex, session.action, session.plan, session.marks};
    return true;
}

bool search_results_stale(const WindowState& state) {
    const SearchBasis& basis = state.search.basis;
    const Session& session = state.session;
    return basis.made &&
           (!(basis.plan == session.plan) || basis.seedIndex != session.lanes[0].seedIndex ||
            !(basis.action == session.action) || basis.marks != session.marks);
}

namespace {

struct PatternReading {
    std::string marks;
    bool cut;
};

PatternReading read_pattern_text(const char* patternText) {
    return {std::string(patternText, strnlen(patternText, kMarkTextCapacity - 1)),
            std::strlen(patternText) > kMarkTextCapacity - 1};
}

}  // namespace

bool refresh_seed_candidates(WindowState& state, const char* patternText) {
    PatternReading read = read_pattern_text(patternText);
    const bool cutChanged = read.cut != state.markTextCut;
    state.markTextCut = read.cut;
    if (read.marks == state.session.marks) {
        return cutChanged;
    }
    state.session.marks = std::move(read.marks);
    refresh_shown(state);
    return true;
}

bool discard_kept(WindowState& state) {
    if (state.session.kept.empty()) {
        return false;
    }
    state.session.kept.clear();
    return true;
}

bool pattern_box_shows(const WindowState& state, const char* patternText) {
    const PatternReading read = read_pattern_text(patternText);
    return read.marks == state.session.marks && read.cut == state.markTextCut;
}

namespace {

// The number of a line of count numbers under (x, y), or -1.
int cell_at(int x, int y, const NumberRow& row, int count) {
    if (x < row.left || y < row.top || y > row.top + row.height) {
        return -1;
    }
    const int k = (x - row.left) / row.cell;
    const int offset = (x - row.left) % row.cell;
    return offset >= row.numberWidth || k >= count ? -1 : k;
}

bool candidates_clickable(const WindowState& state) {
    return state.shown.marks.candidateCount >= 1 &&
           state.shown.marks.candidateCount <= kMostPickedNumbers;
}

// Puts the lane on entry k of the candidates' line: a candidate right behind the marks, a near
// sequence at its lane position; false past the line's last entry.
bool take_entry(WindowState& state, int lane, int k) {
    if (candidates_clickable(state)) {
        if (k < 0 || k >= state.shown.marks.candidateCount) {
            return false;
        }
        set_lane(state, lane, state.shown.marks.candidates[k], state.shown.marks.markCount + 1);
        return true;
    }
    if (k < 0 || k >= std::min(state.shown.marks.nearCount, kMaxNearShown)) {
        return false;
    }
    set_lane(state, lane, state.shown.marks.nearMatches[k].seedIndex,
             state.shown.marks.nearMatches[k].lanePosition);
    return true;
}

}  // namespace

bool click_candidate(WindowState& state, int lane, int x, int y) {
    const bool onCandidates = candidates_clickable(state);
    return take_entry(state, lane,
                      onCandidates ? cell_at(x, y, kCandidateRow, state.shown.marks.candidateCount)
                                   : cell_at(x, y, kNearRow, state.shown.marks.nearCount));
}

bool put_lane_on_entry(WindowState& state, int commandId) {
    for (const auto& [lane, first] :
         {std::pair{0, IDM_LANE0_ENTRY}, std::pair{1, IDM_LANE1_ENTRY}}) {
        if (commandId >= first && commandId < first + kMostPickedNumbers) {
            return take_entry(state, lane, commandId - first);
        }
    }
    return false;
}

MainDialog dialog_for_menu(const WindowState& state, int commandId) {
    switch (commandId) {
        case IDM_STATUS:
            return MainDialog::kStatus;
        case IDM_SEARCH_CONDITIONS:
            return MainDialog::kSearchConditions;
        case IDM_BATTLE_RESULT:
            return ally_is_set(state.session) ? MainDialog::kBattleResult : MainDialog::kNone;
        case IDM_LEVEL_UP:
            return ally_is_set(state.session) ? MainDialog::kLevelUp : MainDialog::kNone;
        case IDM_HAPPENED:
            return happened_available(state) ? MainDialog::kHappened : MainDialog::kNone;
        default:
            return MainDialog::kNone;
    }
}
