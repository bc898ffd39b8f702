#include "view/locate_form.h"

#include <algorithm>
#include <optional>

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
    const LocateSequences sequences =
        locate_sequences(state.tables->randomTable, state.session.marks.c_str(), lane.seedIndex);
    answer.found.resize(kMostLocatedLines);
    answer.total = locate_positions(
        state.session.action, state.tables->randomTable,
        every_position_of(std::span<const std::int32_t>(sequences.seeds, sequences.count)),
        lane.position, seen, answer.found);
    answer.found.resize(std::min(answer.total, kMostLocatedLines));
    answer.lines = located_lines(answer.found);
    return answer;
}

std::string located_count_words(const LocateAnswer& answer) {
    if (answer.problem != LocateProblem::kNone) {
        return "";
    }
    if (answer.total == 0) {
        return "見つかった位置：なし";
    }
    std::string words = "見つかった位置：" + std::to_string(answer.total) + "個";
    if (answer.total > answer.found.size()) {
        words += "\n（一覧のほか " + std::to_string(answer.total - answer.found.size()) + " 個）";
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

LocatedAdvance advance_from_located(WindowState& state, const LocateAnswer& answer, int line) {
    LocatedAdvance advance{};
    if (line < 0 || static_cast<std::size_t>(line) >= answer.found.size()) {
        advance.refusal = LocatedRefusal::kNoLine;
        return advance;
    }
    if (state.session.plan.stepCount > 0 || !(answer.action == state.session.action)) {
        advance.refusal = LocatedRefusal::kChanged;
        return advance;
    }
    // 実行 acts from lane 0's cursor; a refusal changes nothing, so putting the cursor back is all
    // there is to undo.
    LaneCursor& lane = state.session.lanes[0];
    const LaneCursor before = lane;
    const LocatedPosition& chosen = answer.found[static_cast<std::size_t>(line)];
    lane = LaneCursor{chosen.seedIndex, chosen.position};
    advance.report = advance_lane_zero(state);
    if (advance.report.refusal != AdvanceRefusal::kNone) {
        lane = before;
        advance.refusal = LocatedRefusal::kAdvance;
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
        case LocatedRefusal::kNone:
            break;
    }
    return "";
}
