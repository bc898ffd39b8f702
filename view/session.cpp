#include "view/session.h"

#include "text/scenario_codec.h"
#include "view/main_commands.h"

namespace {

constexpr wchar_t kProgramTitle[] = L"ソラミト  ver 0.00a";
constexpr wchar_t kUntitled[] = L"無題";

}  // namespace

void start_new_session(WindowState& state) {
    Roster roster = std::move(state.roster);
    state = fresh_window_state(*state.tables);
    state.roster = std::move(roster);
}

void open_session(WindowState& state, const std::string& text) {
    ScenarioRead read = read_scenario(text, kScenarioCodec);
    start_new_session(state);
    state.session = std::move(read.session);
    refresh_shown(state);
}

std::string session_text(const Session& session) {
    return write_scenario(session, kScenarioCodec);
}

bool session_changed(const SessionBaseline& baseline, const Session& current) {
    return current != baseline.session;
}

bool asks_to_save(const SessionBaseline& baseline, const Session& current, Leaving leaving) {
    if (baseline.fileOpen) {
        return session_changed(baseline, current);
    }
    return leaving == Leaving::kReplacing && current != default_session();
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
