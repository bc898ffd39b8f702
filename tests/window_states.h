#pragma once

// The window's states the tests of its portable half start from.

#include <memory>

#include "data/text_reader.h"
#include "data/unit_file.h"
#include "view/window_state.h"
#include "worked_units.h"

// Tables of a test's own: the sequences, and the units of a unit file given as its bytes.
inline std::unique_ptr<Tables> tables_of(const char* unitFile) {
    auto tables = std::make_unique<Tables>();
    generate_random_tables(tables->randomTable);
    TextReader units = reader_over_bytes(unitFile);
    read_unit_file(units, *tables);
    return tables;
}

// The state right after a successful start-up, with no unit chosen yet.
inline WindowState started_state() {
    return fresh_window_state(generated_tables());
}

// The same after the status dialog has set the worked units, their rates and both lanes.
inline WindowState status_set_state() {
    WindowState state = fresh_window_state(worked_tables());
    state.session = worked_session();
    refresh_shown(state);
    return state;
}
