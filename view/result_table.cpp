#include "view/result_table.h"

#include <algorithm>
#include <numeric>

#include "search/plan_search.h"

namespace {

// The columns of a single action's results, after 位置 and 消費, as its switches choose them.
void add_outcome_columns(const Action& action, ResultTable& table) {
    const EventSwitches& on = action.eventSwitches;
    const bool battle = on[kSwitchBattle] == 1;
    const bool levelUp = on[kSwitchLevelUp] == 1;
    if (battle) {
        for (const ColumnKind kind :
             {ColumnKind::kAllyHp, ColumnKind::kEnemyHp, ColumnKind::kHits}) {
            table.columns.push_back({kind, 0});
        }
    }
    if (levelUp) {
        table.columns.push_back({ColumnKind::kGrowth, 0});
    }
    if ((battle || levelUp) && on[kSwitchReMove] == 1) {
        table.columns.push_back({ColumnKind::kReMove, 0});
    }
}

void start_table(ResultTable& table, int partCount, int chainLength) {
    table = ResultTable{};
    table.partCount = partCount;
    table.chainLength = chainLength;
    table.columns = {{ColumnKind::kPosition, 0}, {ColumnKind::kSpend, 0}};
}

// What the search's plan, or its action alone, gives from position p on sequence seedIndex: the
// action's outcome, or each step's in a few words and where it starts.
void add_outcomes(const WindowState& state, int seedIndex, std::int32_t p, ResultTable& table) {
    const SearchBasis& basis = state.search.basis;
    if (basis.plan.stepCount <= 0) {
        table.outcomes.push_back(outcome_of(
            basis.action, run_action_at(basis.action, state.tables->randomTable, seedIndex, p)));
        return;
    }
    PlanRuns runs;
    const int ran = run_plan_chain(basis.plan, state.tables->randomTable, seedIndex, p, runs);
    for (int k = 0; k < table.chainLength; ++k) {
        table.chains.push_back(k < ran ? runs[k].log.position : 0);
        table.partWords.push_back(k < ran ? outcome_words(outcome_of(basis.plan.steps[k], runs[k]))
                                          : "");
    }
}

// The same in one cell: the action's outcome, or the steps' one after another.
std::string outcome_on(const WindowState& state, int seedIndex, std::int32_t p) {
    ResultTable scratch;
    scratch.chainLength = std::clamp(state.search.basis.plan.stepCount, 0, kMaxPlanSteps);
    add_outcomes(state, seedIndex, p, scratch);
    if (!scratch.outcomes.empty()) {
        return outcome_words(scratch.outcomes[0]);
    }
    std::string words;
    for (const std::string& step : scratch.partWords) {
        words.append(words.empty() ? "" : "／").append(step);
    }
    return words;
}

std::int64_t number_of(const ResultTable& table, int row, const ResultColumn& column) {
    const std::size_t r = static_cast<std::size_t>(row);
    switch (column.kind) {
        case ColumnKind::kAllyHp:
            return table.outcomes[r].allyHp;
        case ColumnKind::kEnemyHp:
            return table.outcomes[r].enemyHp;
        default:
            return table.positions[r];
    }
}

std::string row_text(const ResultTable& table, int row, int column, int lanePosition) {
    const ResultColumn& c = table.columns[static_cast<std::size_t>(column)];
    const std::size_t r = static_cast<std::size_t>(row);
    const std::int32_t position = table.positions[r];
    switch (c.kind) {
        case ColumnKind::kPosition:
            return std::to_string(position);
        case ColumnKind::kSpend:
            return std::to_string(position - lanePosition);
        case ColumnKind::kAllyHp:
            return hp_words(table.outcomes[r], true);
        case ColumnKind::kEnemyHp:
            return hp_words(table.outcomes[r], false);
        case ColumnKind::kHits:
            return hits_words(table.outcomes[r]);
        case ColumnKind::kGrowth:
            return growth_words(table.outcomes[r]);
        case ColumnKind::kReMove:
            return re_move_words(table.outcomes[r]);
        case ColumnKind::kChain: {
            std::string chain;
            const std::size_t at = static_cast<std::size_t>(row * table.chainLength);
            for (int k = 0; k < table.chainLength; ++k) {
                chain.append(k == 0 ? "" : "→").append(std::to_string(table.chains[at + k]));
            }
            return chain;
        }
        case ColumnKind::kPart:
            return table.partWords[r * static_cast<std::size_t>(table.partCount) +
                                   static_cast<std::size_t>(c.part)];
    }
    return "";
}

// A field of comma-separated values: quoted, its quotes doubled, where it holds a separator.
std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted.append(c == '"' ? "\"\"" : std::string(1, c));
    }
    return quoted + "\"";
}

// The fields of a column in a spreadsheet: 命中 as two integers, since a spreadsheet reads "2/1"
// as the date 2月1日; every other column as the table shows it.
void append_fields(std::vector<std::string>& fields, const ResultTable& table, int shownRow,
                   int column, int lanePosition) {
    if (table.columns[static_cast<std::size_t>(column)].kind != ColumnKind::kHits) {
        fields.push_back(shownRow < 0 ? column_title(table, column)
                                      : cell_text(table, shownRow, column, lanePosition));
        return;
    }
    if (shownRow < 0) {
        fields.insert(fields.end(), {"味方命中", "敵命中"});
        return;
    }
    const ActionOutcome& outcome =
        table.outcomes[static_cast<std::size_t>(table.order[static_cast<std::size_t>(shownRow)])];
    for (const std::int32_t hits : {outcome.allyHits, outcome.enemyHits}) {
        fields.push_back(outcome.battle ? std::to_string(hits) : "");
    }
}

// The header (shown row -1) or a row, its fields joined.
void append_line(std::string& text, const ResultTable& table, int shownRow, int lanePosition,
                 const char* separator, bool csv) {
    std::vector<std::string> fields;
    for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
        append_fields(fields, table, shownRow, c, lanePosition);
    }
    for (std::size_t f = 0; f < fields.size(); ++f) {
        text.append(f == 0 ? "" : separator).append(csv ? csv_field(fields[f]) : fields[f]);
    }
    text.append("\r\n");
}

std::string table_text(const ResultTable& table, const std::vector<int>& shownRows,
                       int lanePosition, const char* separator, bool csv) {
    std::string text;
    append_line(text, table, -1, lanePosition, separator, csv);
    std::vector<int> rows = shownRows;
    if (rows.empty()) {
        rows.resize(table.order.size());
        std::iota(rows.begin(), rows.end(), 0);
    }
    for (const int r : rows) {
        append_line(text, table, r, lanePosition, separator, csv);
    }
    return text;
}

}  // namespace

bool numeric_column(ColumnKind kind) {
    return kind == ColumnKind::kPosition || kind == ColumnKind::kSpend ||
           kind == ColumnKind::kAllyHp || kind == ColumnKind::kEnemyHp;
}

void fill_results_table(const WindowState& state, ResultTable& table) {
    const SearchBasis& basis = state.search.basis;
    const int stepCount = std::clamp(basis.plan.stepCount, 0, kMaxPlanSteps);
    start_table(table, stepCount, stepCount);
    if (stepCount > 0) {
        table.columns.push_back({ColumnKind::kChain, 0});
        for (int k = 0; k < stepCount; ++k) {
            table.columns.push_back({ColumnKind::kPart, k});
            table.partTitles.push_back(std::to_string(k + 1) + ":");
        }
    } else {
        add_outcome_columns(basis.action, table);
    }
    for (const std::int32_t p : state.search.results) {
        table.positions.push_back(p);
        add_outcomes(state, basis.seedIndex, p, table);
    }
    table.order.resize(table.positions.size());
    std::iota(table.order.begin(), table.order.end(), 0);
}

void fill_common_table(const WindowState& state, ResultTable& table) {
    const LastSearch& search = state.search;
    const int sequences = static_cast<int>(search.commonSequences.size());
    start_table(table, sequences, 0);
    for (int s = 0; s < sequences; ++s) {
        table.columns.push_back({ColumnKind::kPart, s});
        table.partTitles.push_back(
            std::string("#").append(std::to_string(search.commonSequences[s])));
    }
    for (const std::int32_t p : search.commonPositions) {
        table.positions.push_back(p);
        for (int s = 0; s < sequences; ++s) {
            table.partWords.push_back(outcome_on(state, search.commonSequences[s], p));
        }
    }
    table.order.resize(table.positions.size());
    std::iota(table.order.begin(), table.order.end(), 0);
}

std::string column_title(const ResultTable& table, int column) {
    static const char* const kTitles[] = {"位置", "ずれ", "味方HP", "敵HP",
                                          "命中", "成長", "再行動", "手順"};
    const ResultColumn& c = table.columns[static_cast<std::size_t>(column)];
    return c.kind == ColumnKind::kPart ? table.partTitles[static_cast<std::size_t>(c.part)]
                                       : kTitles[static_cast<int>(c.kind)];
}

std::string cell_text(const ResultTable& table, int shownRow, int column, int lanePosition) {
    return row_text(table, table.order[static_cast<std::size_t>(shownRow)], column, lanePosition);
}

void sort_table(ResultTable& table, int column) {
    table.descending = column == table.sortColumn && !table.descending;
    table.sortColumn = column;
    const ResultColumn& c = table.columns[static_cast<std::size_t>(column)];
    std::vector<std::int32_t> rows(table.positions.size());
    std::iota(rows.begin(), rows.end(), 0);
    // Each row's key once; ties keep the search's order.
    std::vector<std::int64_t> numbers(rows.size());
    std::vector<std::string> texts(numeric_column(c.kind) ? 0 : rows.size());
    for (const std::int32_t r : rows) {
        if (numeric_column(c.kind)) {
            numbers[static_cast<std::size_t>(r)] = number_of(table, r, c);
        } else {
            texts[static_cast<std::size_t>(r)] = row_text(table, r, column, 0);
        }
    }
    const auto before = [&](std::int32_t a, std::int32_t b) {
        const std::size_t i = static_cast<std::size_t>(a), j = static_cast<std::size_t>(b);
        return numeric_column(c.kind) ? numbers[i] < numbers[j] : texts[i] < texts[j];
    };
    std::stable_sort(rows.begin(), rows.end(), [&](std::int32_t a, std::int32_t b) {
        return table.descending ? before(b, a) : before(a, b);
    });
    table.order = rows;
}

std::string table_tsv(const ResultTable& table, const std::vector<int>& shownRows,
                      int lanePosition) {
    return table_text(table, shownRows, lanePosition, "\t", false);
}

std::string table_csv(const ResultTable& table, int lanePosition) {
    return table_text(table, {}, lanePosition, ",", true);
}
