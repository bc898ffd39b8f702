#include <memory>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/scenario_state.h"
#include "search/locate.h"
#include "state/figure_limits.h"

namespace {

constexpr std::size_t kReadableLines = 20;

// The four options of what was seen, each with the event of the scenario it is about.
struct SeenOption {
    const char* name;
    Observed what;
    const char* needs;
};
constexpr SeenOption kSeenOptions[] = {
    {"--ally-hp", Observed::kAllyHp,
     " には、シナリオで戦闘をオンにしてください（eventSwitches[1] を 1）"},
    {"--enemy-hp", Observed::kEnemyHp,
     " には、シナリオで戦闘をオンにしてください（eventSwitches[1] を 1）"},
    {"--grown", Observed::kGrown,
     " には、シナリオでレベルアップをオンにしてください（eventSwitches[2] を 1）"},
    {"--re-move", Observed::kReMove,
     " には、シナリオで再行動をオンにし（eventSwitches[3] を 1）、再行動率（growthRates[9]）を 0 "
     "より大きくしてください"},
};

// Nine 0/1 in stat order, as bits.
std::uint32_t parse_grown(const std::string& list) {
    const std::vector<std::int64_t> flags = parse_integer_list(list, 0, 1, "--grown");
    if (flags.size() != static_cast<std::size_t>(kStatCount)) {
        throw CliError(utf8_of("--grown は 0 か 1 を 9 個、カンマで区切って書いてください（HP 力 "
                               "魔 技 速 守 体 運 移 の順。「") +
                       list + utf8_of("」が書かれています）"));
    }
    std::uint32_t grown = 0;
    for (int k = 0; k < kStatCount; ++k) {
        grown |= static_cast<std::uint32_t>(flags[k]) << k;
    }
    return grown;
}

Observations read_observations(const CommandLine& line, const Action& action) {
    Observations seen;
    for (const SeenOption& option : kSeenOptions) {
        const auto given = line.options.find(option.name);
        if (given == line.options.end()) {
            continue;
        }
        const std::string& value = given->second;
        switch (option.what) {
            case Observed::kAllyHp:
                seen.allyHp =
                    static_cast<std::int32_t>(parse_integer(value, 0, kHighestFigure, option.name));
                break;
            case Observed::kEnemyHp:
                seen.enemyHp =
                    static_cast<std::int32_t>(parse_integer(value, 0, kHighestFigure, option.name));
                break;
            case Observed::kGrown:
                seen.grown = parse_grown(value);
                break;
            case Observed::kReMove:
                seen.reMove = parse_integer(value, 0, 1, option.name) == 1;
                break;
        }
        if (!action_shows(action, option.what)) {
            throw CliError(std::string(option.name) + utf8_of(option.needs));
        }
    }
    if (!anything_seen(seen)) {
        throw CliError(utf8_of(
            "locate には --ally-hp、--enemy-hp、--grown、--re-move のどれかを書いてください"));
    }
    return seen;
}

nlohmann::json found_json(const LocatedPosition& at) {
    return {{"seedIndex", at.seedIndex},
            {"position", at.position},
            {"offset", at.offset},
            {"next", at.next}};
}

// "#16: 45（ずれ +3）→ 今は 62" (Shift-JIS).
std::string found_line(const LocatedPosition& at) {
    std::string line = "#";
    line.append(std::to_string(at.seedIndex)).append(": ").append(std::to_string(at.position));
    line.append("（ずれ ").append(offset_words(at.offset)).append("）→ 今は ");
    return line.append(std::to_string(at.next)).append("\n");
}

// Where locate looks, and how the readable form names it.
struct LocateWhere {
    PositionSet places;
    const char* named;
};

// The kept places when the scenario has any; else every sequence with --all-sequences (the marks
// checked, then left), the marks' sequences, or lane 0's.
LocateWhere locate_where(const CommandLine& line, Session& session) {
    const bool allSequences = line.options.count("--all-sequences") != 0;
    if (!session.kept.empty()) {
        for (const char* option : {"--marks", "--all-sequences"}) {
            if (line.options.count(option) != 0) {
                throw CliError(std::string(option) +
                               utf8_of(" は kept（残した位置）のあるシナリオには使えません。locate "
                                       "は残した位置だけを探します"));
            }
        }
        LocateWhere where{PositionSet{}, "（残した位置の乱数列）"};
        for (const LaneCursor& place : session.kept) {
            where.places.add(place);
        }
        return where;
    }
    take_marks_option(line, session);
    if (allSequences) {
        LocateWhere where{PositionSet{}, "（すべての乱数列）"};
        for (int seed = 0; seed < kSeedCount; ++seed) {
            where.places.add_sequence(seed);
        }
        return where;
    }
    const LocateSequences sequences =
        locate_sequences(cli_random_table(), session.marks.c_str(), session.lanes[0].seedIndex);
    return {every_position_of(std::span<const std::int32_t>(sequences.seeds, sequences.count)),
            sequences.byMarks ? "（○×に合う乱数列）" : "（上のレーンの乱数列）"};
}

}  // namespace

// Reads no start-up file: what an action gives depends on the scenario alone.
CommandOutput command_locate(const CommandLine& line) {
    check_arguments(
        line, 1, {"--ally-hp", "--enemy-hp", "--grown", "--re-move", "--marks", "--all-sequences"});
    const RandomTable& table = cli_random_table();
    Session session = read_scenario_file(line.positionals[0]).session;
    if (session.plan.stepCount > 0) {
        throw CliError(utf8_of(
            "locate "
            "は手順（steps）のないシナリオにだけ使えます。手順ではなく一つの行動にしてください"));
    }
    const Observations seen = read_observations(line, session.action);
    const LocateWhere where = locate_where(line, session);
    const LaneCursor& lane = session.lanes[0];
    const std::vector<std::int32_t> seeds = where.places.sequences();
    std::vector<LocatedPosition> found(session.kept.empty() ? seeds.size() * kLastLanePosition
                                                            : session.kept.size());
    found.resize(locate_positions(session.action, table, where.places, lane.position, seen, found));

    CommandOutput output;
    output.json = {
        {"sequences", seeds}, {"from", lane.position}, {"found", nlohmann::json::array()}};
    std::string text = "探した乱数列：";
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        text.append(i == 0 ? "" : " ").append(std::to_string(seeds[i]));
    }
    text.append(where.named).append("\n");
    text += "起きたことに合う位置：";
    text += found.empty() ? "なし\n"
                          : std::to_string(found.size()) + "個（上のレーンの位置 " +
                                std::to_string(lane.position) + " から近い順）\n";
    for (std::size_t i = 0; i < found.size(); ++i) {
        output.json["found"].push_back(found_json(found[i]));
        if (i < kReadableLines) {
            text += found_line(found[i]);
        }
    }
    if (found.size() > kReadableLines) {
        text += "…ほか " + std::to_string(found.size() - kReadableLines) + "個\n";
    }
    output.text = utf8_of(text.c_str());
    return output;
}
