#include "ui/session.h"

#include <cstring>
#include <memory>

#include "text/scenario_codec.h"
#include "ui/main_commands.h"

void start_new_session(AppState& state) {
    // The state record is too large for the stack.
    const auto fresh = std::make_unique<AppState>();
    static_cast<GameTables&>(*fresh) = state;
    fresh->randomTable = state.randomTable;
    set_start_up_defaults(*fresh);
    state = *fresh;
}

void open_session(AppState& state, const std::string& text) {
    const auto opened = std::make_unique<AppState>(state);
    start_new_session(*opened);
    read_scenario(text, kScenarioCodec, *opened);
    MarkTextBuffer marks;
    std::memcpy(marks, opened->markText, sizeof marks);
    refresh_seed_candidates(*opened, marks);
    rerun_both_lanes(*opened);
    state = *opened;
}

std::string session_text(const AppState& state) {
    return write_scenario(state, kScenarioCodec);
}
