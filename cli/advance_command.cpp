#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/scenario_state.h"
#include "state/advance.h"
#include "text/scenario_codec.h"

namespace {

std::string refusal_message(const AdvanceReport& report) {
    const FigureChange& figure = report.refusedFigure;
    const std::string named = std::string(figure.ally ? "ally." : "enemy.") +
                              kUnitFigures[figure.figure].key + " が " +
                              std::to_string(figure.after) + " になり";
    switch (report.refusal) {
        case AdvanceRefusal::kNone:
            break;
        case AdvanceRefusal::kNoAlly:
            return "advance には味方が要ります。シナリオの ally.name が空です";
        case AdvanceRefusal::kNothingUsed:
            return "advance には eventSwitches で戦闘・レベルアップ・再行動のどれかを 1 "
                   "にしてください"
                   "（ほかは乱数を使いません）";
        case AdvanceRefusal::kFullLog:
            return "乱数を256個以上使う行動は、使った数が分からないため進められません";
        case AdvanceRefusal::kPastLastPosition:
            return "上のレーンが " + std::to_string(report.entry.position) + " から " +
                   std::to_string(report.positionAfter) +
                   " になり、4973 を越えるため進められません";
        case AdvanceRefusal::kFigureTooHigh:
            return named + "、9999 を超えるため進められません";
        case AdvanceRefusal::kFigureTooLow:
            return named + "、-999 を下回るため進められません";
    }
    return "";
}

// "味方 アルト：Lv 10 → 11　HP 40 → 41", one line for each unit with a figure that changed.
std::string changes_text(const Action& action, const AdvanceReport& report) {
    std::string text;
    for (const bool ally : {true, false}) {
        std::string figures;
        for (int c = 0; c < report.changeCount; ++c) {
            const FigureChange& change = report.changes[c];
            if (change.ally == ally) {
                figures.append(figures.empty() ? "" : "　")
                    .append(kUnitFigures[change.figure].label)
                    .append(" ")
                    .append(std::to_string(change.before))
                    .append(" → ")
                    .append(std::to_string(change.after));
            }
        }
        if (!figures.empty()) {
            const char* name = ally ? action.ally.name : action.enemy.name;
            text.append(ally ? "味方" : "敵")
                .append(name[0] == '\0' ? "" : " ")
                .append(name)
                .append("：" + figures + "\n");
        }
    }
    return text;
}

// What became of the kept places, when there were any.
std::string kept_text(const Session& after, const AdvanceReport& report) {
    if (report.keptTried == 0) {
        return "";
    }
    const std::string tried = "残した位置：" + std::to_string(report.keptTried) + "個";
    if (report.keptLeft == 0) {
        return tried + "のどれも合いませんでした。残した位置を捨てました\n";
    }
    std::string text = tried + "のうち " + std::to_string(report.keptLeft) + "個が合いました";
    if (report.keptLeft == 1) {
        const LaneCursor& lane = after.lanes[0];
        text += "。上のレーンを #" + std::to_string(lane.seedIndex) + ": " +
                std::to_string(lane.position) + " に置きました";
    }
    return text + "\n";
}

std::string report_text(const Action& action, const AdvanceReport& report) {
    const HistoryEntry& entry = report.entry;
    std::string text = "位置 " + std::to_string(entry.position) + " → " +
                       std::to_string(report.positionAfter) + "（" + std::to_string(entry.count) +
                       "個）\n" + changes_text(action, report);
    for (const auto& [label, words] : {std::pair{"成長：", growth_words(report.outcome)},
                                       std::pair{"再行動：", re_move_words(report.outcome)},
                                       std::pair{"", figures_to_check_line(entry.grown)}}) {
        if (!words.empty()) {
            text.append(label).append(words).append("\n");
        }
    }
    return text;
}

}  // namespace

// 実行 on the scenario: the scenario after it, as the window would save its session.
CommandOutput command_advance(const CommandLine& line) {
    check_arguments(line, 1, {});
    const Tables& tables = cli_tables(line, true);
    Session session = read_scenario_file(line.positionals[0]).session;
    if (session.plan.stepCount > 0) {
        throw CliError(utf8_of(
            "advance "
            "は手順（steps）のないシナリオにだけ使えます。手順はウィンドウで一つずつ実行します"));
    }
    const AdvanceReport report = advance_past_action(session, tables.randomTable);
    if (report.refusal != AdvanceRefusal::kNone) {
        throw CliError(utf8_of(refusal_message(report).c_str()));
    }
    CommandOutput output;
    output.jsonText = write_scenario(session, kScenarioCodec);
    output.text =
        utf8_of((report_text(session.action, report) + kept_text(session, report)).c_str());
    return output;
}
