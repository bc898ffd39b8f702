#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/outcome.h"
#include "view/window_state.h"

// The tables of the 検索結果 window, as plain data: the last search's positions over the whole
// range, or those that hold on every matching sequence, each with what happens there.

enum class ColumnKind {
    kPosition,  // 位置
    kSpend,     // 消費: the values to spend from lane 0's position as it stands
    kAllyHp,    // 味方HP after the battle
    kEnemyHp,   // 敵HP
    kHits,      // 命中: the hits each side landed, "2/0"
    kGrowth,    // 成長: the stats that grow
    kReMove,    // 再行動: ○ or ×
    kChain,     // 手順: where each step of a plan starts, "103→117→126"
    kPart,      // the outcome of one step of a plan, or on one sequence, in a few words
};

// Whether a column holds numbers: they sort as numbers and stand right-aligned.
bool numeric_column(ColumnKind kind);

struct ResultColumn {
    ColumnKind kind;
    int part;  // kPart: the step or the sequence
};

struct ResultTable {
    std::vector<ResultColumn> columns;
    std::vector<std::string> partTitles;  // "1:", "2:", ... or "#16", ...
    int partCount = 0;                    // the kPart columns
    int chainLength = 0;                  // the positions of a row's chain
    std::vector<std::int32_t> positions;
    std::vector<ActionOutcome> outcomes;  // a row's, for a single action's columns
    std::vector<std::int32_t> chains;     // chainLength a row
    std::vector<std::string> partWords;   // partCount a row
    std::vector<std::int32_t> order;      // the row shown r-th
    int sortColumn = -1;
    bool descending = false;
};

// The state's last search: each position with what its action, or each step of its plan, gives
// there on lane 0's sequence.
void fill_results_table(const WindowState& state, ResultTable& table);

// The positions that hold on every sequence the marks match, each with what happens on each.
void fill_common_table(const WindowState& state, ResultTable& table);

// Titles and cells, in Shift-JIS.
std::string column_title(const ResultTable& table, int column);
std::string cell_text(const ResultTable& table, int shownRow, int column, int lanePosition);

// Sorts the rows by a column, ascending; the same column once more reverses the order.
void sort_table(ResultTable& table, int column);

// The header and the given shown rows, all of them when none is given, as tab-separated text
// ready for a spreadsheet. There, 命中 is two columns of integers, 味方命中 and 敵命中, and every
// number a plain integer.
std::string table_tsv(const ResultTable& table, const std::vector<int>& shownRows,
                      int lanePosition);

// The whole table as comma-separated values, the columns as in table_tsv, quoted where a field
// needs it.
std::string table_csv(const ResultTable& table, int lanePosition);
