#include "view/locate_form.h"

#include <algorithm>
#include <optional>

#include "state/kept_positions.h"
#include "view/number_boxes.h"

namespace {

// An HP box the action shows into seen; false when its text is refused.
bool read_seen_hp(const std::string& text, std::optional<std::int32_t>& seen) {
    const NumberReading reading = read_number(text, NumberRule::kSeenHp);
    if (reading.box == NumberBox::kNumber) {
        seen = reading.value;
    }
    return reading.box != NumberBox::kRefused;
}

}  // namespace

bool happened_available(const WindowState& state) {
    return advance_available(state.session) && state.session.plan.stepCount == 0;
}

std::vector<std::string> located_lines(std::span<const LocatedPosition> found) {
    std::vector<std::string> lines;
    for (const LocatedPosition& at : found.first(std::min(found.size(), kMostLocatedLines))) {
        std::string line = offset_words(at.offset);
        line.append("  #").append(std::to_string(at.seedIndex)).append(": ");
        line.append(std::to_string(at.position)).append(" → ").append(std::to_string(at.next));
        lines.push_back(line);
    }
    return lines;
}

LocateAnswer locate_from_form(const WindowState& state, const LocateForm& form) {
    LocateAnswer answer{};
    answer.action = state.session.action;
    Observations seen;
    if (action_shows(state.session.action, Observed::kAllyHp) &&
        !read_seen_hp(form.allyHp, seen.allyHp)) {
        answer.problem = LocateProblem::kAllyHpBox;
        return answer;
    }
    if (action_shows(state.session.action, Observed::kEnemyHp) &&
        !read_seen_hp(form.enemyHp, seen.enemyHp)) {
        answer.problem = LocateProblem::kEnemyHpBox;
        return answer;
    }
    if (form.levelUpSeen && action_shows(state.session.action, Observed::kGrown)) {
        std::uint32_t grown = 0;
        for (int k = 0; k < kStatCount; ++k) {
            grown |= (form.grown[k] ? 1u : 0u) << k;
        }
        seen.grown = grown;
    }
    if ((form.reMove == kReMoveHappened || form.reMove == kReMoveDidNot) &&
        action_shows(state.session.action, Observed::kReMove)) {
        seen.reMove = form.reMove == kReMoveHappened;
    }
    if (!anything_seen(seen)) {
        answer.problem = LocateProblem::kNothingSeen;
        return answer;
    }
    const LaneCursor& lane = state.session.lanes[0];
    PositionSet where;
    if (!state.session.kept.empty()) {
        for (const LaneCursor& place : state.session.kept) {
            where.add(place);
        }
    } else if (form.allSequences) {
        for (int seed = 0; seed < kSeedCount; ++seed) {
            where.add_sequence(seed);
        }
    } else {
        const LocateSequences sequences = locate_sequences(
            state.tables->randomTable, state.session.marks.c_str(), lane.seedIndex);
        where = every_position_of(std::span<const std::int32_t>(sequences.seeds, sequences.count));
    }
    answer.found.resize(where.size());
    answer.found.resize(locate_positions(state.session.action, state.tables->randomTable, where,
                                         lane.position, seen, answer.found));
    answer.lines = located_lines(answer.found);
    PositionSet leadsTo;
    for (const LocatedPosition& at : answer.found) {
        leadsTo.add({at.seedIndex, at.next});
    }
    answer.leadsTo = leadsTo.places();
    return answer;
}

bool can_keep_located(const LocateAnswer& answer) {
    return answer.leadsTo.size() >= 2;
}

std::string kept_line(const Session& session) {
    if (session.kept.empty()) {
        return "";
    }
    return "残した位置：" + std::to_string(distinct_places(session.kept).size()) +
           "個（起きたことで絞れます）";
}

std::string kept_search_words(const Session& session) {
    if (session.kept.empty()) {
        return "";
    }
    return "残した位置 " + std::to_string(distinct_places(session.kept).size()) + " 個から探します";
}

std::string located_count_words(const LocateAnswer& answer) {
    if (answer.problem != LocateProblem::kNone) {
        return "";
    }
    if (answer.found.empty()) {
        return "見つかった位置：なし";
    }
    std::string words = "見つかった位置：" + std::to_string(answer.found.size()) + "個";
    if (answer.found.size() > answer.lines.size()) {
        words +=
            "\n（一覧のほか " + std::to_string(answer.found.size() - answer.lines.size()) + " 個）";
    }
    return words;
}

const char* locate_problem_text(LocateProblem problem) {
    switch (problem) {
        case LocateProblem::kNothingSeen:
            return "見たことを一つ以上入れてください（HP、レベルアップ、再行動のどれか）。";
        case LocateProblem::kAllyHpBox:
        case LocateProblem::kEnemyHpBox:
            return kSeenHpMessage;
        case LocateProblem::kNone:
            break;
    }
    return "";
}

namespace {

// Lane 0 put on found[index] and 実行 run there, or the refusal, changing nothing.
LocatedAdvance advance_to_found(WindowState& state, const LocateAnswer& answer, std::size_t index) {
    LocatedAdvance advance{};
    if (state.session.plan.stepCount > 0 || !(answer.action == state.session.action)) {
        advance.refusal = LocatedRefusal::kChanged;
        return advance;
    }
    // 実行 acts from lane 0's cursor, with no places kept to narrow; a refusal changes nothing,
    // so putting the cursor and the places back is all there is to undo.
    LaneCursor& lane = state.session.lanes[0];
    const LaneCursor before = lane;
    std::vector<LaneCursor> kept = std::move(state.session.kept);
    state.session.kept.clear();
    const LocatedPosition& chosen = answer.found[index];
    lane = LaneCursor{chosen.seedIndex, chosen.position};
    advance.report = advance_lane_zero(state);
    if (advance.report.refusal != AdvanceRefusal::kNone) {
        lane = before;
        state.session.kept = std::move(kept);
        advance.refusal = LocatedRefusal::kAdvance;
    }
    return advance;
}

}  // namespace

LocatedAdvance advance_from_located(WindowState& state, const LocateAnswer& answer, int line) {
    if (line < 0 ||
        static_cast<std::size_t>(line) >= std::min(answer.lines.size(), answer.found.size())) {
        return {LocatedRefusal::kNoLine, {}, 0};
    }
    return advance_to_found(state, answer, static_cast<std::size_t>(line));
}

LocatedAdvance keep_located(WindowState& state, const LocateAnswer& answer) {
    if (answer.leadsTo.size() > kKeptCapacity) {
        return {LocatedRefusal::kTooMany, {}, answer.leadsTo.size()};
    }
    // The first place that leads somewhere a lane can stand; there is one when two are kept.
    const auto first =
        std::find_if(answer.found.begin(), answer.found.end(),
                     [](const LocatedPosition& at) { return at.next <= kLastLanePosition; });
    if (answer.leadsTo.size() < 2 || first == answer.found.end()) {
        return {LocatedRefusal::kNoLine, {}, 0};
    }
    LocatedAdvance advance =
        advance_to_found(state, answer, static_cast<std::size_t>(first - answer.found.begin()));
    if (advance.refusal == LocatedRefusal::kNone) {
        state.session.kept = answer.leadsTo;
    }
    return advance;
}

std::string located_refusal_words(const LocatedAdvance& advance) {
    switch (advance.refusal) {
        case LocatedRefusal::kNoLine:
            return "位置を選んでください";
        case LocatedRefusal::kChanged:
            return "探したあとで条件か手順が変わりました。もう一度探してください";
        case LocatedRefusal::kAdvance:
            return refusal_words(advance.report);
        case LocatedRefusal::kTooMany:
            return "位置が多すぎます（" + std::to_string(advance.places) +
                   "個）。見たことをもっと入れてください";
        case LocatedRefusal::kNone:
            break;
    }
    return "";
}
