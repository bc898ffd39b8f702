#include "win32/roster_file.h"

#include <windows.h>

#include "text/scenario_codec.h"
#include "view/scenario_fault_words.h"
#include "win32/safe_file.h"
#include "win32/session_files.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kRosterName[] = L"roster.json";

Roster& roster() {
    static Roster kept;
    return kept;
}

}  // namespace

void load_kept_roster() {
    roster().clear();
    const std::wstring path = kept_file_path(kRosterName);
    if (path.empty() || !file_exists(path)) {
        return;
    }
    std::string bytes;
    std::wstring why;
    if (!read_file_bytes(path, bytes, why)) {
        why = L"ファイルを読み出せません。";
    } else {
        try {
            roster() = read_roster(bytes, kScenarioCodec);
            return;
        } catch (const ScenarioError& error) {
            why = wide_string_from_shift_jis(scenario_fault_words(error.fault));
        }
    }
    MoveFileExW(path.c_str(), kept_file_path(L"roster.bad.json").c_str(),
                MOVEFILE_REPLACE_EXISTING);
    say_after_start_up(
        L"味方の名簿を読めないため、空の名簿で始めます。"
        L"読めなかったファイルは %APPDATA%\\Soramito に次の名前で残しました。\n"
        L"roster.bad.json\n" +
        why);
}

const Roster& kept_roster() {
    return roster();
}

void confirm_in_kept_roster(const CombatantState& ally) {
    if (confirm_in_roster(roster(), ally)) {
        write_kept_file(kRosterName, write_roster(roster(), kScenarioCodec));
    }
}
