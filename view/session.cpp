#include "view/session.h"

#include <cstring>
#include <memory>

#include "text/scenario_codec.h"
#include "view/main_commands.h"

namespace {

constexpr wchar_t kProgramTitle[] = L"ソラミト  ver 0.00a";
constexpr wchar_t kUntitled[] = L"無題";

}  // namespace

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

std::string new_session_text(const AppState& state) {
    const auto fresh = std::make_unique<AppState>(state);
    start_new_session(*fresh);
    return session_text(*fresh);
}

bool session_changed(const SessionBaseline& baseline, const std::string& current) {
    return current != baseline.text;
}

bool asks_to_save(const SessionBaseline& baseline, const std::string& current, Leaving leaving) {
    if (baseline.fileOpen) {
        return session_changed(baseline, current);
    }
    return leaving == Leaving::kReplacing && current != baseline.freshText;
}

std::wstring save_question(const std::wstring& fileName) {
    return (fileName.empty() ? kUntitled : fileName) + L" への変更を保存しますか？";
}

std::wstring window_title(const std::wstring& fileName, bool changed) {
    if (fileName.empty() && !changed) {
        return kProgramTitle;
    }
    return (changed ? L"*" : L"") + (fileName.empty() ? kUntitled : fileName) + L" - " +
           kProgramTitle;
}
